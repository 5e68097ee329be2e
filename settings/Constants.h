#pragma once

#include "settings/Version.h"

/*! Program-wide constants: names and versions, the settings location, file conventions and the
    style sheet of the main window's dock widgets. */
namespace Constants {

/*! Shown in the start line of the log, the help text and window titles. */
inline const char *const ProgramName = "Mirelo 2";
/*! The full version, as the package, the About box and the report print it. */
inline const char *const ProgramVersionLong = Version::Full;
/*! Application name of the settings storage; the minor version is part of it so that a new
    release line starts from fresh settings. A storage name, never printed: the program is
    named by ProgramName and ProgramVersionLong. */
inline const char *const SettingsApplicationName = "Mirelo 2.4";
inline const char *const OrganisationName = "HTL";
inline const char *const ProjectFileExtension = "m2p";
inline const char *const DocumentationBaseName = "Mirelo2_Documentation";
/*! Base name of the log file, of the program's translation catalogues and of the user data
    directory. */
inline const char *const ProgramFileBaseName = "Mirelo2";

inline const char *const DockWidgetStyleSheet =
    "QDockWidget {     border: 1px solid navy;} QDockWidget::title {     text-align: left;     "
    "background: white;     border-bottom: 1px solid lightgray;     padding-left: 5px; } "
    "QDockWidget::close-button, QDockWidget::float-button {     border: 1px solid navy;     "
    "background: white;     padding: 0px; } QDockWidget::close-button:hover, "
    "QDockWidget::float-button:hover {     background: #b0b0ff; } "
    "QDockWidget::close-button:pressed, QDockWidget::float-button:pressed {     padding: 1px "
    "-1px -1px 1px; }";

} // namespace Constants
