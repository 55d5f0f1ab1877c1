if(NOT WIN32)
  add_executable(bench_sheets sheet_bench.cpp)
  target_link_libraries(bench_sheets PRIVATE zelk_test_support)
else()
  add_executable(bench_sheets_win sheet_bench_win.cpp ${CMAKE_SOURCE_DIR}/tests/support/TempFolder_win.cpp)
  target_link_libraries(bench_sheets_win PRIVATE zelk_win)
endif()

