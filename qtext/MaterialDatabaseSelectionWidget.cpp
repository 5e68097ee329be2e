#include "qtext/MaterialDatabaseSelectionWidget.h"

#include "qtext/MaterialFilterProxyModel.h"
#include "qtext/MaterialTableModel.h"
#include "qtext/ValidatingLineEdit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace QtExt {

MaterialDatabaseSelectionWidget::MaterialDatabaseSelectionWidget(QWidget *parent)
    : QWidget(parent)
    , m_model(new MaterialTableModel(this))
    , m_proxy(new MaterialFilterProxyModel(this))
    , m_table(new QTableView(this))
    , m_category(new QComboBox(this))
    , m_name(new QLineEdit(this))
    , m_producer(new QLineEdit(this))
    , m_source(new QLineEdit(this))
    , m_comment(new QLineEdit(this))
    , m_lambdaMin(new QLineEdit(this))
    , m_lambdaMax(new QLineEdit(this))
    , m_count(new QLabel(this))
    , m_description(new QPlainTextEdit(this))
{
    m_proxy->setMaterialModel(m_model);

    m_category->setObjectName(QStringLiteral("comboBoxCategories"));
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_category->setMinimumContentsLength(16);
    m_category->setToolTip(tr("Shows only the materials of one category."));
    const struct
    {
        QLineEdit *edit;
        const char *name;
        QString placeholder;
    } filters[] = {{m_name, "lineEditNameFilter", tr("Name contains ...")},
                   {m_producer, "lineEditProducerFilter", tr("Producer contains ...")},
                   {m_source, "lineEditSourceFilter", tr("Data source contains ...")},
                   {m_comment, "lineEditCommentFilter", tr("Notes contain ...")},
                   {m_lambdaMin, "lineEditLambdaMin", tr("from")},
                   {m_lambdaMax, "lineEditLambdaMax", tr("to")}};
    for (const auto &f : filters) {
        f.edit->setObjectName(QLatin1String(f.name));
        f.edit->setPlaceholderText(f.placeholder);
        f.edit->setClearButtonEnabled(true);
        f.edit->installEventFilter(this);
        connect(f.edit, &QLineEdit::textChanged, this,
                &MaterialDatabaseSelectionWidget::filtersChanged);
    }
    m_name->setToolTip(tr("Finds the name in English, German and Polish."));
    for (QLineEdit *bound : {m_lambdaMin, m_lambdaMax}) {
        bound->setToolTip(tr("Shows only the materials whose thermal conductivity lies in this "
                             "range, for example from 0.030 to 0.040 W/mK."));
        bound->setMaximumWidth(7 * fontMetrics().horizontalAdvance(QLatin1Char('0')) + 30);
    }
    setCategoryNames(QStringList());
    connect(m_category, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &MaterialDatabaseSelectionWidget::filtersChanged);

    m_table->setObjectName(QStringLiteral("tableViewMaterials"));
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(MaterialTableModel::C_Name, Qt::AscendingOrder);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MaterialDatabaseSelectionWidget::selectionChanged);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit materialActivated(
                m_proxy->data(index, MaterialTableModel::MaterialIdRole).toInt());
    });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            &MaterialDatabaseSelectionWidget::updateCountLabel);

    m_count->setObjectName(QStringLiteral("labelMaterialCount"));
    m_description->setObjectName(QStringLiteral("plainTextEditDescription"));
    m_description->setReadOnly(true);
    m_description->setFocusPolicy(Qt::NoFocus);
    m_description->setPlaceholderText(tr("Select a material to see its data source and notes."));
    m_description->setMinimumHeight(2 * fontMetrics().lineSpacing() + 12);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(tr("Category:"), this), 0, 0);
    grid->addWidget(m_category, 0, 1);
    grid->addWidget(new QLabel(tr("Name:"), this), 0, 2);
    grid->addWidget(m_name, 0, 3);
    grid->addWidget(new QLabel(tr("%1 [W/mK]:").arg(QChar(0x03BB)), this), 0, 4);
    auto *range = new QHBoxLayout;
    range->addWidget(m_lambdaMin);
    range->addWidget(new QLabel(QString(QChar(0x2013)), this));
    range->addWidget(m_lambdaMax);
    range->addStretch(1);
    grid->addLayout(range, 0, 5);
    grid->addWidget(new QLabel(tr("Producer:"), this), 1, 0);
    grid->addWidget(m_producer, 1, 1);
    grid->addWidget(new QLabel(tr("Source:"), this), 1, 2);
    grid->addWidget(m_source, 1, 3);
    grid->addWidget(new QLabel(tr("Comment:"), this), 1, 4);
    grid->addWidget(m_comment, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    // The description, with the data source of every figure, can be widened at the expense of
    // the table; it does not change its height by itself when another material is chosen.
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splitterDescription"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_table);
    splitter->addWidget(m_description);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({400, 5 * fontMetrics().lineSpacing() + 12});
    layout->addWidget(splitter, 1);
    layout->addWidget(m_count);
    setFocusProxy(m_name);
    updateCountLabel();
}

