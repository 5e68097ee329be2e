// mirelo2-screenshots: the pictures of the user manual, taken from the program itself on the
// offscreen platform, with the timber-frame example open:
//
//   build/bin/mirelo2-screenshots docs/manual/images [LANG]
//
// Writes main_window.png, construction_table.png, results_panel.png, diagram_moisture.png,
// diagram_glaser.png, layer_editor.png, climate_editor.png, database_dialog.png, preferences.png,
// report_preview.png, with the masonry example's interior insulation open, the whole results
// panel with both methods and their verdicts, results_verdicts.png, and, after closing the
// example, start_page.png. Settings and user data go to a temporary home, never the user's own.

#include "document/Project.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "report/DiagramScene.h"
#include "settings/Constants.h"
#include "settings/Directories.h"
#include "settings/ProgramTranslator.h"
#include "settings/Settings.h"
#include "ui/database/MaterialDatabaseDialog.h"
#include "ui/editors/AssessmentClimateWidget.h"
#include "ui/editors/MaterialEditWidget.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/mainwindow/DesktopDialogs.h"
#include "ui/mainwindow/DiagramView.h"
#include "ui/mainwindow/M2_ResultsWidget.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/StartPage.h"
#include "ui/preferences/ConfigDialog.h"
#include "ui/reportpreview/ReportPreview.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

bool save(QWidget *widget, const QString &dir, const char *name)
{
    QCoreApplication::processEvents();
    const QString path = dir + QLatin1Char('/') + QLatin1String(name);
    const bool saved = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "Usage: mirelo2-screenshots OUTPUT_DIR [LANG]\n");
        return 2;
    }
    const QString out = QDir(args[1]).absolutePath();
    QDir().mkpath(out);
    const QString lang = args.value(2, QStringLiteral("en"));

    QTemporaryDir home;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());

    ProgramTranslator program;
    QTranslator qt;
    const QString translations = Directories::translationsDir();
    if (program.load(translations + QStringLiteral("/Mirelo2_") + lang))
        app.installTranslator(&program);
    if (lang != QLatin1String("en") && qt.load(translations + QStringLiteral("/qt_") + lang))
        app.installTranslator(&qt);
    QLocale locale(lang);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);

    Settings settings;
    MaterialList materials(lang, Directories::resourcesDir() + QStringLiteral("/DB_materials"),
                           home.path());
    materials.read();
    ConstructionList constructions(lang, home.path());
    constructions.readOrAddTypical(Directories::resourcesDir() +
                                   QStringLiteral("/DB_constructions"));
    Project project;
    settings.m_projectToOpen =
        Directories::resourcesDir() + QStringLiteral("/examples/timber_frame_wall.m2p");
    settings.m_restartMode = 1;
    AppContext context{settings, materials, constructions, project, lang};

    MainWindow window(context, nullptr);
    window.setSplashCloseDelay(0);
    window.resize(1280, 800);
    window.show();
    bool ok = project.hasProject();
    // the insulation layer selected: the layer editor shows it
    window.constructionTable()->setCurrentCell(0, 4);
    ok &= save(&window, out, "main_window.png");
    ok &= save(window.constructionTable(), out, "construction_table.png");
    ok &= save(window.resultsWidget(), out, "results_panel.png");
    ok &= save(window.diagramView(), out, "diagram_moisture.png");
    // the vapour-pressure profile as the Glaser diagram over s_d
    window.diagramView()->setProfileMode(DiagramScene::GlaserDiagram);
    ok &= save(window.diagramView(), out, "diagram_glaser.png");
    window.diagramView()->setProfileMode(DiagramScene::MoistureContentProfile);
    ok &= save(window.materialEditWidget(), out, "layer_editor.png");
    window.constructionTable()->setCurrentCell(0, 0);
    ok &= save(window.assessmentClimateWidget(), out, "climate_editor.png");

    DesktopDialogs dialogs;
    MaterialDatabaseDialog database(materials, &constructions, dialogs, &window);
    database.resize(1100, 700);
    database.show();
    ok &= save(&database, out, "database_dialog.png");
    database.hide();

    ConfigDialog preferences(settings, &materials, &constructions, dialogs, &window);
    preferences.resize(820, 620);
    preferences.show();
    ok &= save(&preferences, out, "preferences.png");
    preferences.hide();

    QUndoStack stack;
    ReportPreview preview(settings, project, stack, &dialogs, &window);
    preview.resize(1200, 850);
    preview.show();
    preview.refresh();
    ok &= save(&preview, out, "report_preview.png");
    preview.hide();

    // the interior insulation: condensate in both methods, verdicts that differ; the panel at
    // the height of its whole content
    QString message;
    ok &= project.load(Directories::resourcesDir() +
                           QStringLiteral("/examples/masonry_wall_interior_insulation.m2p"),
                       &message);
    M2_ResultsWidget *results = window.resultsWidget();
    QCoreApplication::processEvents();
    const QSize panel = results->size();
    results->resize(panel.width(), results->contentHeight() + 4);
    ok &= save(results, out, "results_verdicts.png");
    results->resize(panel);

    // closing the project brings the start page back, the example among the recent projects
    ok &= window.closeProject();
    // recent projects as a user would have them, not the paths of this build
    window.startPage()->setRecentProjects(
        {QStringLiteral("/home/user/projects/house_a/external_wall.m2p"),
         QStringLiteral("/home/user/projects/house_a/roof.m2p")});
    ok &= save(&window, out, "start_page.png");

    stack.clear();
    project.close();
    return ok ? 0 : 1;
}
