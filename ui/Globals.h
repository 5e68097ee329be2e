#pragma once

#include <QCoreApplication>
#include <QString>

class ConstructionList;
class MaterialList;
class Project;
class Settings;
class UserDialogs;
class QWidget;

/*! What the widget program works with, created by main() before the main window and handed down
    to every window and dialog that needs it: the preferences, the two databases, the open
    project and the language this run was started in (a language chosen in the menu takes
    effect at the next start, so the running one is kept apart from the stored one). Every
    object outlives the windows. */
struct AppContext
{
    Settings &settings;
    MaterialList &materials;
    ConstructionList &constructions;
    Project &project;
    QString langId;
};

/*! Services of the widget program that need the desktop. */
class Globals
{
    Q_DECLARE_TR_FUNCTIONS(Globals)

public:
    /*! Opens the manual of the language in the desktop's PDF viewer at the chapter of the help
        topic (0 the whole manual; 1 preferences, 2 layer editor, 3 climate editor, 4 database
        dialog, 5 new-project wizard, 6 report, 7 heat-flow directions, 8 quick start), through
       dialogs (the window's, so that tests answer; the desktop's when null). When that fails a
       warning box says why and names the path. */
    static void showHelp(const QString &langId, int topic, UserDialogs *dialogs = nullptr,
                         QWidget *parent = nullptr);
    /*! showHelp() for the manual at path: a missing file is reported as missing; a file that
        exists but that no viewer could show is reported as such, with its path, so that the
        user can open it by hand. */
    static void showHelpFile(const QString &path, int topic, UserDialogs &dialogs, QWidget *parent);
    static constexpr int QuickStartTopic = 8;
    /*! The manual of the language, the English one when the language has none. */
    static QString helpFile(const QString &langId);
    /*! The page of the topic's chapter in the manual (from the index the build writes beside
        it); 0 when unknown. */
    static int helpTopicPage(const QString &helpFile, int topic);
};
