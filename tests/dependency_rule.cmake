# The layers of the source tree: a file includes only from its own folder or
# from the folders its layer may use. Run as a test with
#   cmake -DSOURCE_DIR=<tree> -P dependency_rule.cmake
# and fails naming every include that breaks the rule.

cmake_minimum_required(VERSION 3.25)

set(maths_below core maths)
set(ui_below ${maths_below} ui artwork)
set(allowed_core core)
set(allowed_maths ${maths_below})
set(allowed_resistors/maths ${maths_below} resistors/maths)
set(allowed_capacitors/maths ${maths_below} capacitors/maths)
set(allowed_power_frequency/maths ${maths_below} power_frequency/maths)
set(allowed_ui ${maths_below} ui)
set(allowed_artwork core artwork)
set(allowed_help ${ui_below} help)
set(allowed_notes ${ui_below} notes)
# The image viewer speaks the metafile helper's protocol.
set(allowed_images ${ui_below} images metafile_helper)
set(allowed_metafile_helper metafile_helper)
set(allowed_resistors/panels ${ui_below} resistors/maths resistors/panels)
set(allowed_capacitors/panels ${ui_below} capacitors/maths capacitors/panels)
set(allowed_power_frequency/panels ${ui_below} power_frequency/maths power_frequency/panels)
set(allowed_app ${ui_below} help notes images resistors/maths resistors/panels capacitors/maths
    capacitors/panels power_frequency/maths power_frequency/panels app)

set(folders core maths resistors/maths capacitors/maths power_frequency/maths ui artwork help notes images
    metafile_helper resistors/panels capacitors/panels power_frequency/panels app)

set(broken "")
foreach(folder IN LISTS folders)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
            get_filename_component(from ${included} DIRECTORY)
            if(NOT from IN_LIST allowed_${folder})
                file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                string(APPEND broken "\n  ${name} includes ${included}")
            endif()
        endforeach()
    endforeach()
endforeach()
# No source folder is left out of the rule.
file(GLOB_RECURSE all_sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp)
foreach(source IN LISTS all_sources)
    get_filename_component(folder ${source} DIRECTORY)
    if(NOT folder IN_LIST folders AND NOT source MATCHES "^(tests|bench|tools|build[^/]*)/")
        string(APPEND broken "\n  ${source} is in no layer")
    endif()
endforeach()
if(broken)
    message(FATAL_ERROR "Includes against the layers:${broken}")
endif()
