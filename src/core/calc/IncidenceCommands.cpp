// The incidence and point-test buttons: S on g or h, S in E1 or E3, two
// lines, two planes, a line and a plane.
#include "core/calc/CalcCommands.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

namespace {

const char* kDegenerateText = "Keine Aussage möglich: die Eingaben beschreiben keine Gerade oder Ebene !";

// A line as the calculation computes with it and as the verdicts read it.
struct LineData {
    std::string name;
    Vector3 p;
    Vector3 u;
    exact::Vec exactP;
    exact::Vec exactU;
};

LineData lineOf(const Scene& scene, const exact::ExactScene& exact, int line) {
    static const char* names[] = {"", "g", "h", "g2"};
    const auto index = static_cast<std::size_t>(line);
    return {names[line], scene.lineSupport[index], scene.lineDirection[index], exact.lineSupport[index],
            exact.lineDirection[index]};
}

// A null direction is no line: say so instead of testing against it.
bool checkLine(const LineData& line, OutputLog& log) {
    if (!isNullVector(line.u) && !exact::isNull(line.exactU)) return true;
    log.appendLine(line.name + ": " + kNullDirectionMessage);
    return false;
}

struct PlaneData {
    std::string name;
    std::string problem;  // why the input is no plane; empty when it is one
    Real a = 0, b = 0, c = 0, d = 0;
    Vector3 p, u, v;      // a parameter form of the same plane
    exact::ExactPlane exact;
};

// E1, E2 from their coefficients with the parameter form derived from them;
// E3 .. E5 from their parameter form with the coordinate form derived from
// it. useE3Copies takes E3's spanning vectors from the copies the plane
// reader keeps for the point test.
PlaneData planeOf(const Scene& scene, const exact::ExactScene& exact, int plane, bool useE3Copies = false) {
    PlaneData data;
    data.name = "E" + std::to_string(plane);
    data.exact = exact::planeEquation(exact, plane, useE3Copies);
    const auto index = static_cast<std::size_t>(plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        const auto& k = scene.planeCoeffs[index];
        data.a = k[0];
        data.b = k[1];
        data.c = k[2];
        data.d = k[3];
        if (!data.exact.isPlane || (data.a == 0 && data.b == 0 && data.c == 0)) {
            data.problem = kNoPlaneMessage;
            return data;
        }
        const ParameterForm form = coordinateToParameterForm(data.a, data.b, data.c, data.d);
        data.p = form.p;
        data.u = form.u;
        data.v = form.v;
        return data;
    }
    data.p = scene.planeSupport[index];
    data.u = (useE3Copies && plane == PlaneE3) ? scene.e3SpanCopyU : scene.planeSpanU[index];
    data.v = (useE3Copies && plane == PlaneE3) ? scene.e3SpanCopyV : scene.planeSpanV[index];
    const exact::Vec& exactU = (useE3Copies && plane == PlaneE3) ? exact.e3SpanCopyU : exact.planeSpanU[index];
    const exact::Vec& exactV = (useE3Copies && plane == PlaneE3) ? exact.e3SpanCopyV : exact.planeSpanV[index];
    if (isNullVector(data.u) || isNullVector(data.v) || exact::isNull(exactU) || exact::isNull(exactV)) {
        data.problem = kNullSpanMessage;
        return data;
    }
    const CoordinateForm k = exact::withExactZeros(parameterToCoordinateForm(data.p, data.u, data.v), data.exact);
    data.a = k.a;
    data.b = k.b;
    data.c = k.c;
    data.d = k.d;
    if (!data.exact.isPlane || (data.a == 0 && data.b == 0 && data.c == 0)) data.problem = kNoPlaneMessage;
    return data;
}

bool checkPlane(const PlaneData& plane, OutputLog& log) {
    if (plane.problem.empty()) return true;
    log.appendLine(plane.name + ": " + plane.problem);
    return false;
}

void appendIntersection(OutputLog& log, const std::string& name1, const std::string& name2) {
    log.appendText(name1 + " ");
    log.appendSymbol(SymbolGlyph::Intersection);
    log.appendText(" " + name2 + " = ");
}

void appendPointPlaneResult(OutputLog& log, const std::string& name, const IncidenceResult& result,
                            const Vector3& foot, Real r, Real s) {
    if (result.status == 2) {
        log.appendText("S liegt auf " + name + " mit ");
        log.appendSymbol(SymbolGlyph::Lambda);
        log.appendText(" = " + resultText(3, r) + "   ");
        log.appendSymbol(SymbolGlyph::Mu);
        log.appendLine(" = " + resultText(3, s));
    } else if (result.status == 1) {
        log.appendLine("S liegt nicht auf " + name);
        appendDistanceLine(log, result);
        appendPointLine(log, foot, "Lotfußpunkt F");
    } else {
        log.appendLine(kDegenerateText);
    }
}

}  // namespace

void pointOnLineCommand(const Scene& scene, int line, const exact::ExactScene& exact, OutputLog& log) {
    const LineData g = lineOf(scene, exact, line);
    if (!checkLine(g, log)) return;
    const Vector3& S = scene.points[PointS];
    IncidenceResult result;
    Vector3 foot;
    Real t = 0;
    pointOnLineTest(S, g.p, g.u, result, foot, t, exact::pointOnLineStatus(exact.points[PointS], g.exactP, g.exactU));
    if (result.status == 2) {
        log.appendText("S liegt auf " + g.name + " mit ");
        log.appendSymbol(SymbolGlyph::Lambda);
        log.appendLine(" = " + resultText(3, t));
    } else if (result.status == 1) {
        log.appendLine("S liegt nicht auf " + g.name);
        appendDistanceLine(log, result);
        appendPointLine(log, foot, "Lotfußpunkt F");
    } else {
        log.appendLine(kDegenerateText);
    }
}

