# Helpers shared by every unit of the build.
set(VEX_ROOT ${CMAKE_SOURCE_DIR})

if(WIN32)
    set(VEX_WIN32 ON)
    enable_language(RC)
    # Programs, libraries and tests share one folder, as on an installed server,
    # so that every test finds the DLLs it loads.
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX _CRT_SECURE_NO_WARNINGS)
else()
    set(VEX_WIN32 OFF)
endif()
add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall> $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>)

# Native test builds carry the address and undefined-behaviour checkers; clang also adds
# the coverage hooks the fuzzers feed on. Benchmarks link the plain *_bench twins instead.
set(VEX_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(VEX_HAVE_FUZZER ON)
else()
    set(VEX_HAVE_FUZZER OFF)
endif()

function(vex_add_units)
    set(units)
    foreach(root IN LISTS ARGN)
        file(GLOB_RECURSE found LIST_DIRECTORIES false CONFIGURE_DEPENDS RELATIVE ${VEX_ROOT} ${VEX_ROOT}/${root}/CMakeLists.txt)
        list(APPEND units ${found})
    endforeach()
    list(SORT units)
    foreach(file IN LISTS units)
        get_filename_component(dir ${file} DIRECTORY)
        add_subdirectory(${VEX_ROOT}/${dir} ${CMAKE_BINARY_DIR}/${dir})
    endforeach()
endfunction()

function(vex_add_googletest)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(t gtest gtest_main gmock gmock_main)
        if(NOT VEX_WIN32)
            target_compile_options(${t} PRIVATE ${VEX_SANITIZE_FLAGS})
        endif()
        # GoogleTest's own sources are not ours to keep warning-free.
        target_compile_options(${t} PRIVATE -w)
    endforeach()
endfunction()

# vex_core_library(name SOURCES ... [INCLUDE dir] [DEPS lib ...])
# Portable code (no <windows.h>): built in both trees.
function(vex_core_library name)
    cmake_parse_arguments(A "" "INCLUDE" "SOURCES;DEPS" ${ARGN})
    if(NOT A_INCLUDE)
        set(A_INCLUDE ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    add_library(${name} STATIC ${A_SOURCES})
    target_include_directories(${name} PUBLIC ${A_INCLUDE})
    target_link_libraries(${name} PUBLIC ${A_DEPS})
    if(NOT VEX_WIN32)
        target_compile_options(${name} PRIVATE ${VEX_SANITIZE_FLAGS})
        if(VEX_HAVE_FUZZER)
            target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
        endif()
        set(bench_deps)
        foreach(d IN LISTS A_DEPS)
            if(d MATCHES "_core$")
                list(APPEND bench_deps ${d}_bench)
            else()
                list(APPEND bench_deps ${d})
            endif()
        endforeach()
        add_library(${name}_bench STATIC EXCLUDE_FROM_ALL ${A_SOURCES})
        target_include_directories(${name}_bench PUBLIC ${A_INCLUDE})
        target_link_libraries(${name}_bench PUBLIC ${bench_deps})
        target_compile_options(${name}_bench PRIVATE -O2 -DNDEBUG)
    endif()
endfunction()

# Links an executable with the checkers of the native tree.
function(_vex_sanitize target)
    if(NOT VEX_WIN32)
        target_compile_options(${target} PRIVATE ${VEX_SANITIZE_FLAGS})
        target_link_options(${target} PRIVATE ${VEX_SANITIZE_FLAGS})
    endif()
endfunction()

# vex_test(name SOURCES ... [LIBS ...] [WIN32_ONLY])
# A GoogleTest executable, one per area. Tests of portable code run in both trees
# (natively under the checkers, and under Wine as the 32-bit target); WIN32_ONLY
# tests need windows or the real DLLs.
function(vex_test name)
    cmake_parse_arguments(A "WIN32_ONLY" "" "SOURCES;LIBS" ${ARGN})
    if(A_WIN32_ONLY AND NOT VEX_WIN32)
        return()
    endif()
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LIBS} gmock gtest_main)
    _vex_sanitize(${name})
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300
        ENVIRONMENT "VEX_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()

