if(NOT WIN32)
  add_executable(bench_sheets sheet_bench.cpp)
  target_link_libraries(bench_sheets PRIVATE zelk_test_support)
else()
  set(ZELK_TEST_SUPPORT_WIN ${CMAKE_SOURCE_DIR}/tests/support/TempFolder_win.cpp)
  add_executable(bench_sheets_win sheet_bench_win.cpp ${ZELK_TEST_SUPPORT_WIN})
  target_link_libraries(bench_sheets_win PRIVATE zelk_app_win)
  add_executable(bench_paint_win paint_bench_win.cpp ${ZELK_TEST_SUPPORT_WIN}
                 ${CMAKE_SOURCE_DIR}/tests/app/form/FormFixture_win.cpp)
  target_link_libraries(bench_paint_win PRIVATE zelk_app_win psapi)
  add_executable(bench_register_win register_bench_win.cpp ${ZELK_TEST_SUPPORT_WIN}
                 ${CMAKE_SOURCE_DIR}/tests/app/form/FormFixture_win.cpp)
  target_link_libraries(bench_register_win PRIVATE zelk_app_win)
  add_executable(bench_find_win find_bench_win.cpp ${ZELK_TEST_SUPPORT_WIN}
                 ${CMAKE_SOURCE_DIR}/tests/app/form/FormFixture_win.cpp)
  target_link_libraries(bench_find_win PRIVATE zelk_app_win)
  add_executable(bench_settings_save_win settings_save_bench_win.cpp ${ZELK_TEST_SUPPORT_WIN})
  target_link_libraries(bench_settings_save_win PRIVATE zelk_app_win)
  # Helpers of startup_bench.sh: the data of a full start, and the floor.
  add_executable(full_sheet_data full_sheet_win.cpp)
  target_link_libraries(full_sheet_data PRIVATE zelk_app_win)
  add_executable(minimal_window WIN32 minimal_window_win.cpp)
  target_link_options(minimal_window PRIVATE -municode)
endif()
