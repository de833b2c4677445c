#pragma once
// Internal to the kernel (and its tests and benchmark): the two forms of the
// whole-number support point search behind integerSupportPoint.
//
// Both take the search reach as a parameter (k runs over 1, -1, 2, -2, ...
// while |k| < limit) so that tests can compare them over a shorter reach;
// integerSupportPoint uses kSearchLimit.
#include "core/geometry/Vector3.h"

// The search written out candidate by candidate: tries every k in order and
// keeps the first one whose point has whole-number coordinates. About two
// million candidates when the line has no such point. Kept as the reference
// that defines the result.
void literalIntegerSupportPoint(Vector3& P, Vector3& u, long limit);

// Same result as the literal search. Works out arithmetically which k can
// possibly give a whole-number point (the slope of each coordinate in k is a
// known fraction, and the rounding of the candidate formula is bounded) and
// evaluates only those, in the same order and with the same formula.
void fastIntegerSupportPoint(Vector3& P, Vector3& u, long limit);
