# Compile settings that every target of the project links, and the one way to add a test
# or a benchmark program.

# The standard, the warnings and, with BRINDLEX_SANITIZE, AddressSanitizer and UBSan.
add_library(brindlex_settings INTERFACE)
target_compile_features(brindlex_settings INTERFACE cxx_std_17)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(brindlex_settings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
if(BRINDLEX_SANITIZE)
    target_compile_options(brindlex_settings INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(brindlex_settings INTERFACE -fsanitize=address,undefined)
endif()

# Targets that use Qt: no silent conversion between QString and 8-bit strings, so that every
# text says which encoding it takes.
add_library(brindlex_qt_settings INTERFACE)
target_link_libraries(brindlex_qt_settings INTERFACE brindlex_settings)
target_compile_definitions(brindlex_qt_settings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY)

# brindlex_add_program(<name> TEST|BENCHMARK SOURCES <file>... LIBRARIES <target>...
#                      [OFFSCREEN])
# Adds a test program, whose GoogleTest cases are registered with CTest, or a benchmark
# program. OFFSCREEN runs the tests on Qt's offscreen platform.
function(brindlex_add_program name)
    cmake_parse_arguments(arg "TEST;BENCHMARK;OFFSCREEN" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE brindlex_settings ${arg_LIBRARIES})
    if(arg_TEST)
        set(properties "")
        if(arg_OFFSCREEN)
            set(properties PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen LABELS gui)
        endif()
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30 ${properties})
    endif()
endfunction()

# One test program per *_test.cpp file in `folder`, named <prefix><file name>.
function(brindlex_add_tests folder prefix)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp)
    foreach(source IN LISTS sources)
        get_filename_component(name ${source} NAME_WE)
        brindlex_add_program(${prefix}${name} TEST SOURCES ${source} ${ARGN})
    endforeach()
endfunction()
