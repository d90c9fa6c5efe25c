# Shipped programs start on Windows 98 SE, 2000 and XP. They must not carry the
# POSIX-thread runtime, which GoogleTest needs, so a build tree holds two builds of
# the same sources:
#   <build>/          mingw-i686.cmake (-posix): the libraries, tests and tools;
#   <build>/shipped/  mingw-i686-win32.cmake (-win32): the shipped programs only.
# The main build configures and builds the shipped one; its tests and tools take the
# shipped programs from there (target property TARVELL_SHIPPED_FILE).

option(TARVELL_SHIPPED_BUILD "This is the nested build of the shipped programs" OFF)
set(TARVELL_SHIPPED_DIR ${CMAKE_BINARY_DIR}/shipped)

# The shipped build is the release artefact: optimised for size, every function and
# object in its own section so the linker drops what nothing references, and stripped.
if(TARVELL_SHIPPED_BUILD)
    add_compile_options($<$<CONFIG:Release,MinSizeRel>:-Os>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-fdata-sections>)
    add_link_options(-Wl,--gc-sections $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# Marks an executable target as shipped. Call it after setting the target's output
# folder or name, if any. In the shipped build the program is linked for Windows 4.0
# (the oldest version whose loader it must pass); in the main build the target is left
# out of the default build and TARVELL_SHIPPED_FILE names the shipped file instead.
function(tarvell_shipped_program target)
    set_property(GLOBAL APPEND PROPERTY TARVELL_SHIPPED_PROGRAMS ${target})
    if(TARVELL_SHIPPED_BUILD)
        target_link_options(${target} PRIVATE
            -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
            -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
        return()
    endif()
    get_target_property(folder ${target} RUNTIME_OUTPUT_DIRECTORY)
    if(NOT folder)
        set(folder ${CMAKE_CURRENT_BINARY_DIR})
    endif()
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    file(RELATIVE_PATH folder ${CMAKE_BINARY_DIR} ${folder})
    set_target_properties(${target} PROPERTIES
        EXCLUDE_FROM_ALL TRUE
        TARVELL_SHIPPED_FILE ${TARVELL_SHIPPED_DIR}/${folder}/${name}${CMAKE_EXECUTABLE_SUFFIX})
endfunction()

# The nested build of every program marked shipped, with this build's TARVELL_ options.
# Target "shipped" builds it (part of the default build).
function(tarvell_add_shipped_build)
    get_property(programs GLOBAL PROPERTY TARVELL_SHIPPED_PROGRAMS)
    get_cmake_property(variables CACHE_VARIABLES)
    list(FILTER variables INCLUDE REGEX "^TARVELL_")
    list(REMOVE_ITEM variables TARVELL_TESTS TARVELL_SHIPPED_BUILD)
    set(options -DTARVELL_SHIPPED_BUILD=ON -DTARVELL_TESTS=OFF)
    foreach(variable IN LISTS variables)
        list(APPEND options -D${variable}=${${variable}})
    endforeach()
    if(CMAKE_GENERATOR MATCHES "Make")
        # Shares the caller's -j job slots. The first step regenerates the nested
        # build when a CMakeLists changed, so a program added since is known to it.
        set(build_command $(MAKE) cmake_check_build_system COMMAND $(MAKE) ${programs})
    else()
        set(build_command ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${programs})
    endif()
    include(ExternalProject)
    ExternalProject_Add(shipped
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${TARVELL_SHIPPED_DIR}
        PREFIX ${CMAKE_BINARY_DIR}/shipped-steps
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-i686-win32.cmake
                   -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} ${options}
        BUILD_COMMAND ${build_command}
        BUILD_ALWAYS ON
        INSTALL_COMMAND "")
endfunction()
