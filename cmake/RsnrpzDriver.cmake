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
        set_target_properties(${target} PROPERTIES PREFIX "")
    else()
        target_link_options(${target} PRIVATE
            "LINKER:--version-script=${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.map")
        set_property(TARGET ${target} APPEND PROPERTY
            LINK_DEPENDS "${RSNRPZ_EXPORTS_DIR}/rsnrpz_32.map")
    endif()
endfunction()

# What the plug-in links against: any library with the driver's file name.
# Here that is the simulated sensor, which carries the soname librsnrpz_32.so.
add_library(rsnrpz_32_driver INTERFACE)
target_link_libraries(rsnrpz_32_driver INTERFACE rsnrpz_32)
