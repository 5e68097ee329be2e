# Checks the direction of the dependencies: a source file of a module may include headers of its
# own module and of the modules below it, never of one above. The link lines already keep the
# symbols apart; this catches a header included from above, which compiles (all modules share
# one include root) but turns the layering round.
#
#   cmake -DSOURCE_DIR=<project root> -P cmake/layers.cmake
#
# Exit status non-zero, with every offending include listed, when a file breaks the rule.
cmake_minimum_required(VERSION 3.16)

# Each module with the modules it may include (besides itself).
set(allowed_htl)
set(allowed_settings htl)
set(allowed_model settings htl)
set(allowed_calculation model settings htl)
set(allowed_persistence model settings htl)
set(allowed_document persistence calculation model settings htl)
set(allowed_qtext htl)
set(allowed_report qtext document persistence calculation model settings htl)
set(allowed_ui report qtext document persistence calculation model settings htl)
# The folders of the window side, each above the ones it may use.
set(below_ui report qtext document persistence calculation model settings htl)
set(allowed_ui/commands ui ${below_ui})
set(allowed_ui/editors ui/commands ui ${below_ui})
set(allowed_ui/database ui/editors ui/commands ui ${below_ui})
set(allowed_ui/preferences ui/database ui/editors ui/commands ui ${below_ui})
set(allowed_ui/reportpreview ui/editors ui/commands ui ${below_ui})
set(allowed_ui/mainwindow ui/reportpreview ui/preferences ui/database ui/editors ui/commands ui
    ${below_ui})
set(allowed_app ui/mainwindow ui/reportpreview ui/preferences ui/database ui/editors ui/commands ui report qtext document persistence calculation model settings htl)
set(allowed_tools/batch report qtext document persistence calculation model settings htl)
set(allowed_tools/screenshots ui/mainwindow ui/reportpreview ui/preferences ui/database ui/editors ui/commands ui report qtext document persistence calculation model settings htl)
set(allowed_fuzz document persistence calculation model settings htl)
set(modules htl settings model calculation persistence document qtext report ui ui/commands
    ui/editors ui/database ui/preferences ui/reportpreview ui/mainwindow app tools/batch
    tools/screenshots
    fuzz)
# Modules below the widget layers must not include Qt Widgets (nor QPixmap, a screen resource).
set(headless htl settings model calculation persistence document fuzz)

set(failures)
foreach(module ${modules})
    file(GLOB_RECURSE files ${SOURCE_DIR}/${module}/*.h ${SOURCE_DIR}/${module}/*.cpp)
    foreach(file ${files})
        # a file belongs to the nearest module folder that encloses it (ui/editors/, not ui/)
        file(RELATIVE_PATH owner ${SOURCE_DIR} ${file})
        string(REGEX REPLACE "/[^/]*$" "" owner "${owner}")
        while(NOT owner IN_LIST modules AND owner MATCHES "/")
            string(REGEX REPLACE "/[^/]*$" "" owner "${owner}")
        endwhile()
        if(NOT owner STREQUAL module)
            continue()
        endif()
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line ${includes})
            if(line MATCHES "#[ \t]*include[ \t]*\"([a-z]+(/[a-z]+)*)/[^/\"]+\"")
                # A header in a sub-folder (ui/commands/) belongs to the module of the nearest
                # enclosing module folder (ui); tools/batch is itself a module.
                set(target ${CMAKE_MATCH_1})
                while(NOT target IN_LIST modules AND target MATCHES "/")
                    string(REGEX REPLACE "/[^/]*$" "" target "${target}")
                endwhile()
                if(NOT target STREQUAL module AND target IN_LIST modules
                   AND NOT target IN_LIST allowed_${module})
                    file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
                    list(APPEND failures "${rel}: ${line} (${module} may not use ${target})")
                endif()
            endif()
            if(module IN_LIST headless AND line MATCHES "<(QtWidgets/)?(Q[A-Za-z]*Widget|QApplication|QDialog|QMessageBox|QPixmap|QtWidgets)>")
                file(RELATIVE_PATH rel ${SOURCE_DIR} ${file})
                list(APPEND failures "${rel}: ${line} (no widgets or pixmaps in ${module})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "Includes against the direction of the modules:\n${text}")
endif()
message(STATUS "Module layering: every include points downwards")
