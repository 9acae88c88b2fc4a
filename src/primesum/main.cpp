#include "console/program.hpp"
#include "primesum/primesum.hpp"

int main(int argc, char** argv) { return console::run_stdio(argc, argv, "primesum", primesum::run); }
