#include "ui/Globals.h"

#include "persistence/MaterialList.h"
#include "settings/Directories.h"
#include "settings/Settings.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

Globals &Globals::instance()
{
    static Globals globals;
    return globals;
}

QString Globals::determineLangId(const QString &storedLangId, const QString &commandLineLangId,
                                 const QString &systemLocaleName)
{
    QString id = storedLangId;
    if (!commandLineLangId.isEmpty())
        id = commandLineLangId;
    if (id.isEmpty())
        id = systemLocaleName.section(QLatin1Char('_'), 0, 0);
    return id;
}

QString Globals::langId()
{
    Globals &g = instance();
    if (!g.m_langIdKnown) {
        const Settings &s = Settings::instance();
        g.m_langId = determineLangId(s.m_langId, s.m_commandLineLangId, QLocale::system().name());
        g.m_langIdKnown = true;
    }
    return g.m_langId;
}

MaterialList &Globals::materialList()
{
    // Reading never fails as a whole: the built-in air material is always there, so the list
    // needs no other default content.
    return MaterialList::instance(langId());
}

void Globals::showHelp(int topic)
{
    Q_UNUSED(topic) // one document covers every topic
    const QString path = Directories::helpFilePath(langId());
    // QUrl::fromLocalFile gives the "file:///" URL and escapes blanks and non-ASCII characters.
    // Desktop URL handlers usually report success as soon as they start, even for a missing
    // file, so the file is checked first.
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox::warning(nullptr, tr("Help file error"),
                             tr("The help file cannot be found on location:\n%1").arg(path));
    }
}
