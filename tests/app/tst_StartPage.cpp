// The start page: the examples with their sketches, the recent projects, the keyboard, and the
// main window showing it exactly while no construction is open.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "model/InputData.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "settings/Settings.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/mainwindow/DesktopDialogs.h"
#include "ui/mainwindow/M2_ResultsWidget.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StartPage.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

QString examplesDir()
{
    return QDir::cleanPath(TestSupport::dataDir() + QStringLiteral("/../../resources/examples"));
}

/*! Answers the wizard with a project of one layer; records the error boxes. */
class WizardDialogs : public DesktopDialogs
{
public:
    void critical(QWidget *, const QString &title, const QString &) override { criticals << title; }
    bool newProject(QWidget *, MaterialList &, ConstructionList &, InputData *input,
                    ProjectInformation *) override
    {
        ++wizards;
        input->clearLayers();
        input->insertLayer(0, MaterialLayer(MaterialList::airMaterial(), 0.1));
        return true;
    }
    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        return QMessageBox::Discard;
    }
    QStringList criticals;
    int wizards = 0;
};

QCommandLinkButton *button(QWidget *parent, const QString &name)
{
    return parent->findChild<QCommandLinkButton *>(name);
}

} // namespace

class tst_StartPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void examplesInTheOrderOfTheQuickStart();
    void exampleOpensWithTheKeyboard();
    void recentProjects();
    void sketchBands_data();
    void sketchBands();
    void shownExactlyWithoutConstruction();

private:
    QTemporaryDir m_home;
    Settings m_settings;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    Project m_project;
    std::unique_ptr<AppContext> m_context;
};

void tst_StartPage::initTestCase()
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

void tst_StartPage::examplesInTheOrderOfTheQuickStart()
{
    StartPage page(examplesDir());
    const QStringList shown = page.exampleFiles();
    const QStringList onDisk =
        QDir(examplesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files);
    QCOMPARE(shown.size(), onDisk.size());
    QVERIFY(shown.size() >= 5);
    QCOMPARE(QFileInfo(shown.first()).fileName(), QStringLiteral("external_wall_etics.m2p"));
    for (const QString &path : shown) {
        QCommandLinkButton *b =
            button(&page, QStringLiteral("example_") + QFileInfo(path).baseName());
        QVERIFY2(b, qPrintable(path));
        QVERIFY2(!b->icon().isNull(), qPrintable(path + QStringLiteral(": no sketch")));
        QVERIFY(!b->description().isEmpty());
        // a title, not the file name
        QVERIFY(!b->text().contains(QStringLiteral(".m2p")));
    }
}

void tst_StartPage::exampleOpensWithTheKeyboard()
{
    StartPage page(examplesDir());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy chosen(&page, &StartPage::projectChosen);
    QSignalSpy created(&page, &StartPage::newProjectRequested);
    // the page hands its focus to "New project"; Space presses it
    page.setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), button(&page, QStringLiteral("startNewProject")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(created.count(), 1);
    QCommandLinkButton *flatRoof = button(&page, QStringLiteral("example_flat_roof_warm_deck"));
    QVERIFY(flatRoof);
    flatRoof->setFocus();
    QTest::keyClick(flatRoof, Qt::Key_Space);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(),
             QDir(examplesDir()).absoluteFilePath(QStringLiteral("flat_roof_warm_deck.m2p")));
}

void tst_StartPage::recentProjects()
{
    StartPage page(examplesDir());
    auto recentButtons = [&page]() {
        int n = 0;
        for (QCommandLinkButton *b : page.findChildren<QCommandLinkButton *>())
            n += b->objectName().startsWith(QLatin1String("recent_"));
        return n;
    };
    QCOMPARE(recentButtons(), 0);
    QStringList files;
    for (int i = 0; i < StartPage::MaxRecent + 3; ++i)
        files << QStringLiteral("/tmp/project_%1.m2p").arg(i);
    page.setRecentProjects(files);
    QCOMPARE(recentButtons(), int(StartPage::MaxRecent));
    QCOMPARE(button(&page, QStringLiteral("recent_0"))->text(), QStringLiteral("project_0.m2p"));
    QSignalSpy chosen(&page, &StartPage::projectChosen);
    button(&page, QStringLiteral("recent_1"))->click();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), files.at(1));
    page.setRecentProjects({files.at(2)});
    QCOMPARE(recentButtons(), 1);
    page.setRecentProjects({});
    QCOMPARE(recentButtons(), 0);
}

void tst_StartPage::sketchBands_data()
{
    QTest::addColumn<QList<double>>("widths");
    QTest::newRow("equal") << QList<double>{0.1, 0.1};
    QTest::newRow("one to three") << QList<double>{0.1, 0.3};
    QTest::newRow("foil between") << QList<double>{0.2, 0.0002, 0.2};
}

