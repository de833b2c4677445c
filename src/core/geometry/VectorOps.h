#pragma once
// Vector arithmetic of the geometry kernel: the one tolerance, elementary
// operations, measures, whole-number forms and vector texts.
//
// Conventions shared by every operation here:
// - Operands are taken by value or const reference and never changed, unless
//   a parameter is a non-const reference (then it is updated in place).
// - Operations that return a Vector3 return a fresh record: only x, y, z are
//   meaningful; name, color and coordinatePaths hold their defaults. To store
//   a result into a labelled variable without losing its label, use
//   setCoordinates(target, result). projectToCoordinatePlane is the one
//   exception: it copies the whole record.
// - In-place operations and out-parameters write only x, y and z.
// - All arithmetic is in Real (80-bit extended); nothing is rounded except by
//   roundVector.
// - Degenerate input never produces inf or NaN: each operation documents what
//   it returns for a null vector, and callers learn of the degenerate case by
//   isNullVector on their operands.
#include <array>
#include <string>

#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"

// The kernel's single tolerance (the extended value nearest to 10^-12).
constexpr Real kZeroTolerance = 1E-12L;

// True exactly when |x| < kZeroTolerance (strictly less).
bool isNearZero(Real x);

// Writes only x, y, z of target from source; target's label survives.
void setCoordinates(Vector3& target, const Vector3& source);

void zeroVector(Vector3& v);
// Exact test: x, y and z all exactly 0 (no tolerance).
bool isNullVector(const Vector3& v);
// True when every coordinate is a finite number (no inf, no NaN).
bool isFiniteVector(const Vector3& v);
Vector3 makeVector(Real x, Real y, Real z);
// B - A: the vector from point A to point B.
Vector3 vectorFromTo(const Vector3& A, const Vector3& B);
Vector3 addVectors(const Vector3& a, const Vector3& b);
Vector3 scaleVector(const Vector3& v, Real k);
Real dotProduct(const Vector3& a, const Vector3& b);
Vector3 crossProduct(const Vector3& a, const Vector3& b);
// a . (b x c), expanded along a.
Real tripleProduct(const Vector3& a, const Vector3& b, const Vector3& c);
Real squaredLength(const Vector3& v);
Real vectorLength(const Vector3& v);
// (1/|v|) v, the reciprocal formed first. A null vector gives the null
// vector (there is no direction to scale to unit length).
Vector3 unitVector(const Vector3& v);
// arccos((a . b) / |a| / |b|) in radians, 0..pi. The quotient is clamped to
// [-1, 1] so that rounding cannot push it out of arccos' domain, and a
// quotient within rounding (8 units in the last place) of +-1 counts as +-1,
// so that parallel vectors give exactly 0 and pi. If a or b is
// the null vector there is no angle; the result is 0 (callers test
// isNullVector first).
Real angleBetween(const Vector3& a, const Vector3& b);
// isNearZero(|a x b|).
bool areParallel(const Vector3& a, const Vector3& b);
// isNearZero(a . (b x c)).
bool areCoplanar(const Vector3& a, const Vector3& b, const Vector3& c);
// The magnitudes of the terms of a x b: (|a.y b.z| + |a.z b.y|, ...).
Vector3 crossProductTerms(const Vector3& a, const Vector3& b);
// x is not zero but within rounding of it, for a value made of terms of
// the given total magnitude: inputs rounded to 15 digits and the products'
// rounding stay far below 1E-12 of the terms, so anything beyond is surely
// not zero. Only such a value needs an exact look.
bool residueNearZero(Real x, Real terms);
// (A + B + C) times the extended value nearest to 1/3.
Vector3 centroid(const Vector3& A, const Vector3& B, const Vector3& C);

// Measures over edge vectors that start at the same corner.
Real parallelogramArea(const Vector3& a, const Vector3& b);
Real triangleArea(const Vector3& a, const Vector3& b);
// The plane quadrilateral A -> B -> C -> D given by its edges at A: a = AB,
// b = AC, c = AD. Its vector area (a x b + b x c) / 2 adds the triangles ABC
// and ACD with their orientations: where the diagonal AC runs outside (the
// corner B or D over 180 degrees) one triangle is taken from the other. Its
// length is the area, its direction the normal the corners turn about.
Vector3 quadrilateralAreaVector(const Vector3& a, const Vector3& b, const Vector3& c);
// The length of quadrilateralAreaVector.
Real quadrilateralArea(const Vector3& a, const Vector3& b, const Vector3& c);

Real spatVolume(const Vector3& a, const Vector3& b, const Vector3& c);
Real triangularPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c);
// The bodies over the quadrilateral with the edges SA = a, SB = b, SC = c,
// SD = d from the apex or lateral edge: a . (b x c) and a . (c x d) are
// summed with their signs, so that the base counts with its vector area.
Real quadPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d);
Real triangularPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c);
Real quadPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d);

// isWholeNumber holds for each of x, y and z.
bool hasIntegerComponents(const Vector3& v);

// The shortest whole-number vector with the direction of v: components as
// fractions over a common denominator, divided by their gcd, negated when at
// least two are negative. All components near zero give (0, 0, 0).
// Failure path, result = v unchanged: a component has no fraction form, or
// the whole-number form does not fit 32-bit integers (checked in wider
// arithmetic, never wrapped).
Vector3 integerDirection(const Vector3& v);

// Plane coefficients a, b, c, d made whole numbers in place (to print plane
// equations). All whole: divided by their gcd (negative exactly when all four
// are negative). Otherwise multiplied by the lcm of the fraction denominators.
// Returns false and leaves all four unchanged when a value has no fraction
// form, when the whole-number form would leave the 32-bit range, or when all
// four are zero (no gcd to divide by: 0 = 0 is not a plane).
bool integerCoefficients(Real& a, Real& b, Real& c, Real& d);

// Each component roundToDigits(component, n).
Vector3 roundVector(const Vector3& v, int n);

// The three components as numberText (15 significant digits, decimal comma).
std::array<std::string, 3> vectorComponentTexts(const Vector3& v);
// "(x/y/z)", e.g. "(1/-2,5/0)".
std::string vectorText(const Vector3& v);
// Left-pads the shorter texts with blanks to the length (in characters) of
// the longest, so that they stand right-aligned in a column.
std::array<std::string, 3> alignComponentTexts(std::array<std::string, 3> texts);

// A copy of the whole record v (label included) with the components off the
// named coordinate plane or axis set to 0. Names, case-insensitive: "XY"
// (z := 0), "XZ" (y := 0), "YZ" (x := 0), "X" (y, z := 0), "Y" (x, z := 0),
// "Z" (x, y := 0); any other name leaves the copy unchanged.
Vector3 projectToCoordinatePlane(const std::string& name, const Vector3& v);