void pointInE1Command(const Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e1 = planeOf(scene, exact, PlaneE1);
    if (!checkPlane(e1, log)) return;
    // λ and μ refer to a parameter form of E1 itself: support point
    // pointOfPlane(E1) (coordinateForm = true) and the spanning vectors of
    // E1's own parameter form.
    IncidenceResult result;
    Vector3 foot;
    Real r = 0, s = 0;
    pointPlaneTest(scene.points[PointS], e1.p, e1.u, e1.v, e1.a, e1.b, e1.c, e1.d, true, result, foot, r, s,
                   exact::pointInPlaneStatus(exact.points[PointS], e1.exact));
    appendPointPlaneResult(log, e1.name, result, foot, r, s);
}

void pointInE3Command(const Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e3 = planeOf(scene, exact, PlaneE3, /*useE3Copies=*/true);
    if (!checkPlane(e3, log)) return;
    IncidenceResult result;
    Vector3 foot;
    Real r = 0, s = 0;
    pointPlaneTest(scene.points[PointS], e3.p, e3.u, e3.v, e3.a, e3.b, e3.c, e3.d, false, result, foot, r, s,
                   exact::pointInPlaneStatus(exact.points[PointS], e3.exact));
    appendPointPlaneResult(log, e3.name, result, foot, r, s);
}

void lineLineCommand(const Scene& scene, int line1, int line2, const exact::ExactScene& exact, OutputLog& log) {
    const LineData g = lineOf(scene, exact, line1);
    const LineData h = lineOf(scene, exact, line2);
    const bool gOk = checkLine(g, log);
    const bool hOk = checkLine(h, log);
    if (!gOk || !hOk) return;
    IncidenceResult result;
    Vector3 S, F1, F2, Fq;
    lineLineIncidence(g.p, g.u, h.p, h.u, result, S, F1, F2, Fq,
                      exact::lineLineStatus(g.exactP, g.exactU, h.exactP, h.exactU));
    switch (result.status) {
        case 0:
            log.appendLine(g.name + " = " + h.name + " ");
            break;
        case 1:
            log.appendLine(g.name + " || " + h.name + " ");
            appendDistanceLine(log, result);
            break;
        case 2:
            appendIntersection(log, g.name, h.name);
            appendPointLine(log, S, "S");
            appendAngleLine(log, result.angleDegrees);
            break;
        case 3:
            log.appendLine(g.name + " , " + h.name + "  windschief ");
            appendDistanceLine(log, result);
            log.appendLine("Lotfußpunkte:");
            appendPointLine(log, F1, "P");
            appendPointLine(log, F2, "Q");
            break;
        default:
            log.appendLine(kDegenerateText);
    }
}

void planePlaneCommand(const Scene& scene, int plane1, int plane2, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e1 = planeOf(scene, exact, plane1);
    const PlaneData e2 = planeOf(scene, exact, plane2);
    const bool ok1 = checkPlane(e1, log);
    const bool ok2 = checkPlane(e2, log);
    if (!ok1 || !ok2) return;
    IncidenceResult result;
    Vector3 P, direction;
    planePlaneIncidence(e1.a, e1.b, e1.c, e1.d, e2.a, e2.b, e2.c, e2.d, result, P, direction,
                        exact::planePlaneStatus(e1.exact, e2.exact));
    switch (result.status) {
        case 0:
            log.appendLine(e1.name + " = " + e2.name + " ");
            break;
        case 1:
            log.appendLine(e1.name + " || " + e2.name + " ");
            appendDistanceLine(log, result);
            break;
        case 2:
            log.appendText(e1.name + " ");
            log.appendSymbol(SymbolGlyph::Intersection);
            log.appendLine(" " + e2.name + " = g mit:");
            appendLineEquation(log, P, direction, "g");
            appendAngleLine(log, result.angleDegrees);
            break;
        default:
            log.appendLine(kDegenerateText);
    }
}

void linePlaneCommand(const Scene& scene, int plane, const exact::ExactScene& exact, OutputLog& log) {
    const PlaneData e = planeOf(scene, exact, plane);
    const LineData g = lineOf(scene, exact, LineG);
    const bool planeOk = checkPlane(e, log);
    const bool lineOk = checkLine(g, log);
    if (!planeOk || !lineOk) return;
    IncidenceResult result;
    Vector3 S;
    linePlaneIncidence(g.p, g.u, e.a, e.b, e.c, e.d, result, S, exact::linePlaneStatus(g.exactP, g.exactU, e.exact));
    switch (result.status) {
        case 0:
            log.appendLine(g.name + " liegt auf " + e.name + " ");
            break;
        case 1:
            log.appendLine(g.name + " || " + e.name + " ");
            appendDistanceLine(log, result);
            break;
        case 2:
            appendIntersection(log, e.name, g.name);
            appendPointLine(log, S, "S");
            appendAngleLine(log, result.angleDegrees);
            break;
        default:
            log.appendLine(kDegenerateText);
    }
}
