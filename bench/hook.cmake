# The cost of the mouse hook on every mouse event, under Wine. The activation
# time from a wallpaper double-click is measured by hook_activation.sh.
if(WIN32)
  add_executable(bench_hook_procedure_win WIN32 hook_procedure_bench_win.cpp)
  target_link_libraries(bench_hook_procedure_win PRIVATE zelkhook)
  target_link_options(bench_hook_procedure_win PRIVATE -municode)
  zelk_warnings(bench_hook_procedure_win)
endif()
