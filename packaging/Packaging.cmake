# Installation layout and the Debian package: the window (when built), the batch converter,
# their manual pages, the converter's bash completion, the window's desktop entry and the
# Pascal runtime units translated programs use.
if(TARGET veldrane)
  install(TARGETS veldrane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/veldrane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/veldrane.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET veldrane-convert)
  # The manual page is help2man's reading of --help and --version; the completion script is
  # printed from the option table. Both are made at build time, so they follow the options.
  find_program(HELP2MAN help2man REQUIRED)
  set(veldrane_generated ${CMAKE_BINARY_DIR}/packaging)
  add_custom_command(
    OUTPUT ${veldrane_generated}/veldrane-convert.1
    COMMAND ${CMAKE_COMMAND} -E make_directory ${veldrane_generated}
    COMMAND ${HELP2MAN} --no-info --section=1 --source=Veldrane
            "--name=convert Visual Basic 6 source into Delphi source"
            --output=${veldrane_generated}/veldrane-convert.1 $<TARGET_FILE:veldrane-convert>
    DEPENDS veldrane-convert
    COMMENT "Writing the manual page of veldrane-convert")
  add_custom_command(
    OUTPUT ${veldrane_generated}/veldrane-convert.bash
    COMMAND ${CMAKE_COMMAND} -E make_directory ${veldrane_generated}
    COMMAND veldrane-completion > ${veldrane_generated}/veldrane-convert.bash
    DEPENDS veldrane-completion
    COMMENT "Writing the bash completion of veldrane-convert")
  add_custom_target(veldrane_convert_docs ALL
    DEPENDS ${veldrane_generated}/veldrane-convert.1 ${veldrane_generated}/veldrane-convert.bash)
  install(FILES ${veldrane_generated}/veldrane-convert.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${veldrane_generated}/veldrane-convert.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
          RENAME veldrane-convert)
endif()

# The Pascal units translated programs use, copied beside them by the translator.
install(FILES ${VELDRANE_RUNTIME_UNITS} DESTINATION ${VELDRANE_RUNTIME_INSTALL_DIR})

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
