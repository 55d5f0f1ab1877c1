# Desktop activation: the main window's decisions on the hook's notifications
# (portable) and the desktop windows and hook record it looks at (Win32).
target_sources(zelk_app PRIVATE activation/DesktopActivation.cpp)

if(WIN32)
  target_sources(zelk_app_win PRIVATE
    activation/EmptyDesktopCheck_win.cpp
    activation/SingleInstance_win.cpp
  )
  # The desktop test reads the hook record through the library's exports.
  target_link_libraries(zelk_app_win PUBLIC zelkhook zelk_hook_win)
endif()
