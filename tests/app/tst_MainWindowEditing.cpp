// The main window at work: title, enabled actions, saving and closing (with the failures), the
// recent files, the heat-flow tool bar, results links, the layer editor and the layer commands,
// the undo history across projects and the picture export. Every dialog is answered by a script.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "qtext/ColorButton.h"
#include "qtext/Table.h"
#include "qtext/ValidatingLineEdit.h"
#include "report/DiagramScene.h"
#include "report/Report.h"
#include "settings/ProgramTranslator.h"
#include "settings/Settings.h"
#include "ui/Globals.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/editors/AssessmentClimateWidget.h"
#include "ui/editors/AssessmentTypeWidget.h"
#include "ui/editors/ClimateEditWidget.h"
#include "ui/editors/MaterialEditWidget.h"
#include "ui/mainwindow/ConstructionNameInputDialog.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/mainwindow/DesktopDialogs.h"
#include "ui/mainwindow/DiagramView.h"
#include "ui/mainwindow/M2_ResultsWidget.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/reportpreview/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsLineItem>
#include <QHelpEvent>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QUrl>

#include <cmath>
#include <functional>
#include <memory>

namespace {

/*! Answers every dialog of the window from a script and records what it was shown. */
class ScriptedDialogs : public DesktopDialogs
{
public:
    void critical(QWidget *, const QString &title, const QString &) override { criticals << title; }
    void information(QWidget *, const QString &title, const QString &) override
    {
        informations << title;
    }
    QMessageBox::StandardButton question(QWidget *, const QString &title, const QString &,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        questions << title;
        return answers.isEmpty() ? QMessageBox::Cancel : answers.takeFirst();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return openName;
    }
    QString saveFileName(QWidget *, const QString &, const QString &directory,
                         const QString &) override
    {
        saveStart = directory;
        return saveName;
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        warnings << title + QLatin1Char('\n') + text;
    }
    bool openDocument(const QUrl &url) override
    {
        openedDocuments << url;
        return viewerStarts;
    }
    QString exportFileName(QWidget *, const QStringList &filters, QString *selected) override
    {
        offeredFilters = filters;
        *selected = exportFilter;
        return exportName;
    }
    Choice chooseMaterial(QWidget *, MaterialList &, ConstructionList *constructions,
                          Material *material, Construction *construction) override
    {
        if (choice == ConstructionChosen && !constructions)
            return Cancelled;
        *material = chosenMaterial;
        *construction = chosenConstruction;
        return choice;
    }

    // the wizard's answer: a project of one layer of the chosen material
    bool newProject(QWidget *, MaterialList &, ConstructionList &, InputData *input,
                    ProjectInformation *info) override
    {
        ++newProjects;
        wizardDefaults = info->m_projectName;
        if (!acceptWizard)
            return false;
        info->m_projectName = QStringLiteral("From the wizard");
        input->clearLayers();
        const Material first =
            chosenMaterial.m_name.isEmpty() ? MaterialList::airMaterial() : chosenMaterial;
        input->insertLayer(0, MaterialLayer(first, 0.1));
        return true;
    }
    void browseDatabase(QWidget *, MaterialList &, ConstructionList &) override { ++browsed; }

    QStringList criticals, informations, questions, warnings;
    QString saveStart;
    QList<QUrl> openedDocuments;
    bool viewerStarts = true;
    QList<QMessageBox::StandardButton> answers;
    QString openName, saveName, exportName, exportFilter;
    QStringList offeredFilters;
    Choice choice = Cancelled;
    int newProjects = 0;
    bool acceptWizard = true;
    QString wizardDefaults;
    int browsed = 0;
    Material chosenMaterial;
    Construction chosenConstruction;
};

Material brick()
{
    return TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1, 2);
}

Material insulation()
{
    return TestMaterials::material("Mineral wool", 0.035, 1, 0.0001, 0.9, 0.0, 5);
}

Material airLayer()
{
    Material m = TestMaterials::material("Air layer", 0.025, 1, 0.00001, 1, 0, 12);
    m.m_flags.insert(Material::F_Air);
    return m;
}

InputData construction(const std::vector<Material> &materials)
{
    InputData input;
    for (const Material &m : materials)
        input.insertLayer(input.layerCount(), MaterialLayer(m, 0.1));
    input.validate();
    return input;
}

} // namespace

class tst_MainWindowEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void titleFollowsTheProject();
    void enabledActions_data();
    void enabledActions();
    void saveAddsTheSuffix_data();
    void saveAddsTheSuffix();
    void failedSaveKeepsTheProjectAndTheWindow();
    void cancelledSaveAsKeepsTheWindowOpen();
    void saveAsAtQuitIsRemembered();
    void unsavedDatabaseEditIsReported();
    void vanishedRecentFile();
    void heatFlowToolBar();
    void constructionKindInTheStatusBar();
    void resultsLinks_data();
    void resultsLinks();
    void layerEditorPushesValidEditsOnly();
    void storedConstructionKeepsItsStuds();
    void foilTakesTheStudsAway();
    void addedConstructionIsSelected();
    void layerCommandsFromTheWindow();
    void historyEndsWithTheProject();
    void exportFollowsTheChosenFilter();
    void newProjectRunsTheWizard_data();
    void newProjectRunsTheWizard();
    void newProjectTakesThePrintDefaults();
    void previewClosesWithTheLastConstruction();
    void databaseActions();
    void viewsRebuildOnlyForWhatTheyShow_data();
    void viewsRebuildOnlyForWhatTheyShow();
    void widthEditRedrawsTheDiagram();
    void vapourDiagramOverSd();
    void longLayerNamesAreElided();
    void verdictsFollowTheAssessmentSettings();
    void unreadableFileKeepsTheOpenProject();
    void saveSuggestsAFileName_data();
    void saveSuggestsAFileName();
    void keyboardPathThroughAWidthEdit();
    void layerKeysActOnlyInTheTable();
    void helpWithoutViewerNamesTheFile();
    void climateCombosShowTheirTexts_data();
    void climateCombosShowTheirTexts();

private:
    void open(const InputData &input);
    QAction *action(const char *name) const;

    QTemporaryDir m_home;
    Settings m_settings;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    Project m_project;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<MainWindow> m_window;
    ScriptedDialogs *m_dialogs = nullptr;
};

void tst_MainWindowEditing::initTestCase()
{
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    m_materials =
        std::make_unique<MaterialList>(QStringLiteral("en"), m_home.path(), m_home.path());
    m_constructions = std::make_unique<ConstructionList>(QStringLiteral("en"), m_home.path());
    m_context.reset(new AppContext{m_settings, *m_materials, *m_constructions, m_project,
                                   QStringLiteral("en")});
}

