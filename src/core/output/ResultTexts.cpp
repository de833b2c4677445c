#include "core/output/ResultTexts.h"

#include <cmath>

#include "core/output/ResultNumbers.h"
#include "core/output/TypesetRows.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

void appendPointLine(OutputLog& log, const Vector3& v, std::string_view name) {
    log.appendLine(resultPointText(v, name));
}

void appendDistanceLine(OutputLog& log, const IncidenceResult& result) {
    Real numerator = result.distSqNumerator;
    Real denominator = result.distSqDenominator;
    reduceQuotient(numerator, denominator);
    const Real quotient = numerator / denominator;
    if (!isFiniteReal(numerator) || !isFiniteReal(denominator) || denominator == 0 ||
        !isFiniteReal(quotient) || quotient < 0) {
        log.appendLine("Abstand d = " + std::string(kNotComputable));
        return;
    }
    const Real distance = std::sqrt(quotient);
    log.appendText("Abstand d = ");
    log.appendSymbol(SymbolGlyph::Radical);
    std::string radicand = resultText(3, numerator);
    if (denominator != 1) radicand += "/" + resultText(3, denominator);
    log.appendLine("(" + radicand + ")" + " = " + resultText(3, distance));
}

void appendAngleLine(OutputLog& log, Real angleDegrees) {
    log.appendText("Schnittwinkel ");
    log.appendSymbol(SymbolGlyph::Alpha);
    log.appendLine(" = " + resultText(3, angleDegrees) + "°");
}

void appendLineEquation(OutputLog& log, Vector3 p, Vector3 u, std::string_view name) {
    if (!isFiniteVector(p) || !isFiniteVector(u)) {
        log.appendLine(std::string(name) + ": Gleichung " + std::string(kNotComputable) + " !");
        return;
    }
    integerSupportPoint(p, u);
    lineEquationFormula(name, alignedComponentTexts(p), alignedComponentTexts(u)).writeTo(log);
}

void appendPlaneParameterEquation(OutputLog& log, Vector3 p, Vector3 u, Vector3 v,
                                  std::string_view name) {
    if (!isFiniteVector(p) || !isFiniteVector(u) || !isFiniteVector(v)) {
        log.appendLine(std::string(name) + ": Gleichung " + std::string(kNotComputable) + " !");
        return;
    }
    simplifyParameterForm(p, u, v);
    planeEquationFormula(name, alignedComponentTexts(p), alignedComponentTexts(u),
                         alignedComponentTexts(v))
        .writeTo(log);
}

namespace {

// One term of a coordinate equation: "", "x", "-x", "+y", "+2y", "-4y", ...
// `leading` drops the "+" of a positive coefficient.
std::string coefficientTerm(Real k, const char* letter, bool leading) {
    if (k == 0) return "";
    if (k == 1) return std::string(leading ? "" : "+") + letter;
    if (k == -1) return std::string("-") + letter;
    std::string text = resultNumberText(k) + letter;
    if (k > 0 && !leading) text.insert(0, "+");
    return text;
}

}  // namespace

std::string planeCoordinateEquationText(std::string_view name, Real a, Real b, Real c, Real d) {
    const std::string label = std::string(name) + ": ";
    if (a == 0 && b == 0 && c == 0) return label + "Es liegt keine Ebene vor !";
    for (Real k : {a, b, c, d})
        if (!isFiniteReal(k)) return label + "Gleichung " + std::string(kNotComputable) + " !";
    integerCoefficients(a, b, c, d);
    a = roundToDigits(a, 3);
    b = roundToDigits(b, 3);
    c = roundToDigits(c, 3);
    d = roundToDigits(d, 3);
    std::string text = label + coefficientTerm(a, "x", true);
    text += coefficientTerm(b, "y", a == 0);
    text += coefficientTerm(c, "z", a == 0 && b == 0);
    return text + "=" + resultNumberText(d);
}

void appendPlaneCoordinateEquation(OutputLog& log, std::string_view name, Real a, Real b, Real c,
                                   Real d) {
    log.appendLine(planeCoordinateEquationText(name, a, b, c, d));
}

void appendLineTracePoints(OutputLog& log, const Vector3& p, const Vector3& u,
                           std::string_view name) {
    const LineTraces traces = lineTracePoints(p, u);
    log.appendLine("Spurpunkte von " + std::string(name) + ":");
    if (traces.hasSxy) appendPointLine(log, traces.Sxy, "Sxy");
    if (traces.hasSxz) appendPointLine(log, traces.Sxz, "Sxz");
    if (traces.hasSyz) appendPointLine(log, traces.Syz, "Syz");
    log.appendLine(" ");
}

void appendPlaneTraceLines(OutputLog& log, std::string_view name, Real a, Real b, Real c, Real d) {
    const PlaneTraces traces = planeTracePoints(a, b, c, d);
    log.setOutputColour(OutputColours::Result);
    log.appendLine(" ");
    const int count = int(traces.hasSx) + int(traces.hasSy) + int(traces.hasSz);
    const std::string heading = "Spurgeraden von " + std::string(name) + ":";
    log.appendLine(count >= 2 ? heading : heading + " keine");

    const Vector3 normal = makeVector(a, b, c);
    struct TracePair {
        bool exists;
        const Vector3& first;
        const Vector3& second;
        const char* pairName;
        Vector3 planeNormal;  // normal of the coordinate plane holding both points
    };
    const TracePair pairs[] = {
        {traces.hasSx && traces.hasSy, traces.Sx, traces.Sy, "xy", makeVector(0, 0, 1)},
        {traces.hasSx && traces.hasSz, traces.Sx, traces.Sz, "xz", makeVector(0, 1, 0)},
        {traces.hasSy && traces.hasSz, traces.Sy, traces.Sz, "yz", makeVector(1, 0, 0)},
    };
    for (const auto& pair : pairs) {
        if (!pair.exists) continue;
        const Vector3 direction = vectorFromTo(pair.first, pair.second);
        if (!isNullVector(direction)) {
            appendLineEquation(log, pair.first, direction, pair.pairName);
            continue;
        }
        // Both axis points lie at the origin: they span no line. The trace
        // line is the plane's cut with that coordinate plane.
        log.appendLine(pair.first.name + " und " + pair.second.name +
                       " fallen in den Ursprung; Spurgerade " + pair.pairName + " durch O:");
        appendLineEquation(log, makeVector(0, 0, 0), crossProduct(normal, pair.planeNormal),
                           pair.pairName);
    }
}
