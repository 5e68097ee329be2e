#include "ui/database/ConstructionDatabaseWidget.h"

#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "qtext/ConstructionGraphicsSceneBase.h"
#include "qtext/ConstructionView.h"
#include "qtext/ConstructionViewWidget.h"
#include "report/SketchLayers.h"
#include "ui/DatabaseDialogs.h"
#include "ui/UiResources.h"
#include "ui/database/ConstructionDatabaseTableModel.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

ConstructionDatabaseWidget::ConstructionDatabaseWidget(ConstructionList &constructions,
                                                       MaterialList &materials,
                                                       DatabaseDialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_constructions(constructions)
    , m_materials(materials)
    , m_dialogs(dialogs)
    , m_model(new ConstructionDatabaseTableModel(constructions, this))
    , m_table(new QTableView(this))
    , m_view(new QtExt::ConstructionViewWidget(this))
    , m_notes(new QPlainTextEdit(this))
{
    initUiResources();
    m_table->setObjectName(QStringLiteral("tableView"));
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_view->setObjectName(QStringLiteral("widgetConstructionView"));
    m_view->setEditingEnabled(false);
    // the preview edits nothing: its tool bar would only offer disabled buttons
    m_view->toolBar()->hide();
    m_view->setMinimumHeight(160);
    m_notes->setObjectName(QStringLiteral("plainTextEdit"));
    m_notes->setReadOnly(true);
    m_notes->setPlaceholderText(tr("No notes"));

    auto makeAction = [this](const char *name, const QString &text, const QString &toolTip,
                             const char *icon) {
        auto *action = new QAction(QIcon(QLatin1String(icon)), text, this);
        action->setObjectName(QLatin1String(name));
        action->setToolTip(toolTip);
        return action;
    };
    m_add = makeAction("actionAddConstruction", tr("Add construction"),
                       tr("Add a new construction to the list."), ":/icons/new.png");
    m_remove = makeAction("actionDeleteConstruction", tr("Delete Construction"),
                          tr("Delete selected construction from list."),
                          ":/icons/07_Schicht-entfernen_32x32.png");
    m_edit =
        makeAction("actionEditConstruction", tr("Edit construction"),
                   tr("Edit selected constrcution."), ":/icons/09_Projektinf-bearbeiten_24x24.png");
    m_copy =
        makeAction("actionCopyConstruction", tr("Copy construction"),
                   tr("Copy selected construction to a new one."), ":/icons/19_Copy_32x32.png");
    m_import = makeAction("actionImportConstructions", tr("Import..."),
                          tr("Import external construction database"), ":/icons/open.png");
    connect(m_add, &QAction::triggered, this, &ConstructionDatabaseWidget::addConstruction);
    connect(m_remove, &QAction::triggered, this, &ConstructionDatabaseWidget::removeConstruction);
    connect(m_edit, &QAction::triggered, this, &ConstructionDatabaseWidget::editConstruction);
    connect(m_copy, &QAction::triggered, this, &ConstructionDatabaseWidget::copyConstruction);
    connect(m_import, &QAction::triggered, this, &ConstructionDatabaseWidget::importConstructions);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    for (QAction *action : {m_add, m_edit, m_copy, m_remove})
        buttons->addWidget(makeButton(action));
    buttons->addStretch(1);
    QToolButton *importButton = makeButton(m_import);
    importButton->setObjectName(QStringLiteral("pushButtonImport"));
    buttons->addWidget(importButton);

    auto *preview = new QGroupBox(tr("View and Notes"), this);
    auto *previewLayout = new QHBoxLayout(preview);
    auto *sketchColumn = new QVBoxLayout;
    sketchColumn->addWidget(new QLabel(tr("Selected Construction:"), this));
    sketchColumn->addWidget(m_view, 1);
    previewLayout->addLayout(sketchColumn, 3);
    previewLayout->addWidget(m_notes, 1);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_table);
    splitter->addWidget(preview);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConstructionDatabaseWidget::selectionChanged);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit constructionActivated();
    });
    connect(m_model, &ConstructionDatabaseTableModel::newSelection, this,
            [this](const QModelIndex &index) { selectRow(index.isValid() ? index.row() : -1); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this]() {
        fitColumns();
        selectionChanged();
    });
    fitColumns();
    selectionChanged();
}

void ConstructionDatabaseWidget::fitColumns()
{
    m_table->resizeColumnsToContents();
    // a layer column as wide as its longest material name leaves room for one layer only
    const int cap = 16 * fontMetrics().horizontalAdvance(QLatin1Char('M'));
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_table->setColumnWidth(c, qMin(m_table->columnWidth(c), cap));
}