void tst_MainWindowEditing::init()
{
    m_project.close();
    m_settings.m_recentProjects.clear();
    m_window = std::make_unique<MainWindow>(*m_context, nullptr);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    m_window->setUserDialogs(std::move(dialogs));
    m_window->resize(1100, 760);
    m_window->show();
}

void tst_MainWindowEditing::cleanup()
{
    m_project.close();
    m_window.reset();
}

using ProjectEdit = std::function<bool(Project &, const QString &home)>;
Q_DECLARE_METATYPE(ProjectEdit)

void tst_MainWindowEditing::viewsRebuildOnlyForWhatTheyShow_data()
{
    QTest::addColumn<ProjectEdit>("edit");
    QTest::addColumn<bool>("diagram");
    QTest::addColumn<bool>("table");
    QTest::addColumn<bool>("results");
    QTest::newRow("save") << ProjectEdit([](Project &p, const QString &home) {
        return p.save(home + QStringLiteral("/views.m2p"));
    }) << false << false << false;
    QTest::newRow("colour") << ProjectEdit([](Project &p, const QString &) {
        return p.setLayerColor(0, Qt::darkCyan);
    }) << true << true << false;
    QTest::newRow("final remarks") << ProjectEdit([](Project &p, const QString &) {
        return p.setFinalRemarks(QStringLiteral("Checked."));
    }) << false << false << false;
    QTest::newRow("width") << ProjectEdit([](Project &p, const QString &) {
        return p.setLayerValue(1, Project::LV_Width, 0.2);
    }) << true << true << true;
    QTest::newRow("climate") << ProjectEdit([](Project &p, const QString &) {
        return p.setAssessmentType(Climate::AC_Custom, 60, 90);
    }) << true << true << true;
}

void tst_MainWindowEditing::viewsRebuildOnlyForWhatTheyShow()
{
    QFETCH(ProjectEdit, edit);
    QFETCH(bool, diagram);
    QFETCH(bool, table);
    QFETCH(bool, results);
    open(construction({brick(), insulation()}));
    DiagramView *diagramView = m_window->diagramView();
    ConstructionTableWidget *tableWidget = m_window->constructionTable();
    M2_ResultsWidget *resultsWidget = m_window->resultsWidget();
    const int diagramBefore = diagramView->rebuildCount();
    const int tableBefore = tableWidget->rebuildCount();
    const int resultsBefore = resultsWidget->rebuildCount();
    QVERIFY(edit(m_project, m_home.path()));
    QCOMPARE(diagramView->rebuildCount() - diagramBefore, diagram ? 1 : 0);
    QCOMPARE(tableWidget->rebuildCount() - tableBefore, table ? 1 : 0);
    QCOMPARE(resultsWidget->rebuildCount() - resultsBefore, results ? 1 : 0);
}

void tst_MainWindowEditing::widthEditRedrawsTheDiagram()
{
    // A width confirmed in the editor: once the events are through, the diagram shows the new
    // boundaries (lines at the interfaces, the layers' shares of the plot, the width labels),
    // and the Glaser diagram chosen afterwards is drawn over the new s_d.
    open(construction({brick(), insulation()}));
    QCoreApplication::processEvents();
    DiagramView *view = m_window->diagramView();
    const DiagramScene *scene = view->diagramScene();
    const QVector<double> before = scene->interfaceX();
    QCOMPARE(before.size(), 3);
    m_window->undoStack().push(new M2_UndoMaterialParameters(m_project, Project::LV_Width, 1, 0.3));
    QCoreApplication::processEvents();

    const QVector<double> X = scene->interfaceX();
    QCOMPARE(X.size(), 3);
    QVERIFY(X != before);
    // the insulation, three times as thick as the brick now, takes three times its share
    // (each share in whole pixels)
    QVERIFY(std::abs((X[2] - X[1]) - 3 * (X[1] - X[0])) <= 3);
    const QList<QGraphicsItem *> lines = scene->itemsOfKind(DiagramScene::LayerLine);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(qgraphicsitem_cast<QGraphicsLineItem *>(lines[0])->line().x1(), X[1]);
    const QList<QGraphicsItem *> surfaces = scene->itemsOfKind(DiagramScene::SurfaceLine);
    QCOMPARE(surfaces.size(), 2);
    QCOMPARE(qgraphicsitem_cast<QGraphicsLineItem *>(surfaces[1])->line().x1(), X[2]);
    QStringList labels;
    for (const QGraphicsItem *item : scene->itemsOfKind(DiagramScene::WidthLabel))
        labels << DiagramScene::textOf(item);
    QCOMPARE(labels, QStringList({QStringLiteral("100"), QStringLiteral("300")}));

    view->setProfileMode(DiagramScene::GlaserDiagram);
    const QVector<double> &sd = scene->interfaceSd();
    QCOMPARE(sd.size(), 3);
    // s_d = μ·d: 10 · 0.1 m of brick, then 1 · 0.3 m of mineral wool
    QVERIFY(std::abs(sd[1] - 1.0) < 1e-9);
    QVERIFY(std::abs(sd[2] - 1.3) < 1e-9);
}

void tst_MainWindowEditing::verdictsFollowTheAssessmentSettings()
{
    // The results panel judges with the assessment settings of the report, and judges again
    // when they change: the edition of DIN 4108-3 and the drying reserve.
    m_settings.m_reportSettings.m_din4108_3AccordanceType = 2;
    m_settings.m_reportSettings.m_dryingReserve = 0;
    open(construction({brick(), insulation()}));
    M2_ResultsWidget *results = m_window->resultsWidget();
    QCOMPARE(results->assessment().din.m_options.m_edition, DINEdition::DIN4108_3_2018);
    QCOMPARE(results->assessment().dinGlaser.m_options.m_edition, DINEdition::DIN4108_3_2018);
    const int before = results->rebuildCount();

    m_settings.m_reportSettings.m_din4108_3AccordanceType = 0;
    m_settings.m_reportSettings.m_dryingReserve = 0.25;
    m_settings.announceChanged(SettingsGroup::Report);
    QCOMPARE(results->rebuildCount() - before, 1);
    const Assessment &a = results->assessment();
    QCOMPARE(a.din.m_options.m_edition, DINEdition::DIN4108_3_2001);
    QCOMPARE(a.dinGlaser.m_options.m_edition, DINEdition::DIN4108_3_2001);
    QCOMPARE(a.din.m_options.m_dryingReserve, 0.25);
    QCOMPARE(results->verdictTable().cell(0, 0).text(),
             QStringLiteral("<b>%1</b>")
                 .arg(DINCriteriaResult::headingText(DINEdition::DIN4108_3_2001)));

    // a change of units alone leaves the verdicts as they are
    m_settings.announceChanged(SettingsGroup::Units);
    QCOMPARE(results->rebuildCount() - before, 1);
}

