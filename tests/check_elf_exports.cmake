# Fails unless a shared library's dynamic symbol table defines exactly the names expected.
#   cmake -DNM=<nm> -DLIBRARY=<file> -DEXPECTED=name,name,... -P check_elf_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
  # "0000000000001234 T name" (a name may carry a version, "name@@VERS")
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^@ ]+)")
    list(APPEND exported ${CMAKE_MATCH_1})
  endif()
endforeach()
list(SORT exported)
list(REMOVE_DUPLICATES exported)
string(REPLACE "," ";" expected "${EXPECTED}")
list(SORT expected)

if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} exports:\n  ${exported}\nexpected:\n  ${expected}")
endif()
message(STATUS "${LIBRARY} exports exactly: ${exported}")
