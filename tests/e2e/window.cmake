# Helper program of the main window's journeys.
if(WIN32)
  add_executable(zelk_window_probe window/WindowProbe_win.cpp)
  target_include_directories(zelk_window_probe PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_options(zelk_window_probe PRIVATE -municode)
  zelk_warnings(zelk_window_probe)
endif()
