# What a Windows build of Seraphel needs at run time besides its own code: the Qt DLLs and
# plugins it loads and the MinGW runtime. They are installed beside seraphel.exe (the installer
# and the portable archive carry them), and under wine the cross build's tests find them on
# wine's path.

get_target_property(_qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(SERAPHEL_QT_BIN_DIR "${_qt_core_dll}" DIRECTORY)

# The MinGW runtime DLLs, found where the compiler keeps its own libraries.
set(SERAPHEL_MINGW_RUNTIME_DLLS)
foreach(_dll IN ITEMS libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${_dll}
        OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_path}")
        find_file(_path_${_dll} ${_dll} PATHS "${CMAKE_FIND_ROOT_PATH}/lib" NO_DEFAULT_PATH REQUIRED)
        set(_path "${_path_${_dll}}")
    endif()
    list(APPEND SERAPHEL_MINGW_RUNTIME_DLLS "${_path}")
endforeach()

if(CMAKE_CROSSCOMPILING)
    set(_dll_paths "${SERAPHEL_QT_BIN_DIR}")
    foreach(_dll IN LISTS SERAPHEL_MINGW_RUNTIME_DLLS)
        get_filename_component(_folder "${_dll}" DIRECTORY)
        list(APPEND _dll_paths "${_folder}")
    endforeach()
    list(REMOVE_DUPLICATES _dll_paths)
    # For tests that start the program under wine themselves.
    set(SERAPHEL_WINDOWS_DLL_PATHS "${_dll_paths}")
    set(_emulator "${PROJECT_SOURCE_DIR}/scripts/windows/wine-run.sh")
    foreach(_folder IN LISTS _dll_paths)
        list(APPEND _emulator --dll-path "${_folder}")
    endforeach()
    set(CMAKE_CROSSCOMPILING_EMULATOR "${_emulator}")
endif()

# The start-up code that the compiler links into every program and library, seraphel.exe and the
# Qt libraries among them: its licence comes with the release as the DLLs' do.
execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=crt2.o
    OUTPUT_VARIABLE SERAPHEL_MINGW_STARTUP_CODE OUTPUT_STRIP_TRAILING_WHITESPACE)

# What seraphel.exe loads of Qt: its libraries, the Windows platform plugin, the native style and
# the JPEG reader for the angel pictures (printing is built into PrintSupport); each plugin with the
# folder beside the executable where Qt looks for it.
set(SERAPHEL_SHIPPED_QT_LIBRARIES Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
set(SERAPHEL_SHIPPED_QT_PLUGINS
    Qt6::QWindowsIntegrationPlugin platforms
    Qt6::QWindowsVistaStylePlugin styles
    Qt6::QJpegPlugin imageformats)
set(SERAPHEL_SHIPPED_QT_FILES)
foreach(_library IN LISTS SERAPHEL_SHIPPED_QT_LIBRARIES)
    list(APPEND SERAPHEL_SHIPPED_QT_FILES "$<TARGET_FILE:${_library}>")
endforeach()
set(_plugins ${SERAPHEL_SHIPPED_QT_PLUGINS})
while(_plugins)
    list(POP_FRONT _plugins _plugin _folder)
    list(APPEND SERAPHEL_SHIPPED_QT_FILES "$<TARGET_FILE:${_plugin}>")
endwhile()

# seraphel.exe with what it loads: the Qt files above and the MinGW runtime.
function(seraphel_install_windows_runtime destination)
    foreach(_library IN LISTS SERAPHEL_SHIPPED_QT_LIBRARIES)
        install(FILES "$<TARGET_FILE:${_library}>" DESTINATION "${destination}")
    endforeach()
    install(FILES ${SERAPHEL_MINGW_RUNTIME_DLLS} DESTINATION "${destination}")
    set(_plugins ${SERAPHEL_SHIPPED_QT_PLUGINS})
    while(_plugins)
        list(POP_FRONT _plugins _plugin _folder)
        install(FILES "$<TARGET_FILE:${_plugin}>" DESTINATION "${destination}/${_folder}")
    endwhile()
endfunction()
