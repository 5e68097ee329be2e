#pragma once

#include "ui/UserDialogs.h"

class Construction;
class DisplayUnits;
class ConstructionList;
class InputData;
class Material;
class MaterialList;
class ProjectInformation;

/*  The program's own modal dialogs that other dialogs open in turn: the database dialog (which
    holds the construction editor, which chooses its layers' materials from the database dialog),
    the material editor and the new-project wizard. The dialogs reach one another only through
    this interface, so none of them depends on another's implementation; DesktopDialogs makes
    the real ones, and tests derive from it to script the answers.
*/
class DatabaseDialogs : public UserDialogs
{
public:
    /*! The units in which the dialogs show widths and A_w (those of the main window). */
    virtual void setDisplayUnits(const DisplayUnits &units) = 0;

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
                                  Construction *construction) = 0;
    /*! The database dialog for browsing and editing both databases. */
    virtual void browseDatabase(QWidget *parent, MaterialList &materials,
                                ConstructionList &constructions) = 0;
    /*! Edits a user material; false when cancelled (the material is then unchanged). */
    virtual bool editMaterial(QWidget *parent, Material *material, const QString &title) = 0;
    /*! Edits a construction of the construction database (name, notes, layers; materials are
        chosen through chooseMaterial); false when cancelled. */
    virtual bool editConstruction(QWidget *parent, MaterialList &materials,
                                  Construction *construction, const QString &title) = 0;
    /*! The new-project wizard: fills the layers of input and the project information; false
        when cancelled. info holds the defaults on entry. */
    virtual bool newProject(QWidget *parent, MaterialList &materials,
                            ConstructionList &constructions, InputData *input,
                            ProjectInformation *info) = 0;
};
