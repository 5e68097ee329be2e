#pragma once

#include "ui/commands/M2_UndoCommandBase.h"

#include "model/Climate.h"
#include "model/ProjectInformation.h"
#include "settings/HeatFlowDirection.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/*  The commands of the descriptive part of a project: heat-flow direction, project information
    and the final remarks of the report. Each is a swap: undo and redo exchange the held value
    with the project's. Like every edit of the project they mark it modified. */

class M2_UndoHeatFlowDirection : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoHeatFlowDirection)
public:
    /*! The direction by its code (0 downwards, 1 upwards, 2 horizontal), as the checked action
        of the heat-flow action group carries it. */
    M2_UndoHeatFlowDirection(Project &project, int directionCode);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description(int directionCode);

private:
    void swap();

    HeatFlowDirection m_direction;
};

/*! The six texts of the project information and the heat-flow direction, all at once. */
class M2_UndoChangeProjectInfo : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoChangeProjectInfo)
public:
    M2_UndoChangeProjectInfo(Project &project, const ProjectInformation &info);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description();

private:
    void swap();

    ProjectInformation m_info;
};

/*! The final remarks printed at the end of the report. */
class UndoChangeDisclaimer : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(UndoChangeDisclaimer)
public:
    UndoChangeDisclaimer(Project &project, const QString &text);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description();

private:
    void swap();

    QString m_text;
};

/*  The construction kind with the defaults it drives (heat-flow direction, outside climate,
    evaporation period, row of DIN 4108-2 table 3), as one step: undo restores all of them as
    they were. summary() says what the kind changed, for the status bar. */
class M2_UndoConstructionKind : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoConstructionKind)
public:
    /*! minimumResistanceEdition: the edition of DIN 4108-2 table 3 whose numbering the row
        takes (0 = 2004, 1 = 2013). */
    M2_UndoConstructionKind(Project &project, ConstructionKind kind, int minimumResistanceEdition);
    void undo() override;
    void redo() override;
    static QString description(ConstructionKind kind);

    /*! "Construction kind “…”: heat flow upwards; …" listing what the kind changed (computed
        with the command, before the push). */
    const QString &summary() const { return m_summary; }

private:
    struct State
    {
        ConstructionKind kind;
        int minimumResistanceType;
        HeatFlowDirection direction;
        Climate climate;
    };
    static State stateOf(const Project &project);

    ConstructionKind m_kind;
    int m_edition;
    State m_before;
    QString m_summary;
};

/*! The project's row of DIN 4108-2 table 3 for the minimum thermal resistance (a construction
    type, or ProjectInformation::NoMinimumResistanceType for the report setting). */
class M2_UndoMinimumResistanceType : public M2_UndoCommandBase
{
    Q_DECLARE_TR_FUNCTIONS(M2_UndoMinimumResistanceType)
public:
    M2_UndoMinimumResistanceType(Project &project, int type);
    void undo() override { swap(); }
    void redo() override { swap(); }
    static QString description();

private:
    void swap();

    int m_type;
};