void tst_MainWindowEditing::unreadableFileKeepsTheOpenProject()
{
    // A damaged file is found out before the open project is closed: no save question, and
    // the project on screen stays as it was.
    open(construction({brick(), insulation()}));
    QVERIFY(m_project.setLayerValue(0, Project::LV_Width, 0.2)); // modified
    const QString damaged = m_home.filePath(QStringLiteral("damaged.m2p"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<MireloProject><Layers>");
    file.close();
    m_dialogs->openName = damaged;
    action("actionOpen")->trigger();
    QCOMPARE(m_dialogs->criticals, QStringList{QStringLiteral("Error loading project file")});
    QVERIFY(m_dialogs->questions.isEmpty());
    QVERIFY(m_project.hasProject());
    QVERIFY(m_project.isModified());
    QCOMPARE(m_project.layerCount(), 2);
    QVERIFY(m_window->materialEditWidget()->isVisibleTo(m_window.get()));

    // a readable file still asks to save the modified project first; cancelling keeps it
    QVERIFY(m_project.save(m_home.filePath(QStringLiteral("other.m2p"))));
    QVERIFY(m_project.setLayerValue(0, Project::LV_Width, 0.25));
    m_dialogs->openName = m_home.filePath(QStringLiteral("other.m2p"));
    m_dialogs->answers = {QMessageBox::Cancel};
    action("actionOpen")->trigger();
    QCOMPARE(m_dialogs->questions.size(), 1);
    QCOMPARE(m_project.layerValue(0, Project::LV_Width), 0.25);
    m_dialogs->answers = {QMessageBox::Discard};
    action("actionOpen")->trigger();
    QCOMPARE(m_project.layerValue(0, Project::LV_Width), 0.2);
    QVERIFY(!m_project.isModified());
}

void tst_MainWindowEditing::saveSuggestsAFileName_data()
{
    QTest::addColumn<QString>("projectName");
    QTest::addColumn<QString>("constructionName");
    QTest::addColumn<QString>("suggested"); // empty: the folder alone
    QTest::newRow("construction") << "School"
                                  << "AW 01/S\u00fcd"
                                  << "AW 01_S\u00fcd.m2p";
    QTest::newRow("project") << "School: gym"
                             << ""
                             << "School_ gym.m2p";
    QTest::newRow("no name") << ""
                             << ""
                             << "";
}

void tst_MainWindowEditing::saveSuggestsAFileName()
{
    QFETCH(QString, projectName);
    QFETCH(QString, constructionName);
    QFETCH(QString, suggested);
    m_settings.m_lastProjectFile = m_home.filePath(QStringLiteral("earlier/wall.m2p"));
    ProjectInformation info;
    info.m_projectName = projectName;
    info.m_constructionID = constructionName;
    m_project.createNew(construction({brick()}), info);
    m_dialogs->saveName.clear(); // cancelled
    action("actionSaveAs")->trigger();
    // in the folder of the last project, never the last project's own name
    const QString folder = m_home.filePath(QStringLiteral("earlier"));
    QCOMPARE(m_dialogs->saveStart,
             suggested.isEmpty() ? folder : folder + QLatin1Char('/') + suggested);
    // a saved project offers its own file
    QVERIFY(m_project.save(m_home.filePath(QStringLiteral("own.m2p"))));
    action("actionSaveAs")->trigger();
    QCOMPARE(m_dialogs->saveStart, m_home.filePath(QStringLiteral("own.m2p")));
    m_settings.m_lastProjectFile.clear();
}

void tst_MainWindowEditing::keyboardPathThroughAWidthEdit()
{
    // Table: select a layer with the arrow keys, Enter puts the cursor into its width, the
    // typed width is taken with Enter, Escape takes back what was typed, and Tab goes on.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_settings.setDisplayUnits(DisplayUnits(1000, true));
    open(construction({brick(), insulation()}));
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    ConstructionTableWidget *table = m_window->constructionTable();
    MaterialEditWidget *editor = m_window->materialEditWidget();
    table->setFocus();
    table->setCurrentCell(0, 1);
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentColumn(), 2);
    QTest::keyClick(table, Qt::Key_Return);
    QtExt::ValidatingLineEdit *width = editor->widthEdit();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(width));
    QCOMPARE(width->selectedText(), QStringLiteral("100"));
    QTest::keyClicks(width, QStringLiteral("1.000"));
    QTest::keyClick(width, Qt::Key_Return);
    QCOMPARE(m_project.layerValue(1, Project::LV_Width), 0.001);
    QCOMPARE(width->text(), QStringLiteral("1"));
    QTest::keyClicks(width, QStringLiteral("5"));
    QTest::keyClick(width, Qt::Key_Escape);
    QCOMPARE(width->text(), QStringLiteral("1"));
    QTest::keyClick(width, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(editor->colorButton()));
    // F2 does what Enter does; Tab from the table goes to the editor as well
    table->setFocus();
    QTest::keyClick(table, Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(width));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(width));
    QCOMPARE(m_window->undoStack().count(), 1);
    QLocale::setDefault(QLocale::c());
    m_settings.setDisplayUnits(DisplayUnits(1000, true));
}

