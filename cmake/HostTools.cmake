# Host tools for the Windows cross builds: tools/ is built natively (host compiler, no
# toolchain file) because its programs run on this machine at build time.
#
#   TESSELLUX_PACK            path of the host tessellux-pack
#   tessellux_host_tools      target that builds it
#   tessellux_pack_payload(OUTPUT <file> INPUT <file> [DEPENDS <targets...>])
include_guard(GLOBAL)
include(ExternalProject)

# The cross toolchain sets CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER, so these find host programs.
find_program(TESSELLUX_HOST_C_COMPILER NAMES cc gcc clang DOC "Host C compiler for tools/")
find_program(TESSELLUX_HOST_CXX_COMPILER NAMES c++ g++ clang++ DOC "Host C++ compiler for tools/")
if(NOT TESSELLUX_HOST_C_COMPILER OR NOT TESSELLUX_HOST_CXX_COMPILER)
    message(FATAL_ERROR "No host C/C++ compiler found for tools/ (install g++).")
endif()

cmake_path(SET _tessellux_tools_dir NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../tools)
set(_tessellux_host_dir ${CMAKE_BINARY_DIR}/host-tools)
set(TESSELLUX_PACK ${_tessellux_host_dir}/bin/tessellux-pack${CMAKE_HOST_EXECUTABLE_SUFFIX})

ExternalProject_Add(tessellux_host_tools
    SOURCE_DIR ${_tessellux_tools_dir}
    PREFIX ${_tessellux_host_dir}
    BINARY_DIR ${_tessellux_host_dir}/build
    CMAKE_ARGS
        # Empty, so neither the cross toolchain nor CMAKE_TOOLCHAIN_FILE in the environment applies.
        -DCMAKE_TOOLCHAIN_FILE=
        -DCMAKE_C_COMPILER=${TESSELLUX_HOST_C_COMPILER}
        -DCMAKE_CXX_COMPILER=${TESSELLUX_HOST_CXX_COMPILER}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${_tessellux_host_dir}/bin
        -DCMAKE_RUNTIME_OUTPUT_DIRECTORY_RELEASE=${_tessellux_host_dir}/bin
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --config Release --target tessellux-pack
    # Always ask the inner build, so edits in tools/ are picked up; it is a no-op otherwise,
    # and the byproduct keeps its timestamp, so nothing downstream reruns.
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${TESSELLUX_PACK}
    INSTALL_COMMAND ""
    TEST_COMMAND "")

# Adds a custom command packing INPUT (a path or generator expression, e.g.
# $<TARGET_FILE:tessellux-saver>) into the zlib stream OUTPUT. It reruns whenever INPUT or the
# packer changes; a refused input fails the build. Call it in the directory of the target
# that uses OUTPUT, and list OUTPUT among that target's sources or OBJECT_DEPENDS.
function(tessellux_pack_payload)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "OUTPUT;INPUT" "DEPENDS")
    if(NOT arg_OUTPUT OR NOT arg_INPUT)
        message(FATAL_ERROR "tessellux_pack_payload: OUTPUT and INPUT are required")
    endif()
    if(arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tessellux_pack_payload: unknown arguments ${arg_UNPARSED_ARGUMENTS}")
    endif()
    cmake_path(ABSOLUTE_PATH arg_OUTPUT BASE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    string(GENEX_STRIP "${arg_INPUT}" plain_input)
    if(plain_input STREQUAL arg_INPUT)
        cmake_path(ABSOLUTE_PATH arg_INPUT BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    cmake_path(GET arg_OUTPUT FILENAME out_name)
    add_custom_command(OUTPUT ${arg_OUTPUT}
        COMMAND ${TESSELLUX_PACK} ${arg_INPUT} ${arg_OUTPUT}
        DEPENDS ${arg_INPUT} ${TESSELLUX_PACK} tessellux_host_tools ${arg_DEPENDS}
        COMMENT "Packing ${out_name}"
        VERBATIM)
endfunction()
