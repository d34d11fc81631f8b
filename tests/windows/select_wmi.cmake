# Registers one kind of WMI service as the WbemLocator class in the test Wine prefix, in the
# registry view of one architecture (64-bit programs and 32-bit programs each see their own).
#   cmake -DEMULATOR=<wine-run.sh> -DVIEW=64|32 -DSERVICE=test|wine|none [-DSERVER=<dll>]
#         -P select_wmi.cmake
#   test: our test WMI service, SERVER; wine: Wine's own; none: no in-process server at all.
cmake_minimum_required(VERSION 3.25)

set(key "HKLM\\Software\\Classes\\CLSID\\{4590F811-1D3A-11D0-891F-00AA004B2E24}\\InprocServer32")

function(reg)
  execute_process(COMMAND ${EMULATOR} reg ${ARGN} /reg:${VIEW}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  set(reg_status ${status} PARENT_SCOPE)
  set(reg_output "${out}${err}" PARENT_SCOPE)
endfunction()

function(register path)
  reg(add ${key} /ve /t REG_SZ /d "${path}" /f)
  if(NOT reg_status EQUAL 0)
    message(FATAL_ERROR "reg add failed (${reg_status}): ${reg_output}")
  endif()
  reg(add ${key} /v ThreadingModel /t REG_SZ /d Both /f)
  if(NOT reg_status EQUAL 0)
    message(FATAL_ERROR "reg add failed (${reg_status}): ${reg_output}")
  endif()
endfunction()

if(SERVICE STREQUAL "test")
  # Wine sees the Linux file system as drive Z:.
  string(REPLACE "/" "\\" server "Z:${SERVER}")
  register("${server}")
elseif(SERVICE STREQUAL "wine")
  register("C:\\windows\\system32\\wbem\\wbemprox.dll")
elseif(SERVICE STREQUAL "none")
  reg(delete ${key} /f)  # fails harmlessly when it is already gone
else()
  message(FATAL_ERROR "SERVICE must be test, wine or none")
endif()

reg(query ${key})
message(STATUS "WbemLocator (${VIEW}-bit view) now: ${SERVICE}\n${reg_output}")
if(SERVICE STREQUAL "none" AND reg_status EQUAL 0)
  message(FATAL_ERROR "the in-process server of WbemLocator is still registered")
endif()
