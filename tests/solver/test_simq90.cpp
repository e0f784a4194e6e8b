// The Newton step's elimination: a known solution, the pivot choice among equal candidates and
// the singular case.
#include "solver/simq90.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

NewtonMatrix& matrix(std::initializer_list<std::initializer_list<double>> rows) {
    static NewtonMatrix J;
    int r = 0;
    for (const auto& row : rows) {
        int c = 0;
        ++r;
        for (double v : row) J[r][++c] = v;
    }
    return J;
}

TEST(SIMQ90, SolvesAPivotedSystem) {
    NewtonMatrix& J = matrix({{0, 2, 1}, {1, 1, 1}, {4, 0, 3}});
    double b[4] = {0, 4, 4, 10}; // solution (1, 1, 2)
    ASSERT_EQ(SIMQ90(J, b, 3), SolveStatus::Solved);
    EXPECT_NEAR(b[1], 1, 1e-14);
    EXPECT_NEAR(b[2], 1, 1e-14);
    EXPECT_NEAR(b[3], 2, 1e-14);
}

TEST(SIMQ90, EqualLargestPivotCandidatesTakeTheLaterRow) {
    // Rows 1 and 2 tie in column 1; after the pivot swap the normalised row 1 is the old row 2,
    // which the eliminated matrix shows in its first row.
    NewtonMatrix& J = matrix({{-2, 1}, {2, 5}});
    double b[3] = {0, 0, 12}; // solution (1, 2)
    ASSERT_EQ(SIMQ90(J, b, 2), SolveStatus::Solved);
    EXPECT_DOUBLE_EQ(J[1][2], 2.5); // 5 / 2: the later row was normalised
    EXPECT_NEAR(b[1], 1, 1e-14);
    EXPECT_NEAR(b[2], 2, 1e-14);
}

TEST(SIMQ90, ZeroColumnIsSingular) {
    NewtonMatrix& J = matrix({{1, 0, 3}, {2, 0, 1}, {5, 0, 4}});
    double b[4] = {0, 1, 1, 1};
    EXPECT_EQ(SIMQ90(J, b, 3), SolveStatus::Singular);
}

} // namespace
} // namespace tv
