# AddressSanitizer and UndefinedBehaviorSanitizer, switched on for the asan preset.

option(SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(project_sanitizers INTERFACE)
if(SANITIZE)
  target_compile_options(project_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_definitions(project_sanitizers INTERFACE _GLIBCXX_ASSERTIONS)
  target_link_options(project_sanitizers INTERFACE -fsanitize=address,undefined)
endif()
