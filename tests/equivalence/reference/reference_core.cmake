# The reference conversion core: every source of the real core but its buffer store, the
# name-list passes and the declaration rewriting, taken from the real targets so that new pass
# files join automatically, plus the plain-string store, the passes that search the whole text
# once per name and the rewriting that edits its string in place for every replacement.
# Sets `out_var` to the source list; the target's include directories must name
# `veldrane_reference_dir` before the project's own.
set(veldrane_reference_dir ${CMAKE_CURRENT_LIST_DIR})
function(veldrane_reference_core_sources out_var)
  file(GLOB sources ${veldrane_reference_dir}/*/*.cpp)
  foreach(target veldrane_buffer veldrane_core veldrane_passes)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(target_sources ${target} SOURCES)
    foreach(source ${target_sources})
      if(NOT source MATCHES "(source_buffer|unit_search|routine_calls|array_subscripts|declaration_rewriting)\\.cpp$")
        list(APPEND sources ${dir}/${source})
      endif()
    endforeach()
  endforeach()
  set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
