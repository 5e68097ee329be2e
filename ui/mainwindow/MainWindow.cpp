#include "ui/mainwindow/MainWindow.h"
#include "ui_MainWindow.h"

#include "document/Project.h"
#include "htl/HTL_MessageHandler.h"
#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "qtext/ColorButton.h"
#include "qtext/TextFrame.h"
#include "qtext/ValidatingLineEdit.h"
#include "report/Report.h"
#include "settings/Constants.h"
#include "settings/Directories.h"
#include "settings/Settings.h"
#include "ui/UiResources.h"
#include "ui/commands/M2_UndoConstruction.h"
#include "ui/commands/M2_UndoProject.h"
#include "ui/editors/AssessmentClimateWidget.h"
#include "ui/editors/AssessmentTypeWidget.h"
#include "ui/editors/ClimateEditWidget.h"
#include "ui/editors/MaterialEditWidget.h"
#include "ui/editors/ProjectInformationEditDialog.h"
#include "ui/mainwindow/AboutDialog.h"
#include "ui/mainwindow/ConstructionNameInputDialog.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/mainwindow/DesktopDialogs.h"
#include "ui/mainwindow/DiagramView.h"
#include "ui/mainwindow/M2_ResultsWidget.h"
#include "ui/mainwindow/ShowLogfile.h"
#include "ui/mainwindow/StartPage.h"
#include "ui/preferences/ConfigDialog.h"
#include "ui/reportpreview/ReportPreview.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplashScreen>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char *const ProjectSuffix = "m2p";

} // namespace

namespace {

// An editor page in a frameless scroll area: on a small screen, or with the second material
// shown, the fields keep their height and the page scrolls instead of squeezing them together.
QScrollArea *scrolling(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setObjectName(page->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(page);
    return area;
}

} // namespace

MainWindow::MainWindow(const AppContext &context, QSplashScreen *splash, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_ui(new Ui::MainWindow)
    , m_dialogs(new DesktopDialogs)
    , m_splash(splash)
{
    initUiResources();
    if (m_splash) {
        m_splash->setPixmap(splashWithTagline(m_splash->pixmap()));
        // Repaint the splash now: the rest of the construction may take a while.
        QCoreApplication::processEvents();
    }

    m_ui->setupUi(this);
    m_resultsWidget = m_ui->widgetResults;
    setupStartPage();
    m_ui->actionAbout->setText(tr("About %1 ...").arg(QLatin1String(Constants::ProgramName)));
    m_ui->actionQtConfig->setVisible(false);
    m_ui->actionUseHashes->setVisible(false);
    setupUndoActions();

    QAction *mainToggle = m_ui->toolBarMain->toggleViewAction();
    mainToggle->setText(tr("Show/hide main toolbar"));
    mainToggle->setToolTip(tr("Shows/hides the main toolbar"));
    QAction *diagramToggle = m_ui->toolBarDiagram->toggleViewAction();
    diagramToggle->setText(tr("Show/hide diagram toolbar"));
    diagramToggle->setToolTip(tr("Shows/hides the diagram toolbar"));
    m_ui->menuView->insertActions(m_ui->actionToggleGlaser, {mainToggle, diagramToggle});
    setupLanguageMenu();

    // the two pages of the editor panel, in place of the designer's placeholder
    while (m_ui->stackedWidgetClimateMaterial->count() > 0)
        m_ui->stackedWidgetClimateMaterial->removeWidget(
            m_ui->stackedWidgetClimateMaterial->widget(0));
    m_materialEdit = new MaterialEditWidget(m_context.project, m_undoStack, m_context.settings,
                                            m_ui->stackedWidgetClimateMaterial);
    m_materialEdit->setObjectName(QStringLiteral("materialEditWidget"));
    // the second material of a layer (studs, rafters) comes from the same databases
    m_materialEdit->setBridgeMaterialChooser([this](QWidget *parent) -> std::optional<Material> {
        Material material;
        Construction construction;
        prepareDatabaseDialogs();
        if (m_dialogs->chooseMaterial(parent, m_context.materials, nullptr, &material,
                                      &construction) == DatabaseDialogs::MaterialChosen)
            return material;
        return std::nullopt;
    });
    m_ui->stackedWidgetClimateMaterial->addWidget(scrolling(m_materialEdit));
    m_climatePage = new AssessmentClimateWidget(m_context.project, m_undoStack,
                                                m_ui->stackedWidgetClimateMaterial);
    m_climatePage->setObjectName(QStringLiteral("climatePage"));
    m_ui->stackedWidgetClimateMaterial->addWidget(scrolling(m_climatePage));
    // what a construction kind changed, said where the user looks after the choice
    connect(m_climatePage->assessmentTypeWidget(), &AssessmentTypeWidget::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, 10000); });

    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    connect(table, &QTableWidget::currentCellChanged, this,
            &MainWindow::constructionTableColumnChanged);
    connect(table, &QTableWidget::doubleClicked, this, &MainWindow::tableViewDoubleClicked);
    connect(table, &QWidget::customContextMenuRequested, this, &MainWindow::customContextMenu);
    connect(m_resultsWidget, &M2_ResultsWidget::linkActivated, this,
            &MainWindow::resultsLinkClicked);
    setupKeyboard();

