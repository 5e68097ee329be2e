#pragma once

#include "qtext/MaterialBase.h"

#include <QWidget>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QModelIndex;
class QTableView;

namespace QtExt {

class MaterialFilterProxyModel;
class MaterialTableModel;

/*  A material table with its filters: a category combo box, text filters for name (in every
    language of the database), producer, data source and comment, and a range of the thermal
    conductivity, which narrow the table as the user types. Below the table, in a splitter the
    user can widen, the description of the selected material with its data source. Any column sorts
    on a click on its head. The chosen material stays chosen while the filters change: it is
    selected again whenever it is visible. Arrow keys in a filter field move through the table,
    so the user can type and choose without the mouse; a double click announces the choice.
*/
class MaterialDatabaseSelectionWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MaterialDatabaseSelectionWidget(QWidget *parent = nullptr);
    ~MaterialDatabaseSelectionWidget() override;

    /*! Replaces the materials; the selected material stays selected if it is still there. */
    void setMaterials(std::vector<std::unique_ptr<MaterialBase>> materials);
    /*! Names of the categories 0..12 for the table and the category filter. */
    void setCategoryNames(const QStringList &names);
    /*! The source code of the user's own materials, which the table marks. */
    void setUserSourceCode(int code);

    /*! The material selected in the table (nullptr when none is visible and selected). */
    const MaterialBase *selectedMaterial() const;
    /*! Id of the material the user chose last, -1 for none; kept while it is filtered out. */
    int chosenMaterialId() const { return m_chosenId; }
    /*! Selects the material with the id and scrolls to it (clears the filters that hide it). */
    void selectMaterial(int materialId);
    void clearSelection();
    /*! Resets the category and all text filters. */
    void clearFilters();

    QTableView *tableView() const { return m_table; }
    MaterialTableModel *model() const { return m_model; }
    MaterialFilterProxyModel *proxyModel() const { return m_proxy; }
    QComboBox *categoryComboBox() const { return m_category; }
    QLineEdit *nameFilter() const { return m_name; }
    QLineEdit *producerFilter() const { return m_producer; }
    QLineEdit *sourceFilter() const { return m_source; }
    QLineEdit *commentFilter() const { return m_comment; }
    QLineEdit *lambdaMinFilter() const { return m_lambdaMin; }
    QLineEdit *lambdaMaxFilter() const { return m_lambdaMax; }
    /*! The text of a conductivity bound as a number ('.' or ',' as decimal separator); NaN for
        an empty text, and for a text that is not a number (then ok is false). */
    static double lambdaBound(const QString &text, bool *ok = nullptr);

signals:
    /*! The selection changed; materialId -1 when nothing is selected. */
    void materialSelected(int materialId);
    /*! A material was double-clicked (or activated with the keyboard). */
    void materialActivated(int materialId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void filtersChanged();
    void selectionChanged();
    void restoreSelection();
    void updateCountLabel();
    void fitColumns();

    MaterialTableModel *m_model;
    MaterialFilterProxyModel *m_proxy;
    QTableView *m_table;
    QComboBox *m_category;
    QLineEdit *m_name;
    QLineEdit *m_producer;
    QLineEdit *m_source;
    QLineEdit *m_comment;
    QLineEdit *m_lambdaMin;
    QLineEdit *m_lambdaMax;
    QLabel *m_count;
    QPlainTextEdit *m_description;
    int m_chosenId = -1;
    bool m_restoring = false;
    bool m_fitted = false;
};

} // namespace QtExt
