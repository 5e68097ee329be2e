#include "ui/Globals.h"

#include "settings/Directories.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

void Globals::showHelp(const QString &langId, int topic)
{
    Q_UNUSED(topic) // one document covers every topic
    const QString path = Directories::helpFilePath(langId);
    // QUrl::fromLocalFile gives the "file:///" URL and escapes blanks and non-ASCII characters.
    // Desktop URL handlers usually report success as soon as they start, even for a missing
    // file, so the file is checked first.
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
        QMessageBox::warning(nullptr, tr("Help file error"),
                             tr("The help file cannot be found on location:\n%1").arg(path));
    }
}
