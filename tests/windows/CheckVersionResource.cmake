cmake_minimum_required(VERSION 3.25)

# Reads a DLL's version resource back with windres and fails unless it
# names the product and carries the version.
#
#   cmake -DRC_COMPILER=<windres> -DIMAGE=<dll> -DPRODUCT_NAME=<name>
#         -DDESCRIPTION=<text> -DVERSION=<a.b.c> -P CheckVersionResource.cmake

execute_process(COMMAND ${RC_COMPILER} -J coff -i ${IMAGE} -O rc
    OUTPUT_VARIABLE resource ERROR_VARIABLE rc_error RESULT_VARIABLE rc_result)
if(NOT rc_result EQUAL 0)
    message(FATAL_ERROR "${RC_COMPILER} could not read ${IMAGE}: ${rc_error}")
endif()

string(REPLACE "." ", " numbers "${VERSION}")
set(expected
    "FILEVERSION ${numbers}, 0"
    "PRODUCTVERSION ${numbers}, 0"
    "VALUE \"ProductName\", \"${PRODUCT_NAME}\""
    "VALUE \"FileDescription\", \"${DESCRIPTION}\""
    "VALUE \"FileVersion\", \"${VERSION}\""
    "VALUE \"ProductVersion\", \"${VERSION}\""
    "VALUE \"OriginalFilename\", \"RohdeSchwarzNRPZ.dll\"")
set(missing)
foreach(text IN LISTS expected)
    string(FIND "${resource}" "${text}" at)
    if(at EQUAL -1)
        list(APPEND missing "${text}")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " text)
    message(FATAL_ERROR "The version resource of ${IMAGE} lacks:\n  ${text}\nIt holds:\n${resource}")
endif()
message(STATUS "Version resource of ${IMAGE}: ${PRODUCT_NAME} ${VERSION}")
