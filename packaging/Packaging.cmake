# Installation layout and the Debian package: the window (when built), the batch converter
# and the window's desktop entry, and the Pascal runtime units translated programs use.
if(TARGET veldrane)
  install(TARGETS veldrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/veldrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endif()

# The Pascal units translated programs use, copied beside them by the translator.
install(FILES ${VELDRANE_RUNTIME_UNITS} DESTINATION ${VELDRANE_RUNTIME_INSTALL_DIR})

set(CPACK_PACKAGE_NAME veldrane)
set(CPACK_PACKAGE_VENDOR "Veldrane developers")
set(CPACK_PACKAGE_CONTACT "Veldrane developers <veldrane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converts Visual Basic 6 source text into Delphi source text")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # Qt 6 and the C++ runtime, from the binaries
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
