# m2_module(NAME [DEPENDS module...] [PRIVATE target...]): one static library from the sources of
# the folder it is called in. DEPENDS names the modules directly below it; they are linked
# PUBLIC, so a module sees exactly the modules below it and nothing above. A module whose folder
# holds no source yet becomes an interface library, so that the modules above it link while it
# is being written.
function(m2_module name)
    cmake_parse_arguments(M2 "" "" "DEPENDS;PRIVATE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(cpp)
        add_library(${name} STATIC ${sources})
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
