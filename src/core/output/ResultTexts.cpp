#include "core/output/ResultTexts.h"

#include <cmath>

#include "core/output/ResultNumbers.h"
#include "core/output/TypesetRows.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

void AppendPointLine(OutputLog& log, const Vector3& v, std::string_view name) {
    log.AppendLine(ResultPointText(v, name));
}

void AppendDistanceLine(OutputLog& log, const IncidenceResult& result) {
    Real numerator = result.distSqNumerator;
    Real denominator = result.distSqDenominator;
    ReduceQuotient(numerator, denominator);
    const Real quotient = numerator / denominator;
    if (!IsFiniteReal(numerator) || !IsFiniteReal(denominator) || denominator == 0 ||
        !IsFiniteReal(quotient) || quotient < 0) {
        log.AppendLine("Abstand d = " + std::string(kNotComputable));
        return;
    }
    const Real distance = std::sqrt(quotient);
    log.AppendText("Abstand d = ");
    log.AppendSymbol(SymbolGlyph::Radical);
    std::string radicand = ResultText(3, numerator);
    if (denominator != 1) radicand += "/" + ResultText(3, denominator);
    log.AppendLine("(" + radicand + ")" + " = " + ResultText(3, distance));
}

void AppendAngleLine(OutputLog& log, Real angleDegrees) {
    log.AppendText("Schnittwinkel ");
    log.AppendSymbol(SymbolGlyph::Alpha);
    log.AppendLine(" = " + ResultText(3, angleDegrees) + "°");
}

void AppendLineEquation(OutputLog& log, Vector3 p, Vector3 u, std::string_view name) {
    if (!IsFiniteVector(p) || !IsFiniteVector(u)) {
        log.AppendLine(std::string(name) + ": Gleichung " + std::string(kNotComputable) + " !");
        return;
    }
    IntegerSupportPoint(p, u);
    LineEquationFormula(name, AlignedComponentTexts(p), AlignedComponentTexts(u)).WriteTo(log);
}

void AppendPlaneParameterEquation(OutputLog& log, Vector3 p, Vector3 u, Vector3 v,
                                  std::string_view name) {
    if (!IsFiniteVector(p) || !IsFiniteVector(u) || !IsFiniteVector(v)) {
        log.AppendLine(std::string(name) + ": Gleichung " + std::string(kNotComputable) + " !");
        return;
    }
    SimplifyParameterForm(p, u, v);
    PlaneEquationFormula(name, AlignedComponentTexts(p), AlignedComponentTexts(u),
                         AlignedComponentTexts(v))
        .WriteTo(log);
}

namespace {

// One term of a coordinate equation: "", "x", "-x", "+y", "+2y", "-4y", ...
// `leading` drops the "+" of a positive coefficient.
std::string CoefficientTerm(Real k, const char* letter, bool leading) {
    if (k == 0) return "";
    if (k == 1) return std::string(leading ? "" : "+") + letter;
    if (k == -1) return std::string("-") + letter;
    std::string text = ResultNumberText(k) + letter;
    if (k > 0 && !leading) text.insert(0, "+");
    return text;
}

}  // namespace

std::string PlaneCoordinateEquationText(std::string_view name, Real a, Real b, Real c, Real d) {
    const std::string label = std::string(name) + ": ";
    if (a == 0 && b == 0 && c == 0) return label + "Es liegt keine Ebene vor !";
    for (Real k : {a, b, c, d})
        if (!IsFiniteReal(k)) return label + "Gleichung " + std::string(kNotComputable) + " !";
    IntegerCoefficients(a, b, c, d);
    a = RoundToDigits(a, 3);
    b = RoundToDigits(b, 3);
    c = RoundToDigits(c, 3);
    d = RoundToDigits(d, 3);
    std::string text = label + CoefficientTerm(a, "x", true);
    text += CoefficientTerm(b, "y", a == 0);
    text += CoefficientTerm(c, "z", a == 0 && b == 0);
    return text + "=" + ResultNumberText(d);
}

void AppendPlaneCoordinateEquation(OutputLog& log, std::string_view name, Real a, Real b, Real c,
                                   Real d) {
    log.AppendLine(PlaneCoordinateEquationText(name, a, b, c, d));
}

void AppendLineTracePoints(OutputLog& log, const Vector3& p, const Vector3& u,
                           std::string_view name) {
    const LineTraces traces = LineTracePoints(p, u);
    log.AppendLine("Spurpunkte von " + std::string(name) + ":");
    if (traces.hasSxy) AppendPointLine(log, traces.Sxy, "Sxy");
    if (traces.hasSxz) AppendPointLine(log, traces.Sxz, "Sxz");
    if (traces.hasSyz) AppendPointLine(log, traces.Syz, "Syz");
    log.AppendLine(" ");
}

void AppendPlaneTraceLines(OutputLog& log, std::string_view name, Real a, Real b, Real c, Real d) {
    const PlaneTraces traces = PlaneTracePoints(a, b, c, d);
    log.SetOutputColour(OutputColours::Result);
    log.AppendLine(" ");
    const int count = int(traces.hasSx) + int(traces.hasSy) + int(traces.hasSz);
    const std::string heading = "Spurgeraden von " + std::string(name) + ":";
    log.AppendLine(count >= 2 ? heading : heading + " keine");

    const Vector3 normal = MakeVector(a, b, c);
    struct TracePair {
        bool exists;
        const Vector3& first;
        const Vector3& second;
        const char* pairName;
        Vector3 planeNormal;  // normal of the coordinate plane holding both points
    };
    const TracePair pairs[] = {
        {traces.hasSx && traces.hasSy, traces.Sx, traces.Sy, "xy", MakeVector(0, 0, 1)},
        {traces.hasSx && traces.hasSz, traces.Sx, traces.Sz, "xz", MakeVector(0, 1, 0)},
        {traces.hasSy && traces.hasSz, traces.Sy, traces.Sz, "yz", MakeVector(1, 0, 0)},
    };
    for (const auto& pair : pairs) {
        if (!pair.exists) continue;
        const Vector3 direction = VectorFromTo(pair.first, pair.second);
        if (!IsNullVector(direction)) {
            AppendLineEquation(log, pair.first, direction, pair.pairName);
            continue;
        }
        // Both axis points lie at the origin: they span no line. The trace
        // line is the plane's cut with that coordinate plane.
        log.AppendLine(pair.first.name + " und " + pair.second.name +
                       " fallen in den Ursprung; Spurgerade " + pair.pairName + " durch O:");
        AppendLineEquation(log, MakeVector(0, 0, 0), CrossProduct(normal, pair.planeNormal),
                           pair.pairName);
    }
}