MaterialDatabaseSelectionWidget::~MaterialDatabaseSelectionWidget() = default;

void MaterialDatabaseSelectionWidget::setMaterials(
    std::vector<std::unique_ptr<MaterialBase>> materials)
{
    const int chosen = m_chosenId;
    m_restoring = true;
    m_model->setMaterials(std::move(materials));
    m_restoring = false;
    m_chosenId = m_model->row(chosen) >= 0 ? chosen : -1;
    fitColumns();
    restoreSelection();
    selectionChanged();
}

void MaterialDatabaseSelectionWidget::fitColumns()
{
    m_table->resizeColumnsToContents();
    // long names and texts would push the numbers out of sight; the tool tip has them in full
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const struct
    {
        int column;
        int ems;
    } caps[] = {{MaterialTableModel::C_Name, 18},
                {MaterialTableModel::C_Category, 13},
                {MaterialTableModel::C_Producer, 14},
                {MaterialTableModel::C_ProductName, 12},
                {MaterialTableModel::C_DataSource, 20}};
    for (const auto &cap : caps)
        m_table->setColumnWidth(cap.column, qMin(m_table->columnWidth(cap.column), cap.ems * em));
    // the number columns hold a few digits; the head sizes them far too wide, except the
    // summer sd-value's, whose head is a word and a unit and would be cut off at six
    for (int c = MaterialTableModel::C_Rho; c <= MaterialTableModel::C_Aw; ++c)
        m_table->setColumnWidth(
            c, qMin(m_table->columnWidth(c), (c == MaterialTableModel::C_SdSummer ? 9 : 6) * em));
}

void MaterialDatabaseSelectionWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // the sizes of the cells are only known once the table is polished for the screen
    if (!m_fitted) {
        m_fitted = true;
        fitColumns();
    }
}

void MaterialDatabaseSelectionWidget::setCategoryNames(const QStringList &names)
{
    m_model->setCategoryNames(names);
    const int current = m_proxy->category();
    QSignalBlocker block(m_category);
    m_category->clear();
    m_category->addItem(tr("All categories"), -1);
    for (int i = 0; i < names.size(); ++i)
        m_category->addItem(names[i], i);
    m_category->setCurrentIndex(qMax(0, m_category->findData(current)));
}

void MaterialDatabaseSelectionWidget::setUserSourceCode(int code)
{
    m_model->setUserSourceCode(code);
    restoreSelection();
}

const MaterialBase *MaterialDatabaseSelectionWidget::selectedMaterial() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return m_model->material(m_proxy->mapToSource(rows.first()).row());
}

