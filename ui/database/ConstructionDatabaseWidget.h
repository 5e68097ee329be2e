#pragma once

#include "persistence/Construction.h"

#include <QWidget>

class ConstructionDatabaseTableModel;
class ConstructionList;
class MaterialList;
class QAction;
class QPlainTextEdit;
class QTableView;
class QToolButton;
class DatabaseDialogs;

namespace QtExt {
class ConstructionViewWidget;
}

/*  The constructions page of the database dialog: the stored constructions as a table, a sketch
    and the notes of the selected one, and the actions that add, delete, edit, copy and import
    constructions. Every change is written to the construction file at once by the list.
*/
class ConstructionDatabaseWidget : public QWidget
{
    Q_OBJECT
public:
    ConstructionDatabaseWidget(ConstructionList &constructions, MaterialList &materials,
                               DatabaseDialogs &dialogs, QWidget *parent = nullptr);

    /*! The selected construction (nullptr when none is selected). */
    const Construction *selectedConstruction() const;
    /*! Selects the row (-1 clears the selection). */
    void selectRow(int row);
    int selectedRow() const;

    /*! Adds the constructions of a construction file to the database; returns how many were
        new. Tells the user what happened. */
    int importFile(const QString &fileName);

    QTableView *tableView() const { return m_table; }
    QtExt::ConstructionViewWidget *constructionView() const { return m_view; }
    QPlainTextEdit *notesEdit() const { return m_notes; }
    QAction *actionAdd() const { return m_add; }
    QAction *actionRemove() const { return m_remove; }
    QAction *actionEdit() const { return m_edit; }
    QAction *actionCopy() const { return m_copy; }
    QAction *actionImport() const { return m_import; }

signals:
    void constructionSelected(const Construction *construction);
    /*! The user double-clicked a construction. */
    void constructionActivated();

public slots:
    void addConstruction();
    void removeConstruction();
    void editConstruction();
    void copyConstruction();
    void importConstructions();

private:
    void selectionChanged();
    void fitColumns();
    void showConstruction(const Construction *construction);
    QToolButton *makeButton(QAction *action);

    ConstructionList &m_constructions;
    MaterialList &m_materials;
    DatabaseDialogs &m_dialogs;
    ConstructionDatabaseTableModel *m_model;
    QTableView *m_table;
    QtExt::ConstructionViewWidget *m_view;
    QPlainTextEdit *m_notes;
    QAction *m_add;
    QAction *m_remove;
    QAction *m_edit;
    QAction *m_copy;
    QAction *m_import;
};
