# Compiler and linker settings shared by every Windows program of the tree.

# zlib is linked into the programs: nothing of ours may need a DLL beside them.
set(ZLIB_USE_STATIC_LIBS ON)
add_library(tessellux_windows_options INTERFACE)
target_compile_features(tessellux_windows_options INTERFACE cxx_std_17)
target_compile_definitions(tessellux_windows_options INTERFACE
    WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0600 STRICT NOMINMAX)
target_compile_options(tessellux_windows_options INTERFACE
    -Wall -Wextra -ffunction-sections -fdata-sections)
# One self-contained .exe: no libgcc, libstdc++ or winpthread DLL beside it.
target_link_options(tessellux_windows_options INTERFACE
    -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
    $<$<CONFIG:MinSizeRel>:-s>)

# tessellux_windows_program(NAME [GUI] SOURCES...): a program linked with the shared options.
function(tessellux_windows_program name)
    cmake_parse_arguments(arg "GUI" "" "SOURCES" ${ARGN})
    add_executable(${name} ${arg_SOURCES} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE tessellux_windows_options)
    if(arg_GUI)
        set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
endfunction()

# The installer's own code: no exceptions (failures are reported as results), so no unwind
# tables either; the program is downloaded and its size matters. It runs on one thread, so
# local statics need no locking (which would bring the thread library in). Nothing in it asks
# for a type at run time, so no type information either.
add_library(tessellux_lean_code INTERFACE)
target_compile_options(tessellux_lean_code INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>
    $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>
    $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>
    -fno-asynchronous-unwind-tables)

# tessellux_check_imports(<target> <dll>...): a test that the program imports only these DLLs
# (compared without regard to case), so that it runs with nothing of ours beside it.
function(tessellux_check_imports target)
    add_test(NAME ${target}.imports
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}>
                     -DOBJDUMP=${CMAKE_OBJDUMP} "-DALLOWED=${ARGN}"
                     -P ${PROJECT_SOURCE_DIR}/cmake/CheckImports.cmake)
endfunction()
