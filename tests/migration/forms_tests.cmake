# Forms: VB6 designer sections to Delphi/Lazarus text form files.
add_executable(forms_tests
  ${CMAKE_CURRENT_LIST_DIR}/vb_values_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dfm_values_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/designer_blocks_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_design_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_events_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dfm_writer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frx_resources_test.cpp
)
target_link_libraries(forms_tests PRIVATE veldrane_migration veldrane_warnings GTest::gmock GTest::gtest_main)
gtest_discover_tests(forms_tests DISCOVERY_TIMEOUT 60)

# Every fixture form, written as a .dfm, loads in Lazarus's LCL with no error.
if(VELDRANE_LCL_FORM_CHECK)
  find_program(XVFB_RUN xvfb-run REQUIRED)
  add_executable(forms_lcl_tests ${CMAKE_CURRENT_LIST_DIR}/lcl_load_test.cpp)
  target_link_libraries(forms_lcl_tests PRIVATE veldrane_migration veldrane_warnings GTest::gtest_main)
  target_compile_definitions(forms_lcl_tests PRIVATE VELDRANE_LCL_FORM_CHECK="${VELDRANE_LCL_FORM_CHECK}"
                             VELDRANE_XVFB_RUN="${XVFB_RUN}"
                             VELDRANE_FORMS_DATA_DIR="${CMAKE_CURRENT_LIST_DIR}/data/forms")
  add_dependencies(forms_lcl_tests lcl_form_check)
  gtest_discover_tests(forms_lcl_tests DISCOVERY_TIMEOUT 60 PROPERTIES RUN_SERIAL TRUE)
endif()
