#pragma once

#include <QMainWindow>
#include <QModelIndex>
#include <QPointer>
#include <QSplashScreen>
#include <QUndoStack>

#include <memory>

#include "document/Project.h"
#include "ui/Globals.h"

class AssessmentClimateWidget;
class DiagramView;
class M2_ResultsWidget;
class M2_UndoCommandBase;
class MaterialEditWidget;
class ConstructionTableWidget;
class QActionGroup;
class QMenu;
class QUrl;
class ReportPreview;
class StartPage;
class DatabaseDialogs;

namespace Ui {
class MainWindow;
}

/*  The program's one window. It owns every view of the open project: the construction table,
    the profile diagram, the stacked editor panel (layer editor, climate editor) and the results
    panel; it carries the menus and tool bars and runs the life of a project (new, open, save,
    close, recent files). It never changes the project itself: every edit is an undo command on
    the project's edit operations, and the views refresh from the project's announcements.

    While it starts it also looks after the splash screen it was given: paints the tagline onto
    it and closes it a few seconds after the window is up.
*/
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /*! Takes ownership of splash (which may be null). The objects of the context must outlive
        the window. Opens the start-up project when the preferences say so. */
    MainWindow(const AppContext &context, QSplashScreen *splash, QWidget *parent = nullptr);
    ~MainWindow() override;

    /*! The splash screen while it exists. */
    QSplashScreen *splashScreen() const { return m_splash; }
    /*! How long the splash stays after the window is up, in ms (default 5000); takes effect
        when set right after construction. */
    void setSplashCloseDelay(int ms) { m_splashCloseDelay = ms; }

    /*! Replaces the message boxes and file dialogs (tests answer them). */
    void setUserDialogs(std::unique_ptr<DatabaseDialogs> dialogs);

    /*! The results panel (object name "widgetResults"). */
    M2_ResultsWidget *resultsWidget() const { return m_resultsWidget; }
    /*! The profile diagram (object name "diagramView"). */
    DiagramView *diagramView() const;
    ConstructionTableWidget *constructionTable() const;
    MaterialEditWidget *materialEditWidget() const { return m_materialEdit; }
    /*! The climate and assessment editor of the climate columns (object name "climatePage"). */
    AssessmentClimateWidget *assessmentClimateWidget() const { return m_climatePage; }
    /*! The report preview; null before the report action was first used. */
    ReportPreview *reportPreview() const;
    /*! The page shown while no construction is open (object name "startPage"). */
    StartPage *startPage() const { return m_startPage; }
    QUndoStack &undoStack() { return m_undoStack; }

    /*! Loads a project file as the open command does once the current project is closed:
        reports a failure in a message box and leaves the open project (if any) as it was. */
    bool loadProject(const QString &fileName);
    /*! The open commands: reads the file first; only a file that can be read closes the open
        project (asking to save it) and is loaded. */
    void openProjectFile(const QString &fileName);
    /*! Saves to fileName (".m2p" appended when missing): 0 saved, 1 failed (reported). */
    int saveProject(const QString &fileName);
    /*! Save As: 0 saved, 1 failed, 2 cancelled. */
    int saveProjectAs();
    /*! Asks to save a modified project, then closes it. False when the user cancelled or the
        save failed: the project then stays open and modified. */
    bool closeProject();

    /*! Paints the tagline onto a copy of pixmap: 300 pixels wide, top left at (35, 85), in
        RGB(191, 191, 207). */
    static QPixmap splashWithTagline(const QPixmap &pixmap);

public slots:
    /*! Refreshes the views of the project after a change of the given modification type. */
    /*! Refreshes the views that show what changed, and selects the position the edit asked
        for (see Project::changed). */
    void updateUi(ProjectChanges changes, int select);
    /*! Follows a link "layer-N" of the results panel to table column N. */
    void resultsLinkClicked(const QUrl &link);

protected:
    /*! Stores the last project and writes the settings, then closes the project (asking to
        save it); the window stays open when that is cancelled. */
    void closeEvent(QCloseEvent *event) override;

