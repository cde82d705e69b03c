# parlomatic_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI])
# One Qt Test executable per unit, registered with CTest under the label
# "unit" (or "gui"), with a timeout, the real-profile folder and, for GUI
# tests, the offscreen platform.
function(parlomatic_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test parlomatic_warnings)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        PARLOMATIC_REALWORLD_DIR="${PARLOMATIC_REALWORLD_DIR}"
        PARLOMATIC_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
    add_test(NAME ${name} COMMAND ${name})
    set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8")
    if(ARG_GUI)
        set(label gui)
    else()
        set(label unit)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS ${label} ENVIRONMENT "${env}")
endfunction()