void tst_MainWindowEditing::layerKeysActOnlyInTheTable()
{
    open(construction({brick(), insulation()}));
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    ConstructionTableWidget *table = m_window->constructionTable();
    table->setFocus();
    table->setCurrentCell(0, 1);
    m_dialogs->choice = DatabaseDialogs::MaterialChosen;
    m_dialogs->chosenMaterial = insulation();
    QTest::keyClick(table, Qt::Key_Insert);
    QCOMPARE(m_project.layerCount(), 3);
    QCOMPARE(m_project.inputData().layer(1).m_name, QStringLiteral("Mineral wool"));
    QTest::keyClick(table, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(m_project.inputData().layer(2).m_name, QStringLiteral("Mineral wool"));
    QTest::keyClick(table, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(m_project.inputData().layer(1).m_name, QStringLiteral("Mineral wool"));
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(m_project.layerCount(), 2);
    // Delete in a field deletes a character, never a layer
    QtExt::ValidatingLineEdit *width = m_window->materialEditWidget()->widthEdit();
    width->setFocus();
    width->setCursorPosition(0);
    QTest::keyClick(width, Qt::Key_Delete);
    QCOMPARE(m_project.layerCount(), 2);
    QCOMPARE(action("actionNew")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(action("actionQuit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
}

void tst_MainWindowEditing::helpWithoutViewerNamesTheFile()
{
    const QString manual = m_home.filePath(QStringLiteral("Mirelo2_Documentation_en.pdf"));
    QFile file(manual);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
    file.close();
    // a viewer starts: nothing to say
    Globals::showHelpFile(manual, 0, *m_dialogs, m_window.get());
    QCOMPARE(m_dialogs->openedDocuments, QList<QUrl>{QUrl::fromLocalFile(manual)});
    QVERIFY(m_dialogs->warnings.isEmpty());
    // none starts: the file exists, so say that no viewer started, and where the file is
    m_dialogs->viewerStarts = false;
    Globals::showHelpFile(manual, 0, *m_dialogs, m_window.get());
    QCOMPARE(m_dialogs->warnings.size(), 1);
    QVERIFY(m_dialogs->warnings.first().contains(QStringLiteral("No program to show PDF files")));
    QVERIFY(m_dialogs->warnings.first().contains(QDir::toNativeSeparators(manual)));
    // a missing file is reported as missing, without trying a viewer
    Globals::showHelpFile(m_home.filePath(QStringLiteral("none.pdf")), 0, *m_dialogs,
                          m_window.get());
    QCOMPARE(m_dialogs->openedDocuments.size(), 2);
    QVERIFY(m_dialogs->warnings.last().contains(QStringLiteral("cannot be found")));
}

void tst_MainWindowEditing::climateCombosShowTheirTexts_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "pl"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_MainWindowEditing::climateCombosShowTheirTexts()
{
    // In a window of 1024 x 700 every entry of the assessment-type and the preset combo box
    // is shown whole, in every language, for both sides and every assessment type.
    QFETCH(QString, language);
    ProgramTranslator translator;
    if (language != QLatin1String("en")) {
        const QString qm =
            QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_%1.qm").arg(language);
        QVERIFY2(translator.load(qm), qPrintable(qm + QStringLiteral(" is missing")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    m_window.reset(new MainWindow(*m_context, nullptr));
    m_window->setUserDialogs(std::make_unique<ScriptedDialogs>());
    m_window->resize(1024, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    open(construction({brick(), insulation()}));
    auto fits = [](QComboBox *combo, QString *overflow) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            if (combo->fontMetrics().horizontalAdvance(combo->itemText(i)) > field.width()) {
                *overflow =
                    QStringLiteral("'%1' in %2 px").arg(combo->itemText(i)).arg(field.width());
                return false;
            }
        return true;
    };
    AssessmentClimateWidget *page = m_window->assessmentClimateWidget();
    for (int type : {Climate::AC_Custom, Climate::AC_DIN4108_2001, Climate::AC_DIN4108_2014}) {
        QVERIFY(m_project.setAssessmentType(type, 60, 90));
        for (int column : {0, m_project.layerCount() + 1}) {
            m_window->constructionTable()->setCurrentCell(0, column);
            QApplication::processEvents();
            QString overflow;
            QVERIFY2(fits(page->assessmentTypeWidget()->assessmentTypeComboBox(), &overflow),
                     qPrintable(overflow));
            QVERIFY2(fits(page->climateEditWidget()->presetComboBox(), &overflow),
                     qPrintable(overflow));
        }
    }
    m_window.reset();
    QCoreApplication::removeTranslator(&translator);
}

void tst_MainWindowEditing::vapourDiagramOverSd()
{
    open(construction({brick(), insulation(), brick()}));
    DiagramView *view = m_window->diagramView();
    QAction *toggle = action("actionToggleGlaser");
    QAction *overSd = action("actionVapourPressureOverSd");
    QVERIFY(toggle && overSd);
    QVERIFY(overSd->isEnabled());
    QCOMPARE(view->profileMode(), 3); // the moisture content first

    // the vapour-pressure profile comes with the axis the settings hold
    m_settings.m_vapourDiagramOverSd = true;
    overSd->setChecked(true);
    toggle->trigger();
    QCOMPARE(view->profileMode(), int(DiagramScene::GlaserDiagram));
    // over the thickness: the choice is stored, the diagram follows at once
    overSd->trigger();
    QVERIFY(!m_settings.m_vapourDiagramOverSd);
    QCOMPARE(view->profileMode(), int(DiagramScene::VapourPressureProfile));
    // choosing the axis from the moisture profile shows the vapour-pressure profile
    toggle->trigger();
    QCOMPARE(view->profileMode(), int(DiagramScene::MoistureContentProfile));
    overSd->trigger();
    QVERIFY(m_settings.m_vapourDiagramOverSd);
    QCOMPARE(view->profileMode(), int(DiagramScene::GlaserDiagram));
    QVERIFY(!toggle->isChecked());

    // the layer bands tell their name on hovering
    DiagramScene *scene = view->diagramScene();
    const QList<QGraphicsItem *> bands = scene->itemsOfKind(DiagramScene::LayerBand);
    QCOMPARE(bands.size(), 3);
    QCOMPARE(bands[1]->toolTip(), QStringLiteral("Mineral wool"));
    const QPoint inBand = view->mapFromScene(bands[2]->sceneBoundingRect().center());
    QHelpEvent help(QEvent::ToolTip, inBand, view->viewport()->mapToGlobal(inBand));
    QCoreApplication::sendEvent(view->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Brick"));
    QToolTip::hideText();
    m_settings.m_vapourDiagramOverSd = true;
}

void tst_MainWindowEditing::longLayerNamesAreElided()
{
    const QString longName = QStringLiteral(
        "Wood fibre insulation board with tongue and groove, hydrophobised, rendered outside");
    Material wool = insulation();
    wool.m_name = longName;
    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.3));
    input.insertLayer(1, MaterialLayer(wool, 0.02)); // a narrow column: the name stands upright
    input.validate();
    open(input);
    ConstructionTableWidget *table = m_window->constructionTable();
    QCOMPARE(table->item(0, 2)->toolTip(), longName);
    const QFontMetrics metrics(table->font());
    const int length = table->rowHeight(0) - 10;
    QVERIFY(metrics.horizontalAdvance(longName) > length);
    const QString shown = HatchedItemDelegate::elidedName(metrics, longName, length);
    QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
    QVERIFY(metrics.horizontalAdvance(shown) <= length);
    QCOMPARE(HatchedItemDelegate::elidedName(metrics, QStringLiteral("Brick"), length),
             QStringLiteral("Brick"));
}

void tst_MainWindowEditing::open(const InputData &input)
{
    m_project.createNew(input, ProjectInformation());
}

QAction *tst_MainWindowEditing::action(const char *name) const
{
    return m_window->findChild<QAction *>(QLatin1String(name));
}

void tst_MainWindowEditing::titleFollowsTheProject()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2"));
    // a new project is one the user composed: it asks to be saved
    m_dialogs->answers = {QMessageBox::Discard};
    QMetaObject::invokeMethod(action("actionNew"), "trigger");
    QCOMPARE(m_project.layerCount(), 1);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2 - unnamed.m2p*"));

    QVERIFY(m_window->saveProject(m_home.filePath(QStringLiteral("wall"))) == 0);
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2 - wall.m2p"));
    QVERIFY(m_project.setLayerValue(0, Project::LV_Width, 0.2));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2 - wall.m2p*"));
    m_project.close();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2"));
    QVERIFY(!m_window->diagramView()->isVisible());
}

void tst_MainWindowEditing::enabledActions_data()
{
    QTest::addColumn<int>("layers");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("enabled"); // of add, remove, move left, move right, select
    QTest::addColumn<int>("page");
    QTest::newRow("one layer") << 1 << 1 << "10001" << 0;
    QTest::newRow("first of three") << 3 << 1 << "11011" << 0;
    QTest::newRow("middle of three") << 3 << 2 << "11111" << 0;
    QTest::newRow("last of three") << 3 << 3 << "11101" << 0;
    QTest::newRow("warm side") << 3 << 0 << "00000" << 1;
    QTest::newRow("cold side") << 3 << 4 << "00000" << 1;
}

void tst_MainWindowEditing::enabledActions()
{
    QFETCH(int, layers);
    QFETCH(int, column);
    QFETCH(QString, enabled);
    QFETCH(int, page);
    std::vector<Material> materials(std::size_t(layers), brick());
    open(construction(materials));
    m_window->constructionTable()->setCurrentCell(0, column);
    const QStringList names = {"actionAddLeft", "actionRemoveLayer", "actionMoveLeft",
                               "actionMoveRight", "actionSelectMaterial"};
    QString actual;
    for (const QString &name : names)
        actual += action(qPrintable(name))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(actual, enabled);
    QCOMPARE(action("actionAddRight")->isEnabled(), enabled[0] == QLatin1Char('1'));
    QCOMPARE(m_window->findChild<QStackedWidget *>("stackedWidgetClimateMaterial")->currentIndex(),
             page);
    QVERIFY(action("actionSave")->isEnabled());
    QVERIFY(action("actionExportChart")->isEnabled());
}

void tst_MainWindowEditing::saveAddsTheSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "wall"
                               << "wall.m2p";
    QTest::newRow("with suffix") << "wall.m2p"
                                 << "wall.m2p";
    QTest::newRow("other suffix") << "wall.txt"
                                  << "wall.txt.m2p";
    QTest::newRow("name begins like the suffix") << "m2p_wall.m2p"
                                                 << "m2p_wall.m2p";
    QTest::newRow("name ends like the suffix") << "wallm2p"
                                               << "wallm2p.m2p";
    QTest::newRow("suffix in capitals") << "WALL.M2P"
                                        << "WALL.M2P";
}

void tst_MainWindowEditing::saveAddsTheSuffix()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QTemporaryDir dir;
    open(construction({brick(), insulation()}));
    m_dialogs->saveName = dir.filePath(name);
    QCOMPARE(m_window->saveProjectAs(), 0);
    QVERIFY(QFile::exists(dir.filePath(written)));
    QCOMPARE(m_project.fileName(), dir.filePath(written));
    QCOMPARE(m_settings.m_recentProjects.value(0), dir.filePath(written));
    QCOMPARE(m_settings.m_lastProjectFile, dir.filePath(written));
    QVERIFY(!m_project.isModified());
}

void tst_MainWindowEditing::failedSaveKeepsTheProjectAndTheWindow()
{
    open(construction({brick(), insulation()}));
    QVERIFY(m_project.setLayerValue(1, Project::LV_Width, 0.2));
    const QString unwritable = m_home.filePath(QStringLiteral("no/such/folder/wall.m2p"));
    QCOMPARE(m_window->saveProject(unwritable), 1);
    QCOMPARE(m_dialogs->criticals, QStringList{QStringLiteral("Error #3: Saving failed")});
    QVERIFY(m_project.isModified());

    // closing: Save, and the save fails again: the window stays, the project too
    m_dialogs->answers = {QMessageBox::Save};
    m_dialogs->saveName = unwritable;
    QVERIFY(!m_window->close());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_project.hasProject());
    QVERIFY(m_project.isModified());
    // and opening another project does not replace it either
    m_dialogs->answers = {QMessageBox::Save};
    m_dialogs->openName = m_home.filePath(QStringLiteral("other.m2p"));
    QFile other(m_dialogs->openName);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    QMetaObject::invokeMethod(action("actionOpen"), "trigger");
    QCOMPARE(m_project.layerCount(), 2);
    QVERIFY(m_project.isModified());
}

void tst_MainWindowEditing::saveAsAtQuitIsRemembered()
{
    QTemporaryDir dir;
    open(construction({brick()}));
    QVERIFY(m_project.setLayerValue(0, Project::LV_Width, 0.3));
    m_dialogs->answers = {QMessageBox::Save};
    m_dialogs->saveName = dir.filePath(QStringLiteral("first"));
    QVERIFY(m_window->close());
    // what the next start reads
    Settings next;
    next.read();
    QCOMPARE(next.m_recentProjects.value(0), dir.filePath(QStringLiteral("first.m2p")));
    QCOMPARE(next.m_lastProjectFile, dir.filePath(QStringLiteral("first.m2p")));
}

void tst_MainWindowEditing::unsavedDatabaseEditIsReported()
{
    // a directory below a regular file cannot be created: every write of the databases fails
    const QString materialsDir = m_materials->userDirectory();
    const QString constructionsDir = m_constructions->directory();
    QFile blocker(m_home.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_materials->setUserDirectory(blocker.fileName() + QStringLiteral("/below"));
    m_constructions->setDirectory(blocker.fileName() + QStringLiteral("/below"));
    const int id = m_materials->addUserMaterial(brick());
    Construction wall;
    wall.m_name = QStringLiteral("Unsaved wall");
    wall.m_layers.emplace_back(brick(), 0.2);
    m_constructions->addConstruction(wall);
    m_materials->setUserDirectory(materialsDir);
    m_constructions->setDirectory(constructionsDir);
    const QString saving = QStringLiteral("Error #3: Saving failed");
    QCOMPARE(m_dialogs->criticals, QStringList({saving, saving}));
    QVERIFY(m_materials->removeUserMaterial(id));
    QVERIFY(m_constructions->removeConstruction(wall));
    QCOMPARE(m_dialogs->criticals.size(), 2);
}

void tst_MainWindowEditing::cancelledSaveAsKeepsTheWindowOpen()
{
    open(construction({brick()}));
    QVERIFY(m_project.setLayerValue(0, Project::LV_Width, 0.3));
    m_dialogs->answers = {QMessageBox::Save};
    m_dialogs->saveName.clear(); // Save As cancelled
    QVERIFY(!m_window->close());
    QVERIFY(m_project.hasProject());
    // Discard closes
    m_dialogs->answers = {QMessageBox::Discard};
    QVERIFY(m_window->close());
    QVERIFY(!m_project.hasProject());
}

void tst_MainWindowEditing::vanishedRecentFile()
{
    const QString gone = m_home.filePath(QStringLiteral("gone.m2p"));
    m_settings.m_recentProjects = QStringList{gone};
    m_window.reset(new MainWindow(*m_context, nullptr));
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    m_window->setUserDialogs(std::move(dialogs));
    QMenu *menu = action("actionRecentProjects")->menu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);

    m_dialogs->answers = {QMessageBox::No};
    menu->actions().first()->trigger();
    QCOMPARE(m_dialogs->questions, QStringList{QStringLiteral("Error #5: File not found")});
    QCOMPARE(m_settings.m_recentProjects, QStringList{gone});

    m_dialogs->answers = {QMessageBox::Yes};
    action("actionRecentProjects")->menu()->actions().first()->trigger();
    QVERIFY(m_settings.m_recentProjects.isEmpty());
    QVERIFY(!action("actionRecentProjects")->isEnabled());
}

void tst_MainWindowEditing::heatFlowToolBar()
{
    auto *toolBar = m_window->findChild<QToolBar *>("toolBarHeatFlowDirection");
    open(construction({brick(), insulation()}));
    QVERIFY(!toolBar->isVisible());
    open(construction({brick(), airLayer(), insulation()}));
    QVERIFY(toolBar->isVisible());
    QVERIFY(action("actionHorizontalHeatFlow")->isChecked());

    action("actionHeatFlowUp")->trigger();
    QCOMPARE(m_project.heatFlowDirection(), HeatFlowDirection::Upwards);
    QCOMPARE(m_window->undoStack().count(), 1);
    QCOMPARE(m_window->undoStack().text(0),
             QStringLiteral(": Change of heat flow direction to upwards"));
    m_window->undoStack().undo();
    QVERIFY(action("actionHorizontalHeatFlow")->isChecked());
    m_window->undoStack().redo();
    QVERIFY(action("actionHeatFlowUp")->isChecked());
    // the direction stays with the project, the tool bar goes with the air layer
    m_window->constructionTable()->setCurrentCell(0, 2);
    action("actionRemoveLayer")->trigger();
    QCOMPARE(m_project.layerCount(), 2);
    QVERIFY(!toolBar->isVisible());
}

void tst_MainWindowEditing::constructionKindInTheStatusBar()
{
    open(construction({brick(), airLayer(), insulation()}));
    QComboBox *kinds =
        m_window->assessmentClimateWidget()->assessmentTypeWidget()->constructionKindComboBox();
    const int floor = kinds->findData(int(ConstructionKind::CeilingOverCellar));
    kinds->setCurrentIndex(floor);
    emit kinds->activated(floor);
    QCOMPARE(m_window->undoStack().count(), 1);
    const QString said = m_window->statusBar()->currentMessage();
    QVERIFY2(said.startsWith(QStringLiteral("Construction kind “Ceiling over an unheated cellar”")),
             qPrintable(said));
    QVERIFY2(said.contains(QStringLiteral("heat flow downwards")), qPrintable(said));
    // the heat-flow tool bar follows the direction the kind set, and one undo takes all back
    QVERIFY(action("actionHeatFlowDown")->isChecked());
    m_window->undoStack().undo();
    QVERIFY(action("actionHorizontalHeatFlow")->isChecked());
    QCOMPARE(m_project.constructionKind(), ConstructionKind::ExternalWall);
}

void tst_MainWindowEditing::resultsLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("column");
    QTest::newRow("layer 3") << "layer-3" << 3;
    QTest::newRow("another word") << "lay-3" << 1;
    QTest::newRow("no number") << "layer-x" << 1;
}

void tst_MainWindowEditing::resultsLinks()
{
    QFETCH(QString, link);
    QFETCH(int, column);
    open(construction({brick(), insulation(), brick()}));
    m_window->constructionTable()->setCurrentCell(0, 1);
    m_window->resultsLinkClicked(QUrl(link));
    QCOMPARE(m_window->constructionTable()->currentColumn(), column);
}

void tst_MainWindowEditing::layerEditorPushesValidEditsOnly()
{
    m_settings.m_layerWidthUnit = 1000;
    open(construction({brick(), insulation()}));
    m_window->constructionTable()->setCurrentCell(0, 2);
    MaterialEditWidget *editor = m_window->materialEditWidget();
    QCOMPARE(editor->currentLayer(), 1);
    QtExt::ValidatingLineEdit *width = editor->widthEdit();
    QCOMPARE(width->text(), QStringLiteral("100"));
    // no red left over from the empty field it started as
    QVERIFY(width->palette().color(QPalette::Base) != QColor(QLatin1String("#ff7777")));

    width->setText(QStringLiteral("0"));
    QVERIFY(width->styleSheet().contains(QLatin1String("#ff7777")));
    // leaving the field puts back what the layer holds
    emit width->editingFinished();
    QCOMPARE(width->text(), QStringLiteral("100"));
    QCOMPARE(m_window->undoStack().count(), 0);
    width->setText(QStringLiteral("100")); // the current value: nothing to record
    emit width->editingFinished();
    QCOMPARE(m_window->undoStack().count(), 0);

    width->setText(QStringLiteral("250"));
    emit width->editingFinished();
    QCOMPARE(m_window->undoStack().count(), 1);
    QCOMPARE(m_project.inputData().layer(1).width(), 0.25);
    QCOMPARE(m_window->undoStack().text(0), QStringLiteral(": Change of width of layer no. 2"));
    // the table and the editor follow the edit and its undo
    QCOMPARE(m_window->constructionTable()->currentColumn(), 2);
    m_window->undoStack().undo();
    QCOMPARE(m_project.inputData().layer(1).width(), 0.1);
    QCOMPARE(width->text(), QStringLiteral("100"));
}

void tst_MainWindowEditing::addedConstructionIsSelected()
{
    open(construction({brick(), insulation(), brick()}));
    Construction three;
    three.m_name = QStringLiteral("Three");
    for (const Material &m : {insulation(), brick(), insulation()})
        three.m_layers.emplace_back(m, 0.05);
    m_dialogs->choice = DatabaseDialogs::ConstructionChosen;
    m_dialogs->chosenConstruction = three;
    m_window->constructionTable()->setCurrentCell(0, 2);
    action("actionAddRight")->trigger();
    QCOMPARE(m_project.layerCount(), 6);
    for (int i = 2; i <= 4; ++i)
        QCOMPARE(m_project.inputData().layer(i).width(), 0.05);
    // the first of the added layers is selected
    QCOMPARE(m_window->constructionTable()->currentColumn(), 3);
    QCOMPARE(m_window->undoStack().text(0),
             QStringLiteral(": Addition of a construction right of no. 2"));
    m_window->undoStack().undo();
    QCOMPARE(m_project.layerCount(), 3);
}

// Store a timber frame with "Add to Construction Database", read the database as the next
// start does, and insert the stored construction: the studs are there at every step.
void tst_MainWindowEditing::storedConstructionKeepsItsStuds()
{
    const LayerBridge studs = LayerBridge::fromWidthAndSpacing(
        TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7), 0.06, 0.625);
    InputData framed = construction({brick(), insulation()});
    framed.layer(1).m_bridge = studs;
    open(framed);
    const double U = m_project.results().U_ISO(m_project.heatFlowDirection());
    QVERIFY(m_project.results().inhomogeneous.present);

    QTimer::singleShot(0, this, []() {
        auto *dialog =
            qobject_cast<ConstructionNameInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setName(QStringLiteral("Framed brick"));
        dialog->accept();
    });
    action("actionAddToConstructionDatabase")->trigger();
    ConstructionList onDisk(QStringLiteral("en"), m_constructions->directory());
    QVERIFY(onDisk.read());
    const Construction *stored = nullptr;
    for (int i = 0; i < onDisk.count(); ++i)
        if (onDisk.construction(i).m_name == QStringLiteral("Framed brick"))
            stored = &onDisk.construction(i);
    QVERIFY(stored);
    QCOMPARE(int(stored->m_layers.size()), 2);
    QVERIFY(!stored->m_layers[0].hasBridge());
    QVERIFY(stored->m_layers[1].hasBridge());
    const LayerBridge &b = *stored->m_layers[1].m_bridge;
    QCOMPARE(b.fraction, studs.fraction);
    QCOMPARE(b.width, studs.width);
    QCOMPARE(b.spacing, studs.spacing);
    QCOMPARE(b.material.m_name, studs.material.m_name);
    QCOMPARE(b.material.m_lambda, studs.material.m_lambda);

    // inserted in place of the open project's layers, it gives the U-value it was stored with
    open(construction({brick()}));
    m_dialogs->choice = DatabaseDialogs::ConstructionChosen;
    m_dialogs->chosenConstruction = *stored;
    m_window->constructionTable()->setCurrentCell(0, 1);
    action("actionAddRight")->trigger();
    QCOMPARE(m_project.layerCount(), 3);
    QVERIFY(m_project.removeLayers(0));
    QVERIFY(m_project.inputData().layer(1).hasBridge());
    QCOMPARE(m_project.results().U_ISO(m_project.heatFlowDirection()), U);
    // the database of the other tests as it was
    for (int i = m_constructions->count() - 1; i >= 0; --i)
        if (m_constructions->construction(i).m_name == QStringLiteral("Framed brick"))
            QVERIFY(m_constructions->removeConstruction(m_constructions->construction(i)));
}

// A foil chosen for a layer with studs: the studs go in the same step, the status bar and the
// history say so, and undo brings them back.
void tst_MainWindowEditing::foilTakesTheStudsAway()
{
    InputData framed = construction({brick(), insulation()});
    framed.layer(1).m_bridge =
        LayerBridge(TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7), 0.12);
    open(framed);
    Material foil = TestMaterials::material("Vapour retarder", 0.2, 20000, 0.0001, 0.001, 0, 11);
    foil.m_sd_value = 2;
    m_window->constructionTable()->setCurrentCell(0, 2);
    m_dialogs->choice = DatabaseDialogs::MaterialChosen;
    m_dialogs->chosenMaterial = foil;
    action("actionSelectMaterial")->trigger();
    QCOMPARE(m_window->undoStack().count(), 1);
    QVERIFY(!m_project.inputData().layer(1).hasBridge());
    const QString said = m_window->statusBar()->currentMessage();
    QVERIFY2(said.contains(QStringLiteral("\"Softwood\" was removed")), qPrintable(said));
    QVERIFY2(m_window->undoStack().text(0).endsWith(QStringLiteral("removes its second material")),
             qPrintable(m_window->undoStack().text(0)));
    m_window->undoStack().undo();
    QVERIFY(m_project.inputData() == framed);
    QVERIFY(m_project.inputData().layer(1).hasBridge());
}

