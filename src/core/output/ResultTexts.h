#pragma once
// The result texts shared by the calculation commands: points, exact
// distances, intersection angles, the typeset equations of lines and planes,
// one-line coordinate equations, and the trace points and trace lines.
#include <string>
#include <string_view>

#include "core/output/OutputLog.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"

// name + "(x|y|z)  " to 3 decimals, e.g. 'S(1|2,5|-3)  '.
void appendPointLine(OutputLog& log, const Vector3& v, std::string_view name);

// 'Abstand d = √(50/3) = 4,082': the squared distance as a reduced fraction
// under the root, then the distance to 3 decimals. ('√(25) = 5' when the
// denominator is 1.) A quotient that is not a finite non-negative number
// gives 'Abstand d = nicht berechenbar'.
void appendDistanceLine(OutputLog& log, const IncidenceResult& result);

// 'Schnittwinkel α = 35,264°'.
void appendAngleLine(OutputLog& log, Real angleDegrees);

// Three-row equation of the line x = p + λ·u, shown with a whole-number
// direction and, where one exists, a whole-number support point (computed on
// copies).
void appendLineEquation(OutputLog& log, Vector3 p, Vector3 u, std::string_view name);

// Three-row equation x = p + λ·u + μ·v, shown in its simpler form when the
// given one is not whole-numbered (computed on copies).
void appendPlaneParameterEquation(OutputLog& log, Vector3 p, Vector3 u, Vector3 v,
                                  std::string_view name);

// 'E1: 2x+3y-z=5' with whole-number coefficients where possible.
std::string planeCoordinateEquationText(std::string_view name, Real a, Real b, Real c, Real d);
void appendPlaneCoordinateEquation(OutputLog& log, std::string_view name, Real a, Real b, Real c,
                                   Real d);

// 'Spurpunkte von g:', one point line per existing trace point (Sxy, Sxz,
// Syz), then a blank line.
void appendLineTracePoints(OutputLog& log, const Vector3& p, const Vector3& u,
                           std::string_view name);

// Sets the colour to blue, then 'Spurgeraden von E1:' and the equation of the
// trace line through each pair of existing axis points ('xy', 'xz', 'yz'), or
// 'Spurgeraden von E1: keine' when fewer than two exist. For a plane through
// the origin the axis points coincide there: the trace line in that
// coordinate plane is then given by the origin and the direction n × e.
void appendPlaneTraceLines(OutputLog& log, std::string_view name, Real a, Real b, Real c, Real d);
