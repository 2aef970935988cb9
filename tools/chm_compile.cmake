# Compiles the help project into a scratch folder:
#   cmake -DSOURCE_DIR=<help sources> -DPROJECT_FILE=<name.hhp> -DWORK_DIR=<scratch>
#         -DCHMCMD=<compiler> -P chm_compile.cmake
# The compiler writes its output beside the project, crashes on a listed file
# that is missing and leaves an empty file with a non-zero status on any error,
# so it works on a private copy of exactly the listed files. A listed page that
# is not written yet is left out with a warning (the help tests then fail); a
# listed name that differs from a present file only in case stops the build,
# because that works on a case-blind system and nowhere else.

foreach(var SOURCE_DIR PROJECT_FILE WORK_DIR CHMCMD)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "chm_compile.cmake needs -D${var}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")

file(GLOB_RECURSE present RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
string(TOLOWER "${present}" present_lower)

# Returns in <out> TRUE when <name> is present and copied into the scratch copy.
function(take_file name out)
    if(EXISTS "${SOURCE_DIR}/${name}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${name}")
        get_filename_component(dir "${WORK_DIR}/${name}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        file(COPY_FILE "${SOURCE_DIR}/${name}" "${WORK_DIR}/${name}")
        set(${out} TRUE PARENT_SCOPE)
        return()
    endif()
    string(TOLOWER "${name}" lower)
    list(FIND present_lower "${lower}" at)
    if(at GREATER -1)
        list(GET present ${at} actual)
        message(FATAL_ERROR "${PROJECT_FILE} lists \"${name}\" but the file is \"${actual}\"")
    endif()
    message(WARNING "${PROJECT_FILE} lists \"${name}\", which is not in ${SOURCE_DIR} yet")
    set(${out} FALSE PARENT_SCOPE)
endfunction()

file(STRINGS "${SOURCE_DIR}/${PROJECT_FILE}" lines)
set(section "")
set(compiled "")
set(filtered "")
foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^\\[(.*)\\]$")
        set(section "${CMAKE_MATCH_1}")
    elseif(section STREQUAL "OPTIONS" AND line MATCHES "^Compiled file=(.*)$")
        set(compiled "${CMAKE_MATCH_1}")
    elseif(section STREQUAL "OPTIONS" AND line MATCHES "^(Contents|Index) file=(.*)$")
        take_file("${CMAKE_MATCH_2}" found)
        if(NOT found)
            continue()
        endif()
    elseif(section STREQUAL "FILES" AND NOT line STREQUAL "")
        take_file("${line}" found)
        if(NOT found)
            continue()
        endif()
    endif()
    string(APPEND filtered "${line}\n")
endforeach()
if(compiled STREQUAL "")
    message(FATAL_ERROR "${PROJECT_FILE} names no compiled file")
endif()
file(WRITE "${WORK_DIR}/${PROJECT_FILE}" "${filtered}")

execute_process(
    COMMAND "${CHMCMD}" --no-html-scan "${PROJECT_FILE}"
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
set(chm "${WORK_DIR}/${compiled}")
if(EXISTS "${chm}")
    file(SIZE "${chm}" size)
else()
    set(size 0)
endif()
if(NOT status EQUAL 0 OR size EQUAL 0)
    message(FATAL_ERROR "${CHMCMD} failed (status ${status}, ${size} bytes):\n${output}")
endif()
