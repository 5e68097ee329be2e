#include "settings/Directories.h"

#include "settings/Constants.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Directories {

QString resourcesDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
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
