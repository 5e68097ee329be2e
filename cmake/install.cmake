# Installation and the Debian package.
#
# `cmake --install build --prefix P` gives the layout of the file-system hierarchy:
#   P/bin/Mirelo2, P/bin/mirelo2-batch
#   P/share/mirelo2/...                   everything the build puts into bin/resources (material
#                                         catalogue, example projects, translations, help); the
#                                         program finds it from its own location (Directories)
#   P/share/applications/mirelo2.desktop  the desktop menu entry, which opens project files
#   P/share/icons/hicolor/<size>/{apps,mimetypes}/...  program and project-file icons
#   P/share/mime/packages/mirelo2.xml     the project file types (*.m2p, *.mpj)
#   P/share/doc/mirelo2/                  README and the third-party notices
# The desktop environment learns of the entry, the icons and the file types when its caches are
# refreshed: Debian's packages do that through their triggers, a plain installation with
# update-desktop-database, update-mime-database and gtk-update-icon-cache (see the README).
#
# `cpack -G DEB` in the build directory packs the same installation below /usr into a .deb.

# The name of the desktop entry, the icon and the data directory. The data directory must match
# the installed layout Directories::resourcesDirOf() looks for (<bin>/../share/mirelo2).
set(M2_INSTALL_ID mirelo2)
set(M2_INSTALL_RESOURCES_DIR share/${M2_INSTALL_ID})

install(TARGETS Mirelo2 mirelo2-batch RUNTIME DESTINATION bin)

# The whole resources directory of the build, so that whatever the build adds there later
# is installed with it.
install(DIRECTORY ${M2_RESOURCES_OUTPUT_DIR}/ DESTINATION ${M2_INSTALL_RESOURCES_DIR})

install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/ DESTINATION share/icons/hicolor
    FILES_MATCHING PATTERN "*.png")
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/src/hicolor/apps/${M2_INSTALL_ID}.svg
    DESTINATION share/icons/hicolor/scalable/apps)
install(FILES
    ${PROJECT_SOURCE_DIR}/resources/icons/src/hicolor/mimetypes/application-x-mirelo2-project.svg
    DESTINATION share/icons/hicolor/scalable/mimetypes)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/${M2_INSTALL_ID}.xml
    DESTINATION share/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NOTICE
    ${PROJECT_SOURCE_DIR}/packaging/copyright
    DESTINATION share/doc/${M2_INSTALL_ID})

# The manual pages (docs/man, checked against the programs' --help by the batch tests) and the
# Debian changelog go compressed, as Debian keeps them: gzip -9n stores neither the file name nor
# a time stamp, so the same sources give the same package.
find_program(M2_GZIP gzip REQUIRED)
set(M2_PACKAGING_OUTPUT_DIR ${CMAKE_BINARY_DIR}/packaging)
set(M2_COMPRESSED)
foreach(pair "docs/man/Mirelo2.1|Mirelo2.1.gz" "docs/man/mirelo2-batch.1|mirelo2-batch.1.gz"
        "packaging/changelog|changelog.Debian.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 target)
    string(REGEX REPLACE "\\.gz$" "" plain ${target})
    add_custom_command(OUTPUT ${M2_PACKAGING_OUTPUT_DIR}/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${M2_PACKAGING_OUTPUT_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source}
            ${M2_PACKAGING_OUTPUT_DIR}/${plain}
        COMMAND ${M2_GZIP} -9nf ${M2_PACKAGING_OUTPUT_DIR}/${plain}
        DEPENDS ${PROJECT_SOURCE_DIR}/${source}
        VERBATIM)
    list(APPEND M2_COMPRESSED ${M2_PACKAGING_OUTPUT_DIR}/${target})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${M2_COMPRESSED})
install(FILES ${M2_PACKAGING_OUTPUT_DIR}/Mirelo2.1.gz ${M2_PACKAGING_OUTPUT_DIR}/mirelo2-batch.1.gz
    DESTINATION share/man/man1)
install(FILES ${M2_PACKAGING_OUTPUT_DIR}/changelog.Debian.gz
    DESTINATION share/doc/${M2_INSTALL_ID})
# The package is built outside Debian's archive, so its first changelog entry closes no
# "intent to package" bug; lintian is told so in the package's own override file.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
    DESTINATION share/lintian/overrides RENAME ${M2_INSTALL_ID})

# The desktop entry names the executable by its absolute path, so that a double click works for
# any prefix, also one outside PATH. The prefix is known only when installing (cpack installs
# below /usr, `cmake --install --prefix` anywhere), so the entry is written then.
install(CODE "set(M2_DESKTOP_TEMPLATE
        \"${PROJECT_SOURCE_DIR}/resources/desktop/${M2_INSTALL_ID}.desktop.in\")
    set(M2_DESKTOP_STAGED \"${CMAKE_BINARY_DIR}/install/${M2_INSTALL_ID}.desktop\")")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake)

set(CPACK_PACKAGE_NAME ${M2_INSTALL_ID})
set(CPACK_PACKAGE_VENDOR "HTL")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(M2_PACKAGE_MAINTAINER "Mirelo 2 developers <mirelo2@htl.invalid>" CACHE STRING
    "Maintainer field of the Debian package (\"Name <address>\")")
set(CPACK_PACKAGE_CONTACT ${M2_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "hygrothermal assessment of building constructions (Glaser, DIN 4108-3)")
# The long description; CPack puts the summary above it as the synopsis line and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Mirelo 2 assesses the moisture protection of wall, roof and floor
constructions. The user stacks material layers, sets winter and summer
climates and sees the U-value, the temperature and vapour-pressure profiles,
the condensation scheme of Glaser after DIN 4108-3, a moisture-storage method,
and the verdicts of DIN 4108-3, DIN 4108-2 and DIN 68800-2.

The package contains the window program Mirelo2, the command-line front end
mirelo2-batch, the material catalogue and example projects, and registers the
project file types (*.m2p, *.mpj) with the desktop.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The library dependencies (Qt 5, OpenSSL's libcrypto, the C++ runtime) are read from the
# executables by dpkg-shlibdeps (package dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The report prints in DejaVu Sans where its Verdana is not installed: wide like Verdana, so that
# the report's tables and line breaks come out as designed on every system.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# The icon theme the icons go into, and the tools whose triggers make the desktop see the menu
# entry and the file types.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
