// Point tests: S equated to a line or a plane, the three component
// equations solved for the parameters, and the verdict.
#include "core/working/WorkingCommands.h"

namespace working {

namespace {

std::string contradictionText(int axis) {
    return std::string("Widerspruch in der ") + kAxisNames[std::size_t(axis)] + "-Gleichung";
}

}  // namespace

PointOnLine writePointOnLine(Sheet& sheet, const std::string& pointName, const Vec& S, const LineInput& line) {
    sheet.line("Ansatz: " + pointName + " = p + λ·u");
    sheet.vectorEquation({S, " = ", line.p, " + λ·", line.u});
    PointOnLine result;
    std::optional<Number> lambda;
    for (int i = 0; i < 3; ++i) {
        const Number& u = line.u[i];
        const Number rest = S[i] - line.p[i];
        std::string text = std::string(kAxisNames[std::size_t(i)]) + ": " + toText(S[i]) + " = " +
                           linearText({{line.p[i], ""}, {u, "λ"}});
        bool holds = true;
        if (!u.isZero()) {
            const Number value = rest / u;
            text += "  ⇔  " + solvedText(u, "λ", rest);
            if (!lambda) lambda = value;
            holds = sameValue(value, *lambda);
        } else {
            holds = rest.isZero();
            text += holds ? "  wahr für jedes λ" : "  falsch";
        }
        if (!holds && result.contradiction < 0) result.contradiction = i;
        sheet.line(text);
    }
    result.on = result.contradiction < 0;
    if (lambda) result.lambda = *lambda;
    if (result.on)
        sheet.line("alle drei Gleichungen erfüllt: " + pointName + " liegt auf " + line.name + " mit λ = " +
                   toText(result.lambda));
    else
        sheet.line(contradictionText(result.contradiction) + ": " + pointName + " liegt nicht auf " + line.name);
    return result;
}

WorkingOutcome pointOnLineWorking(const ExactScene& scene, Sheet& sheet, int lineNumber) {
    const LineInput line = lineOf(scene, lineNumber);
    if (const std::string problem = lineProblem(line); !problem.empty()) return stop(sheet, problem);
    const Vec& S = scene.points[PointS];
    writeLine(sheet, line);
    sheet.line("S = " + toText(S));
    const PointOnLine test = writePointOnLine(sheet, "S", S, line);
    WorkingOutcome outcome;
    outcome.status = test.on ? 2 : 1;
    if (test.on) outcome.values["λ"] = test.lambda.toReal();
    return outcome;
}

namespace {

// S = p + λ·u + μ·v as three equations, two solved, the third the check.
WorkingOutcome writePointInPlane(Sheet& sheet, const Vec& S, const Vec& p, const Vec& u, const Vec& v,
                                 const std::string& planeName, const char* support) {
    sheet.line(std::string("Ansatz: S = ") + support + " + λ·u + μ·v");
    sheet.vectorEquation({S, " = ", p, " + λ·", u, " + μ·", v});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], u[i], v[i], S[i] - p[i]};
        sheet.line(rearrangedText(
            e, toText(S[i]) + " = " + linearText({{p[i], ""}, {u[i], "λ"}, {v[i], "μ"}}), "λ", "μ"));
    }
    const SystemSolution solution = writeSolveSystem(sheet, equations, "λ", "μ");
    if (!solution.regular) return stop(sheet, "u und v sind parallel, " + planeName + " ist keine Ebene");
    WorkingOutcome outcome;
    if (!solution.consistent) {
        sheet.line(contradictionText(solution.contradiction) + ": S liegt nicht auf " + planeName);
        outcome.status = 1;
        return outcome;
    }
    sheet.line("alle drei Gleichungen erfüllt: S liegt auf " + planeName + " mit λ = " + toText(solution.x) +
               ", μ = " + toText(solution.y));
    outcome.status = 2;
    outcome.values["λ"] = solution.x.toReal();
    outcome.values["μ"] = solution.y.toReal();
    return outcome;
}

}  // namespace

WorkingOutcome pointInPlaneWorking(const ExactScene& scene, Sheet& sheet, int planeNumber) {
    const PlaneInput plane = planeOf(scene, planeNumber, /*useE3Copies=*/true);
    if (const std::string problem = planeProblem(plane); !problem.empty()) return stop(sheet, problem);
    const Vec& S = scene.points[PointS];
    if (plane.parameterForm) {
        sheet.line(plane.name + ": p = " + toText(plane.p) + ", u = " + toText(plane.u) + ", v = " + toText(plane.v));
        sheet.line("S = " + toText(S));
        return writePointInPlane(sheet, S, plane.p, plane.u, plane.v, plane.name, "p");
    }
    // A coordinate plane gets a parameter form first: a point of it, and two
    // spanning vectors perpendicular to its normal, from its axis points.
    sheet.line(coordinateEquationText(plane) + ", S = " + toText(S));
    sheet.line("Parameterform von " + plane.name + ":");
    const Vec P = writePointOfPlane(sheet, plane, "P");
    Vec u, v;
    if (!plane.a.isZero()) {
        u = makeVec(-plane.c / plane.a, 0, 1);
        v = makeVec(-plane.b / plane.a, 1, 0);
    } else if (!plane.b.isZero()) {
        u = makeVec(0, -plane.c / plane.b, 1);
        v = makeVec(1, -plane.a / plane.b, 0);
    } else {
        u = makeVec(0, 1, -plane.b / plane.c);
        v = makeVec(1, 0, -plane.a / plane.c);
    }
    sheet.line("Spannvektoren mit n·u = 0 und n·v = 0: u = " + toText(u) + ", v = " + toText(v));
    return writePointInPlane(sheet, S, P, u, v, plane.name, "P");
}

}  // namespace working