void MaterialDatabaseSelectionWidget::selectMaterial(int materialId)
{
    const int row = m_model->row(materialId);
    if (row < 0) {
        clearSelection();
        return;
    }
    m_chosenId = materialId;
    if (!m_proxy->mapFromSource(m_model->index(row, 0)).isValid())
        clearFilters();
    restoreSelection();
    selectionChanged();
}

void MaterialDatabaseSelectionWidget::clearSelection()
{
    m_chosenId = -1;
    m_table->clearSelection();
    m_table->setCurrentIndex(QModelIndex());
    selectionChanged();
}

void MaterialDatabaseSelectionWidget::clearFilters()
{
    for (QLineEdit *edit : {m_name, m_producer, m_source, m_comment, m_lambdaMin, m_lambdaMax}) {
        QSignalBlocker block(edit);
        edit->clear();
    }
    QSignalBlocker block(m_category);
    m_category->setCurrentIndex(0);
    filtersChanged();
}

void MaterialDatabaseSelectionWidget::filtersChanged()
{
    m_restoring = true;
    m_proxy->setCategory(m_category->currentData().toInt());
    m_proxy->setNameFilter(m_name->text());
    m_proxy->setProducerFilter(m_producer->text());
    m_proxy->setSourceFilter(m_source->text());
    m_proxy->setCommentFilter(m_comment->text());
    // A bound that is not a number is shown red and leaves that side of the range open.
    for (QLineEdit *bound : {m_lambdaMin, m_lambdaMax}) {
        bool ok = true;
        lambdaBound(bound->text(), &ok);
        bound->setStyleSheet(ok ? QString() : QStringLiteral("color: red"));
    }
    m_proxy->setLambdaRange(lambdaBound(m_lambdaMin->text()), lambdaBound(m_lambdaMax->text()));
    m_restoring = false;
    restoreSelection();
    selectionChanged();
    updateCountLabel();
}

double MaterialDatabaseSelectionWidget::lambdaBound(const QString &text, bool *ok)
{
    // Read as every number field reads: ',' or '.' is the decimal separator, whatever the
    // locale says, and a grouped number is no bound. An empty text is no bound either.
    const QString t = text.trimmed();
    bool parsed = t.isEmpty();
    double value = std::numeric_limits<double>::quiet_NaN();
    if (!t.isEmpty()) {
        parsed = ValidatingLineEdit::parseNumber(t, &value);
        if (!parsed)
            value = std::numeric_limits<double>::quiet_NaN();
    }
    if (ok)
        *ok = parsed;
    return value;
}

void MaterialDatabaseSelectionWidget::restoreSelection()
{
    const int row = m_model->row(m_chosenId);
    const QModelIndex index =
        row < 0 ? QModelIndex() : m_proxy->mapFromSource(m_model->index(row, 0));
    m_restoring = true;
    if (index.isValid()) {
        m_table->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        m_table->scrollTo(index);
    } else {
        m_table->clearSelection();
    }
    m_restoring = false;
}

void MaterialDatabaseSelectionWidget::selectionChanged()
{
    if (m_restoring)
        return;
    const MaterialBase *m = selectedMaterial();
    if (m)
        m_chosenId = m->materialId();
    // a material that the filter hides stays chosen: it comes back with a wider filter
    m_description->setPlainText(m ? m->description().trimmed() : QString());
    emit materialSelected(m ? m->materialId() : -1);
}

void MaterialDatabaseSelectionWidget::updateCountLabel()
{
    m_count->setText(
        tr("%1 of %2 materials shown").arg(m_proxy->rowCount()).arg(m_model->rowCount()));
}

bool MaterialDatabaseSelectionWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // the filter keeps the focus: the user types and walks through the table at once
            if (!m_table->currentIndex().isValid() && m_proxy->rowCount() > 0) {
                m_table->selectionModel()->setCurrentIndex(m_proxy->index(0, 0),
                                                           QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
                return true;
            }
            QCoreApplication::sendEvent(m_table, event);
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace QtExt
