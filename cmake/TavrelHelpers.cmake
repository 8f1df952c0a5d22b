# Build helpers shared by every folder.

# tavrel_folder_library(<target> [LIBS ...])
# One static library made of every .cpp/.h in the calling folder (and its sub-folders), except
# a main.cpp, which belongs to an executable.
function(tavrel_folder_library target)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
endfunction()

# tavrel_add_test(<name> SOURCES ... [LIBS ...] [TIMEOUT seconds] [LABELS ...])
# A Qt Test executable registered with CTest. Every test runs headless (offscreen platform) with
# its own home, configuration, data and runtime folders inside the build tree, so nothing
# depends on the developer's own settings or saved list and no test sees another's window, and
# it knows where the laid-out program lives. The programs it starts speak English (the source
# texts the tests compare with), whatever the machine's language. TAVREL_NO_POWEROFF makes the
# program's own power-off refuse, whatever a test does.
function(tavrel_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set(home ${CMAKE_BINARY_DIR}/test-home/${name})
    file(MAKE_DIRECTORY ${home}/config ${home}/tmp ${home}/data ${home}/run)
    # The runtime folder is the user's alone, as the session manager makes it.
    file(CHMOD ${home}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TAVREL_NO_POWEROFF=1;TAVREL_LANGUAGE=en;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/run;TMPDIR=${home}/tmp;TAVREL_RUNTIME_DIR=${TAVREL_RUNTIME_DIR};TAVREL_TEST_HELPERS=${CMAKE_BINARY_DIR}/tests/helpers")
endfunction()

# tavrel_add_test_helper(<name> SOURCES ... [LIBS ...])
# A tiny program that a test starts as a stand-in (an encoder that crashes, hangs, ...).
function(tavrel_add_test_helper name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/helpers)
endfunction()

# tavrel_add_subfolders(): add_subdirectory for each child folder that has a CMakeLists.txt,
# so that a new test or tool folder needs no edit of a shared list.
macro(tavrel_add_subfolders)
    file(GLOB _tavrel_children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT _tavrel_children)
    foreach(_child ${_tavrel_children})
        if(IS_DIRECTORY ${_child} AND EXISTS ${_child}/CMakeLists.txt)
            add_subdirectory(${_child})
        endif()
    endforeach()
endmacro()
