#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>

class Construction;
class ConstructionList;
class InputData;
class Material;
class MaterialDatabaseDialog;
class MaterialList;
class ProjectInformation;
class QWidget;

/*  Every modal question, message and file choice of the main window goes through here, so
    that a test can answer them without a dialog blocking it. The program uses this class as it
    is; tests derive from it and script the answers.
*/
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    virtual void critical(QWidget *parent, const QString &title, const QString &text);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton);

    /*! A file to open; empty when cancelled. */
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter);
    /*! A file to save to (detail view); empty when cancelled. */
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &directory,
                                 const QString &filter);
    /*! An existing directory; empty when cancelled. */
    virtual QString existingDirectory(QWidget *parent, const QString &title,
                                      const QString &directory);
    /*! A picture file to export: the dialog keeps its directory between calls; selectedFilter
        receives the chosen name filter. Empty when cancelled. */
    virtual QString exportFileName(QWidget *parent, const QStringList &filters,
                                   QString *selectedFilter);

    /*! What to do with the user databases already in a directory the user databases move to. */
    enum ExistingData
    {
        UseExistingData, ///< take the databases found there
        MergeData,       ///< add the own materials and constructions to them
        KeepDirectory    ///< do not move
    };
    /*! Asks what to do with the user data found in directory. */
    virtual ExistingData existingUserData(QWidget *parent, const QString &directory);

    /*! Result codes of the material and construction choice. */
    enum Choice
    {
        MaterialChosen = 0,
        ConstructionChosen = 1,
        Cancelled = 2
    };
    /*! Lets the user choose a material (or, when constructions are offered, a construction)
        from the databases, which the user may edit on the way: the material and construction
        database dialog in its selection mode. */
    virtual Choice chooseMaterial(QWidget *parent, MaterialList &materials,
                                  ConstructionList *constructions, Material *material,
                                  Construction *construction);
    /*! The database dialog for browsing and editing both databases. */
    virtual void browseDatabase(QWidget *parent, MaterialList &materials,
                                ConstructionList &constructions);
    /*! Edits a user material; false when cancelled (the material is then unchanged). */
    virtual bool editMaterial(QWidget *parent, Material *material, const QString &title);
    /*! Edits a construction of the construction database (name, notes, layers; materials are
        chosen through chooseMaterial); false when cancelled. */
    virtual bool editConstruction(QWidget *parent, MaterialList &materials,
                                  Construction *construction, const QString &title);
    /*! The new-project wizard: fills the layers of input and the project information; false
        when cancelled. info holds the defaults on entry. */
    virtual bool newProject(QWidget *parent, MaterialList &materials,
                            ConstructionList &constructions, InputData *input,
                            ProjectInformation *info);

    /*! Where the import file dialogs of the database pages start (the place of the last
        project); the home directory when empty. */
    void setImportDirectory(const QString &directory) { m_importDirectory = directory; }
    QString importDirectory() const;

private:
    /*! The database dialog, created once for the lists it was made for and reused. */
    MaterialDatabaseDialog *databaseDialog(QWidget *parent, MaterialList &materials,
                                           ConstructionList *constructions);

    QString m_exportDirectory = QStringLiteral(".");
    QString m_importDirectory;
    QPointer<MaterialDatabaseDialog> m_databaseDialog;
};
