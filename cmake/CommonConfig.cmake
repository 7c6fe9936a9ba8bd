# Settings shared by every target of the project: link against seraphel_common.
add_library(seraphel_common INTERFACE)
target_compile_features(seraphel_common INTERFACE cxx_std_20)
target_compile_options(seraphel_common INTERFACE -Wall -Wextra -Wpedantic -Wold-style-cast -Wshadow)
target_compile_definitions(seraphel_common INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)

if(SERAPHEL_WERROR)
    target_compile_options(seraphel_common INTERFACE -Werror)
endif()

if(SERAPHEL_SANITIZE)
    set(_seraphel_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(seraphel_common INTERFACE ${_seraphel_sanitizers})
    target_link_options(seraphel_common INTERFACE ${_seraphel_sanitizers})
endif()
