# System shortcuts: the quick bar, the folder bar, the toolbox's tools and
# the shell's context menu, and the seams they reach the shell through.
target_sources(zelk_app PRIVATE
  shortcuts/SystemShortcuts.cpp
  shortcuts/QuickBarIconSources.cpp
  shortcuts/ShellObjectText.cpp
)

if(WIN32)
  target_sources(zelk_app_win PRIVATE
    shortcuts/ShellExecutor_win.cpp
    shortcuts/SpecialFolders_win.cpp
    shortcuts/ShellContextMenu_win.cpp
  )
  target_link_libraries(zelk_app_win PUBLIC shell32 ole32 uuid advapi32)
endif()
