# What the Windows release package holds, installed from each Windows build: that build's
# veltra.dll under x64/ or x86/, and, from the x64 build, the probe with the stand-in KALDOR32 it
# needs, the host header, the sample MOF file and the install note. tools/package.sh makes the
# zip from both builds with the CPack configuration written here.
install(FILES $<TARGET_FILE:veltra> DESTINATION ${VELTRA_ARCHITECTURE})

if(VELTRA_ARCHITECTURE STREQUAL "x64")
  install(FILES $<TARGET_FILE:veltra-probe> $<TARGET_FILE:kaldor32> DESTINATION probe)
  install(FILES ${PROJECT_SOURCE_DIR}/include/veltra/veltra.h DESTINATION include/veltra)
  install(FILES ${PROJECT_SOURCE_DIR}/examples/ups.mof DESTINATION examples)
  set(VELTRA_VERSION ${PROJECT_VERSION})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/INSTALL.txt ${CMAKE_BINARY_DIR}/package/INSTALL.txt
    @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/package/INSTALL.txt DESTINATION .)

  configure_file(${CMAKE_CURRENT_LIST_DIR}/CPackWindows.cmake.in
    ${CMAKE_BINARY_DIR}/CPackWindows.cmake @ONLY)
endif()