void tst_MainWindowEditing::layerCommandsFromTheWindow()
{
    open(construction({brick(), insulation()}));
    m_window->constructionTable()->setCurrentCell(0, 1);
    m_dialogs->choice = DatabaseDialogs::MaterialChosen;
    m_dialogs->chosenMaterial = insulation();
    action("actionSelectMaterial")->trigger();
    QCOMPARE(m_project.inputData().layer(0).m_name, QStringLiteral("Mineral wool"));
    action("actionAddLeft")->trigger();
    QCOMPARE(m_project.layerCount(), 3);
    QCOMPARE(m_project.inputData().layer(0).width(), 0.1);
    action("actionMoveRight")->trigger();
    action("actionRemoveLayer")->trigger();
    QCOMPARE(m_project.layerCount(), 2);
    QCOMPARE(m_window->undoStack().count(), 4);
    while (m_window->undoStack().canUndo())
        m_window->undoStack().undo();
    QCOMPARE(m_project.inputData(), construction({brick(), insulation()}));
    // cancelling the choice changes nothing
    m_dialogs->choice = DatabaseDialogs::Cancelled;
    action("actionAddRight")->trigger();
    QCOMPARE(m_project.layerCount(), 2);
}

void tst_MainWindowEditing::historyEndsWithTheProject()
{
    open(construction({brick(), insulation()}));
    m_window->constructionTable()->setCurrentCell(0, 2);
    action("actionRemoveLayer")->trigger();
    QCOMPARE(m_window->undoStack().count(), 1);
    // a new project: its layers are not those the history knows
    m_dialogs->answers = {QMessageBox::Discard};
    action("actionNew")->trigger();
    QCOMPARE(m_window->undoStack().count(), 0);
    QVERIFY(!m_window->undoStack().canUndo());

    // opening a project forgets the history too, and so does closing
    m_window->constructionTable()->setCurrentCell(0, 1);
    m_dialogs->choice = DatabaseDialogs::MaterialChosen;
    m_dialogs->chosenMaterial = brick();
    action("actionAddRight")->trigger();
    QCOMPARE(m_window->undoStack().count(), 1);
    const QString file = m_home.filePath(QStringLiteral("history.m2p"));
    QCOMPARE(m_window->saveProject(file), 0);
    m_dialogs->openName = file;
    action("actionOpen")->trigger();
    QCOMPARE(m_window->undoStack().count(), 0);
    QCOMPARE(m_project.fileName(), file);
}

