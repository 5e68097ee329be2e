#include "ui/database/MaterialDatabaseWidget.h"

#include "htl/HTL_Exception.h"
#include "persistence/MaterialList.h"
#include "qtext/MaterialDatabaseSelectionWidget.h"
#include "qtext/MaterialTableModel.h"
#include "ui/DatabaseDialogs.h"
#include "ui/database/MaterialTransfer.h"
#include "ui/UiResources.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>
#include <vector>

MaterialDatabaseWidget::MaterialDatabaseWidget(MaterialList &materials, DatabaseDialogs &dialogs,
                                               QWidget *parent)
    : QWidget(parent)
    , m_materials(materials)
    , m_dialogs(dialogs)
    , m_selection(new QtExt::MaterialDatabaseSelectionWidget(this))
{
    initUiResources();
    m_selection->setObjectName(QStringLiteral("widgetMaterialSelection"));
    m_selection->setCategoryNames(Material::categoryNames());
    m_selection->setUserSourceCode(MaterialTransfer::UserMaterial);

    auto makeAction = [this](const char *name, const QString &text, const QString &toolTip,
                             const char *icon) {
        auto *action = new QAction(QIcon(QLatin1String(icon)), text, this);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(toolTip);
        return action;
    };
    m_add = makeAction("actionAddMaterial", tr("Add material"),
                       tr("Add a new user defined material"), ":/icons/03_AddMaterial_enabled.png");
    m_remove =
        makeAction("actionRemoveMaterial", tr("Remove material"),
                   tr("Removes user defined material"), ":/icons/07_Schicht-entfernen_32x32.png");
    m_edit = makeAction("actionEditMaterial", tr("Edit material"), tr("Edit user defined material"),
                        ":/icons/09_Projektinf-bearbeiten_24x24.png");
    m_copy = makeAction("actionCopyMaterial", tr("Copy material"),
                        tr("Copies the selected material into a new user defined material"),
                        ":/icons/19_Copy_32x32.png");
    m_import =
        makeAction("actionImportMaterials", tr("Import..."),
                   tr("Import external user database (version 1 and 2)"), ":/icons/open.png");
    connect(m_add, &QAction::triggered, this, &MaterialDatabaseWidget::addMaterial);
    connect(m_remove, &QAction::triggered, this, &MaterialDatabaseWidget::removeMaterial);
    connect(m_edit, &QAction::triggered, this, &MaterialDatabaseWidget::editMaterial);
    connect(m_copy, &QAction::triggered, this, &MaterialDatabaseWidget::copyMaterial);
    connect(m_import, &QAction::triggered, this, &MaterialDatabaseWidget::importMaterials);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QAction *action : {m_add, m_edit, m_copy, m_remove})
        buttons->addWidget(makeButton(action));
    buttons->addStretch(1);
    QToolButton *importButton = makeButton(m_import);
    importButton->setObjectName(QStringLiteral("pushButtonImport"));
    buttons->addWidget(importButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_selection, 1);
    layout->addLayout(buttons);

    connect(m_selection, &QtExt::MaterialDatabaseSelectionWidget::materialSelected, this, [this]() {
        if (m_reloading)
            return;
        updateActions();
        emit materialSelected(selectedMaterial());
    });
    connect(m_selection, &QtExt::MaterialDatabaseSelectionWidget::materialActivated, this,
            &MaterialDatabaseWidget::materialActivated);
    // user materials added elsewhere (the main window's "Add Material to User Database")
    connect(&m_materials, &MaterialList::userMaterialsChanged, this,
            &MaterialDatabaseWidget::reload);
    reload();
}

QToolButton *MaterialDatabaseWidget::makeButton(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(false);
    button->setObjectName(QStringLiteral("toolButton") + action->objectName().mid(6));
    return button;
}

void MaterialDatabaseWidget::reload()
{
    std::vector<std::unique_ptr<QtExt::MaterialBase>> list;
    const int databaseCount = m_materials.databaseMaterialCount();
    for (int i = 0; i < m_materials.count(); ++i) {
        const Material &m = *m_materials.material(i);
        if (i < databaseCount)
            list.push_back(
                std::make_unique<MaterialTransfer>(m, i, MaterialTransfer::DatabaseMaterial,
                                                   m_materials.otherLanguageNames(m.m_materialId)));
        else
            list.push_back(
                std::make_unique<MaterialTransfer>(m, i, MaterialTransfer::UserMaterial));
    }
    m_reloading = true;
    m_selection->setMaterials(std::move(list));
    m_reloading = false;
    updateActions();
    emit materialSelected(selectedMaterial());
}

