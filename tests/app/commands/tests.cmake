if(NOT WIN32)
  target_sources(zelk_core_tests PRIVATE
    commands/SheetOperations_test.cpp
    commands/ItemCommands_test.cpp
  )
endif()
