cmake_minimum_required(VERSION 3.25)

# Reads a DLL's export and import tables with objdump and fails on any
# name missing from or added to the expected ones.
#
#   cmake -DOBJDUMP=<objdump> -DIMAGE=<dll> -DEXPORTS=<list file>
#         -DDLLS=<dll>,<dll>... [-DIMPORTS_FROM=<dll> -DIMPORTS=<list file>]
#         [-DFORBIDDEN=<list file>] -P CheckDllTables.cmake
#
# List files hold one name a line; lines starting with # are comments.
# DLL names compare without regard to case, as Windows loads them.

function(read_names file out)
    file(STRINGS ${file} lines)
    set(names)
    foreach(line IN LISTS lines)
        string(STRIP "${line}" line)
        if(line AND NOT line MATCHES "^#")
            list(APPEND names "${line}")
        endif()
    endforeach()
    list(SORT names)
    set(${out} "${names}" PARENT_SCOPE)
endfunction()

# Appends to `failures` what is in `expected` and not in `actual`, and the
# other way round.
function(compare_names what expected actual)
    set(missing ${expected})
    set(extra ${actual})
    if(actual)
        list(REMOVE_ITEM missing ${actual})
    endif()
    if(expected)
        list(REMOVE_ITEM extra ${expected})
    endif()
    if(missing)
        list(JOIN missing " " text)
        list(APPEND failures "${what}: missing ${text}")
    endif()
    if(extra)
        list(JOIN extra " " text)
        list(APPEND failures "${what}: unexpected ${text}")
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

foreach(required OBJDUMP IMAGE EXPORTS DLLS)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "CheckDllTables.cmake needs -D${required}=...")
    endif()
endforeach()

execute_process(COMMAND ${OBJDUMP} -p ${IMAGE}
    OUTPUT_VARIABLE dump ERROR_VARIABLE dump_error RESULT_VARIABLE dump_result)
if(NOT dump_result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${IMAGE} failed: ${dump_error}")
endif()
string(REPLACE ";" "\\;" dump "${dump}")
string(REPLACE "\n" ";" dump_lines "${dump}")

# Export names: "\t[   0] EquipmentName" after "[Ordinal/Name Pointer] Table".
# Imports: "\tDLL Name: msvcrt.dll", then "\t<vma>\t <hint>  <name>" lines
# up to a blank line.
set(exports)
set(dlls)
set(imports_from_checked)
set(all_imports)
set(section "")
set(current_dll "")
# The DLL whose imports are listed name by name; no DLL name is empty.
set(checked_dll "")
if(DEFINED IMPORTS_FROM)
    string(TOLOWER "${IMPORTS_FROM}" checked_dll)
endif()
foreach(line IN LISTS dump_lines)
    if(line MATCHES "^\\[Ordinal/Name Pointer\\] Table")
        set(section exports)
    elseif(line MATCHES "^[ \t]*DLL Name: (.+)$")
        set(section imports)
        string(STRIP "${CMAKE_MATCH_1}" current_dll)
        string(TOLOWER "${current_dll}" current_dll)
        list(APPEND dlls "${current_dll}")
    elseif(line MATCHES "^[ \t]*$")
        set(section "")
    elseif(section STREQUAL "exports" AND line MATCHES "^[ \t]*\\[ *[0-9]+\\] (.+)$")
        string(STRIP "${CMAKE_MATCH_1}" name)
        list(APPEND exports "${name}")
    elseif(section STREQUAL "imports" AND line MATCHES "^[ \t]*[0-9a-fA-F]+[ \t]+[0-9]+[ \t]+([^ \t]+)")
        set(name "${CMAKE_MATCH_1}")
        list(APPEND all_imports "${name}")
        if(current_dll STREQUAL checked_dll)
            list(APPEND imports_from_checked "${name}")
        endif()
    elseif(section STREQUAL "imports" AND line MATCHES "^[ \t]*[0-9a-fA-F]+[ \t]+<none>[ \t]+([0-9a-fA-F]+)")
        # Imported by ordinal: no name to check, so never expected.
        list(APPEND all_imports "${current_dll}:ordinal-${CMAKE_MATCH_1}")
        if(current_dll STREQUAL checked_dll)
            list(APPEND imports_from_checked "ordinal-${CMAKE_MATCH_1}")
        endif()
    endif()
endforeach()
list(SORT exports)
list(SORT dlls)
list(SORT imports_from_checked)

get_filename_component(image_name ${IMAGE} NAME)
set(failures)

read_names(${EXPORTS} expected_exports)
compare_names("${image_name} exports" "${expected_exports}" "${exports}")

string(TOLOWER "${DLLS}" expected_dlls)
string(REPLACE "," ";" expected_dlls "${expected_dlls}")
list(SORT expected_dlls)
compare_names("${image_name} imports DLLs" "${expected_dlls}" "${dlls}")

if(DEFINED IMPORTS_FROM)
    read_names(${IMPORTS} expected_imports)
    compare_names("${image_name} imports from ${IMPORTS_FROM}" "${expected_imports}" "${imports_from_checked}")
endif()

if(DEFINED FORBIDDEN)
    read_names(${FORBIDDEN} forbidden)
    set(found)
    foreach(name IN LISTS forbidden)
        if(name IN_LIST all_imports)
            list(APPEND found "${name}")
        endif()
    endforeach()
    if(found)
        list(JOIN found " " text)
        list(APPEND failures "${image_name} imports heap allocation: ${text}")
    endif()
endif()

list(LENGTH exports export_count)
list(JOIN dlls " " dll_text)
list(JOIN all_imports " " import_text)
message(STATUS "${image_name}: ${export_count} exports; imports from ${dll_text}: ${import_text}")
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "\n  ${text}")
endif()
