# Tests of the draw command.
spatium_add_gtest(draw_command_tests ${CMAKE_CURRENT_SOURCE_DIR}/test_draw_command.cpp)
spatium_add_gtest(draw_command_qt_tests ${CMAKE_CURRENT_SOURCE_DIR}/test_draw_command_qt.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/InputTestSupport.h QT)
