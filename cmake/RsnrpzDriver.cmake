# Libraries that stand in the NRP-Z driver's place (the simulated sensor,
# the scripted test driver) share one file name, rsnrpz_32, and one set of
# undecorated exports.

set(RSNRPZ_HEADER_DIR ${PROJECT_SOURCE_DIR}/PowerMeter/RohdeSchwarzNRPZ)
set(RSNRPZ_EXPORTS_DIR ${RSNRPZ_HEADER_DIR}/driver)

# rsnrpz_add_driver_library(<target> OUTPUT_DIRECTORY <dir> SOURCES <src>...)
function(rsnrpz_add_driver_library target)
    cmake_parse_arguments(ARG "" "OUTPUT_DIRECTORY" "SOURCES" ${ARGN})
    add_library(${target} SHARED ${ARG_SOURCES})
    target_include_directories(${target} PRIVATE ${RSNRPZ_HEADER_DIR})
    target_compile_definitions(${target} PRIVATE RSNRPZ_IMPLEMENTATION)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME rsnrpz_32
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    if(ARG_OUTPUT_DIRECTORY)
        set_target_properties(${target} PROPERTIES
            LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY}
            RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
    endif()
    if(WIN32)
        # rsnrpz_32.dll: the module-definition file names the exports,
        # --kill-at drops the @N of __stdcall from them.
        target_sources(${target} PRIVATE ${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.def)
        target_link_options(${target} PRIVATE "LINKER:--kill-at")
        set_target_properties(${target} PROPERTIES PREFIX "")
        # The import library ld writes beside a --kill-at DLL lacks the @N
        # that callers ask for: put one made from the .def in its place, so
        # that programs can link the target itself.
        add_custom_command(TARGET ${target} POST_BUILD
            COMMAND ${CMAKE_DLLTOOL} -k -d ${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.def
                -D $<TARGET_FILE_NAME:${target}> -l $<TARGET_LINKER_FILE:${target}>
            VERBATIM)
    else()
        target_link_options(${target} PRIVATE
            "LINKER:--version-script=${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.map")
        set_property(TARGET ${target} APPEND PROPERTY
            LINK_DEPENDS "${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.map")
    endif()
endfunction()

# What the plug-in links against: any library with the driver's file name.
add_library(rsnrpz_32_driver INTERFACE)
if(WIN32)
    # An import library made from our own module-definition file, so that
    # the plug-in imports the undecorated names from rsnrpz_32.dll whoever
    # built it. (The one ld writes beside a --kill-at DLL keeps the @N and
    # does not link.)
    set(RSNRPZ_IMPORT_LIBRARY ${PROJECT_BINARY_DIR}/driver/librsnrpz_32.dll.a)
    add_custom_command(OUTPUT ${RSNRPZ_IMPORT_LIBRARY}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/driver
        COMMAND ${CMAKE_DLLTOOL} -k -d ${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.def -l ${RSNRPZ_IMPORT_LIBRARY}
        DEPENDS ${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.def
        COMMENT "Making the import library for rsnrpz_32.dll"
        VERBATIM)
    add_custom_target(rsnrpz_32_import_library DEPENDS ${RSNRPZ_IMPORT_LIBRARY})
    target_link_libraries(rsnrpz_32_driver INTERFACE ${RSNRPZ_IMPORT_LIBRARY})
    add_dependencies(rsnrpz_32_driver rsnrpz_32_import_library)
else()
    # The simulated sensor, which carries the soname librsnrpz_32.so.
    target_link_libraries(rsnrpz_32_driver INTERFACE rsnrpz_32)
endif()
