# A migrated fixture project builds with lazbuild from its .lpi and starts.
find_program(LAZBUILD_EXECUTABLE lazbuild)
find_program(XVFB_RUN xvfb-run)
if(LAZBUILD_EXECUTABLE AND XVFB_RUN)
  add_test(NAME project_lazbuild_fixture_forms
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/build_with_lazbuild.sh $<TARGET_FILE:veldrane-convert> ${LAZBUILD_EXECUTABLE}
            ${XVFB_RUN} ${CMAKE_CURRENT_LIST_DIR}/data/forms/FixtureForms.vbp ${CMAKE_CURRENT_BINARY_DIR}/lazbuild_fixture_forms)
  set_tests_properties(project_lazbuild_fixture_forms PROPERTIES RUN_SERIAL TRUE)
else()
  message(STATUS "lazbuild test not registered: needs lazbuild (Debian: lcl-utils-2.2) and xvfb-run")
endif()
