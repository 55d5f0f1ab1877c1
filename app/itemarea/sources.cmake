# The item area PAria: its window, painting, scroll bar, mouse and item hint.
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    itemarea/ItemAreaWindow_win.cpp
    itemarea/ItemAreaMouse_win.cpp
    itemarea/ItemAreaScroll_win.cpp
  )
endif()