void tst_MainWindowEditing::exportFollowsTheChosenFilter()
{
    QTemporaryDir dir;
    open(construction({brick(), insulation()}));
    m_dialogs->exportName = dir.filePath(QStringLiteral("chart"));
    m_dialogs->exportFilter = QStringLiteral("Svg file (*.svg)");
    action("actionExportChart")->trigger();
    QCOMPARE(m_dialogs->offeredFilters, QStringList({"Jpg image (*.jpg)", "Svg file (*.svg)",
                                                     "Pdf file (*.pdf)", "Png file (*.png)"}));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("chart.svg"))));
    QCOMPARE(m_settings.m_lastExportFile, dir.filePath(QStringLiteral("chart.svg")));
    m_dialogs->exportName = dir.filePath(QStringLiteral("sketch.svg"));
    m_dialogs->exportFilter = QStringLiteral("Png file (*.png)");
    action("actionExportSketch")->trigger();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("sketch.png"))));
    QVERIFY(m_dialogs->criticals.isEmpty());
}

void tst_MainWindowEditing::newProjectRunsTheWizard_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

void tst_MainWindowEditing::newProjectRunsTheWizard()
{
    QFETCH(bool, accept);
    m_settings.m_defaultProjectSettings.m_projectName = QStringLiteral("Default name");
    m_settings.m_lastProjectFile = QStringLiteral("/somewhere/old.m2p");
    m_dialogs->acceptWizard = accept;
    m_dialogs->chosenMaterial = insulation();
    action("actionNew")->trigger();
    QCOMPARE(m_dialogs->newProjects, 1);
    // the wizard starts from the project defaults of the preferences
    QCOMPARE(m_dialogs->wizardDefaults, QStringLiteral("Default name"));
    QCOMPARE(m_project.hasProject(), accept);
    if (accept) {
        QCOMPARE(m_project.layerCount(), 1);
        QCOMPARE(m_project.inputData().layer(0).m_name, QStringLiteral("Mineral wool"));
        QCOMPARE(m_project.projectInformation().m_projectName, QStringLiteral("From the wizard"));
        QVERIFY(m_settings.m_lastProjectFile.isEmpty());
        QVERIFY(m_window->diagramView()->isVisible());
    } else {
        QCOMPARE(m_settings.m_lastProjectFile, QStringLiteral("/somewhere/old.m2p"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Mirelo 2"));
    }
}

void tst_MainWindowEditing::newProjectTakesThePrintDefaults()
{
    // frames, page numbers, logo and final remarks of the preferences reach the new report
    QTemporaryDir dir;
    const QString logoFile = dir.filePath(QStringLiteral("logo.png"));
    QImage logo(120, 40, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QVERIFY(logo.save(logoFile));
    m_settings.m_defaultFrames = {0, 1, 2, 4};
    m_settings.m_pageNumbersVisible = true;
    m_settings.m_defaultUserLogo.m_position = UserLogoSettings::LogoInPageHeader;
    m_settings.m_defaultUserLogo.m_path = logoFile;
    m_settings.m_defaultUserLogo.m_size = 100;
    m_settings.m_reportSettings.m_disclaimerText =
        QStringLiteral("<p>Valid for the <b>dry</b> state only.</p>");
    m_settings.m_reportSettings.m_activatedFrames = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    m_settings.m_reportSettings.m_pageNumbersVisible = false;
    m_dialogs->chosenMaterial = insulation();
    action("actionNew")->trigger();
    QVERIFY(m_project.hasProject());
    const ReportSettings &report = m_settings.m_reportSettings;
    QCOMPARE(report.m_activatedFrames, (std::set<int>{0, 1, 2, 4}));
    QVERIFY(report.m_pageNumbersVisible);
    QCOMPARE(report.m_userLogo, m_settings.m_defaultUserLogo);
    QCOMPARE(m_project.projectInformation().m_disclaimerText,
             QStringLiteral("Valid for the dry state only."));

    // the preview prints both: the page number and the logo in the header
    action("actionReport")->trigger();
    ReportPreview *preview = m_window->reportPreview();
    QVERIFY(preview && preview->isVisible());
    Report &printed = preview->report();
    QVERIFY(printed.framePlainText(Report::FooterFrameIndex).contains(QStringLiteral("Page 1 of")));
    QVERIFY(!printed.content().logoImage.isNull());
    QVERIFY(printed.frameRect(Report::HeaderFrameIndex).height() > 40);
    preview->close();
}

void tst_MainWindowEditing::previewClosesWithTheLastConstruction()
{
    // an empty project has nothing to print: a visible preview goes
    open(construction({brick()}));
    action("actionReport")->trigger();
    ReportPreview *preview = m_window->reportPreview();
    QVERIFY(preview && preview->isVisible());
    QVERIFY(m_project.removeLayers(0, 1));
    QVERIFY(!preview->isVisible());
    // and so does it when the project is closed
    open(construction({brick(), insulation()}));
    action("actionReport")->trigger();
    QVERIFY(preview->isVisible());
    m_project.close();
    QVERIFY(!preview->isVisible());
}

void tst_MainWindowEditing::databaseActions()
{
    action("actionEditMaterialDatabase")->trigger();
    QCOMPARE(m_dialogs->browsed, 1);

    // the selected layer's material goes to the user file at once
    open(construction({brick(), insulation()}));
    m_window->constructionTable()->setCurrentCell(0, 2);
    const int before = m_materials->userMaterialCount();
    action("actionAddMaterialToUserDatabase")->trigger();
    QCOMPARE(m_materials->userMaterialCount(), before + 1);
    const std::vector<Material> onDisk = MaterialList::readUserFile(m_materials->userFilePath());
    QCOMPARE(int(onDisk.size()), before + 1);
    QCOMPARE(onDisk.back().m_name, QStringLiteral("Mineral wool"));
    // an invalid material is not offered to the database
    QVERIFY(m_materials->removeUserMaterial(
        m_materials->material(m_materials->count() - 1)->m_materialId));
    Material broken = brick();
    broken.m_lambda = 0;
    open(construction({broken, insulation()}));
    m_window->constructionTable()->setCurrentCell(0, 1);
    action("actionAddMaterialToUserDatabase")->trigger();
    QCOMPARE(m_materials->userMaterialCount(), before);
}

M2_TEST_MAIN(tst_MainWindowEditing)
#include "tst_MainWindowEditing.moc"
