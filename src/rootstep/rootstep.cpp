#include "rootstep/rootstep.hpp"

#include <charconv>
#include <cmath>

namespace rootstep {

double newton(double x) {
  // One operation per statement, so nothing is fused or reassociated (the
  // build also forbids contraction).
  const double p = ((3.0 * x) * x) * x;
  const double q = (4.0 * x) * x;
  const double num = ((p - q) - 5.0 * x) + 13.0;
  const double r = (9.0 * x) * x;
  const double den = (r - 8.0 * x) - 5.0;
  return x - num / den;
}

Root find_root(double start, double tolerance, std::vector<double>* path) {
  Root root{start, 0};
  while (std::fabs(root.x - newton(root.x)) > tolerance) {
    root.x = newton(root.x);
    ++root.steps;
    if (path != nullptr) path->push_back(root.x);
  }
  return root;
}

void run(console::Input& /*in*/, console::Output& out) {
  const Root root = find_root(2.0, 1e-6);
  // "%lf": fixed notation, six decimals, exactly rounded.
  char* p = out.reserve(400);
  p = std::to_chars(p, p + 399, root.x, std::chars_format::fixed, 6).ptr;
  *p++ = '\n';
  out.commit(p);
}

}  // namespace rootstep
