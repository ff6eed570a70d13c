# Compiles one Pascal test program against the runtime units (UNITS: folders separated by |) into
# OUT and runs it there with ARGS (separated by |): it must end with EXIT_CODE (0 unless given) and,
# with EXPECT, print what matches that regular expression.
string(REPLACE "|" ";" unit_dirs "${UNITS}")
string(REPLACE "|" ";" extra_flags "${FLAGS}")
set(unit_options)
foreach(dir ${unit_dirs})
  list(APPEND unit_options -Fu${dir})
endforeach()
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/units ${OUT}/work)
execute_process(
  COMMAND ${FPC} -Mdelphiunicode -Sh -O1 ${extra_flags} ${unit_options} -FE${OUT} -FU${OUT}/units ${SOURCE}
  RESULT_VARIABLE compiled OUTPUT_VARIABLE compile_output ERROR_VARIABLE compile_output)
if(NOT compiled EQUAL 0)
  message(FATAL_ERROR "fpc failed on ${SOURCE}:\n${compile_output}")
endif()
if(COMPILE_ONLY)
  return()
endif()
get_filename_component(program ${SOURCE} NAME_WE)
if(NOT DEFINED EXIT_CODE)
  set(EXIT_CODE 0)
endif()
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${OUT}/${program} ${arguments} WORKING_DIRECTORY ${OUT}/work RESULT_VARIABLE ran
  OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT ran EQUAL EXIT_CODE)
  message(FATAL_ERROR "${program} failed (exit ${ran}, not ${EXIT_CODE})")
endif()
if(DEFINED EXPECT AND NOT output MATCHES "${EXPECT}")
  message(FATAL_ERROR "${program}'s output does not match ${EXPECT}")
endif()