    m_heatFlowGroup = new QActionGroup(this);
    m_heatFlowGroup->setExclusive(true);
    m_ui->actionHeatFlowUp->setData(int(HeatFlowDirection::Upwards));
    m_ui->actionHeatFlowDown->setData(int(HeatFlowDirection::Downwards));
    m_ui->actionHorizontalHeatFlow->setData(int(HeatFlowDirection::Horizontal));
    for (QAction *a :
         {m_ui->actionHeatFlowDown, m_ui->actionHorizontalHeatFlow, m_ui->actionHeatFlowUp})
        m_heatFlowGroup->addAction(a);
    connect(m_heatFlowGroup, &QActionGroup::triggered, this,
            &MainWindow::onHeatFlowDirectionTriggerd);
    m_ui->toolBarHeatFlowDirection->hide();

    // the diagram starts with the moisture-content profile
    m_ui->actionToggleGlaser->setChecked(true);
    m_ui->diagramView->setProfileMode(3);
    // The vapour-pressure diagram is drawn over the layer thickness or, as DIN 4108-3 reads
    // the Glaser scheme, over the diffusion-equivalent air layer thickness s_d; the choice is
    // kept in the settings. Choosing it shows the vapour-pressure diagram.
    m_actionVapourOverSd = new QAction(tr("Vapour pressure over s_d (Glaser diagram)"), this);
    m_actionVapourOverSd->setObjectName(QStringLiteral("actionVapourPressureOverSd"));
    m_actionVapourOverSd->setCheckable(true);
    m_actionVapourOverSd->setIconText(tr("Glaser (s_d)"));
    m_actionVapourOverSd->setToolTip(
        tr("Draws the vapour pressure profile over the diffusion-equivalent air layer "
           "thickness s_d (Glaser diagram) instead of over the layer widths"));
    m_actionVapourOverSd->setChecked(m_context.settings.m_vapourDiagramOverSd);
    m_ui->toolBarDiagram->insertAction(m_ui->actionUseHashes, m_actionVapourOverSd);
    m_ui->menuView->addAction(m_actionVapourOverSd);
    connect(m_actionVapourOverSd, &QAction::triggered, this, [this](bool overSd) {
        m_context.settings.m_vapourDiagramOverSd = overSd;
        m_context.settings.announceChanged(SettingsGroup::Session);
        m_ui->diagramView->setProfileMode(vapourProfileMode());
        m_ui->actionToggleGlaser->setChecked(false);
    });

    connect(m_ui->actionQuit, &QAction::triggered, this, &MainWindow::on_actionQuit_triggered,
            Qt::UniqueConnection);
    connect(&m_context.project, &Project::changed, this, &MainWindow::updateUi);
    // The window is the one route of the calculation option into the project, which
    // recalculates when it changes.
    m_context.project.setMoistureDependentLambda(m_context.settings.m_moistureDependentLambda);
    m_dialogs->setDisplayUnits(m_context.settings.displayUnits());
    connect(&m_context.settings, &Settings::changed, this, [this](SettingsGroups groups) {
        if (groups & SettingsGroup::Calculation)
            m_context.project.setMoistureDependentLambda(
                m_context.settings.m_moistureDependentLambda);
        if (groups & SettingsGroup::Units)
            m_dialogs->setDisplayUnits(m_context.settings.displayUnits());
        // the verdicts of the results panel follow the assessment settings
        if ((groups & SettingsGroup::Report) && m_context.project.hasProject())
            refreshResults();
    });
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, [this]() { updateWindowState(); });
    // an edit of a user database that could not be written lives only until the program ends
    auto reportUnsavedDatabase = [this](const QString &message) {
        m_dialogs->critical(this, tr("Error #3: Saving failed"),
                            tr("The change of the user database was not saved.") +
                                QLatin1Char('\n') + message);
    };
    connect(&m_context.materials, &MaterialList::writeFailed, this, reportUnsavedDatabase);
    connect(&m_context.constructions, &ConstructionList::writeFailed, this, reportUnsavedDatabase);
    updateRecentProjects();

    // The splash is closed in two steps so that the close is scheduled only once the window's
    // own first paint events are through.
    QTimer::singleShot(500, this,
                       [this]() { QTimer::singleShot(10, this, &MainWindow::updateSplashScreen); });

    const Settings &settings = m_context.settings;
    if (!settings.m_projectToOpen.isEmpty() && settings.m_restartMode == 1)
        loadProject(settings.m_projectToOpen);
    else
        updateUi(ProjectChange::Reset, Project::NoSelection);

    // two thirds of the screen, centred
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const QSize size(available.width() / 3 * 2, available.height() / 3 * 2);
        resize(size.expandedTo(minimumSize()));
        move(available.center() - rect().center());
    }
}

MainWindow::~MainWindow()
{
    // the commands refer to the project by position: none may outlive the window's views
    m_undoStack.clear();
    delete m_splash.data();
    delete m_ui;
}

void MainWindow::setUserDialogs(std::unique_ptr<DatabaseDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
    m_dialogs->setDisplayUnits(m_context.settings.displayUnits());
    if (m_reportPreview)
        m_reportPreview->setUserDialogs(m_dialogs.get());
}

DiagramView *MainWindow::diagramView() const
{
    return m_ui->diagramView;
}

