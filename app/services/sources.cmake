# The services behind the main window's seams: the interfaces (portable) and
# their real implementations (Win32): shutdown, help viewer, mouse hook.
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    services/SystemServices_win.cpp
    services/HookLibraryMouseHook_win.cpp
  )
endif()
