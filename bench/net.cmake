if(WIN32)
  add_executable(bench_net_kirotime_win net_kirotime_bench_win.cpp
                 ${CMAKE_SOURCE_DIR}/tests/net/LocalServer_win.cpp)
  target_link_libraries(bench_net_kirotime_win PRIVATE zelk_net_win)
  zelk_warnings(bench_net_kirotime_win)
endif()
