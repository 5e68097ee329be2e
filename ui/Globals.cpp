#include "ui/Globals.h"

#include "settings/Directories.h"
#include "ui/UserDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

QString Globals::helpFile(const QString &langId)
{
    // A language without a manual of its own gets the English one rather than an error box.
    const QString path = Directories::helpFilePath(langId);
    if (QFileInfo::exists(path) || langId == QLatin1String("en"))
        return path;
    const QString english = Directories::helpFilePath(QStringLiteral("en"));
    return QFileInfo::exists(english) ? english : path;
}

int Globals::helpTopicPage(const QString &helpFile, int topic)
{
    // the build writes the page of every topic's chapter next to the manual
    QFile index(QFileInfo(helpFile).path() + QLatin1Char('/') +
                QFileInfo(helpFile).completeBaseName() + QStringLiteral(".json"));
    if (!index.open(QIODevice::ReadOnly))
        return 0;
    const QJsonArray topics =
        QJsonDocument::fromJson(index.readAll()).object().value(QStringLiteral("topics")).toArray();
    for (const QJsonValue &entry : topics) {
        const QJsonObject t = entry.toObject();
        if (t.value(QStringLiteral("topic")).toInt(-1) == topic)
            return t.value(QStringLiteral("page")).toInt(0);
    }
    return 0;
}

void Globals::showHelp(const QString &langId, int topic, UserDialogs *dialogs, QWidget *parent)
{
    UserDialogs desktop;
    showHelpFile(helpFile(langId), topic, dialogs ? *dialogs : desktop, parent);
}

void Globals::showHelpFile(const QString &path, int topic, UserDialogs &dialogs, QWidget *parent)
{
    // QUrl::fromLocalFile gives the "file:///" URL and escapes blanks and non-ASCII characters.
    // Desktop URL handlers usually report success as soon as they start, even for a missing
    // file, so the file is checked first. The page of the topic's chapter goes into the
    // fragment, which PDF viewers take as the page to open.
    if (!QFileInfo::exists(path)) {
        dialogs.warning(parent, tr("Help file error"),
                        tr("The help file cannot be found on location:\n%1").arg(path));
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    const int page = helpTopicPage(path, topic);
    if (topic > 0 && page > 0)
        url.setFragment(QStringLiteral("page=%1").arg(page));
    if (!dialogs.openDocument(url))
        dialogs.warning(parent, tr("Help file error"),
                        tr("No program to show PDF files could be started. The manual is "
                           "here:\n%1")
                            .arg(QDir::toNativeSeparators(path)));
}
