#include "console/program.hpp"
#include "scoresheet/scoresheet.hpp"

int main(int argc, char** argv) { return console::run_stdio(argc, argv, "scoresheet", scoresheet::run); }
