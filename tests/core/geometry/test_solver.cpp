// Gauss-Jordan solver on the work matrix.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"

TEST(SolveLinearSystem, SwapsToTheFirstUsablePivot) {
    WorkMatrix M;
    setRow(M, 1, {0, 2, 4, 2});
    setRow(M, 2, {1, 1, 1, 3});
    ASSERT_TRUE(solveLinearSystem(M, 2, 4));
    EXPECT_EQ(M(1, 1), 1);
    EXPECT_EQ(M(1, 2), 0);
    EXPECT_EQ(M(1, 3), -1);
    EXPECT_EQ(M(1, 4), 2);
    EXPECT_EQ(M(2, 1), 0);
    EXPECT_EQ(M(2, 2), 1);
    EXPECT_EQ(M(2, 3), 2);
    EXPECT_EQ(M(2, 4), 1);
}

TEST(SolveLinearSystem, ZeroColumnMovesThePivotRight) {
    WorkMatrix M;
    setRow(M, 1, {0, 2, 1, 4});
    setRow(M, 2, {0, 1, 3, 7});
    ASSERT_TRUE(solveLinearSystem(M, 2, 4));
    // First pivot in column 2, row 1; second in column 3, row 2.
    EXPECT_EQ(M(1, 2), 1);
    EXPECT_EQ(M(2, 2), 0);
    EXPECT_EQ(M(2, 3), 1);
    EXPECT_NEAR(static_cast<double>(M(1, 4)), 1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(M(2, 4)), 2.0, 1e-18);
}

TEST(SolveLinearSystem, TheFirstUsablePivotIsTakenNotTheLargest) {
    WorkMatrix M;
    setRow(M, 1, {1E-6L, 1, 1});
    setRow(M, 2, {1000, 1, 2});
    ASSERT_TRUE(solveLinearSystem(M, 2, 3));
    // Row 1 stays the pivot row of column 1 (no row exchange).
    EXPECT_EQ(M(1, 1), 1);
    EXPECT_EQ(M(2, 1), 0);
}

TEST(SolveLinearSystem, TinyEntriesAreNotPivotsAndAreNotZeroed) {
    WorkMatrix M;
    setRow(M, 1, {5E-13L, 1, 3});
    setRow(M, 2, {2, 0, 4});
    ASSERT_TRUE(solveLinearSystem(M, 2, 3));
    // 5E-13 is below the tolerance: row 2 becomes the first pivot row.
    EXPECT_EQ(M(1, 1), 1);
    EXPECT_EQ(M(1, 3), 2);
    EXPECT_EQ(M(2, 2), 1);

    // A remainder below the tolerance is no pivot, yet it stays in the matrix.
    WorkMatrix N;
    setRow(N, 1, {1, 1, 1});
    setRow(N, 2, {1, 1 + 5E-13L, 2});
    ASSERT_TRUE(solveLinearSystem(N, 2, 3));
    EXPECT_TRUE(isNearZero(N(2, 2)));
    EXPECT_NE(N(2, 2), 0);
    EXPECT_EQ(N(2, 3), 1);  // the pivot went to the right-hand side
    EXPECT_EQ(N(1, 3), 0);
}

TEST(SolveLinearSystem, InconsistentSystemShowsInTheLastColumn) {
    WorkMatrix M;
    setRow(M, 1, {1, 1, 2});
    setRow(M, 2, {2, 2, 5});
    ASSERT_TRUE(solveLinearSystem(M, 2, 3));
    EXPECT_TRUE(isNearZero(M(2, 1)));
    EXPECT_TRUE(isNearZero(M(2, 2)));
    EXPECT_FALSE(isNearZero(M(2, 3)));
}

