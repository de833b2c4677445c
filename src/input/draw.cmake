# The draw command.
target_sources(spatium_core PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawCommand.h
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawCommand.cpp)
target_sources(spatium_gui PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawCommandQt.h
  ${CMAKE_CURRENT_SOURCE_DIR}/DrawCommandQt.cpp)
