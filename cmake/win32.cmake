# Settings shared by the Windows builds: Unicode W APIs, static runtime.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
enable_language(RC)

# Release: every function and datum in a section of its own, so that the
# linker drops what nothing uses; the x86_64 test build is linked the same
# way so that the tests under Wine run what the i686 link keeps. The i686
# deliverables are also stripped.
add_compile_options($<$<CONFIG:Release>:-ffunction-sections>
                    $<$<CONFIG:Release>:-fdata-sections>)
add_link_options($<$<CONFIG:Release>:LINKER:--gc-sections>)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_link_options($<$<CONFIG:Release>:-s>)
  # What a user downloads is optimised for size: the launcher waits on the
  # user and the shell, and -Os keeps it a third smaller than -O3.
  set(CMAKE_C_FLAGS_RELEASE "-Os -DNDEBUG")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
endif()

# GoogleTest built with the MinGW compilers for the Win32 test programs.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
