# The installed program: `cmake --install` into a scratch prefix (with a blank in its path, so
# that the quoting of the desktop entry is exercised), then the layout, the icons, the desktop
# entry and the file types are checked, and the installed mirelo2-batch must find the material
# catalogue below share/mirelo2 on its own. Checks that need a tool which is missing are named
# in a "SKIPPED:" line at the end (ctest then reports the test as skipped); every other fault
# fails the test.
#
#   cmake -DBUILD_DIR=<build tree> -DSCRATCH=<scratch directory> -P InstallLayout.cmake

foreach(var BUILD_DIR SCRATCH)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "InstallLayout.cmake needs -D${var}=...")
    endif()
endforeach()

set(id mirelo2)
set(prefix "${SCRATCH}/usr local")
set(home "${SCRATCH}/home")
set(skipped)

function(fail text)
    message(FATAL_ERROR "package test: ${text}")
endfunction()

function(require_file path)
    if(NOT EXISTS "${path}" OR IS_DIRECTORY "${path}")
        fail("missing file ${path}")
    endif()
endfunction()

# Width and height of a PNG picture from its IHDR chunk (bytes 16 to 23, big-endian).
function(png_size path out)
    file(READ "${path}" head LIMIT 24 HEX)
    if(NOT head MATCHES "^89504e470d0a1a0a0000000d49484452")
        fail("${path} is no PNG picture")
    endif()
    string(SUBSTRING "${head}" 32 8 w)
    string(SUBSTRING "${head}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    set(${out} "${w}x${h}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${home}")

execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    fail("cmake --install failed (${rc}):\n${out}${err}")
endif()

# Nothing lands outside the program's own places.
file(GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
foreach(f ${installed})
    if(NOT f MATCHES "^(bin/(Mirelo2|mirelo2-batch)|share/${id}/.+|share/applications/${id}\\.desktop|share/icons/hicolor/[^/]+/(apps/${id}|mimetypes/application-x-mirelo2-project)\\.(png|svg)|share/mime/packages/${id}\\.xml|share/doc/${id}/(README\\.md|NOTICE|copyright|changelog\\.Debian\\.gz)|share/man/man1/(Mirelo2|mirelo2-batch)\\.1\\.gz|share/lintian/overrides/${id})$")
        fail("unexpected installed file ${f}")
    endif()
endforeach()
require_file("${prefix}/bin/Mirelo2")
require_file("${prefix}/bin/mirelo2-batch")

# Every resource of the build tree is installed below share/mirelo2, and nothing else is there.
set(resources "${BUILD_DIR}/bin/resources")
file(GLOB_RECURSE built LIST_DIRECTORIES true RELATIVE "${resources}" "${resources}/*")
file(GLOB_RECURSE shipped LIST_DIRECTORIES true RELATIVE "${prefix}/share/${id}"
    "${prefix}/share/${id}/*")
list(SORT built)
list(SORT shipped)
if(NOT built STREQUAL shipped)
    fail("share/${id} differs from the build's resources:\n  built:   ${built}\n  shipped: ${shipped}")
endif()
foreach(pattern "DB_materials/*.m2m" "DB_constructions/TypicalConstructions_en.constr" "examples/*.m2p")
    file(GLOB found "${prefix}/share/${id}/${pattern}")
    if(NOT found)
        fail("no ${pattern} below share/${id}")
    endif()
endforeach()

# The installed front end finds the catalogue from its own location, in a home of its own.
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "HOME=${home}" "XDG_CONFIG_HOME=${home}/config"
        "XDG_DATA_HOME=${home}/data" LANG=C QT_QPA_PLATFORM=offscreen
        "${prefix}/bin/mirelo2-batch" --materials --json --lang=en
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT rc EQUAL 0 OR NOT out MATCHES "\"name\": \"Gypsum plasterboard\"")
    fail("the installed mirelo2-batch does not list the shipped catalogue (${rc}):\n${err}")
endif()

# Icons: the program's and the project files' in every size, each picture as large as its folder.
foreach(size 16 24 32 48 64 128 256)
    foreach(icon apps/${id} mimetypes/application-x-mirelo2-project)
        set(png "${prefix}/share/icons/hicolor/${size}x${size}/${icon}.png")
        require_file("${png}")
        png_size("${png}" actual)
        if(NOT actual STREQUAL "${size}x${size}")
            fail("${png} is ${actual} pixels")
        endif()
    endforeach()
endforeach()
require_file("${prefix}/share/icons/hicolor/scalable/apps/${id}.svg")
require_file("${prefix}/share/icons/hicolor/scalable/mimetypes/application-x-mirelo2-project.svg")

# The desktop entry starts the installed program (quoted: the prefix has a blank) with the file.
set(entry "${prefix}/share/applications/${id}.desktop")
require_file("${entry}")
file(STRINGS "${entry}" lines)
foreach(expected
        "Exec=\"${prefix}/bin/Mirelo2\" %f"
        "TryExec=${prefix}/bin/Mirelo2"
        "Icon=${id}"
        "MimeType=application/x-mirelo2-project;application/x-mirelo1-project;")
    list(FIND lines "${expected}" at)
    if(at LESS 0)
        fail("${entry} lacks the line '${expected}'")
    endif()
endforeach()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # It exits with 0 also after warnings and hints (a menu entry without a main category only
    # shows up in a catch-all section); the entry must pass without a word.
    if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
        fail("desktop-file-validate rejects ${entry}:\n${out}${err}")
    endif()
else()
    list(APPEND skipped "desktop-file-validate (package desktop-file-utils) not found")
endif()

# The file types: well-formed XML, and what the MIME database makes of them.
set(mime "${prefix}/share/mime/packages/${id}.xml")
require_file("${mime}")
file(READ "${mime}" xml)
foreach(expected "<glob pattern=\"*.m2p\"/>" "<glob pattern=\"*.mpj\"/>"
        "type=\"application/x-mirelo2-project\"" "<icon name=\"application-x-mirelo2-project\"/>")
    string(FIND "${xml}" "${expected}" at)
    if(at LESS 0)
        fail("${mime} lacks ${expected}")
    endif()
endforeach()
find_program(XMLLINT xmllint)
if(XMLLINT)
    execute_process(COMMAND "${XMLLINT}" --noout "${mime}" RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        fail("${mime} is not well-formed XML:\n${err}")
    endif()
else()
    list(APPEND skipped "xmllint (package libxml2-utils) not found")
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
    # A database of its own, built from our file alone.
    set(db "${SCRATCH}/mime")
    file(COPY "${mime}" DESTINATION "${db}/packages")
    execute_process(COMMAND "${UPDATE_MIME_DATABASE}" "${db}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    # It notes on standard error that the scratch database is not among the searched ones; that
    # is all it may say.
    if(NOT rc EQUAL 0 OR err MATCHES "[Ee]rror|[Ww]arning|[Uu]nknown|[Ii]nvalid")
        fail("update-mime-database rejects ${mime} (${rc}):\n${out}${err}")
    endif()
    file(STRINGS "${db}/globs2" globs)
    file(STRINGS "${db}/icons" icons)
    foreach(expected "50:application/x-mirelo2-project:*.m2p" "50:application/x-mirelo1-project:*.mpj")
        list(FIND globs "${expected}" at)
        if(at LESS 0)
            fail("the MIME database has no '${expected}' (globs2: ${globs})")
        endif()
    endforeach()
    list(FIND icons "application/x-mirelo2-project:application-x-mirelo2-project" at)
    if(at LESS 0)
        fail("the MIME database names no icon of the project type (icons: ${icons})")
    endif()
else()
    list(APPEND skipped "update-mime-database (package shared-mime-info) not found")
endif()

# The manual pages and the documents Debian asks of every package.
foreach(f share/man/man1/Mirelo2.1.gz share/man/man1/mirelo2-batch.1.gz
        share/doc/${id}/copyright share/doc/${id}/changelog.Debian.gz)
    require_file("${prefix}/${f}")
endforeach()
file(STRINGS "${prefix}/share/doc/${id}/copyright" first LIMIT_COUNT 1)
if(NOT first STREQUAL "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
    fail("share/doc/${id}/copyright is not in the machine-readable format: ${first}")
endif()
find_program(MAN man)
if(MAN)
    # man finds the installed page through the prefix and formats it
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env "MANPATH=${prefix}/share/man" MANWIDTH=80
            "${MAN}" -P cat mirelo2-batch
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "EXIT STATUS" OR NOT out MATCHES "--report-dir")
        fail("man mirelo2-batch does not show the installed page (${rc}):\n${err}")
    endif()
else()
    list(APPEND skipped "man (package man-db) not found")
endif()

# The Debian package as cpack builds it, judged by lintian: no error and no warning.
find_program(LINTIAN lintian)
get_filename_component(cmake_bin "${CMAKE_COMMAND}" DIRECTORY)
set(CPACK "${cmake_bin}/cpack")
if(LINTIAN AND EXISTS "${CPACK}")
    set(debdir "${SCRATCH}/deb")
    execute_process(COMMAND "${CPACK}" -G DEB -B "${debdir}" --config "${BUILD_DIR}/CPackConfig.cmake"
        WORKING_DIRECTORY "${BUILD_DIR}"
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    file(GLOB deb "${debdir}/*.deb")
    if(NOT rc EQUAL 0 OR NOT deb)
        fail("cpack -G DEB failed (${rc}):\n${out}${err}")
    endif()
    execute_process(COMMAND "${LINTIAN}" --tag-display-limit 0 ${deb}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(out MATCHES "(^|\n)[EW]: ")
        fail("lintian finds errors or warnings in the package:\n${out}${err}")
    endif()
else()
    list(APPEND skipped "lintian (package lintian) not found")
endif()

file(REMOVE_RECURSE "${SCRATCH}")
if(skipped)
    list(JOIN skipped "; " skipped)
    message("SKIPPED: ${skipped}")
endif()
