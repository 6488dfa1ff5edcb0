# Compiles the help project and checks the result.
# chmcmd exits 0 on many errors (missing project, missing TOC, broken links),
# so its messages and the output file's header are checked here as well.
#
# Inputs (-D): CHMCMD, SOURCE_DIR, STAGE_DIR, OUTPUT, PROJECT (the .hhp name),
#              FILES (semicolon list of the sources to stage, relative names).

foreach(var CHMCMD SOURCE_DIR STAGE_DIR OUTPUT PROJECT FILES)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "build_chm.cmake: ${var} is not set")
    endif()
endforeach()

# A failed build must not leave a stale or half-written file that looks current.
file(REMOVE "${OUTPUT}")

function(fail why)
    file(REMOVE "${OUTPUT}")
    message(FATAL_ERROR "Help build failed: ${why}")
endfunction()

# Stage the sources so chmcmd writes next to them, inside the build tree.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}")
foreach(f IN LISTS FILES)
    if(NOT EXISTS "${SOURCE_DIR}/${f}")
        fail("missing source ${SOURCE_DIR}/${f}")
    endif()
    file(COPY "${SOURCE_DIR}/${f}" DESTINATION "${STAGE_DIR}")
endforeach()

string(REGEX REPLACE "\\.hhp$" ".chm" staged_chm "${STAGE_DIR}/${PROJECT}")

execute_process(
    COMMAND "${CHMCMD}" "${PROJECT}"
    WORKING_DIRECTORY "${STAGE_DIR}"
    RESULT_VARIABLE rc
    OUTPUT_VARIABLE out
    ERROR_VARIABLE out)
if(NOT out STREQUAL "")
    message("${out}")
endif()
if(NOT rc STREQUAL "0")
    fail("chmcmd exited with ${rc}")
endif()

# Messages chmcmd prints while still exiting 0.
foreach(pattern
        "Error"
        "exception"
        "Can't find"
        "does not exist"
        "couldn't find it on disk")
    string(FIND "${out}" "${pattern}" at)
    if(NOT at EQUAL -1)
        fail("chmcmd reported a problem (\"${pattern}\")")
    endif()
endforeach()

if(NOT EXISTS "${staged_chm}")
    fail("chmcmd did not write ${staged_chm}")
endif()
# An ITSF file, header version 3 (little-endian), and more than a header.
file(SIZE "${staged_chm}" size)
if(size LESS 1024)
    fail("${staged_chm} is only ${size} bytes")
endif()
file(READ "${staged_chm}" head LIMIT 8 HEX)
if(NOT head STREQUAL "4954534603000000")
    fail("${staged_chm} does not start with an ITSF version 3 header (${head})")
endif()

file(COPY_FILE "${staged_chm}" "${OUTPUT}")