private slots:
    void constructionTableColumnChanged(int currentRow, int currentColumn, int previousRow,
                                        int previousColumn);
    void tableViewDoubleClicked(const QModelIndex &index);
    void customContextMenu(const QPoint &pos);
    void onHeatFlowDirectionTriggerd(QAction *action);
    void actionOpenRecentFile();
    void actionLanguange_triggered();
    void updateSplashScreen();

    void on_actionNew_triggered();
    void on_actionEditMaterialDatabase_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionQuit_triggered();
    void on_actionHelp_triggered();
    void on_actionHelpHeatFlowDirections_triggered();
    void on_actionAbout_triggered();
    void on_actionAboutQt_triggered();
    void on_actionShow_Logfile_triggered();
    void on_actionQtConfig_triggered();
    void on_actionEditProjectInformation_triggered();
    void on_actionSelectMaterial_triggered();
    void on_actionAddLeft_triggered();
    void on_actionAddRight_triggered();
    void on_actionRemoveLayer_triggered();
    void on_actionMoveLeft_triggered();
    void on_actionMoveRight_triggered();
    void on_actionToggleGlaser_triggered(bool checked);
    void on_actionCopyChart_triggered();
    void on_actionCopySketch_triggered();
    void on_actionExportChart_triggered();
    void on_actionExportSketch_triggered();
    void on_actionAddToConstructionDatabase_triggered();
    void on_actionAddMaterialToUserDatabase_triggered();
    void on_actionPreferences_triggered();
    void on_actionReport_triggered();
    void on_actionPrint_triggered();

private:
    void setupUndoActions();
    void setupStartPage();
    /*! Shortcuts and the focus path from the construction table into the editors. */
    void setupKeyboard();
    /*! Puts the cursor into the editor of a table column: a layer's width (or its first
        editable value), a climate side's first editable field. */
    void editColumn(int column);
    void setupLanguageMenu();
    void addLanguageAction(const QString &name, const QString &langId);
    void updateRecentProjects();
    void addToRecentFiles(const QString &fileName);
    /*! Enables the actions, shows the views, sets the title and the heat-flow tool bar. */
    void updateWindowState();
    /*! Shows the project's results and their verdicts, with the assessment settings, in the
        results panel. */
    void refreshResults();
    void updateHeatFlowToolBar();
    /*! Pushes a command that changes the project; drops one that would not. */
    void push(M2_UndoCommandBase *command);
    /*! The layer index of the current table column, -1 on a climate column. */
    int currentLayerIndex() const;
    void addLayerOrConstruction(bool left);
    void exportPicture(bool chart);
    /*! Every path that replaces the project (new, open, recent, close) forgets the history:
        its commands hold layer positions of the project they were recorded on. */
    void resetHistory();
    /*! The database dialogs' imports start where the last project lies. */
    void prepareDatabaseDialogs();

    AppContext m_context;
    Ui::MainWindow *m_ui;
    std::unique_ptr<DatabaseDialogs> m_dialogs;
    QUndoStack m_undoStack;
    M2_ResultsWidget *m_resultsWidget = nullptr;
    MaterialEditWidget *m_materialEdit = nullptr;
    AssessmentClimateWidget *m_climatePage = nullptr;
    QMenu *m_recentMenu = nullptr;
    StartPage *m_startPage = nullptr;
    QActionGroup *m_heatFlowGroup = nullptr;
    /*! The vapour-pressure diagram over s_d (the Glaser diagram) or over the thickness. */
    QAction *m_actionVapourOverSd = nullptr;
    /*! The profile mode of the vapour-pressure diagram as the settings choose its axis. */
    int vapourProfileMode() const;
    /*! The position that the last edit asked to select (table column), -1 for none. */
    QPointer<QSplashScreen> m_splash;
    /*! The report preview, made on first use. */
    QPointer<ReportPreview> m_reportPreview;
    int m_splashCloseDelay = 5000;
};
