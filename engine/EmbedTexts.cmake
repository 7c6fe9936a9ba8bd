# Turns the description texts (one plain-text file per key) into a C++ header, so the program
# carries them built in and reads nothing from disk at run time. Each file becomes a constant
# named by its base name; the catalogue takes one per key, so a missing file fails the build.
# Usage: cmake -DOUTPUT=<file.h> -DTEXT_DIR=<dir> -P EmbedTexts.cmake
file(GLOB text_files LIST_DIRECTORIES false "${TEXT_DIR}/*.txt")
list(SORT text_files)

set(delimiter "seraphel_text")
set(body "")
foreach(text_file IN LISTS text_files)
    get_filename_component(key "${text_file}" NAME_WE)
    if(NOT key MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
        message(FATAL_ERROR "${text_file}: the name of a text file must be a key")
    endif()
    file(READ "${text_file}" text)
    # Editors like to end files with a newline; it is not part of the text.
    string(REGEX REPLACE "[\r\n]+$" "" text "${text}")
    string(FIND "${text}" ")${delimiter}\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${text_file} contains the raw-string delimiter")
    endif()
    string(APPEND body "inline constexpr std::string_view ${key} = R\"${delimiter}(${text})${delimiter}\";\n")
endforeach()

set(content "// Generated from ${TEXT_DIR} by EmbedTexts.cmake; edit the text files instead.
// The description texts, one constant per file, named by the file's base name.
#pragma once

#include <string_view>

namespace seraphel::embedded_texts {
${body}} // namespace seraphel::embedded_texts
")
file(CONFIGURE OUTPUT "${OUTPUT}" CONTENT "${content}" @ONLY)
