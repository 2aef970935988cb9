# Every C++ file of the tree is as clang-format 14 writes it with the
# committed .clang-format. Run with
#   cmake -DSOURCE_DIR=<tree> -DCLANG_FORMAT=<clang-format-14> -P format_clean.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
list(FILTER sources EXCLUDE REGEX "^build[^/]*/")
list(TRANSFORM sources PREPEND ${SOURCE_DIR}/)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror --style=file ${sources}
    RESULT_VARIABLE result ERROR_VARIABLE complaints)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Not formatted:\n${complaints}")
endif()
