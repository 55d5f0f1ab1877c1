# The services behind the main window's seams: the interfaces (portable) and
# their real implementations (Win32): shutdown, help viewer, mouse hook,
# colour picker, open-file dialog.
target_sources(zelk_app PRIVATE services/OpenFileDialog.cpp)
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    services/ColorPicker_win.cpp
    services/OpenFileDialog_win.cpp
    services/SystemServices_win.cpp
    services/HookLibraryMouseHook_win.cpp
  )
endif()
