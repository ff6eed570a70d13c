# A migrated fixture project, and a translated one, build with lazbuild from their .lpi and start.
find_program(LAZBUILD_EXECUTABLE lazbuild)
find_program(XVFB_RUN xvfb-run)
if(LAZBUILD_EXECUTABLE AND XVFB_RUN)
  add_test(NAME project_lazbuild_fixture_forms
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/build_with_lazbuild.sh $<TARGET_FILE:veldrane-convert> ${LAZBUILD_EXECUTABLE}
            ${XVFB_RUN} ${CMAKE_CURRENT_LIST_DIR}/data/forms/FixtureForms.vbp ${CMAKE_CURRENT_BINARY_DIR}/lazbuild_fixture_forms)
  add_test(NAME project_lazbuild_translated
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/build_with_lazbuild.sh $<TARGET_FILE:veldrane-convert> ${LAZBUILD_EXECUTABLE}
            ${XVFB_RUN} ${CMAKE_CURRENT_LIST_DIR}/data/projects/translated/Greet.vbp
            ${CMAKE_CURRENT_BINARY_DIR}/lazbuild_translated --translate)
  # Forms translated: each mapped control member, form and event, printed as the program runs.
  add_test(NAME project_lazbuild_translated_forms
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/build_with_lazbuild.sh $<TARGET_FILE:veldrane-convert> ${LAZBUILD_EXECUTABLE}
            ${XVFB_RUN} ${CMAKE_CURRENT_LIST_DIR}/data/projects/translated_forms/Shop.vbp
            ${CMAKE_CURRENT_BINARY_DIR}/lazbuild_translated_forms --translate
            ${CMAKE_CURRENT_LIST_DIR}/data/projects/translated_forms/Shop.expected)
  set_tests_properties(project_lazbuild_fixture_forms project_lazbuild_translated project_lazbuild_translated_forms
                       PROPERTIES RUN_SERIAL TRUE)
else()
  message(STATUS "lazbuild test not registered: needs lazbuild (Debian: lcl-utils-2.2) and xvfb-run")
endif()
