# The drag source of the archive drop journey: a native X program, since an
# outside drop reaches a Wine window through the X drag-and-drop protocol.
if(NOT WIN32)
  find_package(X11 REQUIRED)
  add_executable(zelk_xdnd_drop xdnd/XdndDrop.c)
  target_link_libraries(zelk_xdnd_drop PRIVATE X11::X11)
  # A helper, not code under test: the sanitizers would only report Xlib.
  target_compile_options(zelk_xdnd_drop PRIVATE -fno-sanitize=all)
  target_link_options(zelk_xdnd_drop PRIVATE -fno-sanitize=all)
  set_target_properties(zelk_xdnd_drop PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  zelk_warnings(zelk_xdnd_drop)
endif()
