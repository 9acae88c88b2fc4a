// The real root of 3x^3 - 4x^2 - 5x + 13 by Newton's method from 2.
#pragma once

#include <vector>

#include "console/input.hpp"
#include "console/output.hpp"

namespace rootstep {

/// One Newton step for f(x) = 3x^3 - 4x^2 - 5x + 13: x - f(x) / f'(x), each
/// operation rounded to double in the order ((3x)x)x - (4x)x - 5x + 13 over
/// (9x)x - 8x - 5.
double newton(double x);

/// Where the iteration ended, and how many steps it applied.
struct Root {
  double x;
  int steps;
};

/// Steps from `start` while the step x - newton(x) is larger than
/// `tolerance` in magnitude; the last, small step is not applied. When
/// `path` is given, each iterate after the start is appended to it.
Root find_root(double start, double tolerance, std::vector<double>* path = nullptr);

/// The whole program: the root from 2 with tolerance 1e-6, written as C's
/// "%lf\n" writes it. Reads nothing.
void run(console::Input& in, console::Output& out);

}  // namespace rootstep
