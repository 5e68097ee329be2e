#include "ui/database/MaterialConstructionTabWidget.h"

#include "ui/database/ConstructionDatabaseWidget.h"
#include "ui/database/MaterialDatabaseWidget.h"

#include <QTabWidget>
#include <QVBoxLayout>

MaterialConstructionTabWidget::MaterialConstructionTabWidget(MaterialList &materials,
                                                             ConstructionList *constructions,
                                                             DatabaseDialogs &dialogs,
                                                             QWidget *parent)
    : QWidget(parent)
    , m_tabs(new QTabWidget(this))
{
    m_tabs->setObjectName(QStringLiteral("tabWidget"));
    m_materialsTab = new QWidget(m_tabs);
    m_materialsTab->setObjectName(QStringLiteral("tabMaterials"));
    m_materials = new MaterialDatabaseWidget(materials, dialogs, m_materialsTab);
    m_materials->setObjectName(QStringLiteral("widgetMaterials"));
    auto *materialsLayout = new QVBoxLayout(m_materialsTab);
    materialsLayout->setContentsMargins(4, 4, 4, 4);
    materialsLayout->addWidget(m_materials);
    m_tabs->addTab(m_materialsTab, tr("Materials"));

    if (constructions) {
        m_constructionsTab = new QWidget(m_tabs);
        m_constructionsTab->setObjectName(QStringLiteral("tabConstructions"));
        m_constructions =
            new ConstructionDatabaseWidget(*constructions, materials, dialogs, m_constructionsTab);
        m_constructions->setObjectName(QStringLiteral("widgetConstructions"));
        auto *constructionsLayout = new QVBoxLayout(m_constructionsTab);
        constructionsLayout->setContentsMargins(4, 4, 4, 4);
        constructionsLayout->addWidget(m_constructions);
        m_tabs->addTab(m_constructionsTab, tr("Constructions"));
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this,
            [this]() { emit currentPageChanged(currentPage()); });
}

int MaterialConstructionTabWidget::currentPage() const
{
    QWidget *current = m_tabs->currentWidget();
    if (current == m_materialsTab)
        return MaterialsPage;
    if (current && current == m_constructionsTab)
        return ConstructionsPage;
    return NoPage;
}

void MaterialConstructionTabWidget::setCurrentPage(int page)
{
    if (page == MaterialsPage)
        m_tabs->setCurrentWidget(m_materialsTab);
    else if (page == ConstructionsPage && m_constructionsTab &&
             m_tabs->isTabVisible(m_tabs->indexOf(m_constructionsTab)))
        m_tabs->setCurrentWidget(m_constructionsTab);
}

void MaterialConstructionTabWidget::setConstructionsVisible(bool visible)
{
    if (!m_constructionsTab)
        return;
    if (!visible && m_tabs->currentWidget() == m_constructionsTab)
        m_tabs->setCurrentWidget(m_materialsTab);
    m_tabs->setTabVisible(m_tabs->indexOf(m_constructionsTab), visible);
}
