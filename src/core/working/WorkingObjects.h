#pragma once
// Internal to the working: the lines and planes of the scene as the
// workings read them, their degenerate cases, and the steps that turn a
// plane from one form into the other.
#include <string>

#include "core/exact/ExactVerdicts.h"
#include "core/working/Working.h"
#include "core/working/WorkingSteps.h"

namespace working {

// Ends the working with a short sentence why the method cannot go on.
WorkingOutcome stop(Sheet& sheet, const std::string& reason);

struct LineInput {
    std::string name;  // "g", "h", "g2"
    Vec p, u;
};
LineInput lineOf(const ExactScene& scene, int line);
// "g: p = (3|3|4), u = (-4|5|0)".
void writeLine(Sheet& sheet, const LineInput& line, const char* support = "p", const char* direction = "u");
// The sentence for a null direction, or empty when the line is one.
std::string lineProblem(const LineInput& line);
// "S = p + λ·u = (3|3|4) + (-1/4)·(-4|5|0) = (4|7/4|4)": the point of a
// line at a parameter value. Returns the point.
Vec writePointOf(Sheet& sheet, const std::string& name, const std::string& formula, const Vec& p, const Number& k,
                 const Vec& u);

struct PlaneInput {
    std::string name;  // "E1" ... "E5"
    bool parameterForm = false;
    Vec p, u, v;       // parameter form (E3 .. E5)
    Number a, b, c, d; // coordinate form
    Vec normal() const { return makeVec(a, b, c); }
};
// E3 takes the copies of its spanning vectors kept for the point test when
// useE3Copies is set.
PlaneInput planeOf(const ExactScene& scene, int plane, bool useE3Copies = false);
// The sentence for an input that is no plane (null normal, null or
// parallel spanning vectors), or empty.
std::string planeProblem(const PlaneInput& plane);

// "E1: 15x + 12y + 10z = 60".
std::string coordinateEquationText(const PlaneInput& plane);
// For a plane in parameter form: its parameter form (unless written
// already), "Koordinatenform von E3 mit n = u × v:", the cross product, n·p
// and the equation; for E1 and E2 the equation.
void writeCoordinateForm(Sheet& sheet, const PlaneInput& plane, bool withParameterForm = true);
// "E3: p = (1|0|2), u = (1|2|0), v = (0|1/2|3)".
std::string parameterFormText(const PlaneInput& plane);
// The point of a x + b y + c z = d with two coordinates 1 and the third
// solved for, preferring z, then y, then x:
// "Punkt von E1 mit x = 1, y = 1: 15 + 12 + 10z = 60  ⇒  z = 33/10".
Vec writePointOfPlane(Sheet& sheet, const PlaneInput& plane, const std::string& name);
// The left side of a x + b y + c z = d with the coordinates of a point
// put in (for a check by substitution), terms with a coefficient 0 left
// out: "15·1 + 12·1 + 10·3".
std::string substitutionText(const PlaneInput& plane, const Vec& point);
// "S in E1 einsetzen: 15·6 + 12·8 + 10·8 = 266 ≠ 60", or "... = 60  wahr"
// when the point lies in the plane. Returns the left side's value.
struct Substitution {
    Number value;
    bool inside = false;
};
Substitution writeSubstitution(Sheet& sheet, const std::string& pointName, const PlaneInput& plane, const Vec& point);

}  // namespace working
