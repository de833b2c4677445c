#pragma once
// The model behind the input window: every point, vector, line, plane and
// body the user can enter, their draw flags and colours, and the derived
// values (AD, E5, g2). Core type: no Qt. A default-constructed Scene holds
// exactly what the input window's start-up leaves in it.
//
// Numbered groups keep the numbering the drawers use to pick colours:
// lines 1 = g, 2 = h, 3 = g2; planes 1..5 = E1..E5; bodies 1..8. Those arrays
// are one longer than needed and index 0 is unused.
#include <array>
#include <optional>
#include <string>

#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"
#include "core/geometry/Colour.h"

// Fixed order of the nine named points.
enum PointIndex : int {
    PointA, PointB, PointC, PointD, PointE, PointF, PointS, PointP, PointQ,
    PointCount
};

// The seven connections; the first letter is the start.
enum VectorIndex : int {
    VectorAB, VectorBC, VectorCD, VectorDE, VectorEF, VectorFS, VectorPQ,
    VectorCount
};

enum LineNumber : int { LineG = 1, LineH = 2, LineG2 = 3, LineSlots = 4 };
enum PlaneNumber : int { PlaneE1 = 1, PlaneE2, PlaneE3, PlaneE4, PlaneE5, PlaneSlots };
enum BodyNumber : int {
    BodyTriangleABC = 1, BodyTriangleDEF, BodyQuadABCD, BodyPrismABC, BodyPrismABCD,
    BodyPyramidABC, BodyPyramidABCD, BodySpat, BodySlots
};

// Coordinate axes as indices 0, 1, 2 (x, y, z).
enum Axis : int { AxisX = 0, AxisY = 1, AxisZ = 2 };

inline Real& axisValue(Vector3& v, int axis) { return axis == AxisX ? v.x : axis == AxisY ? v.y : v.z; }
inline Real axisValue(const Vector3& v, int axis) { return axis == AxisX ? v.x : axis == AxisY ? v.y : v.z; }

// The line family never has more members than this in one run.
constexpr int kMaxFamilyMembers = 1000;

struct Scene {
    Scene();  // start-up values

    std::array<Vector3, PointCount> points;   // A, B, C, D, E, F, S, P, Q
    Vector3 vectorAD;                         // derived: D - A, name "AD"
    Vector3 origin;                           // (0,0,0), name "O", black

    std::array<Vector3, LineSlots> lineSupport;    // [1] g, [2] h, [3] g2
    std::array<Vector3, LineSlots> lineDirection;
    // The family parameter t at which each of g's six values was last
    // taken from its formula: support x, y, z, then direction x, y, z.
    // Leaving a field of g takes it at t = 0, the start-up and a new t1 at
    // t1, the family's drawing at each member's t; a scene file keeps these,
    // so g opens as it was left.
    std::array<Real, 6> lineGParameters{1, 1, 1, 1, 1, 1};
    Real familyFrom = 1;      // t1
    Real familyTo = 3;        // t2
    Real familyStep = 0.5L;   // delta t
    bool familyEnabled = false;

    // E1, E2: a*x + b*y + c*z = d, stored as {a, b, c, d}.
    std::array<std::array<Real, 4>, 3> planeCoeffs{};   // [1], [2]
    // E3, E4, E5: x = p + lambda*u + mu*v.
    std::array<Vector3, PlaneSlots> planeSupport;       // [3..5]
    std::array<Vector3, PlaneSlots> planeSpanU;
    std::array<Vector3, PlaneSlots> planeSpanV;
    Vector3 e3SpanCopyU;      // E3's u and v as last read by the plane reader
    Vector3 e3SpanCopyV;

    Colour pointColor = Colours::Blue;
    Colour bodyColor = Colours::Purple;
    std::array<Colour, LineSlots> lineColor{};    // [1] family/g red, [2] h teal, [3] g2 blue
    std::array<Colour, PlaneSlots> planeColor{};  // [1..5]

    std::array<bool, PointCount> drawPointFlag{};
    std::array<bool, VectorCount> drawVectorFlag{};
    bool segmentsInsteadOfVectors = false;
    bool coplanarGraphic = false;
    std::array<bool, LineSlots> drawLineFlag{};
    std::array<bool, PlaneSlots> drawPlaneFlag{};
    std::array<bool, BodySlots> drawBodyFlag{};
    bool drawSpatVectors = false;

    // Set by the draw command at its start.
    Colour drawPointColor = Colours::Blue;
    int vectorPenWidth = 1;

    // Positions c of the planes x = c, y = c, z = c (edited in the main window).
    Real parallelPlaneX = 6.5L;
    Real parallelPlaneY = 6.0L;
    Real parallelPlaneZ = 5.0L;

    // AD = r*AB + t*AC as found by the coplanarity calculation.
    Real coplanarR = 0;
    Real coplanarT = 0;
    bool coplanarValid = false;

    // While set, the draw button draws nothing. Leaving one of g's fields
    // sets it to whether the formula was rejected, reading all fields clears
    // it, and a drawing leaves the verdict of the last drawer of h, g2, the
    // family or a plane in parameter form (set when it rejected its object).
    bool drawBlocked = false;
};

// The origin as every reading of the fields sets it: (0,0,0), "O", black.
Vector3 originPoint();

// Puts back into `scene` every value the input window's fields, boxes and
// panels define, as `saved` holds them (an undo step). Keeps what only the
// draw command, the calculations and the plane reader write: the draw
// colour and pen width, the coplanarity result, E3's span copies, the
// origin, and the parallel planes edited in the main window.
void restoreInputValues(Scene& scene, const Scene& saved);

// The name of the first value of the scene that is NaN ("points[2].y",
// "planeCoeffs[1][3]", ...), or an empty text when there is none. A NaN in
// the model would reach a picture or a text; the checks of the fuzz targets
// and the random-use test look for one with this.
std::string naNValueName(const Scene& scene);

// The first three characters (code points) of a UTF-8 point name.
std::string cutPointName(const std::string& utf8);

// Text of a derived read-only field: the number in the general 15-digit
// format with a decimal comma. Returns false (and leaves text alone) when
// the value is not finite, so no "inf" or "nan" ever reaches a field.
bool derivedFieldText(Real value, std::string& text);

// The value such a field gives back when it is read: value through its text
// (15 digits). Nothing when the value is not finite (the field then keeps
// the value it had).
std::optional<Real> derivedFieldValue(Real value);
