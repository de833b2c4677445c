#pragma once
// Lines and planes: form conversions, simpler display forms, trace points,
// feet of perpendiculars, distances, and the five incidence operations with
// their case codes, squared distances and intersection angles, in extended
// reals. The calculation buttons decide and compute on the scene read
// exactly instead (core/exact/ExactVerdicts.h, ExactValues.h); the float
// incidence operations stay as the reference the fuzzer and the benchmarks
// run against.
//
// Results come back as values or through the caller's out-parameters; there
// are no process-wide result records. Out-parameters are in/out: an output an
// operation does not reach in a case keeps the value the caller's variable
// held (and every Vector3 output gets only x, y, z written, so its name and
// colour survive).
//
// Degenerate input: directions and spanning vectors are expected to be
// non-null and plane normals (a, b, c) non-null; the callers reject them with
// their own messages first. Should one slip through anyway, no inf or NaN
// comes out: the incidence operations set status = kStatusDegenerateInput and
// write nothing else, the conversions report false / ok = false, the trace
// operations report the trace points as missing, and the feet and distances
// document their fallback below.
#include <cstdint>

#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"

// A line p + t u.
struct Line3 {
    Vector3 p;
    Vector3 u;
};

// A plane in coordinate form a x + b y + c z = d (normal n = (a, b, c)) and/or
// in parameter form p + r u + s v; which form is authoritative is decided by
// the input model.
struct Plane {
    Real a = 0;
    Real b = 0;
    Real c = 0;
    Real d = 0;
    Vector3 p;
    Vector3 u;
    Vector3 v;
};

struct CoordinateForm {
    Real a = 0;
    Real b = 0;
    Real c = 0;
    Real d = 0;
};

// ok = false: the normal was null (or the axis point overflowed); p, u and v
// are then all the null vector.
struct ParameterForm {
    Vector3 p;
    Vector3 u;
    Vector3 v;
    bool ok = false;
};

// Trace points of a plane on the three axes.
struct PlaneTraces {
    Vector3 Sx{0, 0, 0, "Sx"};
    Vector3 Sy{0, 0, 0, "Sy"};
    Vector3 Sz{0, 0, 0, "Sz"};
    bool hasSx = false;
    bool hasSy = false;
    bool hasSz = false;
};

// Trace points of a line in the three coordinate planes.
struct LineTraces {
    Vector3 Sxy{0, 0, 0, "Sxy"};
    Vector3 Sxz{0, 0, 0, "Sxz"};
    Vector3 Syz{0, 0, 0, "Syz"};
    bool hasSxy = false;
    bool hasSxz = false;
    bool hasSyz = false;
};

// Case codes of the incidence operations (status):
//   pointOnLineTest      1 not on the line, 2 on the line
//   lineLineIncidence    0 identical, 1 parallel distinct, 2 intersecting, 3 skew
//   pointPlaneTest       1 not in the plane, 2 in the plane
//   linePlaneIncidence   0 line in the plane, 1 parallel outside, 2 intersecting
//   planePlaneIncidence  0 identical, 1 parallel distinct, 2 intersecting
// kStatusDegenerateInput: a null direction or null normal was passed (or a
// result would not be finite); no other output was written.
constexpr std::uint8_t kStatusDegenerateInput = 255;

// The squared distance is kept as numerator / denominator so that the result
// texts can show it as an exact root. Angles are in degrees, 0..90; their
// cosine/sine quotients are clamped to [-1, 1] (rounding can carry them just
// outside) and a quotient within rounding of 1 counts as 1, so that a line
// perpendicular to a plane gives exactly 90.
struct IncidenceResult {
    std::uint8_t status = 0;
    Real distSqNumerator = 0;
    Real distSqDenominator = 1;
    Real angleDegrees = 0;
};

// The parameter reported when a direction has no component outside the
// tolerance, and the reach of the whole-number support point search.
constexpr Real kNotFoundParameter = 1E300L;
constexpr long kSearchLimit = 1000000;
constexpr Real kPi = 3.141592653589793238462643383279502884L;

// Two coordinates set to 1, the third solved for (preferring z, then y, then
// x). A null normal has no point: the origin is returned.
Vector3 pointOfPlane(Real a, Real b, Real c, Real d);
// Exact comparison of (a P.x + b P.y) + c P.z with d, no tolerance.
bool satisfiesPlaneEquation(const Vector3& P, Real a, Real b, Real c, Real d);

