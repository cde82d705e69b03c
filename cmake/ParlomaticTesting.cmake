# SPDX-License-Identifier: GPL-3.0-or-later
# parlomatic_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI]
#                     [NOT_ON_WINDOWS <reason>])
# One Qt Test executable per unit, registered with CTest under the label
# "unit" (or "gui"), with a timeout, the real-profile folder and, for GUI
# tests, the offscreen platform. Every test is built and run on Windows too
# (under Wine when cross-built) unless NOT_ON_WINDOWS gives the reason why not.
function(parlomatic_add_test name)
    cmake_parse_arguments(ARG "GUI" "NOT_ON_WINDOWS" "SOURCES;LIBS" ${ARGN})
    if(WIN32 AND ARG_NOT_ON_WINDOWS)
        message(STATUS "${name} is not built for Windows: ${ARG_NOT_ON_WINDOWS}")
        return()
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test parlomatic_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        PARLOMATIC_REALWORLD_DIR="${PARLOMATIC_REALWORLD_DIR}"
        PARLOMATIC_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
    # A static Qt links only the native platform plugin; the tests run offscreen.
    parlomatic_qt_is_static(static_qt)
    if(static_qt)
        qt_import_plugins(${name} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    # The history a test's programs keep goes to a folder of the test's own, never the player's.
    set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8" "XDG_DATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-data")
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        parlomatic_wine_test_environment(wine_env)
        list(APPEND env ${wine_env})
    endif()
    if(ARG_GUI)
        set(label gui)
    else()
        set(label unit)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS ${label} ENVIRONMENT "${env}")
endfunction()
