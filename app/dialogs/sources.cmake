# The modal dialogs TStDlg (StNames), TSortDlg (Sort) and TToolDlg (ToolBox),
# each with its class, resource script and control identifiers. The
# templates are an object library so that every program showing the
# dialogs links them in.
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    dialogs/ModalDialog_win.cpp
    dialogs/StNames/StNames_win.cpp
    dialogs/Sort/Sort_win.cpp
    dialogs/ToolBox/ToolBox_win.cpp
  )
  add_library(zelk_dialog_resources OBJECT
    dialogs/StNames/StNames.rc
    dialogs/Sort/Sort.rc
    dialogs/ToolBox/ToolBox.rc
  )
endif()