# vex_fuzz(name SOURCES ... [LIBS ...]): a libFuzzer target of the native clang tree.
function(vex_fuzz name)
    cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
    if(VEX_WIN32 OR NOT VEX_HAVE_FUZZER)
        return()
    endif()
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${A_LIBS})
    target_compile_options(${name} PRIVATE ${VEX_SANITIZE_FLAGS} -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE ${VEX_SANITIZE_FLAGS} -fsanitize=fuzzer)
endfunction()

# vex_bench(name SOURCES ... [LIBS ...]): a Google Benchmark program of the native tree,
# linked with the optimised, unchecked twins of the core libraries.
function(vex_bench name)
    cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
    if(VEX_WIN32)
        return()
    endif()
    find_package(benchmark REQUIRED)
    set(libs)
    foreach(l IN LISTS A_LIBS)
        # Units are added in name order, so the twin may not exist yet: go by the name.
        if(l MATCHES "_core$")
            list(APPEND libs ${l}_bench)
        else()
            list(APPEND libs ${l})
        endif()
    endforeach()
    add_executable(${name} EXCLUDE_FROM_ALL ${A_SOURCES})
    target_link_libraries(${name} PRIVATE ${libs} benchmark::benchmark)
    target_compile_options(${name} PRIVATE -O2 -DNDEBUG)
    if(NOT TARGET bench)
        add_custom_target(bench)
    endif()
    add_dependencies(bench ${name})
endfunction()

# vex_win32_program(name [GUI] SOURCES ... [LIBS ...]) and vex_win32_dll(name DEF file SOURCES ...):
# deliverables of the cross tree, with the product's upper-case file names.
function(vex_win32_program name)
    cmake_parse_arguments(A "GUI" "OUTPUT_NAME" "SOURCES;LIBS" ${ARGN})
    if(NOT VEX_WIN32)
        return()
    endif()
    if(A_GUI)
        add_executable(${name} WIN32 ${A_SOURCES})
    else()
        add_executable(${name} ${A_SOURCES})
    endif()
    target_link_libraries(${name} PRIVATE ${A_LIBS})
    if(A_OUTPUT_NAME)
        # The product's files carry upper-case names, as on an installed server.
        set_target_properties(${name} PROPERTIES OUTPUT_NAME ${A_OUTPUT_NAME} SUFFIX ".EXE")
    endif()
endfunction()

