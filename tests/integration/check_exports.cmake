# Fails unless the library's dynamic symbol table defines exactly the
# fourteen entry points. Run as: cmake -DNM=<nm> -DLIBRARY=<file> -P check_exports.cmake
set(expected
    EquipmentName EquipmentSetup PowerMeterDurationMaximum PowerMeterDurationMinimum
    PowerMeterDurationSet PowerMeterFrequencyMaximum PowerMeterFrequencyMinimum
    PowerMeterFrequencySet PowerMeterModel PowerMeterPower PowerMeterPowerLevelSet
    PowerMeterPowerMaximum PowerMeterPowerMinimum PowerMeterReset)

execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
    OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${NM} could not read ${LIBRARY}")
endif()

string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^ ]+)$")
        list(APPEND exported ${CMAKE_MATCH_1})
    endif()
endforeach()
list(SORT exported)

if(NOT exported STREQUAL expected)
    set(extra ${exported})
    list(REMOVE_ITEM extra ${expected})
    set(missing ${expected})
    list(REMOVE_ITEM missing ${exported})
    message(FATAL_ERROR "exports differ\n  missing: ${missing}\n  extra: ${extra}")
endif()
message(STATUS "exactly the fourteen entry points are exported")
