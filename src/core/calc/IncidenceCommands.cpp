// The incidence and point-test buttons: S on g or h, S in E1 or E3, two
// lines, two planes, a line and a plane. The case is the exact verdict, and
// its values are computed on the same exact reading of the scene.
#include <cmath>

#include "core/calc/CalcCommands.h"
#include "core/exact/ExactValues.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "core/numbers/NumberTools.h"
#include "core/geometry/VectorOps.h"

namespace {

using exact::Number;
using exact::Vec;
using exact::toVector3;

const char* kDegenerateText = "Keine Aussage möglich: die Eingaben beschreiben keine Gerade oder Ebene !";

struct LineData {
    std::string name;
    Vec p;
    Vec u;
};

LineData lineOf(const exact::ExactScene& exact, int line) {
    static const char* names[] = {"", "g", "h", "g2"};
    const auto index = static_cast<std::size_t>(line);
    return {names[line], exact.lineSupport[index], exact.lineDirection[index]};
}

// A null direction is no line: say so instead of testing against it.
bool checkLine(const LineData& line, OutputLog& log) {
    if (!exact::isNull(line.u)) return true;
    log.appendLine(line.name + ": " + kNullDirectionMessage);
    return false;
}

struct PlaneData {
    std::string name;
    std::string problem;  // why the input is no plane; empty when it is one
    exact::ExactPlane equation;
    Vec p, u, v;          // a parameter form of the same plane
};

// E1, E2 from their coefficients with the parameter form the point tests
// take (exact::parameterFormOf); E3 .. E5 from their parameter form. useE3Copies takes E3's
// spanning vectors from the copies the plane reader keeps for the point test.
PlaneData planeOf(const exact::ExactScene& exact, int plane, bool useE3Copies = false) {
    PlaneData data;
    data.name = "E" + std::to_string(plane);
    data.equation = exact::planeEquation(exact, plane, useE3Copies);
    const auto index = static_cast<std::size_t>(plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        if (!data.equation.isPlane) {
            data.problem = kNoPlaneMessage;
            return data;
        }
        const exact::CoordinatePlaneForm form = exact::parameterFormOf(data.equation);
        data.p = form.p;
        data.u = form.u;
        data.v = form.v;
        return data;
    }
    const bool copies = useE3Copies && plane == PlaneE3;
    data.p = exact.planeSupport[index];
    data.u = copies ? exact.e3SpanCopyU : exact.planeSpanU[index];
    data.v = copies ? exact.e3SpanCopyV : exact.planeSpanV[index];
    if (exact::isNull(data.u) || exact::isNull(data.v))
        data.problem = kNullSpanMessage;
    else if (!data.equation.isPlane)
        data.problem = kNoPlaneMessage;
    return data;
}

bool checkPlane(const PlaneData& plane, OutputLog& log) {
    if (plane.problem.empty()) return true;
    log.appendLine(plane.name + ": " + plane.problem);
    return false;
}

// Values beyond the range of numbers leave no statement.
bool allFinite(std::initializer_list<Real> values) {
    for (const Real v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool allFinite(std::initializer_list<Vector3> points) {
    for (const Vector3& v : points)
        if (!isFiniteVector(v)) return false;
    return true;
}

// 'Abstand d = √(p/q) = 1,234' with the exact fraction as the radicand
// where it is short enough to read; otherwise as a rounded quotient.
// A distance that is not zero but rounds to 0 at three decimals is shown
// with its significant digits ('√(1E-26) = 1E-13'): "nicht auf g" beside
// "d = 0" would read as a contradiction.
void appendDistance(OutputLog& log, const Number& squared) {
    const IncidenceResult result = exact::distanceResult(1, squared);
    const Real distance = distanceFromResult(result);
    std::string radicand, value = resultText(3, distance);
    if (squared.sign() > 0 && roundToDigits(distance, 3) == 0) {
        radicand = resultNumberText(result.distSqNumerator);
        value = resultNumberText(distance);
    } else if (exact::isReadableFraction(squared)) {
        const mpq_class& q = squared.rational();
        radicand = q.get_num().get_str();
        if (q.get_den() != 1) radicand += "/" + q.get_den().get_str();
    } else {
        return appendDistanceLine(log, result);
    }
    log.appendText("Abstand d = ");
    log.appendSymbol(SymbolGlyph::Radical);
    log.appendLine("(" + radicand + ") = " + value);
}

void appendIntersection(OutputLog& log, const std::string& name1, const std::string& name2) {
    log.appendText(name1 + " ");
    log.appendSymbol(SymbolGlyph::Intersection);
    log.appendText(" " + name2 + " = ");
}

// 'S liegt nicht auf g', the distance and the foot F.
void appendOffResult(OutputLog& log, const std::string& name, const Number& distSq, const Vec& foot) {
    const Vector3 F = toVector3(foot);
    const IncidenceResult result = exact::distanceResult(1, distSq);
    if (!allFinite({result.distSqNumerator}) || !allFinite({F})) {
        log.appendLine(kDegenerateText);
        return;
    }
    log.appendLine("S liegt nicht auf " + name);
    appendDistance(log, distSq);
    appendPointLine(log, F, "Lotfußpunkt F");
}

void appendPointPlaneResult(OutputLog& log, const exact::ExactScene& exact, const PlaneData& plane) {
    const Vec& S = exact.points[PointS];
    const bool in = exact::pointInPlaneStatus(S, plane.equation) == 2;
    const exact::PointPlaneValues values = exact::pointPlaneValues(S, plane.equation, plane.p, plane.u, plane.v, in);
    if (!in) return appendOffResult(log, plane.name, values.distSq, values.foot);
    const Real r = values.r.toReal(), s = values.s.toReal();
    if (!allFinite({r, s})) return log.appendLine(kDegenerateText);
    log.appendText("S liegt auf " + plane.name + " mit ");
    log.appendSymbol(SymbolGlyph::Lambda);
    log.appendText(" = " + resultText(3, r) + "   ");
    log.appendSymbol(SymbolGlyph::Mu);
    log.appendLine(" = " + resultText(3, s));
}

}  // namespace

void pointOnLineCommand(const Scene&, int line, const exact::ExactScene& exact, OutputLog& log) {
    const LineData g = lineOf(exact, line);
    if (!checkLine(g, log)) return;
    const Vec& S = exact.points[PointS];
    const exact::PointLineValues values = exact::pointLineValues(S, g.p, g.u);
    if (exact::pointOnLineStatus(S, g.p, g.u) == 1) return appendOffResult(log, g.name, values.distSq, values.foot);
    const Real t = values.t.toReal();
    if (!allFinite({t})) return log.appendLine(kDegenerateText);
    log.appendText("S liegt auf " + g.name + " mit ");
    log.appendSymbol(SymbolGlyph::Lambda);
    log.appendLine(" = " + resultText(3, t));
}

void pointInE1Command(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    // λ and μ refer to E1's own parameter form from its first axis point.
    const PlaneData e1 = planeOf(exact, PlaneE1);
    if (checkPlane(e1, log)) appendPointPlaneResult(log, exact, e1);
}

void pointInE3Command(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e3 = planeOf(exact, PlaneE3, /*useE3Copies=*/true);
    if (checkPlane(e3, log)) appendPointPlaneResult(log, exact, e3);
}

void lineLineCommand(const Scene&, int line1, int line2, const exact::ExactScene& exact, OutputLog& log) {
    const LineData g = lineOf(exact, line1);
    const LineData h = lineOf(exact, line2);
    const bool gOk = checkLine(g, log);
    const bool hOk = checkLine(h, log);
    if (!gOk || !hOk) return;
    const std::uint8_t status = exact::lineLineStatus(g.p, g.u, h.p, h.u);
    const exact::LineLineValues values = exact::lineLineValues(status, g.p, g.u, h.p, h.u);
    const IncidenceResult distance = exact::distanceResult(status, values.distSq);
    const Vector3 S = toVector3(values.S), P = toVector3(values.P), Q = toVector3(values.Q);
    if (!allFinite({distance.distSqNumerator, values.angle}) || !allFinite({S, P, Q}))
        return log.appendLine(kDegenerateText);
    switch (status) {
        case 0:
            log.appendLine(g.name + " = " + h.name + " ");
            break;
        case 1:
            log.appendLine(g.name + " || " + h.name + " ");
            appendDistance(log, values.distSq);
            break;
        case 2:
            appendIntersection(log, g.name, h.name);
            appendPointLine(log, S, "S");
            appendAngleLine(log, values.angle);
            break;
        default:
            log.appendLine(g.name + " , " + h.name + "  windschief ");
            appendDistance(log, values.distSq);
            log.appendLine("Lotfußpunkte:");
            appendPointLine(log, P, "P");
            appendPointLine(log, Q, "Q");
    }
}

void planePlaneCommand(const Scene&, int plane1, int plane2, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e1 = planeOf(exact, plane1);
    const PlaneData e2 = planeOf(exact, plane2);
    const bool ok1 = checkPlane(e1, log);
    const bool ok2 = checkPlane(e2, log);
    if (!ok1 || !ok2) return;
    const std::uint8_t status = exact::planePlaneStatus(e1.equation, e2.equation);
    const exact::PlanePlaneValues values = exact::planePlaneValues(status, e1.equation, e2.equation);
    const IncidenceResult distance = exact::distanceResult(status, values.distSq);
    const Vector3 P = toVector3(values.P), direction = toVector3(values.direction);
    if (!allFinite({distance.distSqNumerator, values.angle}) || !allFinite({P, direction}))
        return log.appendLine(kDegenerateText);
    switch (status) {
        case 0:
            log.appendLine(e1.name + " = " + e2.name + " ");
            break;
        case 1:
            log.appendLine(e1.name + " || " + e2.name + " ");
            appendDistance(log, values.distSq);
            break;
        default:
            log.appendText(e1.name + " ");
            log.appendSymbol(SymbolGlyph::Intersection);
            log.appendLine(" " + e2.name + " = g mit:");
            appendLineEquation(log, P, direction, "g");
            appendAngleLine(log, values.angle);
    }
}

void linePlaneCommand(const Scene&, int plane, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e = planeOf(exact, plane);
    const LineData g = lineOf(exact, LineG);
    const bool planeOk = checkPlane(e, log);
    const bool lineOk = checkLine(g, log);
    if (!planeOk || !lineOk) return;
    const std::uint8_t status = exact::linePlaneStatus(g.p, g.u, e.equation);
    const exact::LinePlaneValues values = exact::linePlaneValues(status, g.p, g.u, e.equation);
    const IncidenceResult distance = exact::distanceResult(status, values.distSq);
    const Vector3 S = toVector3(values.S);
    if (!allFinite({distance.distSqNumerator, values.angle}) || !allFinite({S}))
        return log.appendLine(kDegenerateText);
    switch (status) {
        case 0:
            log.appendLine(g.name + " liegt auf " + e.name + " ");
            break;
        case 1:
            log.appendLine(g.name + " || " + e.name + " ");
            appendDistance(log, values.distSq);
            break;
        default:
            appendIntersection(log, e.name, g.name);
            appendPointLine(log, S, "S");
            appendAngleLine(log, values.angle);
    }
}
