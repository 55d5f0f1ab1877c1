# The modal dialogs TStDlg (StNames), TSortDlg (Sort), TToolDlg (ToolBox),
# TFDlg (Freeze) and TPSetDlg (PSet),
# each with its class, resource script and control identifiers. The
# templates, with the pictures of the main window, are an object library
# so that every program showing them links them in.
if(WIN32)
  target_sources(zelk_app_win PRIVATE
    dialogs/ModalDialog_win.cpp
    dialogs/PageBackground_win.cpp
    dialogs/StNames/StNames_win.cpp
    dialogs/Sort/Sort_win.cpp
    dialogs/ToolBox/ToolBox_win.cpp
    dialogs/Freeze/Freeze_win.cpp
    dialogs/PSet/PSet_win.cpp
  )
  add_library(zelk_dialog_resources OBJECT
    dialogs/StNames/StNames.rc
    dialogs/Sort/Sort.rc
    dialogs/ToolBox/ToolBox.rc
    dialogs/Freeze/Freeze.rc
    dialogs/PSet/PSet.rc
    form/pictures/Pictures.rc
  )
endif()
