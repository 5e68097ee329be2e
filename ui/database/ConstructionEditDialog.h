#pragma once

#include "persistence/Construction.h"

#include <QDialog>

class MaterialList;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class DatabaseDialogs;

namespace QtExt {
class ConstructionViewWidget;
class ValidatingLineEdit;
} // namespace QtExt

/*  Edits one construction of the construction database: its name, its notes and its layers.
    The layers are edited through the tool bar of the construction sketch (assign a material,
    insert left or right, remove, move) and the width field of the selected layer; materials
    are chosen from the material database. A construction needs a name and at least one layer.
    The second material of a layer (studs, rafters) is kept through every edit here; only a
    material given by its sd-value takes it away, as in the project.
*/
class ConstructionEditDialog : public QDialog
{
    Q_OBJECT
public:
    ConstructionEditDialog(MaterialList &materials, DatabaseDialogs &dialogs,
                           QWidget *parent = nullptr);

    void setConstruction(const Construction &construction);
    /*! The construction as edited: name and notes from the fields, the edited layers. */
    Construction construction() const;

    QLineEdit *nameEdit() const { return m_name; }
    QPlainTextEdit *notesEdit() const { return m_notes; }
    QtExt::ConstructionViewWidget *constructionView() const { return m_view; }
    QtExt::ValidatingLineEdit *widthEdit() const { return m_width; }
    QPushButton *appendButton() const { return m_append; }
    QDialogButtonBox *buttonBox() const { return m_buttons; }

public slots:
    void assignMaterial(int index);
    void insertLayer(int index, bool left);
    void moveLayer(int index, bool left);
    void removeLayer(int index);
    /*! Appends a layer of a chosen material on the cold side. */
    void appendLayer();

private:
    /*! Redraws the sketch, selects the layer and updates the width field and OK. */
    void refresh(int select);
    void layerSelected(int index);
    void widthEdited();
    void updateState();
    bool chooseMaterial(Material *material);

    MaterialList &m_materials;
    DatabaseDialogs &m_dialogs;
    Construction m_construction;
    int m_selected = -1;

    QLineEdit *m_name;
    QPlainTextEdit *m_notes;
    QtExt::ConstructionViewWidget *m_view;
    QLabel *m_layerLabel;
    QtExt::ValidatingLineEdit *m_width;
    QPushButton *m_append;
    QDialogButtonBox *m_buttons;
};
