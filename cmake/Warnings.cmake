# Compiler warnings for the project's own targets (not for the third-party code we build).
function(quellar_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(QUELLAR_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
        if(QUELLAR_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()

# A GoogleTest executable registered with CTest. On the Windows builds CTest runs it through
# the Wine launcher given by the toolchain file.
function(quellar_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    quellar_warnings(${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
    if(T_ENVIRONMENT)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENVIRONMENT}")
    endif()
    # Test programs that move the mouse pointer share the display's one pointer with the programs
    # that take the foreground: none of them runs beside another, so none finds the pointer where
    # another left it.
    if(name IN_LIST QUELLAR_POINTER_TESTS)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK wine_foreground)
    endif()
endfunction()
set(QUELLAR_POINTER_TESTS framework_tests tray_icon_tests)
