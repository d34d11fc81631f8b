# Fails unless LIBRARY's dynamic symbol table defines exactly the functions of cim_service.h.
set(expected
  cim_connect_server cim_create_locator cim_get_object cim_get_property cim_live_objects
  cim_release_locator cim_release_object cim_release_services cim_set_proxy_blanket)
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
  OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(exported)
foreach(line IN LISTS lines)
  # "0000000000001234 T name" (names may carry a version, "name@@VERS")
  if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] ([^@ ]+)")
    list(APPEND exported ${CMAKE_MATCH_1})
  endif()
endforeach()
list(SORT exported)
list(REMOVE_DUPLICATES exported)
if(NOT exported STREQUAL expected)
  message(FATAL_ERROR "exported: ${exported}\nexpected: ${expected}")
endif()
