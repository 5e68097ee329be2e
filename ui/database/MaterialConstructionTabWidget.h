#pragma once

#include <QWidget>

class ConstructionDatabaseWidget;
class ConstructionList;
class MaterialDatabaseWidget;
class MaterialList;
class QTabWidget;
class DatabaseDialogs;

/*  The two database pages, "Materials" and "Constructions", as tabs: the body of the database
    dialog and of the new-project wizard's second page. Without a construction list only the
    materials page exists.
*/
class MaterialConstructionTabWidget : public QWidget
{
    Q_OBJECT
public:
    enum Page
    {
        MaterialsPage = 0,
        ConstructionsPage = 1,
        NoPage = 2
    };

    MaterialConstructionTabWidget(MaterialList &materials, ConstructionList *constructions,
                                  DatabaseDialogs &dialogs, QWidget *parent = nullptr);

    /*! 0 materials, 1 constructions, 2 neither. */
    int currentPage() const;
    void setCurrentPage(int page);
    /*! Shows or hides the constructions tab (when there is one). */
    void setConstructionsVisible(bool visible);

    QTabWidget *tabWidget() const { return m_tabs; }
    MaterialDatabaseWidget *materialsWidget() const { return m_materials; }
    /*! nullptr without a construction list. */
    ConstructionDatabaseWidget *constructionsWidget() const { return m_constructions; }

signals:
    void currentPageChanged(int page);

private:
    QTabWidget *m_tabs;
    QWidget *m_materialsTab;
    QWidget *m_constructionsTab = nullptr;
    MaterialDatabaseWidget *m_materials;
    ConstructionDatabaseWidget *m_constructions = nullptr;
};
