if(NOT WIN32)
  target_sources(zelk_core_tests PRIVATE
    find/ItemFind_test.cpp
    keys/CellNavigation_test.cpp
  )
else()
  target_sources(zelk_win_tests PRIVATE
    form/Keys_win_test.cpp
  )
endif()