TEST(SolveLinearSystem, OutOfRangeSizesAreRefusedAndChangeNothing) {
    WorkMatrix M;
    setRow(M, 1, {2, 4});
    EXPECT_FALSE(solveLinearSystem(M, 0, 2));
    EXPECT_FALSE(solveLinearSystem(M, 25, 2));
    EXPECT_FALSE(solveLinearSystem(M, 1, 22));
    EXPECT_EQ(M(1, 1), 2);
    EXPECT_TRUE(solveLinearSystem(M, WorkMatrix::kMaxEquations, WorkMatrix::kMaxColumns));
}

TEST(SwapRows, ExchangesOnlyTheGivenColumns) {
    WorkMatrix M;
    setRow(M, 1, {1, 2, 3});
    setRow(M, 2, {4, 5, 6});
    swapRows(M, 1, 2, 2);
    EXPECT_EQ(M(1, 1), 4);
    EXPECT_EQ(M(1, 2), 5);
    EXPECT_EQ(M(1, 3), 3);
    EXPECT_EQ(M(2, 1), 1);
    EXPECT_EQ(M(2, 3), 6);
    swapRows(M, 2, 2, 3);
    EXPECT_EQ(M(2, 1), 1);
}

// Property: solutions of random regular systems, read from the echelon form
// and substituted back, satisfy the original equations.
TEST(SolveLinearSystem, RandomSystemsSolutionsSatisfyTheEquations) {
    std::mt19937_64 rng(1234);
    std::uniform_real_distribution<double> coef(-10, 10);
    std::uniform_int_distribution<int> size(1, 8);
    int checked = 0;
    for (int trial = 0; trial < 2000; ++trial) {
        const int n = size(rng);
        WorkMatrix A, M;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n + 1; ++j) A(i, j) = M(i, j) = coef(rng);
        ASSERT_TRUE(solveLinearSystem(M, n, n + 1));
        bool regular = true;
        for (int i = 1; i <= n; ++i) regular = regular && M(i, i) == 1;
        if (!regular) continue;
        ++checked;
        Real scale = 0;
        for (int i = 1; i <= n; ++i) scale = std::max(scale, std::fabs(M(i, n + 1)));
        for (int i = 1; i <= n; ++i) {
            Real lhs = 0;
            for (int j = 1; j <= n; ++j) lhs += A(i, j) * M(j, n + 1);
            EXPECT_NEAR(static_cast<double>(lhs), static_cast<double>(A(i, n + 1)),
                        1e-9 * static_cast<double>(1 + scale));
        }
    }
    EXPECT_GT(checked, 1900);
}

// Property on singular systems: the rows that keep a pivot describe a
// solution (free unknowns set to 0) that satisfies every consistent equation.
TEST(SolveLinearSystem, RankDeficientSystemsGiveParticularSolutions) {
    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int> coef(-5, 5);
    for (int trial = 0; trial < 500; ++trial) {
        // Row 3 = row 1 + row 2: rank 2 with three unknowns, consistent.
        WorkMatrix A;
        for (int j = 1; j <= 4; ++j) {
            A(1, j) = coef(rng);
            A(2, j) = coef(rng);
            A(3, j) = A(1, j) + A(2, j);
        }
        WorkMatrix M = A;
        ASSERT_TRUE(solveLinearSystem(M, 3, 4));
        Real x[4] = {0, 0, 0, 0};
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= 3; ++j) {
                if (!isNearZero(M(i, j))) {
                    x[j] = M(i, 4);
                    break;
                }
            }
        }
        bool inconsistentRow = false;
        for (int i = 1; i <= 3; ++i)
            if (isNearZero(M(i, 1)) && isNearZero(M(i, 2)) && isNearZero(M(i, 3)) && !isNearZero(M(i, 4)))
                inconsistentRow = true;
        if (inconsistentRow) {
            // Possible only when rows 1 and 2 have no solution together.
            continue;
        }
        for (int i = 1; i <= 3; ++i) {
            const Real lhs = A(i, 1) * x[1] + A(i, 2) * x[2] + A(i, 3) * x[3];
            EXPECT_NEAR(static_cast<double>(lhs), static_cast<double>(A(i, 4)), 1e-9);
        }
    }
}
