#include "console/program.hpp"
#include "hexdigits/hexdigits.hpp"

int main(int argc, char** argv) { return console::run_stdio(argc, argv, "hexdigits", hexdigits::run); }
