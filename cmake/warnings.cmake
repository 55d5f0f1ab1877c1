# Warnings on for every target of the project; errors only where
# ZELK_WERROR is on (tools/build.sh turns it on under CI), so that a newer
# compiler's new warning does not stop a developer's build.
option(ZELK_WERROR "Treat warnings as errors" OFF)

function(zelk_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                         $<$<BOOL:${ZELK_WERROR}>:-Werror>)
endfunction()

# AddressSanitizer and UndefinedBehaviorSanitizer for the native debug build.
if(NOT WIN32 AND CMAKE_BUILD_TYPE STREQUAL "Debug")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