const Material *MaterialDatabaseWidget::selectedMaterial() const
{
    const auto *transfer = dynamic_cast<const MaterialTransfer *>(m_selection->selectedMaterial());
    return transfer ? &transfer->material() : nullptr;
}

void MaterialDatabaseWidget::selectMaterial(int materialId)
{
    m_selection->selectMaterial(materialId);
}

void MaterialDatabaseWidget::clearSelection()
{
    m_selection->clearSelection();
}

void MaterialDatabaseWidget::updateActions()
{
    const Material *m = selectedMaterial();
    const bool user = m && m_materials.isUserMaterial(m->m_materialId);
    m_remove->setEnabled(user);
    m_edit->setEnabled(user);
    m_copy->setEnabled(m != nullptr);
}

void MaterialDatabaseWidget::addMaterial()
{
    Material material;
    material.m_name = tr("New material");
    material.m_category = 12;
    // a colour of its own, as every new material gets, so that layers can be told apart
    material.m_color = QColor(std::rand() % 256, std::rand() % 256, std::rand() % 256);
    if (!m_dialogs.editMaterial(this, &material, tr("Add material")))
        return;
    const int id = m_materials.addUserMaterial(material);
    selectMaterial(id);
}

void MaterialDatabaseWidget::editMaterial()
{
    const Material *selected = selectedMaterial();
    if (!selected || !m_materials.isUserMaterial(selected->m_materialId))
        return;
    const int id = selected->m_materialId;
    Material material = *selected;
    if (!m_dialogs.editMaterial(this, &material, tr("Edit material")))
        return;
    m_materials.replaceUserMaterial(id, material);
    selectMaterial(id);
}

void MaterialDatabaseWidget::copyMaterial()
{
    const Material *selected = selectedMaterial();
    if (!selected)
        return;
    Material material = *selected;
    material.m_name = tr("%1 (copy)").arg(selected->m_name);
    // the copy is the user's: the record data of the catalogue do not travel with it
    material.m_applicationCodes.clear();
    material.m_databaseInteger.reset();
    if (!m_dialogs.editMaterial(this, &material, tr("Copy material")))
        return;
    const int id = m_materials.addUserMaterial(material);
    selectMaterial(id);
}

void MaterialDatabaseWidget::removeMaterial()
{
    const Material *selected = selectedMaterial();
    if (!selected || !m_materials.isUserMaterial(selected->m_materialId))
        return;
    const int id = selected->m_materialId;
    if (m_dialogs.question(this, tr("Remove material"),
                           tr("Do you really want to remove the material '%1' from the user "
                              "database?")
                               .arg(selected->m_name),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    m_selection->clearSelection();
    m_materials.removeUserMaterial(id);
}

void MaterialDatabaseWidget::importMaterials()
{
    const QString fileName = m_dialogs.openFileName(
        this, tr("Select file with user material database."), m_dialogs.importDirectory(),
        tr("Database for Mirelo 1.9 (*.txt)") + QStringLiteral(";;") +
            tr("Database for Mirelo 2.0 (*.mmat)"));
    if (fileName.isEmpty())
        return;
    importFile(fileName);
}

int MaterialDatabaseWidget::importFile(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    std::vector<Material> read;
    if (extension == QLatin1String("txt")) {
        try {
            read = MaterialList::readVersion1List(fileName);
        } catch (const HTL::Exception &) {
            // a list that fails gives no materials; the warning below says so
            read.clear();
        }
    } else if (extension == QLatin1String("mmat")) {
        read = MaterialList::readUserFile(fileName);
    } else {
        m_dialogs.warning(
            this, tr("Material read error."),
            tr("No valid material file '%1'\n Extension sould be 'txt' or 'mmat'").arg(fileName));
        return 0;
    }
    if (read.empty()) {
        m_dialogs.warning(this, tr("Material read error."),
                          tr("No materials found in file '%1'").arg(fileName));
        return 0;
    }
    m_dialogs.information(this, tr("Materials added."),
                          tr("%1 materials found in file '%2'").arg(read.size()).arg(fileName));
    int lastId = -1;
    for (const Material &m : read)
        lastId = m_materials.addUserMaterial(m);
    selectMaterial(lastId);
    return int(read.size());
}
