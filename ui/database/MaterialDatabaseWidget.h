#pragma once

#include "model/Material.h"

#include <QWidget>

class MaterialList;
class QAction;
class QToolButton;
class DatabaseDialogs;

namespace QtExt {
class MaterialDatabaseSelectionWidget;
}

/*  The materials page of the database dialog: the filtered material table and the actions on
    the user's own materials (add, edit, copy, remove) and the import of material files. Shipped
    materials can only be copied; every change of a user material is written to the user file
    at once by the material list.
*/
class MaterialDatabaseWidget : public QWidget
{
    Q_OBJECT
public:
    MaterialDatabaseWidget(MaterialList &materials, DatabaseDialogs &dialogs,
                           QWidget *parent = nullptr);

    /*! Builds the table again from the material list, keeping the selected material. */
    void reload();

    /*! The selected material (nullptr when none is selected). */
    const Material *selectedMaterial() const;
    /*! Selects the material with the id (clearing filters that hide it). */
    void selectMaterial(int materialId);
    void clearSelection();

    /*! Reads a material file by its extension ("txt": version-1 list, "mmat": user file) and
        adds its materials to the user materials, telling the user what happened. Returns the
        number of materials added. */
    int importFile(const QString &fileName);

    QtExt::MaterialDatabaseSelectionWidget *selectionWidget() const { return m_selection; }
    QAction *actionAdd() const { return m_add; }
    QAction *actionRemove() const { return m_remove; }
    QAction *actionEdit() const { return m_edit; }
    QAction *actionCopy() const { return m_copy; }
    QAction *actionImport() const { return m_import; }

signals:
    /*! The selection changed (nullptr material: none). */
    void materialSelected(const Material *material);
    /*! The user double-clicked a material. */
    void materialActivated();

public slots:
    void addMaterial();
    void removeMaterial();
    void editMaterial();
    void copyMaterial();
    void importMaterials();

private:
    void updateActions();
    QToolButton *makeButton(QAction *action);

    MaterialList &m_materials;
    DatabaseDialogs &m_dialogs;
    QtExt::MaterialDatabaseSelectionWidget *m_selection;
    QAction *m_add;
    QAction *m_remove;
    QAction *m_edit;
    QAction *m_copy;
    QAction *m_import;
    bool m_reloading = false;
};
