# Windows tests run under Wine, all in one session per test run (see cmake/wine-session):
# the fixture test "wine.session.start" makes it, "wine.session.stop" removes it.
set(TESSELLUX_WINE_SESSION ${CMAKE_BINARY_DIR}/wine-session)
set(TESSELLUX_WINE_SCREEN "1024x768" CACHE STRING "Screen size of the test run's X server")

add_test(NAME wine.session.start
         COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session start ${TESSELLUX_WINE_SESSION} ${TESSELLUX_WINE_SCREEN})
set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
add_test(NAME wine.session.stop
         COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-session stop ${TESSELLUX_WINE_SESSION})
set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

set(TESSELLUX_GTEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build the Windows tests with")
if(NOT TARGET gtest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(${TESSELLUX_GTEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
endif()

# tessellux_wine_test(NAME SOURCES... [LIBRARIES...] [SYSTEM_STATE] [TIMEOUT seconds])
# One CTest test per executable: each Wine start costs a second or more. SYSTEM_STATE marks
# tests that change the prefix's shared state (the Windows folder, HKLM, the desktop,
# SYSTEM.INI); they take a lock so that no two of them run at once.
function(tessellux_wine_test name)
    cmake_parse_arguments(arg "SYSTEM_STATE" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE tessellux_windows_options gtest gtest_main ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED wine
        TIMEOUT ${arg_TIMEOUT}
        ENVIRONMENT "TESSELLUX_WINE_SESSION=${TESSELLUX_WINE_SESSION}")
    if(arg_SYSTEM_STATE)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine-system-state)
    endif()
endfunction()
