# Runs the probe and checks its exit status and output.
#   cmake -DPROBE=<exe> [-DEMULATOR=<wine wrapper>] [-DARGS=a;b] [-DREPOSITORY=<file>|NONE]
#         -DSTATUS=<n> [-DEXPECT=<regex>] [-DREJECT=<regex>] -P run_probe.cmake
if(DEFINED REPOSITORY)
  if(REPOSITORY STREQUAL "NONE")
    set(ENV{VELTRA_CIM_REPOSITORY} "${CMAKE_CURRENT_LIST_DIR}/no-such-repository.mof")
  else()
    set(ENV{VELTRA_CIM_REPOSITORY} "${REPOSITORY}")
  endif()
endif()

execute_process(COMMAND ${EMULATOR} ${PROBE} ${ARGS}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 120)
message(STATUS "veltra-probe ${ARGS} exited ${status}\n${out}${err}")

if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "expected exit status ${STATUS}, got ${status}")
endif()
if(DEFINED EXPECT AND NOT "${out}${err}" MATCHES "${EXPECT}")
  message(FATAL_ERROR "output does not match: ${EXPECT}")
endif()
if(DEFINED REJECT AND "${out}${err}" MATCHES "${REJECT}")
  message(FATAL_ERROR "output matches what it must not: ${REJECT}")
endif()
