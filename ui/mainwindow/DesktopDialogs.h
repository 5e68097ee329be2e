#pragma once

#include "ui/DatabaseDialogs.h"

#include "settings/DisplayUnits.h"

#include <QPointer>

class MaterialDatabaseDialog;

/*! The real dialogs of DatabaseDialogs, modal over the given parent. */
class DesktopDialogs : public DatabaseDialogs
{
public:
    void setDisplayUnits(const DisplayUnits &units) override;
    Choice chooseMaterial(QWidget *parent, MaterialList &materials, ConstructionList *constructions,
                          Material *material, Construction *construction) override;
    void browseDatabase(QWidget *parent, MaterialList &materials,
                        ConstructionList &constructions) override;
    bool editMaterial(QWidget *parent, Material *material, const QString &title) override;
    bool editConstruction(QWidget *parent, MaterialList &materials, Construction *construction,
                          const QString &title) override;
    bool newProject(QWidget *parent, MaterialList &materials, ConstructionList &constructions,
                    InputData *input, ProjectInformation *info) override;

private:
    /*! The database dialog, created once for the lists it was made for and reused. */
    MaterialDatabaseDialog *databaseDialog(QWidget *parent, MaterialList &materials,
                                           ConstructionList *constructions);

    QPointer<MaterialDatabaseDialog> m_databaseDialog;
    DisplayUnits m_units;
};
