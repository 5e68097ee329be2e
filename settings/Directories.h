#pragma once

#include <QString>

/*! The fixed directory layout of the program. All functions return paths with forward slashes.

    Resources (translations, material database files, help documents, example projects) live
    beside the executable in "resources" in the build tree and in "../share/mirelo2" next to the
    executable's directory when the program is installed; everything the user creates (log file,
    user materials, construction database) lives in the per-user data directory "HTL/Mirelo2", a
    sibling of Qt's application data location.
*/
namespace Directories {

/*! The resources directory of a program whose executable lies in \a appDir (forward slashes,
    no trailing slash): \a appDir + "/resources" when that directory exists (the build tree),
    otherwise \a appDir + "/../share/mirelo2" with the ".." resolved when that one exists (the
    installed program), otherwise \a appDir + "/resources". */
QString resourcesDirOf(const QString &appDir);

/*! resourcesDirOf(directory of the executable). */
QString resourcesDir();

/*! resourcesDir() + "/translations". */
QString translationsDir();

/*! Qt's writable application data location + "/../HTL/Mirelo2", with the ".." resolved (on
    Linux normally ~/.local/share/HTL/Mirelo2). */
QString userDataDir();

/*! userDataDir() + "/Mirelo2.log". */
QString logFilePath();

/*! resourcesDir() + "/DB_help/Mirelo2_Documentation_<langId>.pdf". */
QString helpFilePath(const QString &langId);

/*! userDataDir() + "/user_materials" in native separators: where the user's material and
    construction databases go unless the settings name another directory. */
QString defaultUserMaterialsDir();

} // namespace Directories
