#include "ui/MainWindow.h"
#include "ui_MainWindow.h"

#include "document/Project.h"
#include "qtext/TextFrame.h"
#include "settings/Settings.h"
#include "ui/DiagramView.h"
#include "ui/M2_ResultsWidget.h"
#include "ui/ShowLogfile.h"
#include "ui/UiResources.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QSplashScreen>
#include <QTextDocument>
#include <QTimer>

MainWindow::MainWindow(const AppContext &context, QSplashScreen *splash, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_ui(new Ui::MainWindow)
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
    connect(&m_context.project, &Project::modified, this, &MainWindow::updateUi);
    updateUi(Project::MT_Calculation);

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

void MainWindow::updateUi(int modType)
{
    const Project &project = m_context.project;
    const bool hasConstruction = project.hasProject() && project.layerCount() > 0;
    // A change of the project information (type 2) leaves the diagram as it is.
    if (modType == Project::MT_Calculation || modType == Project::MT_Appearance)
        m_ui->diagramView->setData(this, project.inputData(), project.results(), 1.0);
    m_ui->diagramView->setVisible(hasConstruction);
    m_resultsWidget->setVisible(hasConstruction);
    if (hasConstruction)
        m_resultsWidget->updateResults(project.inputData(), project.outcome(),
                                       project.heatFlowDirection());
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

DiagramView *MainWindow::diagramView() const
{
    return m_ui->diagramView;
}