void tst_StartPage::sketchBands()
{
    QFETCH(QList<double>, widths);
    const QList<QColor> colours{Qt::red, Qt::blue, Qt::green};
    InputData input;
    input.clearLayers();
    double total = 0;
    for (int i = 0; i < widths.size(); ++i) {
        Material m = TestMaterials::material("M", 1, 10, 0.01, 0.3, 0.1, 1);
        m.m_color = colours.at(i);
        input.insertLayer(i, MaterialLayer(m, widths.at(i)));
        total += widths.at(i);
    }
    const QSize size(100, 20);
    const QImage image = StartPage::layerSketch(input, size).toImage();
    QCOMPARE(image.size(), size);
    // count the columns of each colour along the middle row
    QVector<int> columns(widths.size(), 0);
    for (int x = 0; x < size.width(); ++x) {
        const QColor c = image.pixelColor(x, size.height() / 2);
        for (int i = 0; i < widths.size(); ++i)
            if (c == colours.at(i))
                ++columns[i];
    }
    const int free = size.width() - 2 * int(widths.size());
    for (int i = 0; i < widths.size(); ++i) {
        // every layer is visible, and as wide as its share within a pixel or two (frame, rounding)
        QVERIFY2(columns.at(i) >= 1, qPrintable(QString::number(i)));
        const double expected = 2 + free * widths.at(i) / total;
        QVERIFY2(std::abs(columns.at(i) - expected) <= 2.0,
                 qPrintable(QStringLiteral("layer %1: %2 columns, %3 expected")
                                .arg(i)
                                .arg(columns.at(i))
                                .arg(expected)));
    }
}

void tst_StartPage::shownExactlyWithoutConstruction()
{
    // the window's page lists the examples below its own resources, which a test binary has
    // not; a recent project opens the same way as an example
    const QString timberFrame =
        QDir(examplesDir()).absoluteFilePath(QStringLiteral("timber_frame_wall.m2p"));
    m_settings.m_recentProjects = QStringList{timberFrame};
    MainWindow window(*m_context, nullptr);
    auto dialogs = std::make_unique<WizardDialogs>();
    WizardDialogs *script = dialogs.get();
    window.setUserDialogs(std::move(dialogs));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    StartPage *page = window.startPage();
    QVERIFY(page);
    QVERIFY(page->isVisible());
    QVERIFY(!window.resultsWidget()->isVisible());
    // the page has the central area to itself
    QVERIFY2(page->width() > window.centralWidget()->width() * 9 / 10,
             qPrintable(QStringLiteral("%1 of %2 pixels")
                            .arg(page->width())
                            .arg(window.centralWidget()->width())));

    // one click opens it; the page goes and the views come
    QCommandLinkButton *recent = button(page, QStringLiteral("recent_0"));
    QVERIFY(recent);
    QCOMPARE(recent->text(), QStringLiteral("timber_frame_wall.m2p"));
    recent->click();
    QVERIFY2(script->criticals.isEmpty(), qPrintable(script->criticals.join('\n')));
    QVERIFY(m_project.hasProject());
    QVERIFY(!page->isVisible());
    QVERIFY(window.resultsWidget()->isVisible());

    // it returns when the project closes, with the project first among the recent ones, and
    // the keyboard can go on from it at once
    QApplication::setActiveWindow(&window);
    window.constructionTable()->setFocus();
    QVERIFY(window.closeProject());
    QVERIFY(page->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), button(page, QStringLiteral("startNewProject")));
    QVERIFY(button(page, QStringLiteral("recent_0")));
    QCOMPARE(button(page, QStringLiteral("recent_0"))->text(),
             QStringLiteral("timber_frame_wall.m2p"));

    // "New project" runs the wizard
    QVERIFY(button(page, QStringLiteral("startNewProject")));
    button(page, QStringLiteral("startNewProject"))->click();
    QCOMPARE(script->wizards, 1);
    QVERIFY(!page->isVisible());
    QVERIFY(window.closeProject()); // the wizard's project is discarded
    QVERIFY(page->isVisible());

    // a recent project that has gone is reported, and nothing opens
    page->setRecentProjects({m_home.filePath(QStringLiteral("gone.m2p"))});
    button(page, QStringLiteral("recent_0"))->click();
    QCOMPARE(script->criticals.size(), 1);
    QVERIFY(!m_project.hasProject());
    QVERIFY(page->isVisible());
}

M2_TEST_MAIN(tst_StartPage)
#include "tst_StartPage.moc"
