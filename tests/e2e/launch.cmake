# Helper programs of the launching journeys.
if(WIN32)
  add_executable(zelk_record_start WIN32 launch/RecordStart_win.cpp)
  target_link_options(zelk_record_start PRIVATE -municode)
  zelk_warnings(zelk_record_start)

  add_executable(zelk_sheet_tool launch/SheetTool_win.cpp)
  target_link_libraries(zelk_sheet_tool PRIVATE zelk_app_win)
  target_link_options(zelk_sheet_tool PRIVATE -municode)
  zelk_warnings(zelk_sheet_tool)
endif()
