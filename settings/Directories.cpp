#include "settings/Directories.h"

#include "settings/Constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Directories {

QString resourcesDirOf(const QString &appDir)
{
    // The build tree keeps the resources beside the executables (bin/resources); an installation
    // follows the file-system hierarchy, executables in <prefix>/bin and read-only data in
    // <prefix>/share/mirelo2 (the directory the install rules fill). The build-tree layout wins,
    // so that a freshly built program never picks up an older installation next to it.
    const QString besideExecutable = appDir + QStringLiteral("/resources");
    if (QFileInfo(besideExecutable).isDir())
        return besideExecutable;
    const QString installed = QDir::cleanPath(appDir + QStringLiteral("/../share/mirelo2"));
    if (QFileInfo(installed).isDir())
        return installed;
    return besideExecutable;
}

QString resourcesDir()
{
    return resourcesDirOf(QCoreApplication::applicationDirPath());
}

QString translationsDir()
{
    return resourcesDir() + QStringLiteral("/translations");
}

QString userDataDir()
{
    // No organisation or application name is set on the application object, so the data
    // location ends in the executable's base name; the ".." step makes the user data directory
    // the same for every executable of the program. Cleaning the path matters: the
    // executable-named directory need not exist, and a path through a missing directory's ".."
    // cannot be resolved by the file system.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir::cleanPath(base + QStringLiteral("/../") +
                           QLatin1String(Constants::OrganisationName) + QLatin1Char('/') +
                           QLatin1String(Constants::ProgramFileBaseName));
}

QString logFilePath()
{
    return userDataDir() + QLatin1Char('/') + QLatin1String(Constants::ProgramFileBaseName) +
           QStringLiteral(".log");
}

QString helpFilePath(const QString &langId)
{
    return resourcesDir() + QStringLiteral("/DB_help/") +
           QLatin1String(Constants::DocumentationBaseName) + QLatin1Char('_') + langId +
           QStringLiteral(".pdf");
}

QString defaultUserMaterialsDir()
{
    return QDir::toNativeSeparators(userDataDir() + QStringLiteral("/user_materials"));
}

} // namespace Directories
