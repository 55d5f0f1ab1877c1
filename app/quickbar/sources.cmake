# The quick bar SysPanel: its buttons, their glyphs and context menus.
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    quickbar/QuickBar_win.cpp
    quickbar/QuickBarIcons_win.cpp
  )
endif()
