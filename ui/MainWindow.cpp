#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "settings/Settings.h"
#include "ui/ShowLogfile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QSplashScreen>
#include <QTimer>

MainWindow::MainWindow(const AppContext &context, QSplashScreen *splash, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_ui(new Ui::MainWindow)
    , m_splash(splash)
{
    if (m_splash) {
        m_splash->setPixmap(splashWithTagline(m_splash->pixmap()));
        // Repaint the splash now: the rest of the construction may take a while.
        QCoreApplication::processEvents();
    }

    m_ui->setupUi(this);

    // The splash is closed in two steps so that the close is scheduled only once the window's
    // own first paint events are through.
    QTimer::singleShot(500, this,
                       [this]() { QTimer::singleShot(10, this, &MainWindow::updateSplashScreen); });
}

MainWindow::~MainWindow()
{
    delete m_splash.data();
    delete m_ui;
}

QPixmap MainWindow::splashWithTagline(const QPixmap &pixmap)
{
    QPixmap result = pixmap;
    if (result.isNull())
        return result;
    QPainter painter(&result);
    painter.setPen(QColor(191, 191, 207));
    const QRect frame(35, 85, 300, qMax(0, result.height() - 85));
    painter.drawText(frame, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     tr("A software for hygrothermal evaluation of building envelope systems"));
    return result;
}

void MainWindow::updateSplashScreen()
{
    if (m_splash)
        QTimer::singleShot(m_splashCloseDelay, m_splash.data(), &QSplashScreen::close);
}

void MainWindow::on_actionShow_Logfile_triggered()
{
    ShowLogfile dialog(this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_context.settings.write();
    event->accept();
}
