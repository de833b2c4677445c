# Tests of the main window.
spatium_add_gtest(test_main_window
  ${CMAKE_CURRENT_LIST_DIR}/test_main_window.cpp QT)
spatium_add_gtest(test_view_controls
  ${CMAKE_CURRENT_LIST_DIR}/test_view_controls.cpp QT)
spatium_add_gtest(test_mouse_modes
  ${CMAKE_CURRENT_LIST_DIR}/test_mouse_modes.cpp QT)
# The clipboard test needs a real X server, where another process (xclip)
# reads the clipboard: it runs only under a virtual X server.
add_executable(test_clipboard_x11 ${CMAKE_CURRENT_LIST_DIR}/test_clipboard_x11.cpp
  ${CMAKE_SOURCE_DIR}/tests/qt_gtest_main.cpp)
target_link_libraries(test_clipboard_x11 PRIVATE spatium_gui Qt6::Test GTest::gtest)
target_include_directories(test_clipboard_x11 PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_test(NAME ClipboardX11.UnderXvfb
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_xvfb.sh $<TARGET_FILE:test_clipboard_x11>)
set_tests_properties(ClipboardX11.UnderXvfb PROPERTIES TIMEOUT 60)
spatium_add_gtest(test_font_dialog
  ${CMAKE_CURRENT_LIST_DIR}/test_font_dialog.cpp QT)
spatium_add_gtest(test_window_wiring
  ${CMAKE_CURRENT_LIST_DIR}/test_window_wiring.cpp QT)
# The picture on a high-resolution screen: a virtual X server of 2560 x 1600
# at QT_SCALE_FACTOR=2 (a device pixel ratio of 2).
add_executable(test_high_dpi_x11 ${CMAKE_CURRENT_LIST_DIR}/test_high_dpi_x11.cpp
  ${CMAKE_SOURCE_DIR}/tests/qt_gtest_main.cpp)
target_link_libraries(test_high_dpi_x11 PRIVATE spatium_gui Qt6::Test GTest::gtest)
target_include_directories(test_high_dpi_x11 PRIVATE ${CMAKE_SOURCE_DIR}/tests)
add_test(NAME HighDpiX11.UnderXvfb
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_xvfb.sh --screen 2560x1600x24 $<TARGET_FILE:test_high_dpi_x11>)
set_tests_properties(HighDpiX11.UnderXvfb PROPERTIES TIMEOUT 60 ENVIRONMENT "QT_SCALE_FACTOR=2")
# The program on screens lower than its window: virtual X servers of
# 1366 x 700 (a laptop's 768 rows less a panel and a title bar) and of
# 1024 x 600, the smallest screen it starts on.
add_executable(test_small_screen_x11 ${CMAKE_CURRENT_LIST_DIR}/test_small_screen_x11.cpp
  ${CMAKE_SOURCE_DIR}/tests/qt_gtest_main.cpp)
target_link_libraries(test_small_screen_x11 PRIVATE spatium_gui Qt6::Test GTest::gtest)
target_include_directories(test_small_screen_x11 PRIVATE ${CMAKE_SOURCE_DIR}/tests)
foreach(screen 1366x700 1024x600)
  add_test(NAME SmallScreenX11.Window${screen}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_under_xvfb.sh --screen ${screen}x24 $<TARGET_FILE:test_small_screen_x11>)
  set_tests_properties(SmallScreenX11.Window${screen} PROPERTIES TIMEOUT 60)
endforeach()