// Support point on the first axis the plane meets, spanning vectors towards
// two further points of the plane. Returns false (p, u, v set to null vectors)
// for a null normal, which has no parameter form.
bool coordinateToParameterForm(Real a, Real b, Real c, Real d, Vector3& p, Vector3& u, Vector3& v);
ParameterForm coordinateToParameterForm(Real a, Real b, Real c, Real d);
// n = u x v; d = n . p. Not made integral. Parallel u, v give a null normal.
void parameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v,
                               Real& a, Real& b, Real& c, Real& d);
CoordinateForm parameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v);

// Unless p, u, v are all whole-numbered, replaces them by the parameter form
// derived from the plane's axis points (same plane). Returns false and leaves
// them unchanged when u and v are parallel (no plane).
bool simplifyParameterForm(Vector3& p, Vector3& u, Vector3& v);

// Replaces u by integerDirection(u), then looks for a whole-number point of
// the line at t = k / L for k = 1, -1, 2, -2, ... (|k| < kSearchLimit, L the
// common denominator of u) and moves P there; P stays when there is none.
void integerSupportPoint(Vector3& P, Vector3& u);

// Axis points of a x + b y + c z = d; a coefficient exactly 0 means no trace
// point on that axis (its old coordinate is kept). The in/out form keeps the
// coordinates of missing points; the value form starts from a fresh record.
void planeTracePoints(Real a, Real b, Real c, Real d, PlaneTraces& traces);
PlaneTraces planeTracePoints(Real a, Real b, Real c, Real d);

// Points where p + t u meets the coordinate planes; a direction component
// exactly 0 means no trace point in that plane. Every call sets
// coordinatePaths = true and color = purple on all three points.
void lineTracePoints(const Vector3& p, const Vector3& u, LineTraces& traces);
LineTraces lineTracePoints(const Vector3& p, const Vector3& u);

// Foot of the perpendicular from Q onto A + s u. A null u gives A.
Vector3 footOnLine(const Vector3& A, const Vector3& u, const Vector3& Q);
// (p - Q) . m with m = unitVector(u x v), also returned. Parallel u and v
// (no plane) give m = null vector and distance 0.
Real signedDistanceToPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q,
                           Vector3& m);
// Q + e m with e the signed distance; Q itself when u and v are parallel.
Vector3 footOnPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q);

// sqrt(distSqNumerator / distSqDenominator); 0 for a zero denominator.
Real distanceFromResult(const IncidenceResult& result);

// Is S on p + t u (within the tolerance)? On the line: t (kNotFoundParameter
// when u has no component outside the tolerance), F and the squared distance
// untouched. Off the line: foot F and the squared distance over 1, t untouched.
void pointOnLineTest(const Vector3& S, const Vector3& p, const Vector3& u,
                     IncidenceResult& result, Vector3& F, Real& t);

// Lines g: p + t u and h: q + s v. Writes S and the angle (0..90) when
// intersecting; F1 on g and F2 on h and the squared distance when skew; the
// foot Fq of q on g and the squared distance when parallel.
void lineLineIncidence(const Vector3& p, const Vector3& u, const Vector3& q, const Vector3& v,
                       IncidenceResult& result, Vector3& S, Vector3& F1, Vector3& F2, Vector3& Fq);

// Is S in the plane a x + b y + c z = d (exact test)? The coefficients are
// always given; coordinateForm = true means p, u, v are not known (p is then
// taken from pointOfPlane). Not in the plane: foot F and the squared
// distance. In the plane: r and s with S = p + r u + s v.
void pointPlaneTest(const Vector3& S, const Vector3& p, const Vector3& u, const Vector3& v,
                    Real a, Real b, Real c, Real d, bool coordinateForm,
                    IncidenceResult& result, Vector3& F, Real& r, Real& s);

// Line p + t u against a x + b y + c z = d. Intersecting: S and the angle
// (0..90). Parallel outside: the squared distance of p from the plane.
void linePlaneIncidence(const Vector3& p, const Vector3& u, Real a, Real b, Real c, Real d,
                        IncidenceResult& result, Vector3& S);

// Two planes in coordinate form. Intersecting: a point P and the whole-number
// direction of the intersection line, and the angle (0..90). Parallel: the
// squared distance between the planes.
void planePlaneIncidence(Real a1, Real b1, Real c1, Real d1, Real a2, Real b2, Real c2, Real d2,
                         IncidenceResult& result, Vector3& P, Vector3& direction);

// Intersection S of the diagonals AC and BD of a quadrilateral;
// noIntersection when they miss each other (S is then the origin).
void diagonalIntersection(const Vector3& A, const Vector3& B, const Vector3& C, const Vector3& D,
                          bool& noIntersection, Vector3& S);
