// Start-up of the widget program: log file, settings, command line, translations, locale,
// splash screen and main window, in this order, then the event loop.
//
// On POSIX systems the process receives its arguments already split and in the system's
// encoding (UTF-8), so main() takes argc/argv directly; Qt's argument list is used below.

#include "document/Project.h"
#include "htl/HTL_MessageRouter.h"
#include "htl/HTL_MessageStream.h"
#include "htl/HTL_Path.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "settings/Constants.h"
#include "settings/Directories.h"
#include "settings/ProgramTranslator.h"
#include "settings/Settings.h"
#include "ui/Globals.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QDebug>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QSplashScreen>
#include <QTranslator>

#include <iostream>
#include <memory>

#include <unistd.h>

namespace {

// Opens the log file (truncated: it holds this run only). Without a log file the program still
// runs and messages reach the console.
void openLogFile()
{
    HTL::MessageHandler *handler = HTL::MessageRouter::instance().current();
    // Console copies of the log go to standard error, so that standard output carries only
    // what the user asked for (the help text) and stays usable in pipes.
    handler->setConsoleStream(&std::cerr);
    handler->setConsoleColors(::isatty(STDERR_FILENO) == 1);
    const HTL::Path logPath(Directories::logFilePath().toUtf8().toStdString());
    if (!logPath.parentPath().makePath()) {
        qDebug() << "Couldn't create log file directory.";
        return;
    }
    std::string error;
    if (!handler->openLogFile(logPath.absolutePath().str(), false, error))
        qDebug() << "Can't open logfile...";
}

// Loads one catalogue and logs the file that was tried.
bool loadCatalogue(QTranslator &translator, const QString &baseName, HTL::MessageStream &log)
{
    const QString path = Directories::translationsDir() + QLatin1Char('/') + baseName;
    const bool loaded = translator.load(path);
    log << (path + QStringLiteral(".qm")).toStdString() << (loaded ? " loaded" : " not found");
    log.flush();
    return loaded;
}

// Whether the command line asks for the help text. Settings::parseCommandLine stops at the first
// "--help" wherever it stands, so any occurrence means the help text and nothing else.
bool helpRequested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    int exitCode = 1;
    // The help text needs no window system: printing it must also work in a terminal without a
    // display, where a widget application could not even be created.
    std::unique_ptr<QCoreApplication> app;
    if (helpRequested(argc, argv))
        app.reset(new QCoreApplication(argc, argv));
    else
        app.reset(new QApplication(argc, argv));

    openLogFile();
    {
        HTL::MessageStream log("main", HTL::MSG_PROGRESS, -1);
        log << Constants::ProgramName << " started "
            << QDateTime::currentDateTime().toString(Qt::TextDate).toStdString();
        log.flush();

        Settings settings;
        settings.read();
        if (settings.parseCommandLine()) {
            QString langId = settings.languageId();
            log << "Installing translator for language: " << langId.toStdString();
            log.flush();
            langId = langId.toLower();

            QTranslator qtTranslator;
            ProgramTranslator programTranslator;
            if (langId == QLatin1String("en")) {
                // English is the language of the sources; its catalogue only corrects the
                // spelling of a few texts that files and catalogues key on.
                if (loadCatalogue(
                        programTranslator,
                        QLatin1String(Constants::ProgramFileBaseName) + QStringLiteral("_en"), log))
                    QCoreApplication::installTranslator(&programTranslator);
            } else {
                log << "Translation required for locale: " << langId.toStdString();
                log.flush();
                const bool qtLoaded = loadCatalogue(qtTranslator, "qt_" + langId, log);
                const bool programLoaded = loadCatalogue(
                    programTranslator,
                    QLatin1String(Constants::ProgramFileBaseName) + QLatin1Char('_') + langId, log);
                // Half a translation (Qt's dialogs in one language, ours in another) is worse
                // than none: both or neither.
                if (qtLoaded && programLoaded) {
                    QCoreApplication::installTranslator(&qtTranslator);
                    QCoreApplication::installTranslator(&programTranslator);
                    settings.m_langId = langId;
                }
            }

            // Numbers are shown in the user's locale, but without group separators: they would
            // make "1.000" ambiguous in the input fields.
            QLocale locale;
            locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
            QLocale::setDefault(locale);

            const QPixmap splashPixmap(QStringLiteral("://splash-screen_Mirelo.png"));
            // The program's own icon in the sizes of the desktop icon theme, from which the
            // window manager picks the one it needs; the desktop file name lets the desktop
            // match the window with the installed menu entry (and its icon).
            QIcon icon;
            for (const int size : {16, 24, 32, 48, 64, 128, 256})
                icon.addFile(QStringLiteral("://icons/hicolor/%1x%1/apps/mirelo2.png").arg(size),
                             QSize(size, size));
            QGuiApplication::setDesktopFileName(QStringLiteral("mirelo2"));

            // The splash screen is left out when the user asked for that on the command line.
            QSplashScreen *splash = nullptr;
            if (settings.m_flags[Settings::ShowSplashScreen]) {
                splash = new QSplashScreen(splashPixmap);
                splash->show();
            }

            // The databases speak the language of this run; they write every change at once,
            // and write again when destroyed only if a write failed.
            // Both user databases live in the user materials directory of the preferences.
            MaterialList materials(langId,
                                   Directories::resourcesDir() + QStringLiteral("/DB_materials"),
                                   settings.userDatabaseDir());
            // Reading never fails as a whole: the built-in air material is always there.
            materials.read();
            ConstructionList constructions(langId, settings.userDatabaseDir());
            constructions.readOrAddTypical(Directories::resourcesDir() +
                                           QStringLiteral("/DB_constructions"));
            Project project;
            project.setMoistureDependentLambda(settings.m_moistureDependentLambda);

            MainWindow window(AppContext{settings, materials, constructions, project, langId},
                              splash);
            window.setWindowIcon(icon);
            window.setStyleSheet(QLatin1String(Constants::DockWidgetStyleSheet));
            window.show();
            if (splash)
                splash->raise();

            exitCode = QCoreApplication::exec();
        }
    }
    return exitCode;
}