# With IMPORT, callers link `<name>_import`: an import library made from the .def file that keeps
# the decorated WINAPI names for callers and binds them to the undecorated exports (the linker's
# own import library loses the argument sizes with --kill-at). Callers also get the DLL's folder
# for its public header.
function(vex_win32_dll name)
    cmake_parse_arguments(A "IMPORT" "OUTPUT_NAME;DEF" "SOURCES;LIBS" ${ARGN})
    if(NOT VEX_WIN32)
        return()
    endif()
    add_library(${name} SHARED ${A_SOURCES} ${A_DEF})
    target_link_libraries(${name} PRIVATE ${A_LIBS})
    set_target_properties(${name} PROPERTIES PREFIX "")
    if(A_OUTPUT_NAME)
        set_target_properties(${name} PROPERTIES OUTPUT_NAME ${A_OUTPUT_NAME} SUFFIX ".DLL")
    endif()
    # Exports come from the .def file alone: undecorated names, WINAPI calls.
    if(A_DEF)
        target_link_options(${name} PRIVATE -Wl,--kill-at)
    endif()
    if(A_IMPORT)
        set(dll_name ${name}.DLL)
        if(A_OUTPUT_NAME)
            set(dll_name ${A_OUTPUT_NAME}.DLL)
        endif()
        set(import_lib ${CMAKE_CURRENT_BINARY_DIR}/lib${name}_import.a)
        add_custom_command(OUTPUT ${import_lib}
            COMMAND ${VEX_DLLTOOL} --kill-at -d ${A_DEF} -D ${dll_name} -l ${import_lib}
            DEPENDS ${A_DEF}
            VERBATIM)
        add_custom_target(${name}_import_lib DEPENDS ${import_lib})
        add_library(${name}_import INTERFACE)
        add_dependencies(${name}_import ${name}_import_lib ${name})
        target_link_libraries(${name}_import INTERFACE ${import_lib})
        target_include_directories(${name}_import INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
endfunction()

# vex_win32_driver(name OUTPUT_NAME NAME SOURCES ... [INCLUDE dir ...]): a kernel-mode driver
# (NAME.SYS in the programs' folder) for Wine's winedevice.exe and for Windows. The program rules
# do not fit: they link the user-mode runtime and the Win32 libraries, which a driver must not
# import. Sources are compiled freestanding (C++ without exceptions or run-time type data) against
# the mingw-w64 kernel headers and linked natively against ntoskrnl alone.
function(vex_win32_driver name)
    cmake_parse_arguments(A "" "OUTPUT_NAME" "SOURCES;INCLUDE" ${ARGN})
    if(NOT VEX_WIN32)
        return()
    endif()
    set(common -O2 -Wall -Wextra -ffreestanding -fno-asynchronous-unwind-tables
        -fno-stack-protector -I/usr/share/mingw-w64/include/ddk)
    foreach(dir IN LISTS A_INCLUDE)
        list(APPEND common -I${dir})
    endforeach()
    set(objects)
    foreach(source IN LISTS A_SOURCES)
        get_filename_component(stem ${source} NAME)
        set(object ${CMAKE_CURRENT_BINARY_DIR}/${name}.driver/${stem}.o)
        if(source MATCHES "\\.c$")
            set(compile ${CMAKE_C_COMPILER} -std=c11 ${common})
        else()
            set(compile ${CMAKE_CXX_COMPILER} -std=c++20 ${common} -fno-exceptions -fno-rtti -fno-threadsafe-statics)
        endif()
        add_custom_command(OUTPUT ${object}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${name}.driver
            COMMAND ${compile} -MD -MF ${object}.d -c ${CMAKE_CURRENT_SOURCE_DIR}/${source} -o ${object}
            DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
            DEPFILE ${object}.d
            VERBATIM)
        list(APPEND objects ${object})
    endforeach()
    set(image ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${A_OUTPUT_NAME}.SYS)
    add_custom_command(OUTPUT ${image}
        COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -Wl,--subsystem,native -Wl,--entry,_DriverEntry@8
                -Wl,--exclude-all-symbols -Wl,--image-base,0x10000 ${objects} -lntoskrnl -lgcc -o ${image}
        DEPENDS ${objects}
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS ${image})
endfunction()

# vex_track_resource_pieces(): makes every .rc source of every target depend on the resource
# pieces of the tree, which the resource compiler's dependency output leaves out.
function(vex_track_resource_pieces)
    file(GLOB_RECURSE pieces CONFIGURE_DEPENDS
        ${VEX_ROOT}/res/*.rc ${VEX_ROOT}/res/*.h ${VEX_ROOT}/res/*.bmp ${VEX_ROOT}/res/*.ico
        ${VEX_ROOT}/res/*.cur ${VEX_ROOT}/tests/*.rc)
    set(directories ${CMAKE_SOURCE_DIR})
    while(directories)
        list(POP_FRONT directories directory)
        get_property(children DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
        list(APPEND directories ${children})
        get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target IN LISTS targets)
            get_target_property(sources ${target} SOURCES)
            if(NOT sources)
                continue()
            endif()
            list(FILTER sources INCLUDE REGEX "\\.rc$")
            get_target_property(home ${target} SOURCE_DIR)
            foreach(source IN LISTS sources)
                cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${home})
                set_source_files_properties(${source} TARGET_DIRECTORY ${target}
                    PROPERTIES OBJECT_DEPENDS "${pieces}")
            endforeach()
        endforeach()
    endwhile()
endfunction()
