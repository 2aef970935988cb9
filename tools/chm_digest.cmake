# Writes the size and SHA-256 of a compiled help file as the definition of
# help::builtHelpFileDigest():
#   cmake -DCHM=<help file> -DOUTPUT=<file.cpp> -P chm_digest.cmake
# The text depends on the help file's bytes only, so a reproducible help file
# gives a reproducible program.

foreach(var CHM OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "chm_digest.cmake needs -D${var}=...")
    endif()
endforeach()

file(SIZE "${CHM}" size)
file(SHA256 "${CHM}" sha256)
get_filename_component(name "${CHM}" NAME)
file(WRITE "${OUTPUT}.partial"
"// Written by the build from ${name}; rebuilt with it.
#include \"help/help_file_digest.h\"

namespace help {

HelpFileDigest builtHelpFileDigest()
{
    return {${size}, \"${sha256}\"};
}

} // namespace help
")
file(RENAME "${OUTPUT}.partial" "${OUTPUT}")
