# Installs the build into PREFIX and checks that the programs, their manual pages, the
# converter's completion, the runtime units and the desktop entry arrive.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE status
                OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
set(expected bin/veldrane-convert share/man/man1/veldrane-convert.1
    share/bash-completion/completions/veldrane-convert share/veldrane/runtime/VrErrors.pas)
if(WITH_UI)
  list(APPEND expected bin/veldrane share/applications/veldrane.desktop share/man/man1/veldrane.1)
endif()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/veldrane-convert --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^veldrane-convert [0-9]+\\.[0-9]+\\.[0-9]+ \\(commit [0-9a-z-]+\\)\n$")
  message(FATAL_ERROR "installed veldrane-convert --version gave ${status}: ${version}")
endif()
