#include "console/program.hpp"
#include "rootstep/rootstep.hpp"

int main(int argc, char** argv) { return console::run_stdio(argc, argv, "rootstep", rootstep::run); }
