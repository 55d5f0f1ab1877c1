if(WIN32)
  target_sources(zelk_win_tests PRIVATE
    dialogs/DialogDriver_win.cpp
    dialogs/Dialogs_win_test.cpp
  )
  target_link_libraries(zelk_win_tests PRIVATE zelk_dialog_resources)
endif()
