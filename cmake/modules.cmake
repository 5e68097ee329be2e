# m2_module(NAME [DEPENDS module...] [PRIVATE target...] [SUBDIRS folder...]): one static library
# from the sources of the folder it is called in and of the sub-folders named by SUBDIRS.
# DEPENDS names the modules directly below it; they are linked PUBLIC, so a module sees exactly
# the modules below it and nothing above. A module whose folders hold no source yet becomes an
# interface library, so that the modules above it link while it is being written.
function(m2_module name)
    cmake_parse_arguments(M2 "" "" "DEPENDS;PRIVATE;SUBDIRS" ${ARGN})
    set(dirs ${CMAKE_CURRENT_SOURCE_DIR})
    foreach(sub ${M2_SUBDIRS})
        list(APPEND dirs ${CMAKE_CURRENT_SOURCE_DIR}/${sub})
    endforeach()
    set(sources)
    foreach(dir ${dirs})
        file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.ui ${dir}/*.qrc)
        list(APPEND sources ${dir_sources})
    endforeach()
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(cpp)
        add_library(${name} STATIC ${sources})
        m2_unity(${name})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${M2_DEPENDS})
        if(M2_PRIVATE)
            target_link_libraries(${name} PRIVATE ${M2_PRIVATE})
        endif()
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${M2_DEPENDS})
    endif()
endfunction()

# m2_unity(target): compiles the target's sources in batches, each batch as one translation unit
# (when M2_UNITY_BUILD is on). The Qt headers, which are most of the compile time of a small file,
# are then parsed once per batch instead of once per file. Files that cannot share a batch (two
# helpers of the same name in their unnamed namespaces) are listed with
# SKIP_UNITY_BUILD_INCLUSION next to the target.
function(m2_unity target)
    if(M2_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON
            UNITY_BUILD_BATCH_SIZE ${M2_UNITY_BUILD_BATCH_SIZE})
    endif()
endfunction()
