# Compiler and linker settings shared by every Windows program of the tree.
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
