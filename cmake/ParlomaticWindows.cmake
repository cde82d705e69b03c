# SPDX-License-Identifier: GPL-3.0-or-later
# What a Windows build adds to the project: executables that start on a
# machine without the MinGW runtime, and each program's resources.

# The MinGW runtime (libstdc++, libgcc, winpthread) goes into the executables,
# so the two .exe files are all a player needs.
if(MINGW)
    add_link_options(-static)
endif()

# parlomatic_add_windows_resources(<target> <description>)
# Gives a program the project's icon, its version information and the
# manifest (run as the invoking user, per-monitor DPI aware, common controls 6).
# Does nothing outside Windows.
function(parlomatic_add_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(PARLOMATIC_RC_TARGET ${target})
    set(PARLOMATIC_RC_FILE_NAME ${target}.exe)
    set(PARLOMATIC_RC_DESCRIPTION "${description}")
    set(PARLOMATIC_RC_ICON "${PROJECT_SOURCE_DIR}/src/ui/pictures/parlomatic.ico")
    set(PARLOMATIC_RC_MANIFEST "${PROJECT_SOURCE_DIR}/cmake/windows/parlomatic.manifest")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${PROJECT_SOURCE_DIR}/cmake/windows/program.rc.in" "${rc}" @ONLY)
    target_sources(${target} PRIVATE "${rc}")
    set_property(SOURCE "${rc}" APPEND PROPERTY OBJECT_DEPENDS "${PARLOMATIC_RC_ICON}" "${PARLOMATIC_RC_MANIFEST}")
endfunction()

# True when Qt's libraries are static: then plugins are linked in, not loaded.
function(parlomatic_qt_is_static out)
    get_target_property(type Qt6::Core TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

# The environment of a test run under Wine. Wine hands a Windows program no
# QT_* variable of the Linux side unless it is spelled WINEQT_*. The tests run
# offscreen and log to standard output (not to the Windows debugger, where
# Qt Test writes without a console). The offscreen platform finds no fonts
# on Windows without a font folder: it gets Debian's DejaVu and Liberation.
function(parlomatic_wine_test_environment out)
    set(fonts "${CMAKE_BINARY_DIR}/test-fonts")
    if(NOT EXISTS "${fonts}")
        file(GLOB ttf /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf)
        file(MAKE_DIRECTORY "${fonts}")
        foreach(font IN LISTS ttf)
            get_filename_component(name "${font}" NAME)
            file(CREATE_LINK "${font}" "${fonts}/${name}" SYMBOLIC)
        endforeach()
    endif()
    set(${out}
        "WINEQT_QPA_PLATFORM=offscreen" "WINEQT_FORCE_STDERR_LOGGING=1" "WINEQT_QPA_FONTDIR=${fonts}"
        PARENT_SCOPE)
endfunction()
