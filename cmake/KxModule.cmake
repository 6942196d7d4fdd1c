# kx_module(<target> [DEPS <targets>...] [EXCLUDE <regex>...] [ALSO <folder>...])
# A static library made of every .cpp in the calling folder (and its subfolders, and the ALSO
# folders given relative to the repository root), with the repository root on the include path,
# so headers are included as "platform/sys/....h".
function(kx_module target)
    cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE;ALSO" ${ARGN})
    set(globs ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(folder IN LISTS ARG_ALSO)
        list(APPEND globs ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    endforeach()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${globs})
    foreach(pattern IN LISTS ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${pattern}")
    endforeach()
    if(NOT sources)
        # A module that has only headers so far.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# kx_test(<target> DIR <folder under tests/> [DEPS <targets>...] [MAIN <target>])
# One test program for a folder of tests; CTest learns its cases when the tests run, not at
# build time, so a build never needs a display.
function(kx_test target)
    cmake_parse_arguments(ARG "" "DIR;MAIN" "DEPS" ${ARGN})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${ARG_DIR}/*.cpp)
    list(FILTER sources EXCLUDE REGEX "/tests/${ARG_DIR}/.+/(fixtures|data)/")
    if(NOT sources)
        return()
    endif()
    if(NOT ARG_MAIN)
        set(ARG_MAIN kx_test_main)
    endif()
    add_executable(${target} ${sources})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} ${ARG_MAIN} GTest::gtest GTest::gmock)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Cases are named <program>.<suite>.<case>, so "ctest -R test_transfer" runs one program.
    gtest_discover_tests(${target}
        DISCOVERY_MODE PRE_TEST
        TEST_PREFIX "${target}."
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        DISCOVERY_TIMEOUT 60)
endfunction()
