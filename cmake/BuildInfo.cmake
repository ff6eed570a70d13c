# veldrane_build_info: an interface library whose users can include "build_info.h" (the
# version and the commit), regenerated at every build.
set(veldrane_build_info_dir ${CMAKE_BINARY_DIR}/build_info)
add_custom_target(veldrane_build_info_header
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DOUTPUT=${veldrane_build_info_dir}/build_info.h
          -DVERSION=${PROJECT_VERSION} -P ${CMAKE_CURRENT_LIST_DIR}/WriteBuildInfo.cmake
  BYPRODUCTS ${veldrane_build_info_dir}/build_info.h
  COMMENT "Recording the version and commit")
add_library(veldrane_build_info INTERFACE)
target_include_directories(veldrane_build_info INTERFACE ${veldrane_build_info_dir})
add_dependencies(veldrane_build_info veldrane_build_info_header)
