# Turns the description texts (one plain-text file per key) into a C++ source file, so the
# program carries them built in and reads nothing from disk at run time.
# Usage: cmake -DOUTPUT=<file.cpp> -DTEXT_DIR=<dir> -P EmbedTexts.cmake
file(GLOB text_files LIST_DIRECTORIES false "${TEXT_DIR}/*.txt")
list(SORT text_files)

set(delimiter "seraphel_text")
set(body "")
foreach(text_file IN LISTS text_files)
    get_filename_component(key "${text_file}" NAME_WE)
    file(READ "${text_file}" text)
    # Editors like to end files with a newline; it is not part of the text.
    string(REGEX REPLACE "[\r\n]+$" "" text "${text}")
    string(FIND "${text}" ")${delimiter}\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${text_file} contains the raw-string delimiter")
    endif()
    string(APPEND body "    {\"${key}\", R\"${delimiter}(${text})${delimiter}\"},\n")
endforeach()

set(content "// Generated from ${TEXT_DIR} by EmbedTexts.cmake; edit the text files instead.
#include \"EmbeddedTexts.h\"

namespace seraphel::detail {
namespace {
const EmbeddedText kTexts[] = {
${body}    {\"\", \"\"},
};
} // namespace

std::span<const EmbeddedText> EmbeddedTexts() { return {kTexts, std::size(kTexts) - 1}; }
} // namespace seraphel::detail
")
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${content}" @ONLY)
