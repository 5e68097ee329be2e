#include "ui/mainwindow/DesktopDialogs.h"

#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"

#include "ui/database/ConstructionEditDialog.h"
#include "ui/database/MaterialDatabaseDialog.h"
#include "ui/database/MaterialEditDialog.h"
#include "ui/database/NewProjectWizard.h"

#include <memory>

void DesktopDialogs::setDisplayUnits(const DisplayUnits &units)
{
    m_units = units;
    if (m_databaseDialog)
        m_databaseDialog->setDisplayUnits(units);
}

MaterialDatabaseDialog *DesktopDialogs::databaseDialog(QWidget *parent, MaterialList &materials,
                                                       ConstructionList *constructions)
{
    MaterialDatabaseDialog *dialog = m_databaseDialog.data();
    if (dialog && (&dialog->materials() != &materials ||
                   (constructions && dialog->constructions() != constructions))) {
        delete dialog;
        dialog = nullptr;
    }
    if (!dialog) {
        dialog = new MaterialDatabaseDialog(materials, constructions, *this, parent);
        dialog->setDisplayUnits(m_units);
        m_databaseDialog = dialog;
    }
    return dialog;
}

DatabaseDialogs::Choice DesktopDialogs::chooseMaterial(QWidget *parent, MaterialList &materials,
                                                       ConstructionList *constructions,
                                                       Material *material,
                                                       Construction *construction)
{
    // A choice asked for from inside the running database dialog (a layer of a construction
    // being edited) gets a dialog of its own.
    std::unique_ptr<MaterialDatabaseDialog> nested;
    MaterialDatabaseDialog *dialog = nullptr;
    if (m_databaseDialog && m_databaseDialog->isVisible()) {
        nested = std::make_unique<MaterialDatabaseDialog>(materials, nullptr, *this, parent);
        nested->setDisplayUnits(m_units);
        dialog = nested.get();
    } else {
        dialog = databaseDialog(parent, materials, constructions);
    }
    const int result = dialog->select(constructions != nullptr);
    if (result == MaterialChosen && material)
        *material = dialog->selectedMaterial();
    else if (result == ConstructionChosen && construction)
        *construction = dialog->selectedConstruction();
    return Choice(result);
}

void DesktopDialogs::browseDatabase(QWidget *parent, MaterialList &materials,
                                    ConstructionList &constructions)
{
    databaseDialog(parent, materials, &constructions)->browse();
}

bool DesktopDialogs::editMaterial(QWidget *parent, Material *material, const QString &title)
{
    MaterialEditDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setMaterial(*material);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *material = dialog.material();
    return true;
}

bool DesktopDialogs::editConstruction(QWidget *parent, MaterialList &materials,
                                      Construction *construction, const QString &title)
{
    ConstructionEditDialog dialog(materials, *this, parent);
    dialog.setWindowTitle(title);
    dialog.setConstruction(*construction);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *construction = dialog.construction();
    return true;
}

bool DesktopDialogs::newProject(QWidget *parent, MaterialList &materials,
                                ConstructionList &constructions, InputData *input,
                                ProjectInformation *info)
{
    NewProjectWizard wizard(*input, *info, materials, constructions, *this, parent);
    return wizard.exec() == QDialog::Accepted;
}