ConstructionTableWidget *MainWindow::constructionTable() const
{
    return m_ui->tableWidgetConstruction;
}

void MainWindow::setupUndoActions()
{
    QAction *undo = m_undoStack.createUndoAction(this, tr("Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    undo->setIcon(QIcon(QStringLiteral(":/icons/editundo.png")));
    QAction *redo = m_undoStack.createRedoAction(this, tr("Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
    redo->setIcon(QIcon(QStringLiteral(":/icons/editredo.png")));
    const QList<QAction *> editActions = m_ui->menuEdit->actions();
    m_ui->menuEdit->insertActions(editActions.value(0), {undo, redo});
    m_ui->toolBarMain->insertActions(m_ui->actionSelectMaterial, {undo, redo});
    m_ui->toolBarMain->insertSeparator(m_ui->actionSelectMaterial);
}

void MainWindow::setupKeyboard()
{
    m_ui->actionNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    m_ui->actionQuit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    // The layer keys act on the selected layer only while the construction table has the
    // focus: Delete typed into a field must delete a character, never a layer.
    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    const std::pair<QAction *, const char *> layerKeys[] = {
        {m_ui->actionAddRight, "Ins"},        {m_ui->actionAddLeft, "Shift+Ins"},
        {m_ui->actionRemoveLayer, "Del"},     {m_ui->actionMoveLeft, "Alt+Left"},
        {m_ui->actionMoveRight, "Alt+Right"}, {m_ui->actionSelectMaterial, "Ctrl+M"},
    };
    for (const auto &key : layerKeys) {
        key.first->setShortcut(QKeySequence(QLatin1String(key.second)));
        key.first->setShortcutContext(Qt::WidgetShortcut);
        table->addAction(key.first);
    }
    connect(table, &ConstructionTableWidget::editRequested, this, &MainWindow::editColumn);

    // Tab from the table goes to the editor of the selected column, then through its fields
    // in reading order; the page that is hidden is skipped. (Each setTabOrder puts its second
    // widget right after the first, so the chain is laid in one pass.)
    AssessmentTypeWidget *assessment = m_climatePage->assessmentTypeWidget();
    ClimateEditWidget *climate = m_climatePage->climateEditWidget();
    const QList<QWidget *> chain = {table,
                                    m_materialEdit->widthEdit(),
                                    m_materialEdit->colorButton(),
                                    m_materialEdit->nameEdit(),
                                    m_materialEdit->lambdaEdit(),
                                    m_materialEdit->muEdit(),
                                    m_materialEdit->w80Edit(),
                                    m_materialEdit->wSatEdit(),
                                    m_materialEdit->awEdit(),
                                    assessment->assessmentTypeComboBox(),
                                    assessment->condensationTimeEdit(),
                                    assessment->dryingTimeEdit(),
                                    climate->presetComboBox(),
                                    climate->winterButton(),
                                    climate->summerButton(),
                                    climate->temperatureEdit(),
                                    climate->humidityEdit(),
                                    climate->resistanceEdit()};
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::editColumn(int column)
{
    const int columns = m_ui->tableWidgetConstruction->columnCount();
    if (!m_context.project.hasProject() || m_context.project.layerCount() == 0)
        return;
    QList<QWidget *> candidates;
    if (column > 0 && column < columns - 1) {
        candidates = {m_materialEdit->widthEdit(), m_materialEdit->lambdaEdit(),
                      m_materialEdit->nameEdit()};
    } else {
        ClimateEditWidget *climate = m_climatePage->climateEditWidget();
        candidates = {climate->temperatureEdit(), climate->presetComboBox(),
                      m_climatePage->assessmentTypeWidget()->assessmentTypeComboBox()};
    }
    // the width of a layer whose material has an sd-value is fixed: the first field that
    // can be edited then
    for (QWidget *w : candidates) {
        if (w->isEnabled() && w->isVisibleTo(this)) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto *edit = qobject_cast<QLineEdit *>(w))
                edit->selectAll();
            return;
        }
    }
}

void MainWindow::setupLanguageMenu()
{
    addLanguageAction(QStringLiteral("English"), QStringLiteral("en"));
    addLanguageAction(QStringLiteral("Deutsch"), QStringLiteral("de"));
    addLanguageAction(QStringLiteral("Polski"), QStringLiteral("pl"));
}

void MainWindow::addLanguageAction(const QString &name, const QString &langId)
{
    if (langId != QLatin1String("en")) {
        const QString path = QStringLiteral("%1/%2_%3.qm")
                                 .arg(Directories::translationsDir(),
                                      QLatin1String(Constants::ProgramFileBaseName), langId);
        if (!QFileInfo::exists(path)) {
            HTL::message("Language file '" + path.toStdString() + "' missing.", HTL::MSG_WARNING,
                         "MainWindow::addLanguageAction", 1);
            return;
        }
    }
    QAction *action = m_ui->menuApplicationLanguage->addAction(name);
    action->setData(langId);
    connect(action, &QAction::triggered, this, &MainWindow::actionLanguange_triggered);
}

QPixmap MainWindow::splashWithTagline(const QPixmap &pixmap)
{
    QPixmap result = pixmap;
    if (result.isNull())
        return result;
    QPainter painter(&result);
    // Clipped to the frame below the logo, so that a long translation never runs over it.
    painter.setClipRect(QRect(35, 85, 300, qMax(0, result.height() - 85)));
    QTextDocument document;
    QtExt::TextFrame tagline(&document);
    tagline.setBackgroundColor(Qt::transparent);
    tagline.setTextColor(QColor(191, 191, 207));
    tagline.setText(
        tr("A software for hygrothermal evaluation of building envelope systems").toHtmlEscaped());
    tagline.paint(&painter, QPointF(35, 85), 300);
    return result;
}

// --- the report

ReportPreview *MainWindow::reportPreview() const
{
    return m_reportPreview;
}

void MainWindow::on_actionReport_triggered()
{
    if (!m_reportPreview)
        m_reportPreview = new ReportPreview(m_context.settings, m_context.project, m_undoStack,
                                            m_dialogs.get(), this);
    m_reportPreview->refresh();
    m_reportPreview->show();
    m_reportPreview->raise();
    m_reportPreview->activateWindow();
}

void MainWindow::on_actionPrint_triggered()
{
    on_actionReport_triggered();
    QPrinter printer(QPrinter::HighResolution);
    const double m = Report::PageMargin_mm;
    printer.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_reportPreview->printReport(&printer);
}

// --- refreshing the views

void MainWindow::updateUi(ProjectChanges changes, int select)
{
    const Project &project = m_context.project;
    // What each view shows decides which announcements it follows: a save (file state only)
    // or a new colour redraws nothing that does not show them.
    const ProjectChanges layers =
        ProjectChange::Construction | ProjectChange::LayerAppearance | ProjectChange::Reset;
    const ProjectChanges calculated = ProjectChange::Results | ProjectChange::Reset;

    if (changes & (layers | calculated))
        m_ui->diagramView->setData(this, project.inputData(), project.results(), 1.0);

    ConstructionTableWidget *table = m_ui->tableWidgetConstruction;
    int column = table->currentColumn();
    if (changes & (layers | calculated)) {
        table->setProjectData(project.hasProject() ? &project.inputData() : nullptr,
                              &project.results());
        column = table->rebuildColumns();
    }
    // the position the edit asked for: the layer it made or changed, or a climate side
    const bool selects = select >= 0 && select < table->columnCount();
    if (selects) {
        const QSignalBlocker blocker(table);
        column = select;
        table->setCurrentCell(0, column);
    }
    // The editor panel shows the selected layer or climate side with its values.
    if (selects || (changes & (layers | ProjectChange::Climate | ProjectChange::HeatFlowDirection)))
        constructionTableColumnChanged(0, column, -1, -1);
    // ... and a climate value edited (or undone) in one period shows in that period
    const int winter = ClimateEditWidget::editedPeriod(changes, select);
    if (selects && winter >= 0)
        m_climatePage->climateEditWidget()->setWinterPeriod(winter);

    if (project.hasProject() && (changes & calculated))
        refreshResults();
    updateWindowState();
    if (changes & layers)
        table->viewport()->update();
    if (m_reportPreview && m_reportPreview->isVisible()) {
        // nothing left to print: the preview of an empty or closed project goes
        if (!project.hasProject() || project.layerCount() == 0)
            m_reportPreview->close();
        else if (changes & ~ProjectChanges(ProjectChange::FileState))
            m_reportPreview->refresh();
    }
}

void MainWindow::refreshResults()
{
    const Project &project = m_context.project;
    m_resultsWidget->updateResults(
        project.inputData(), project.outcome(), project.heatFlowDirection(),
        AssessmentOptions::fromReportSettings(m_context.settings.m_reportSettings));
}

void MainWindow::constructionTableColumnChanged(int, int currentColumn, int, int)
{
    const int columns = m_ui->tableWidgetConstruction->columnCount();
    const bool layerColumn = currentColumn > 0 && currentColumn < columns - 1;
    const bool hasConstruction =
        m_context.project.hasProject() && m_context.project.layerCount() > 0;
    if (layerColumn) {
        m_ui->stackedWidgetClimateMaterial->setCurrentIndex(0);
        m_materialEdit->setLayer(currentColumn - 1);
    } else {
        m_ui->stackedWidgetClimateMaterial->setCurrentIndex(1);
        // column 0 is the warm side, the last column the cold side
        if (m_context.project.hasProject())
            m_climatePage->setSide(currentColumn <= 0);
    }
    const bool editable = layerColumn && hasConstruction;
    m_ui->actionSelectMaterial->setEnabled(editable);
    m_ui->actionAddLeft->setEnabled(editable);
    m_ui->actionAddRight->setEnabled(editable);
    m_ui->actionAddMaterialToUserDatabase->setEnabled(editable);
    m_ui->actionRemoveLayer->setEnabled(editable && columns > 3);
    m_ui->actionMoveLeft->setEnabled(editable && currentColumn > 1);
    m_ui->actionMoveRight->setEnabled(editable && currentColumn < columns - 2);
}

void MainWindow::updateWindowState()
{
    const Project &project = m_context.project;
    const bool hasConstruction = project.hasProject() && project.layerCount() > 0;
    for (QAction *a :
         {m_ui->actionSave, m_ui->actionSaveAs, m_ui->actionPrint, m_ui->actionExportChart,
          m_ui->actionExportSketch, m_ui->actionCopyChart, m_ui->actionCopySketch,
          m_ui->actionEditProjectInformation, m_ui->actionAddToConstructionDatabase,
          m_ui->actionReport, m_ui->actionToggleGlaser, m_actionVapourOverSd})
        a->setEnabled(hasConstruction);
    m_ui->actionOpen->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *>{
             m_ui->tableWidgetConstruction, m_ui->diagramView, m_ui->stackedWidgetClimateMaterial,
             m_resultsWidget, m_ui->frameDividerRight})
        w->setVisible(hasConstruction);
    m_startPage->setVisible(!hasConstruction);
    // the (then empty) column of the views must not keep half of the width from the start page
    static_cast<QBoxLayout *>(m_ui->centralWidget->layout())
        ->setStretch(1, hasConstruction ? 1 : 0);
    m_ui->actionUseHashes->setVisible(false);
    m_ui->actionToggleGlaser->setChecked(m_ui->diagramView->profileMode() == 3);

    const QString program = QLatin1String(Constants::ProgramName);
    if (hasConstruction) {
        QString name = project.fileName().isEmpty()
                           ? QStringLiteral("unnamed.%1").arg(QLatin1String(ProjectSuffix))
                           : QFileInfo(project.fileName()).fileName();
        if (project.isModified())
            name += QLatin1Char('*');
        setWindowTitle(QStringLiteral("%1 - %2").arg(program, name));
    } else {
        for (QAction *a : {m_ui->actionSelectMaterial, m_ui->actionAddLeft, m_ui->actionAddRight,
                           m_ui->actionMoveLeft, m_ui->actionMoveRight, m_ui->actionRemoveLayer,
                           m_ui->actionAddMaterialToUserDatabase, m_ui->actionToggleGlaser})
            a->setEnabled(false);
        setWindowTitle(program);
    }
    updateHeatFlowToolBar();
}

void MainWindow::updateHeatFlowToolBar()
{
    const Project &project = m_context.project;
    const bool air = project.hasProject() && project.inputData().hasAirLayer();
    m_ui->toolBarHeatFlowDirection->setVisible(air);
    if (!air)
        return;
    const int code = int(project.heatFlowDirection());
    for (QAction *a : m_heatFlowGroup->actions())
        if (a->data().toInt() == code)
            a->setChecked(true);
}

void MainWindow::resultsLinkClicked(const QUrl &link)
{
    const QString text = link.toString();
    const int hyphen = text.indexOf(QLatin1Char('-'));
    if (hyphen < 0 || text.left(hyphen) != QLatin1String("layer"))
        return;
    bool ok = false;
    const int column = text.mid(hyphen + 1).toInt(&ok);
    if (!ok)
        return;
    m_ui->tableWidgetConstruction->setCurrentCell(0, column);
    m_ui->tableWidgetConstruction->setFocus();
}

// --- layer commands

void MainWindow::push(M2_UndoCommandBase *command)
{
    if (command->changed())
        m_undoStack.push(command);
    else
        delete command;
}

int MainWindow::currentLayerIndex() const
{
    const int column = m_ui->tableWidgetConstruction->currentColumn();
    const int columns = m_ui->tableWidgetConstruction->columnCount();
    if (column <= 0 || column >= columns - 1)
        return -1;
    return column - 1;
}

void MainWindow::addLayerOrConstruction(bool left)
{
    const int i = currentLayerIndex();
    if (i < 0)
        return;
    Material material;
    Construction construction;
    prepareDatabaseDialogs();
    const DatabaseDialogs::Choice choice = m_dialogs->chooseMaterial(
        this, m_context.materials, &m_context.constructions, &material, &construction);
    if (choice == DatabaseDialogs::MaterialChosen) {
        const MaterialLayer layer(material, 0.1);
        if (left)
            push(new M2_UndoAddLayerLeft(m_context.project, i, layer));
        else
            push(new M2_UndoAddLayerRight(m_context.project, i, layer));
    } else if (choice == DatabaseDialogs::ConstructionChosen) {
        if (left)
            push(new M2_UndoAddConstructionLeft(m_context.project, i, construction));
        else
            push(new M2_UndoAddConstructionRight(m_context.project, i, construction));
    }
}

void MainWindow::on_actionAddLeft_triggered()
{
    addLayerOrConstruction(true);
}

void MainWindow::on_actionAddRight_triggered()
{
    addLayerOrConstruction(false);
}

void MainWindow::on_actionRemoveLayer_triggered()
{
    const int i = currentLayerIndex();
    if (i >= 0 && m_context.project.layerCount() > 1)
        push(new M2_UndoRemoveLayer(m_context.project, i));
}

void MainWindow::on_actionMoveLeft_triggered()
{
    const int i = currentLayerIndex();
    if (i > 0)
        push(new M2_UndoMoveLayerLeft(m_context.project, i));
}

void MainWindow::on_actionMoveRight_triggered()
{
    const int i = currentLayerIndex();
    if (i >= 0 && i + 1 < m_context.project.layerCount())
        push(new M2_UndoMoveLayerRight(m_context.project, i));
}

void MainWindow::on_actionSelectMaterial_triggered()
{
    const int i = currentLayerIndex();
    if (i < 0)
        return;
    Material material;
    Construction construction;
    prepareDatabaseDialogs();
    if (m_dialogs->chooseMaterial(this, m_context.materials, nullptr, &material, &construction) !=
        DatabaseDialogs::MaterialChosen)
        return;
    auto *command = new M2_UndoChangeMaterial(m_context.project, i, material);
    const bool removesBridge = command->changed() && command->removesBridge();
    const QString bridgeName =
        removesBridge ? m_context.project.inputData().layer(i).m_bridge->material.m_name
                      : QString();
    push(command);
    // said where the user looks after the choice; the history names it too
    if (removesBridge)
        statusBar()->showMessage(
            tr("Layer %1 is now given by its sd-value and cannot carry a second material: "
               "\"%2\" was removed. Undo brings it back.")
                .arg(i + 1)
                .arg(bridgeName),
            10000);
}

void MainWindow::tableViewDoubleClicked(const QModelIndex &index)
{
    const int columns = m_ui->tableWidgetConstruction->columnCount();
    if (index.column() > 0 && index.column() < columns - 1)
        on_actionSelectMaterial_triggered();
}

void MainWindow::customContextMenu(const QPoint &pos)
{
    const QList<QAction *> actions = {m_ui->actionAddRight,
                                      m_ui->actionAddLeft,
                                      m_ui->actionRemoveLayer,
                                      m_ui->actionSelectMaterial,
                                      m_ui->actionMoveRight,
                                      m_ui->actionMoveLeft,
                                      m_ui->actionAddMaterialToUserDatabase};
    bool any = false;
    for (QAction *a : actions)
        any = any || a->isEnabled();
    if (!any)
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(m_ui->tableWidgetConstruction->viewport()->mapToGlobal(pos));
}

void MainWindow::onHeatFlowDirectionTriggerd(QAction *action)
{
    push(new M2_UndoHeatFlowDirection(m_context.project, action->data().toInt()));
    // the checked action follows the project (a command that changed nothing leaves it as it
    // was)
    updateHeatFlowToolBar();
}

int MainWindow::vapourProfileMode() const
{
    return m_context.settings.m_vapourDiagramOverSd ? 4 : 2;
}

void MainWindow::on_actionToggleGlaser_triggered(bool checked)
{
    m_ui->diagramView->setProfileMode(checked ? 3 : vapourProfileMode());
}

// --- project life cycle

void MainWindow::resetHistory()
{
    m_undoStack.clear();
}

bool MainWindow::closeProject()
{
    Project &project = m_context.project;
    if (project.hasProject() && project.isModified()) {
        const QMessageBox::StandardButton answer = m_dialogs->question(
            this, tr("Save project before closing"),
            tr("Would you like to save the project before closing it?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Save) {
            const int result =
                project.fileName().isEmpty() ? saveProjectAs() : saveProject(project.fileName());
            if (result != 0)
                return false;
        }
    }
    resetHistory();
    project.close();
    updateWindowState();
    return true;
}

void MainWindow::on_actionNew_triggered()
{
    if (!closeProject())
        return;
    updateWindowState();
    InputData input;
    ProjectInformation info =
        ProjectInformation::fromDefaults(m_context.settings.m_defaultProjectSettings);
    prepareDatabaseDialogs();
    if (!m_dialogs->newProject(this, m_context.materials, m_context.constructions, &input, &info))
        return;
    m_context.settings.m_lastProjectFile.clear();
    // the report of a new project starts from the print defaults of the preferences
    QString remarks;
    m_context.settings.applyPrintDefaults(&remarks);
    if (info.m_disclaimerText.isEmpty())
        info.m_disclaimerText = remarks;
    m_context.project.createNew(input, info, true);
}

void MainWindow::on_actionEditMaterialDatabase_triggered()
{
    prepareDatabaseDialogs();
    m_dialogs->browseDatabase(this, m_context.materials, m_context.constructions);
}

void MainWindow::prepareDatabaseDialogs()
{
    const QString last = m_context.settings.m_lastProjectFile;
    m_dialogs->setImportDirectory(last.isEmpty() ? QString() : QFileInfo(last).absolutePath());
}

bool MainWindow::loadProject(const QString &name)
{
    // a file named on the command line may be relative: the recent list keeps where it is
    const QString fileName = QFileInfo(name).absoluteFilePath();
    QString message;
    QStringList notes;
    Project &project = m_context.project;
    if (project.load(fileName, &message, &notes)) {
        resetHistory();
        addToRecentFiles(fileName);
        if (!notes.isEmpty())
            m_dialogs->information(this, tr("Project file changed while reading"),
                                   notes.join(QLatin1Char('\n')));
        updateWindowState();
        return true;
    }
    // a file that cannot be read leaves whatever is open as it was
    updateWindowState();
    m_dialogs->critical(this, tr("Error loading project file"), message);
    return false;
}

void MainWindow::openProjectFile(const QString &fileName)
{
    // Read the file before the open project is closed: a damaged or foreign file must not cost
    // the user the project on screen (nor a save question for nothing).
    QString message;
    if (!Project::canLoad(fileName, &message)) {
        m_dialogs->critical(this, tr("Error loading project file"), message);
        return;
    }
    if (closeProject())
        loadProject(fileName);
}

void MainWindow::on_actionOpen_triggered()
{
    QString start = m_context.settings.m_lastProjectFile;
    if (start.isEmpty())
        start = QDir::toNativeSeparators(QDir::homePath());
    const QString program = QLatin1String(Constants::ProgramName);
    const QString filter = tr("%1 Projects (*.%2)").arg(program, QLatin1String(ProjectSuffix)) +
                           tr(";;%1 Projects (*.%2);;All files (*.*)")
                               .arg(QStringLiteral("MIRELO 1"), QStringLiteral("mpj"));
    const QString fileName =
        m_dialogs->openFileName(this, tr("Select %1 project file").arg(program), start, filter);
    if (fileName.isEmpty())
        return;
    if (!QFileInfo::exists(fileName)) {
        m_dialogs->critical(this, tr("Error #4: File not found"),
                            tr("The file '%1' cannot be found or does not exist.").arg(fileName));
        return;
    }
    openProjectFile(fileName);
}

void MainWindow::setupStartPage()
{
    m_startPage = new StartPage(Directories::resourcesDir() + QStringLiteral("/examples"),
                                m_ui->centralWidget);
    static_cast<QBoxLayout *>(m_ui->centralWidget->layout())->insertWidget(0, m_startPage, 1);
    connect(m_startPage, &StartPage::newProjectRequested, this,
            &MainWindow::on_actionNew_triggered);
    connect(m_startPage, &StartPage::openProjectRequested, this,
            &MainWindow::on_actionOpen_triggered);
    connect(m_startPage, &StartPage::quickStartRequested, this, [this]() {
        Globals::showHelp(m_context.langId, Globals::QuickStartTopic, m_dialogs.get(), this);
    });
    connect(m_startPage, &StartPage::projectChosen, this, [this](const QString &fileName) {
        if (!QFileInfo::exists(fileName)) {
            m_dialogs->critical(
                this, tr("Error #4: File not found"),
                tr("The file '%1' cannot be found or does not exist.").arg(fileName));
            return;
        }
        if (closeProject())
            loadProject(fileName);
    });
}

void MainWindow::actionOpenRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const QString fileName = action->data().toString();
    if (!QFileInfo::exists(fileName)) {
        const QMessageBox::StandardButton answer =
            m_dialogs->question(this, tr("Error #5: File not found"),
                                tr("The file '%1' cannot be found or does not exist.\n%2")
                                    .arg(fileName, tr("Remove this file from list?")),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            m_context.settings.m_recentProjects.removeOne(fileName);
            updateRecentProjects();
        }
        return;
    }
    openProjectFile(fileName);
}

void MainWindow::addToRecentFiles(const QString &fileName)
{
    QStringList &recent = m_context.settings.m_recentProjects;
    recent.removeAll(fileName);
    recent.prepend(fileName);
    m_context.settings.m_lastProjectFile = fileName;
    updateRecentProjects();
}

void MainWindow::updateRecentProjects()
{
    delete m_recentMenu;
    m_recentMenu = nullptr;
    const QStringList &recent = m_context.settings.m_recentProjects;
    m_startPage->setRecentProjects(recent);
    if (recent.isEmpty()) {
        m_ui->actionRecentProjects->setEnabled(false);
        m_ui->actionRecentProjects->setMenu(nullptr);
        return;
    }
    m_recentMenu = new QMenu(this);
    for (const QString &fileName : recent) {
        QAction *a = m_recentMenu->addAction(fileName);
        a->setData(fileName);
        connect(a, &QAction::triggered, this, &MainWindow::actionOpenRecentFile);
    }
    m_ui->actionRecentProjects->setMenu(m_recentMenu);
    m_ui->actionRecentProjects->setEnabled(true);
}

int MainWindow::saveProject(const QString &fileName)
{
    QString path = fileName;
    const QString suffix = QLatin1Char('.') + QLatin1String(ProjectSuffix);
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    QString message;
    if (!m_context.project.save(path, &message)) {
        m_dialogs->critical(this, tr("Error #3: Saving failed"),
                            tr("Error while saving project file!") +
                                (message.isEmpty() ? QString() : QLatin1Char('\n') + message));
        return 1;
    }
    addToRecentFiles(path);
    m_undoStack.setClean();
    updateWindowState();
    return 0;
}

int MainWindow::saveProjectAs()
{
    // the project's own file, else a name made from the construction or project name in the
    // folder of the last project
    const Project &project = m_context.project;
    QString start = project.fileName();
    if (start.isEmpty()) {
        const QString last = m_context.settings.m_lastProjectFile;
        const QString folder = last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
        const QString name = project.suggestedFileName();
        start = name.isEmpty()
                    ? folder
                    : QDir(folder).filePath(name + QLatin1Char('.') + QLatin1String(ProjectSuffix));
    }
    const QString program = QLatin1String(Constants::ProgramName);
    const QString fileName =
        m_dialogs->saveFileName(this, tr("Specify %1 project file").arg(program), start,
                                tr("%2 project (*.%1)").arg(QLatin1String(ProjectSuffix), program));
    if (fileName.isEmpty())
        return 2;
    return saveProject(fileName);
}

void MainWindow::on_actionSave_triggered()
{
    if (m_context.project.fileName().isEmpty())
        saveProjectAs();
    else
        saveProject(m_context.project.fileName());
}

void MainWindow::on_actionSaveAs_triggered()
{
    saveProjectAs();
}

void MainWindow::on_actionQuit_triggered()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Settings &settings = m_context.settings;
    settings.m_lastProjectFile =
        m_context.project.hasProject() ? m_context.project.fileName() : QString();
    if (!closeProject()) {
        event->ignore();
        return;
    }
    // after the question: a project saved from it is in the recent list only now
    settings.write();
    event->accept();
}

// --- pictures

void MainWindow::on_actionCopyChart_triggered()
{
    QApplication::clipboard()->setPixmap(m_ui->diagramView->renderPixmap());
}

void MainWindow::on_actionCopySketch_triggered()
{
    QApplication::clipboard()->setPixmap(m_ui->tableWidgetConstruction->renderPixmap());
}

void MainWindow::exportPicture(bool chart)
{
    const QStringList filters = {tr("Jpg image (*.jpg)"), tr("Svg file (*.svg)"),
                                 tr("Pdf file (*.pdf)"), tr("Png file (*.png)")};
    QString filter;
    QString fileName = m_dialogs->exportFileName(this, filters, &filter);
    if (fileName.isEmpty())
        return;
    // the extension follows the chosen filter
    const int star = filter.indexOf(QLatin1String("*."));
    const QString suffix = star < 0 ? QString() : filter.mid(star + 2, 3);
    if (!suffix.isEmpty()) {
        const QFileInfo info(fileName);
        if (info.suffix().compare(suffix, Qt::CaseInsensitive) != 0)
            fileName = info.path() + QLatin1Char('/') + info.completeBaseName() + QLatin1Char('.') +
                       suffix;
    }
    m_context.settings.m_lastExportFile = fileName;
    QString error;
    const QString description = m_context.settings.m_lastProjectFile;
    const bool written =
        chart ? m_ui->diagramView->exportToFile(fileName, description, &error)
              : m_ui->tableWidgetConstruction->exportToFile(fileName, description, &error);
    if (!written)
        m_dialogs->critical(
            this, tr("Export failed"),
            tr("The picture could not be written to '%1':\n%2").arg(fileName, error));
}

void MainWindow::on_actionExportChart_triggered()
{
    exportPicture(true);
}

void MainWindow::on_actionExportSketch_triggered()
{
    exportPicture(false);
}

// --- dialogs and the rest

void MainWindow::on_actionHelp_triggered()
{
    Globals::showHelp(m_context.langId, 0, m_dialogs.get(), this);
}

void MainWindow::on_actionHelpHeatFlowDirections_triggered()
{
    Globals::showHelp(m_context.langId, 7, m_dialogs.get(), this);
}

void MainWindow::on_actionAbout_triggered()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::on_actionAboutQt_triggered()
{
    QMessageBox::aboutQt(this);
}

void MainWindow::on_actionShow_Logfile_triggered()
{
    ShowLogfile dialog(this);
    dialog.exec();
}

void MainWindow::on_actionQtConfig_triggered()
{
    if (!QProcess::startDetached(QStringLiteral("qtconfig"), {}))
        m_dialogs->critical(this, tr("Could not launch external program"),
                            tr("Couldn't start the <b>qtconfig</b> application. Make sure it is in "
                               "your application search path!"));
}

void MainWindow::on_actionEditProjectInformation_triggered()
{
    if (!m_context.project.hasProject())
        return;
    ProjectInformationEditDialog dialog(this);
    dialog.setProjectInformation(m_context.project.projectInformation());
    if (dialog.exec() == QDialog::Accepted)
        push(new M2_UndoChangeProjectInfo(m_context.project, dialog.projectInformation()));
}

void MainWindow::on_actionAddToConstructionDatabase_triggered()
{
    if (!m_context.project.hasProject())
        return;
    ConstructionNameInputDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Construction construction;
    construction.m_name = dialog.name();
    construction.m_notes = dialog.notes();
    const InputData &input = m_context.project.inputData();
    for (int i = 0; i < input.layerCount(); ++i)
        construction.m_layers.push_back(input.layer(i));
    m_context.constructions.addConstruction(construction);
}

void MainWindow::on_actionAddMaterialToUserDatabase_triggered()
{
    const int i = currentLayerIndex();
    if (i < 0)
        return;
    const Material material = m_context.project.inputData().layer(i).material();
    if (material.isValid())
        m_context.materials.addUserMaterial(material);
}

void MainWindow::on_actionPreferences_triggered()
{
    Settings &settings = m_context.settings;
    ConfigDialog dialog(settings, &m_context.materials, &m_context.constructions, *m_dialogs, this);
    // What the dialog changed announces itself (Settings::changed): the views that show it
    // follow, and the project recalculates only for the calculation option.
    dialog.exec();
}

void MainWindow::actionLanguange_triggered()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    m_context.settings.m_langId = action->data().toString();
    m_dialogs->information(this, tr("Languange changed"),
                           tr("Please restart the software to activate the new language!"));
}

void MainWindow::updateSplashScreen()
{
    if (m_splash)
        QTimer::singleShot(m_splashCloseDelay, m_splash.data(), &QSplashScreen::close);
}