QToolButton *ConstructionDatabaseWidget::makeButton(QAction *action)
{
    auto *button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIconSize(QSize(20, 20));
    button->setObjectName(QStringLiteral("toolButton") + action->objectName().mid(6));
    return button;
}

const Construction *ConstructionDatabaseWidget::selectedConstruction() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return m_model->construction(rows.first());
}

int ConstructionDatabaseWidget::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ConstructionDatabaseWidget::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_table->clearSelection();
        m_table->setCurrentIndex(QModelIndex());
        selectionChanged();
        return;
    }
    // a construction without layers is not selectable in the model: select the row anyway so
    // that the user sees which one an action would affect
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
    m_table->scrollTo(index);
    selectionChanged();
}

void ConstructionDatabaseWidget::selectionChanged()
{
    const Construction *c = selectedConstruction();
    showConstruction(c);
    m_remove->setEnabled(c != nullptr);
    m_edit->setEnabled(c != nullptr);
    m_copy->setEnabled(c != nullptr);
    emit constructionSelected(c);
}

void ConstructionDatabaseWidget::showConstruction(const Construction *construction)
{
    const int flags = QtExt::ConstructionGraphicsSceneBase::ShowWidths |
                      QtExt::ConstructionGraphicsSceneBase::ShowNames;
    m_view->setData(m_view->view(),
                    construction ? SketchLayers::fromLayers(construction->m_layers)
                                 : QtExt::ConstructionLayers(),
                    1.0, flags, true);
    m_notes->setPlainText(construction ? construction->m_notes : QString());
}

void ConstructionDatabaseWidget::addConstruction()
{
    Construction construction;
    construction.m_name = tr("New construction");
    if (!m_dialogs.editConstruction(this, m_materials, &construction, tr("Add construction")))
        return;
    m_constructions.addConstruction(construction);
    selectRow(m_model->row(construction));
}

void ConstructionDatabaseWidget::editConstruction()
{
    const int row = selectedRow();
    const Construction *selected = selectedConstruction();
    if (!selected)
        return;
    Construction construction = *selected;
    if (!m_dialogs.editConstruction(this, m_materials, &construction, tr("Edit construction")))
        return;
    m_constructions.replaceConstruction(row, construction);
    selectRow(m_model->row(construction));
}

void ConstructionDatabaseWidget::copyConstruction()
{
    const Construction *selected = selectedConstruction();
    if (!selected)
        return;
    Construction construction = *selected;
    construction.m_name = tr("%1 (copy)").arg(selected->m_name);
    if (!m_dialogs.editConstruction(this, m_materials, &construction, tr("Copy construction")))
        return;
    m_constructions.addConstruction(construction);
    selectRow(m_model->row(construction));
}

void ConstructionDatabaseWidget::removeConstruction()
{
    const Construction *selected = selectedConstruction();
    if (!selected)
        return;
    if (m_dialogs.question(
            this, tr("Delete Construction"),
            tr("Do you really want to delete the construction '%1'?").arg(selected->m_name),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    const Construction copy = *selected;
    m_model->removeConstruction(copy);
}

void ConstructionDatabaseWidget::importConstructions()
{
    const QString fileName =
        m_dialogs.openFileName(this, tr("Select file with construction database."),
                               m_dialogs.importDirectory(), tr("Database for Mirelo 2 (*.constr)"));
    if (fileName.isEmpty())
        return;
    importFile(fileName);
}

int ConstructionDatabaseWidget::importFile(const QString &fileName)
{
    bool complete = false;
    QString error;
    const std::vector<Construction> read = ConstructionList::readFile(fileName, &complete, &error);
    // why the reading stopped, on a line of its own
    const QString reason = complete || error.isEmpty() ? QString() : QLatin1Char('\n') + error;
    if (read.empty()) {
        m_dialogs.warning(this, tr("Construction read error."),
                          tr("No constructions found in file '%1'").arg(fileName) + reason);
        return 0;
    }
    const int before = m_constructions.count();
    for (const Construction &c : read)
        m_constructions.addConstruction(c);
    const int added = m_constructions.count() - before;
    QString text = tr("%1 constructions found in file '%2', %3 of them new.")
                       .arg(read.size())
                       .arg(fileName)
                       .arg(added);
    if (!complete)
        text += QLatin1Char('\n') +
                tr("The file is damaged; only its first constructions could be read.") + reason;
    m_dialogs.information(this, tr("Constructions added."), text);
    if (added > 0)
        selectRow(m_model->row(read.back()));
    return added;
}
