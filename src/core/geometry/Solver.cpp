#include "core/geometry/Solver.h"

#include "core/geometry/VectorOps.h"

void setRow(WorkMatrix& M, int i, std::initializer_list<Real> values) {
    int j = 1;
    for (const Real value : values) M(i, j++) = value;
}

void swapRows(WorkMatrix& M, int i, int k, int n) {
    if (i == k) return;
    for (int c = 1; c <= n; ++c) {
        const Real held = M(i, c);
        M(i, c) = M(k, c);
        M(k, c) = held;
    }
}

bool solveLinearSystem(WorkMatrix& M, int m, int n) {
    if (m < 1 || m > WorkMatrix::kMaxEquations || n < 1 || n > WorkMatrix::kMaxColumns) return false;

    int k = 1;  // next pivot row
    int j = 1;  // column being searched
    for (int step = 0; step < m; ++step) {
        if (j > n) break;
        // The first usable pivot, column by column; a column without one is
        // skipped (a free unknown, or the right-hand side).
        int r = 0;
        while (true) {
            for (int row = k; row <= m; ++row) {
                if (!isNearZero(M(row, j))) {
                    r = row;
                    break;
                }
            }
            if (r != 0) break;
            ++j;
            if (j > n) return true;
        }

        swapRows(M, r, k, n);
        const Real p = M(k, j);
        for (int c = 1; c <= n; ++c) M(k, c) = M(k, c) / p;
        for (int l = 1; l <= m; ++l) {
            if (l == k) continue;
            const Real f = M(l, j);
            for (int c = 1; c <= n; ++c) M(l, c) = M(l, c) - f * M(k, c);
        }
        ++k;
        ++j;
    }
    return true;
}
