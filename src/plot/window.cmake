# The main window PlotWindow and its view controls (Qt).
target_sources(spatium_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlHandlers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MouseModes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlotImage.h
  ${CMAKE_CURRENT_LIST_DIR}/PlotImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Cursors.h
  ${CMAKE_CURRENT_LIST_DIR}/Cursors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowServices.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowServices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FontColourDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/FontColourDialog.cpp
)
