# Helpers shared by every folder's CMakeLists.txt.

option(BUILD_TESTING_PROGRAMS "Build the test programs" ON)
set(TEST_TIMEOUT_SECONDS 300 CACHE STRING "ctest timeout of each test program")

# Runs the Windows test programs under Wine from ctest.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-exec")

# project_test(<name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <s>]
#              [PRINTS] [HEADLESS])
# A GoogleTest program run under Wine with the harness of testing/.
function(project_test name)
    if(NOT BUILD_TESTING_PROGRAMS)
        return()
    endif()
    # PRINTS: the program prints on the test set-up's one printer; such
    # programs take turns, since jobs started at once from several Wine
    # processes can be refused.
    # HEADLESS: the program opens no window and shows no box. Every other
    # program takes turns on the one Wine desktop: the pointer, the
    # foreground window, focus and capture are shared by all its processes,
    # so a window or box of one program would disturb another's input.
    cmake_parse_arguments(T "PRINTS;HEADLESS" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} testing_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT ${TEST_TIMEOUT_SECONDS})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
        WORKING_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}")
    set(locks "")
    if(NOT T_HEADLESS)
        list(APPEND locks desktop)
    endif()
    if(T_PRINTS)
        list(APPEND locks printer)
    endif()
    if(locks)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${locks}")
    endif()
endfunction()

# Puts a program or DLL in the common output folder, beside the chart DLLs.
function(project_output target)
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin"
        LIBRARY_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
endfunction()

# Resource scripts: the preprocessor writes which headers and scripts each
# one includes, so that a changed header rebuilds the resources that use it.
set(CMAKE_RC_COMPILE_OBJECT
    "<CMAKE_RC_COMPILER> -O coff <DEFINES> <INCLUDES> <FLAGS> --preprocessor-arg=-MD --preprocessor-arg=-MF<DEP_FILE> --preprocessor-arg=-MT<OBJECT> <SOURCE> <OBJECT>")
