# Run at every build (cmake -P): writes build_info.h with the version and the commit the
# sources were built from, touching the file only when its text changes.
#   -DSOURCE_DIR=... -DOUTPUT=... -DVERSION=...
execute_process(
  COMMAND git -C "${SOURCE_DIR}" rev-parse --short=12 HEAD
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR commit STREQUAL "")
  set(commit "unknown")
else()
  execute_process(
    COMMAND git -C "${SOURCE_DIR}" status --porcelain --untracked-files=no
    OUTPUT_VARIABLE changes OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT changes STREQUAL "")
    string(APPEND commit "-modified")
  endif()
endif()
set(text "#pragma once\n\n// Written by cmake/WriteBuildInfo.cmake at build time.\n#define VELDRANE_VERSION \"${VERSION}\"\n#define VELDRANE_COMMIT \"${commit}\"\n")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUTPUT}" "${text}")
endif()
