# Warning and floating-point settings shared by every target, as INTERFACE targets.

option(WERROR "Treat compiler warnings as errors" OFF)

add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
  -Wall -Wextra -Wpedantic
  -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
  -Wcast-qual -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference
  -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough -Wundef)
if(WERROR)
  target_compile_options(project_warnings INTERFACE -Werror)
endif()

# Every real computed here must round exactly as written: no contraction of
# a*b+c into a fused multiply-add, and no value-changing optimisations.
add_library(project_strict_fp INTERFACE)
target_compile_options(project_strict_fp INTERFACE -ffp-contract=off -fno-fast-math)
