# Tests of the main window.
spatium_add_gtest(test_main_window
  ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp QT)
spatium_add_gtest(test_view_controls
  ${CMAKE_CURRENT_LIST_DIR}/test_view_controls.cpp QT)
