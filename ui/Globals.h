#pragma once

#include <QCoreApplication>
#include <QString>

class MaterialList;

/*! Program-wide services of the widget program that depend on the settings: the language of
    the user interface and the help document. One instance, created on first use. */
class Globals
{
    Q_DECLARE_TR_FUNCTIONS(Globals)

public:
    /*! The language code of the user interface: the stored LanguageID, replaced by the
        command-line language if one was given, and, if still empty, the system locale's name up
        to the first underscore. Determined on the first call and cached. */
    static QString langId();

    /*! The rule of langId() as a pure function of its three inputs. */
    static QString determineLangId(const QString &storedLangId, const QString &commandLineLangId,
                                   const QString &systemLocaleName);

    /*! The application's material database, created for the language langId() and read on the
        first call; later calls return the same instance. */
    static MaterialList &materialList();

    /*! Opens the documentation in the desktop's PDF viewer; every topic opens the same file.
        When that fails a warning box names the path. */
    static void showHelp(int topic);

private:
    Globals() = default;
    static Globals &instance();

    QString m_langId;
    bool m_langIdKnown = false;
};
