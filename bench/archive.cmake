if(NOT WIN32)
  add_executable(bench_archive_pack_filter archive_pack_filter_bench.cpp)
  target_link_libraries(bench_archive_pack_filter PRIVATE zelk_archive)
else()
  add_executable(bench_archive_pack_filter_win archive_pack_filter_bench_win.cpp
                 ${CMAKE_SOURCE_DIR}/tests/support/TempFolder_win.cpp)
  target_link_libraries(bench_archive_pack_filter_win PRIVATE zelk_archive_win)
endif()
