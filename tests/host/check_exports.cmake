# Checks that a built module exports exactly the eleven entry points, under their plain names.
#   cmake -DMODULE=<file> -DNM=<nm> -P check_exports.cmake
set(expected
  FreeNodeAttributes FreeNodeList GetNodeAttributes GetNodeList InitNodes NodeConnect
  NodeDisconnect NodeFreeValue NodeGetValue NodePulse TermNodes)

execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${MODULE}")
endif()

string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND exported ${name})
endforeach()
list(SORT exported)

if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exports of ${MODULE}:\n  ${exported}\nexpected:\n  ${expected}")
endif()
message(STATUS "${MODULE} exports exactly the eleven entry points")
