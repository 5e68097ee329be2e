#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QSplashScreen>

#include "ui/Globals.h"

class DiagramView;
class M2_ResultsWidget;

namespace Ui {
class MainWindow;
}

/*! The program's one window. It owns every view of the open project; while it starts it also
    looks after the splash screen it was given: paints the tagline onto it and closes it a few
    seconds after the window is up.
*/
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /*! Takes ownership of splash (which may be null). The objects of the context must outlive
        the window. */
    MainWindow(const AppContext &context, QSplashScreen *splash, QWidget *parent = nullptr);
    ~MainWindow() override;

    /*! The splash screen while it exists. */
    QSplashScreen *splashScreen() const { return m_splash; }
    /*! How long the splash stays after the window is up, in ms (default 5000); takes effect
        when set right after construction. */
    void setSplashCloseDelay(int ms) { m_splashCloseDelay = ms; }

    /*! The results panel (object name "widgetResults"). */
    M2_ResultsWidget *resultsWidget() const { return m_resultsWidget; }
    /*! The profile diagram (object name "diagramView"). */
    DiagramView *diagramView() const;

    /*! Paints the tagline onto a copy of pixmap: 300 pixels wide, top left at (35, 85), in
        RGB(191, 191, 207). */
    static QPixmap splashWithTagline(const QPixmap &pixmap);

protected:
    /*! Writes the settings when the window closes. */
    void closeEvent(QCloseEvent *event) override;

private slots:
    /*! Refreshes the views of the project after a change of the given modification type. */
    void updateUi(int modType);
    /*! Schedules the closing of the splash screen. */
    void updateSplashScreen();
    void on_actionShow_Logfile_triggered();

private:
    AppContext m_context;
    Ui::MainWindow *m_ui;
    M2_ResultsWidget *m_resultsWidget = nullptr;
    QPointer<QSplashScreen> m_splash;
    int m_splashCloseDelay = 5000;
};
