#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "rootstep/rootstep.hpp"
#include "run_in_memory.hpp"

namespace {

TEST(Newton, OneStepIsExactWhereTheArithmeticIs) {
  EXPECT_EQ(rootstep::newton(1.0), 2.75);  // f(1) = 7, f'(1) = -4
  EXPECT_EQ(rootstep::newton(0.0), 2.6);   // 0 - 13 / -5, the double nearest 2.6
  EXPECT_EQ(rootstep::newton(2.0), 2.0 - 11.0 / 15.0);
}

TEST(FindRoot, TakesTheLongWayFromTwo) {
  std::vector<double> path;
  const rootstep::Root root = rootstep::find_root(2.0, 1e-6, &path);
  ASSERT_EQ(root.steps, 38);
  ASSERT_EQ(path.size(), 38u);
  EXPECT_EQ(root.x, path.back());
  // Iterates 1 to 32 bounce on the positive side, around the local minimum.
  for (std::size_t i = 0; i < 32; ++i) {
    EXPECT_GT(path[i], 0.9) << "iterate " << i + 1;
    EXPECT_LT(path[i], 11.0) << "iterate " << i + 1;
  }
  EXPECT_NEAR(path[12], 2.0, 0.1) << "iterate 13 comes back near the start";
  EXPECT_NEAR(path[32], -0.83, 0.01) << "iterate 33 is the first negative one";
  // The step not taken is below the tolerance, and the root lies that close.
  const double last_step = root.x - rootstep::newton(root.x);
  EXPECT_LE(std::fabs(last_step), 1e-6);
  EXPECT_GT(std::fabs(root.x - path[36]), 1e-6);
  EXPECT_GT(root.x, -1.55);
  EXPECT_LT(root.x, -1.54);
}

TEST(FindRoot, AStepEqualToTheToleranceEndsTheIteration) {
  // From 1 the first step is 1 - 2.75 = -1.75: a tolerance of exactly 1.75
  // stops at once, anything smaller takes the step.
  EXPECT_EQ(rootstep::find_root(1.0, 1.75).steps, 0);
  EXPECT_GE(rootstep::find_root(1.0, 1.7499999).steps, 1);
}

TEST(RootstepRun, WritesTheRootAsPrintfWouldAndReadsNothing) {
  const rootstep::Root root = rootstep::find_root(2.0, 1e-6);
  char expected[64];
  std::snprintf(expected, sizeof expected, "%lf\n", root.x);
  for (const char* input : {"", "12 34\nanything at all\n"}) {
    const auto result = testing_support::run(rootstep::run, input);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.out, expected);
    EXPECT_EQ(result.out.size(), 10u);
    EXPECT_EQ(result.out.substr(0, 3), "-1.");
  }
}

}  // namespace
