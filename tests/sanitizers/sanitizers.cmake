# Checking builds, chosen by the options in the top-level CMakeLists.txt.
#
# OHMBROOK_SANITIZE: every program, tool and test is built with AddressSanitizer
# (leak checking included) and UndefinedBehaviorSanitizer, but for the
# metafile helper (see ohmbrook_without_address_sanitizer below); the first
# fault found ends the process with a report.
#
# OHMBROOK_FUZZ: all code is built with libFuzzer's coverage instrumentation
# and tests/fuzz adds the fuzz targets and their bounded runs (label "fuzz").
# libFuzzer comes with clang only.

if(OHMBROOK_SANITIZE)
    # Every executable carries the checks' default options and the leak
    # suppressions, so a test or tool started by hand reports the same as
    # under CTest. Made before the options below: it is itself not checked.
    add_library(ohmbrook_sanitizer_options OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizer_options.cpp)
    target_compile_definitions(ohmbrook_sanitizer_options PRIVATE
        OHMBROOK_LSAN_SUPPRESSIONS="${CMAKE_CURRENT_LIST_DIR}/lsan_suppressions.txt")
    set_target_properties(ohmbrook_sanitizer_options PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    link_libraries(ohmbrook_sanitizer_options)

    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(OHMBROOK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "OHMBROOK_FUZZ needs clang (libFuzzer), for instance "
                            "-DCMAKE_CXX_COMPILER=clang++-14; this build uses ${CMAKE_CXX_COMPILER_ID}.")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# A program run under an address-space limit (the metafile helper) cannot
# carry AddressSanitizer, which reserves terabytes of address space for its
# shadow memory; it keeps the undefined-behaviour checks but the one of
# dynamic types, whose runtime probes memory through a pipe of its own, which
# the confined helper may not make.
function(ohmbrook_without_address_sanitizer target)
    if(OHMBROOK_SANITIZE)
        foreach(property COMPILE_OPTIONS LINK_OPTIONS)
            get_target_property(options ${target} ${property})
            list(TRANSFORM options REPLACE "^-fsanitize=address,undefined$" "-fsanitize=undefined;-fno-sanitize=vptr")
            set_target_properties(${target} PROPERTIES ${property} "${options}")
        endforeach()
    endif()
endfunction()
