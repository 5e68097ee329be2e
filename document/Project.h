#pragma once

#include "calculation/Calculation.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"

#include <QObject>
#include <QString>

#include <memory>

/*  The one open project: owns the project document (input data, calculation with its results,
    project information), knows its file name and whether it was changed, loads and saves the
    project file and announces every change with the signal modified(modType).

    Modification types: 0 a change that affects the calculation (layers, materials, widths,
    climate, periods, heat-flow direction), 1 appearance only (layer colour, material name),
    2 project information. setModified(0) validates and recalculates synchronously before the
    signal goes out, so listeners only redraw.

    The calculation options that are user preferences (moisture-dependent conductivity) are
    handed in by the owner as plain values; the heat-flow direction comes from the project
    information of the document.

    The document accessors require an open project (hasProject()).
*/
class Project : public QObject
{
    Q_OBJECT

public:
    enum ModificationType
    {
        MT_Calculation = 0,
        MT_Appearance = 1,
        MT_ProjectInformation = 2
    };

    /*! The document of an open project, created and destroyed as a whole. */
    struct Document
    {
        InputData m_inputData;
        CalculationOutcome m_outcome;
        ProjectInformation m_projectInformation;
    };

    explicit Project(QObject *parent = nullptr);
    ~Project() override;

    /*! Replaces the document by a new one (no layers, default climate, default project
        information) and clears the file name. */
    void createNew();
    /*! Destroys the document; afterwards no project is open. */
    void close();
    bool hasProject() const { return m_document != nullptr; }

    const InputData &inputData() const;
    InputData &inputData();
    /*! Assigns a complete InputData (opens a new document when none is open). */
    void setInputData(const InputData &input);

    const ProjectInformation &projectInformation() const;
    ProjectInformation &projectInformation();
    void setProjectInformation(const ProjectInformation &info);

    /*! The outcome of the last calculation of the document. */
    const CalculationOutcome &outcome() const;
    const CalculationResults &results() const { return outcome().results; }
    /*! The messages of the last calculation (the reasons of result type 2). */
    const QStringList &messages() const { return outcome().messages; }

    /*! Path of the project file; empty for a project never saved. Set by the owner. */
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    /*! Reads the project file into the document (created when none is open): the input data
        are replaced, the project information keeps values the file does not contain. After a
        successful read the input is validated and calculated, so that status and results are
        up to date; no signal is emitted and the modified flag is not touched. On failure
        returns false with the reason in message; the document is left as reading left it. */
    bool load(const QString &fileName, QString *message = nullptr);
    /*! Writes the project file (atomic replace). Returns false, with the reason in message,
        when the file cannot be written; the previous file then is unchanged. */
    bool save(const QString &fileName, QString *message = nullptr) const;

    bool isModified() const { return m_modified; }
    void resetModified() { m_modified = false; }
    /*! Sets the modified flag; for type 0 validates the input and recalculates first; then
        emits modified(modType). */
    void setModified(int modType);

    /*! Validates the input data and runs the calculation, without touching the modified flag or
        emitting a signal. */
    void recalculate();

    /*! Moisture-dependent thermal conductivity in the moisture-storage method (a user
        preference set by the owner; default true). Takes effect at the next calculation. */
    void setMoistureDependentLambda(bool on) { m_moistureDependentLambda = on; }
    bool moistureDependentLambda() const { return m_moistureDependentLambda; }

    /*! The options of the next calculation: the document's heat-flow direction and the
        moisture-dependent-conductivity preference. */
    CalculationOptions calculationOptions() const;

signals:
    void modified(int modType);

private:
    Document &ensureDocument();

    std::unique_ptr<Document> m_document;
    QString m_fileName;
    bool m_modified = false;
    bool m_moistureDependentLambda = true;
};
