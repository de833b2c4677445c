#pragma once
// The small linear-equation solver of the kernel: Gauss-Jordan elimination on
// an explicit working matrix that the caller fills, solves and reads back.
#include <array>
#include <initializer_list>

#include "core/numbers/Real.h"

// 25 x 22 entries indexed from 0; row 0 and column 0 are never used, so it
// holds up to 24 equations with up to 21 columns (unknowns plus the right-hand
// side). M(i, j) is the entry in row i, column j. A fresh matrix is all zero.
struct WorkMatrix {
    static constexpr int kRowCount = 25;
    static constexpr int kColumnCount = 22;
    static constexpr int kMaxEquations = kRowCount - 1;
    static constexpr int kMaxColumns = kColumnCount - 1;

    std::array<std::array<Real, kColumnCount>, kRowCount> entries{};

    Real& operator()(int i, int j) { return entries[i][j]; }
    Real operator()(int i, int j) const { return entries[i][j]; }
};

// Writes the values into row i, columns 1, 2, ... in order.
void setRow(WorkMatrix& M, int i, std::initializer_list<Real> values);

// Brings rows 1..m, columns 1..n of M to reduced row echelon form. The pivot
// of each column is the first row (from the next pivot row down) whose entry
// is not isNearZero; there is no search for the largest one. The tolerance
// decides only the pivot search: entries below it are left as they are.
// Callers read the echelon form: a row whose coefficient columns are all near
// zero but whose last column is not marks an inconsistent system; a column
// without a pivot is a free unknown.
// Returns false (and changes nothing) when m or n lies outside 1..24 / 1..21.
bool solveLinearSystem(WorkMatrix& M, int m, int n);

// Exchanges rows i and k over columns 1..n; nothing when i = k.
void swapRows(WorkMatrix& M, int i, int k, int n);
