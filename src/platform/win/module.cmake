# The shipped module on Windows: veltra.dll, exporting the eleven entry points by plain name and
# importing KALDOR32.dll by ordinal only. Included by src/CMakeLists.txt.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VELTRA_ARCHITECTURE x64)
  set(dlltool_machine i386:x86-64)
else()
  set(VELTRA_ARCHITECTURE x86)
  set(dlltool_machine i386)
endif()

# The host's text library, imported by ordinal: an import library made from the same .def that
# the stand-in KALDOR32.dll is built from, where the calls have ordinals and no names.
set(kaldor32_def ${PROJECT_SOURCE_DIR}/standins/kaldor32/kaldor32_${VELTRA_ARCHITECTURE}.def)
set(kaldor32_implib ${CMAKE_CURRENT_BINARY_DIR}/libkaldor32_ordinals.a)
add_custom_command(OUTPUT ${kaldor32_implib}
  COMMAND ${CMAKE_DLLTOOL} -m ${dlltool_machine} -d ${kaldor32_def} -l ${kaldor32_implib}
  DEPENDS ${kaldor32_def}
  COMMENT "Import library of KALDOR32.dll by ordinal"
  VERBATIM)
add_custom_target(kaldor32_ordinals_implib DEPENDS ${kaldor32_implib})
add_library(kaldor32_ordinals UNKNOWN IMPORTED)
set_target_properties(kaldor32_ordinals PROPERTIES
  IMPORTED_LOCATION ${kaldor32_implib}
  INTERFACE_INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/standins/kaldor32)
add_dependencies(kaldor32_ordinals kaldor32_ordinals_implib)

# COM and WMI. wbemuuid supplies CLSID_WbemLocator and IID_IWbemLocator.
target_link_libraries(veltra_objects PUBLIC kaldor32_ordinals ole32 oleaut32 wbemuuid)

configure_file(${CMAKE_CURRENT_SOURCE_DIR}/resources/veltra_version.h.in
  ${CMAKE_CURRENT_BINARY_DIR}/generated/veltra_version.h @ONLY)

add_library(veltra SHARED
  platform/win/module_entry.cpp
  plugin/exports.def
  resources/veltra.rc
  resources/version.rc)
target_link_libraries(veltra PRIVATE veltra_objects)
target_include_directories(veltra PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/generated)
set_target_properties(veltra PROPERTIES PREFIX "" OUTPUT_NAME veltra)
veltra_warnings(veltra)

include(${PROJECT_SOURCE_DIR}/packaging/windows_install.cmake)
