# Project: .vbp files to Delphi projects (paths, units around the exact conversion, .dpr, report).
add_executable(project_tests
  ${CMAKE_CURRENT_LIST_DIR}/vbp_paths_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/source_scan_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dpr_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_units_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/project_code_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vb_declarations_test.cpp
)
target_link_libraries(project_tests PRIVATE veldrane_migration veldrane_test_fixtures veldrane_warnings GTest::gtest_main)
target_compile_definitions(project_tests PRIVATE
                           VELDRANE_PROJECTS_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data/projects")
gtest_discover_tests(project_tests DISCOVERY_TIMEOUT 60)

# veldrane-convert run on fixture projects in temporary directories.
add_executable(project_cli_tests ${CMAKE_CURRENT_LIST_DIR}/project_cli_test.cpp)
target_link_libraries(project_cli_tests PRIVATE Qt6::Core veldrane_test_fixtures veldrane_warnings GTest::gtest_main)
target_compile_definitions(project_cli_tests PRIVATE VELDRANE_CONVERT="$<TARGET_FILE:veldrane-convert>"
                           VELDRANE_PROJECTS_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data/projects")
add_dependencies(project_cli_tests veldrane-convert)
gtest_discover_tests(project_cli_tests DISCOVERY_TIMEOUT 60)

# Every form of the fixture projects, migrated, loads in Lazarus's LCL (the forms' checker).
if(VELDRANE_LCL_FORM_CHECK)
  find_program(XVFB_RUN xvfb-run REQUIRED)
  add_executable(project_lcl_tests ${CMAKE_CURRENT_LIST_DIR}/project_lcl_test.cpp)
  target_link_libraries(project_lcl_tests PRIVATE veldrane_migration veldrane_warnings GTest::gtest_main)
  target_compile_definitions(project_lcl_tests PRIVATE VELDRANE_LCL_FORM_CHECK="${VELDRANE_LCL_FORM_CHECK}"
                             VELDRANE_XVFB_RUN="${XVFB_RUN}"
                             VELDRANE_PROJECTS_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data/projects")
  add_dependencies(project_lcl_tests lcl_form_check)
  gtest_discover_tests(project_lcl_tests DISCOVERY_TIMEOUT 60 PROPERTIES RUN_SERIAL TRUE)

  # The skeleton of every fixture project (statement bodies left out) compiles with Free Pascal
  # in Delphi mode against the LCL.
  add_executable(project_compile_tests ${CMAKE_CURRENT_LIST_DIR}/project_compile_test.cpp)
  target_link_libraries(project_compile_tests PRIVATE veldrane_migration veldrane_warnings GTest::gtest_main)
  string(REPLACE ";" "|" lcl_unit_dirs "${VELDRANE_LCL_UNIT_DIRS}")
  target_compile_definitions(project_compile_tests PRIVATE VELDRANE_FPC="${VELDRANE_FPC}"
                             VELDRANE_LCL_UNIT_DIRS="${lcl_unit_dirs}"
                             VELDRANE_PROJECTS_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data/projects")
  gtest_discover_tests(project_compile_tests DISCOVERY_TIMEOUT 60)
endif()
