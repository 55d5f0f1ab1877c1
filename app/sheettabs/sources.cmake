# The sheet tabs ATab: the sheet list, its tabs and menus.
if(WIN32)
  target_sources(zelk_app_win PRIVATE sheettabs/SheetTabs_win.cpp)
endif()
