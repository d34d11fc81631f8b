# How the Windows tests run under Wine.
#
# veltra_wine_test(<test> [<service>]), called right after add_test in the test's directory:
# a 32-bit program on a Linux kernel without 32-bit support cannot run under Wine; the wrapper
# (cmake/toolchains/wine-run.sh) then says so and fails, and CTest reports the test as skipped.
#
# The Windows tests read WMI from one of three services that the test Wine prefix can have
# registered as the WbemLocator class: `test` (our test WMI service), `wine` (Wine's own) or
# `none`. The registration is the prefix's, so tests that need different services cannot
# overlap: each test names the service it needs, and CTest runs them in runs of one service, a
# test that switches the registration at the start of each run, and one that puts Wine's own
# back at the end. Runs are chained by DEPENDS, so the order holds even with ctest -j; a test run
# alone (ctest -R) still gets its switch as a fixture.
set(VELTRA_WMI_SELECT_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/select_wmi.cmake)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELTRA_WMI_VIEW 64)
else()
  set(VELTRA_WMI_VIEW 32)
endif()
set_property(GLOBAL PROPERTY VELTRA_WMI_SERVICE "")
set_property(GLOBAL PROPERTY VELTRA_WMI_RUN_TESTS "")
set_property(GLOBAL PROPERTY VELTRA_WMI_RUN_COUNT 0)
set_property(GLOBAL PROPERTY VELTRA_WMI_FIXTURES "")

function(veltra_wmi_switch_test name service)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR} -DVIEW=${VELTRA_WMI_VIEW}
            -DSERVICE=${service} -DSERVER=$<TARGET_FILE:veltra_test_wmi>
            -P ${VELTRA_WMI_SELECT_SCRIPT})
  get_property(previous GLOBAL PROPERTY VELTRA_WMI_RUN_TESTS)
  if(previous)
    set_tests_properties(${name} PROPERTIES DEPENDS "${previous}")
  endif()
endfunction()

function(veltra_wine_test test)
  set_tests_properties(${test} PROPERTIES SKIP_REGULAR_EXPRESSION "veltra-wine: SKIPPED")
  if(ARGC GREATER 1)
    veltra_wmi_test(${test} ${ARGV1})
  endif()
endfunction()

# Marks `test` (added just before, in the current directory) as needing WMI service `service`.
function(veltra_wmi_test test service)
  get_property(current GLOBAL PROPERTY VELTRA_WMI_SERVICE)
  get_property(count GLOBAL PROPERTY VELTRA_WMI_RUN_COUNT)
  set(switch wmi_use_${service}_${count})
  if(NOT service STREQUAL current)
    math(EXPR count "${count} + 1")
    set(switch wmi_use_${service}_${count})
    veltra_wmi_switch_test(${switch} ${service})
    set_tests_properties(${switch} PROPERTIES FIXTURES_SETUP ${switch}
      SKIP_REGULAR_EXPRESSION "veltra-wine: SKIPPED")
    set_property(GLOBAL PROPERTY VELTRA_WMI_SERVICE ${service})
    set_property(GLOBAL PROPERTY VELTRA_WMI_RUN_COUNT ${count})
    set_property(GLOBAL PROPERTY VELTRA_WMI_RUN_TESTS ${switch})
    set_property(GLOBAL APPEND PROPERTY VELTRA_WMI_FIXTURES ${switch})
  endif()
  # A suite that finds another registration skips itself; here that would hide a broken switch.
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED ${switch} DEPENDS ${switch}
    FAIL_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  set_property(GLOBAL APPEND PROPERTY VELTRA_WMI_RUN_TESTS ${test})
endfunction()

# After every test has been added: puts Wine's own WMI back, so that the prefix is left as Wine
# made it (and `wine veltra-probe.exe` shows Wine's answer).
function(veltra_wmi_restore)
  veltra_wmi_switch_test(wmi_restore_wine wine)
  set_tests_properties(wmi_restore_wine PROPERTIES SKIP_REGULAR_EXPRESSION "veltra-wine: SKIPPED")
  get_property(fixtures GLOBAL PROPERTY VELTRA_WMI_FIXTURES)
  if(fixtures)
    set_tests_properties(wmi_restore_wine PROPERTIES FIXTURES_CLEANUP "${fixtures}")
  endif()
endfunction()
