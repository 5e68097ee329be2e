// The main window's handling of the splash screen.

#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "settings/Settings.h"
#include "ui/mainwindow/MainWindow.h"

#include <QAction>
#include <QImage>
#include <QPointer>
#include <QSettings>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace {

const QColor Tagline(191, 191, 207);

QPixmap plainSplash()
{
    QPixmap p(480, 300);
    p.fill(QColor(20, 30, 60));
    return p;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void taglineIsPaintedInItsFrame();
    void ownSplashImageTakesTheTagline();
    void splashClosesAndIsDeleted();
    void worksWithoutSplash();

private:
    QTemporaryDir m_home;
    // What main() would hand to the window, with databases in the temporary directory.
    Settings m_settings;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    Project m_project;
    std::unique_ptr<AppContext> m_context;
};

void tst_MainWindow::initTestCase()
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

void tst_MainWindow::taglineIsPaintedInItsFrame()
{
    const QImage before = plainSplash().toImage();
    const QImage after = MainWindow::splashWithTagline(plainSplash()).toImage();
    QCOMPARE(after.size(), before.size());
    int changedInside = 0;
    int exactColour = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const bool changed = after.pixel(x, y) != before.pixel(x, y);
            const bool inside = x >= 35 && x < 335 && y >= 85;
            if (changed && !inside)
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) outside the text frame").arg(x).arg(y)));
            if (changed)
                ++changedInside;
            if (QColor(after.pixel(x, y)) == Tagline)
                ++exactColour;
        }
    }
    QVERIFY(changedInside > 100);
    QVERIFY(exactColour > 10);
    QVERIFY(MainWindow::splashWithTagline(QPixmap()).isNull());
}

void tst_MainWindow::ownSplashImageTakesTheTagline()
{
    // The shipped splash image is large enough for the text frame at (35, 85), 300 px wide.
    const QPixmap splash(TestSupport::dataDir() + "/../../resources/splash-screen_Mirelo.png");
    QVERIFY(!splash.isNull());
    QVERIFY(splash.width() >= 35 + 300);
    QVERIFY(splash.height() >= 85 + 60);
}

void tst_MainWindow::splashClosesAndIsDeleted()
{
    QPointer<QSplashScreen> splash = new QSplashScreen(plainSplash());
    splash->show();
    {
        MainWindow window(*m_context, splash);
        window.setSplashCloseDelay(1000);
        QCOMPARE(window.splashScreen(), splash.data());
        QVERIFY(window.findChild<QAction *>(QStringLiteral("actionShow_Logfile")));
        // The tagline is on the splash right after construction.
        QVERIFY(splash->pixmap().toImage() != plainSplash().toImage());
        window.show();
        QVERIFY(splash->isVisible());
        QTest::qWait(800);
        QVERIFY(splash->isVisible()); // still there after the window's first paint
        // Closed the delay plus about half a second after construction.
        QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 5000);
        QVERIFY(splash); // closed, not yet deleted
    }
    QVERIFY(splash.isNull()); // the window deleted it
}

void tst_MainWindow::worksWithoutSplash()
{
    MainWindow window(*m_context, nullptr);
    QVERIFY(!window.splashScreen());
    window.show();
    QTest::qWait(600);
    QVERIFY(window.isVisible());
}

M2_TEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
