// Point tests: S equated to a line or a plane, the three component
// equations solved for the parameters, and the verdict.
#include "core/working/WorkingCommands.h"

namespace working {

namespace {

std::string ContradictionText(int axis) {
    return std::string("Widerspruch in der ") + kAxisNames[std::size_t(axis)] + "-Gleichung";
}

}  // namespace

PointOnLine WritePointOnLine(Sheet& sheet, const std::string& pointName, const Vec& S, const LineInput& line) {
    sheet.Line("Ansatz: " + pointName + " = p + λ·u");
    sheet.VectorEquation({S, " = ", line.p, " + λ·", line.u});
    PointOnLine result;
    std::optional<Number> lambda;
    for (int i = 0; i < 3; ++i) {
        const Number& u = line.u[i];
        const Number rest = S[i] - line.p[i];
        std::string text = std::string(kAxisNames[std::size_t(i)]) + ": " + Text(S[i]) + " = " +
                           LinearText({{line.p[i], ""}, {u, "λ"}});
        bool holds = true;
        if (!u.IsZero()) {
            const Number value = rest / u;
            text += "  ⇔  " + SolvedText(u, "λ", rest);
            if (!lambda) lambda = value;
            holds = SameValue(value, *lambda);
        } else {
            holds = rest.IsZero();
            text += holds ? "  wahr für jedes λ" : "  falsch";
        }
        if (!holds && result.contradiction < 0) result.contradiction = i;
        sheet.Line(text);
    }
    result.on = result.contradiction < 0;
    if (lambda) result.lambda = *lambda;
    if (result.on)
        sheet.Line("alle drei Gleichungen erfüllt: " + pointName + " liegt auf " + line.name + " mit λ = " +
                   Text(result.lambda));
    else
        sheet.Line(ContradictionText(result.contradiction) + ": " + pointName + " liegt nicht auf " + line.name);
    return result;
}

WorkingOutcome PointOnLineWorking(const ExactScene& scene, Sheet& sheet, int lineNumber) {
    const LineInput line = LineOf(scene, lineNumber);
    if (const std::string problem = LineProblem(line); !problem.empty()) return Stop(sheet, problem);
    const Vec& S = scene.points[PointS];
    WriteLine(sheet, line);
    sheet.Line("S = " + Text(S));
    const PointOnLine test = WritePointOnLine(sheet, "S", S, line);
    WorkingOutcome outcome;
    outcome.status = test.on ? 2 : 1;
    if (test.on) outcome.values["λ"] = test.lambda.ToReal();
    return outcome;
}

namespace {

// S = p + λ·u + μ·v as three equations, two solved, the third the check.
WorkingOutcome WritePointInPlane(Sheet& sheet, const Vec& S, const Vec& p, const Vec& u, const Vec& v,
                                 const std::string& planeName, const char* support) {
    sheet.Line(std::string("Ansatz: S = ") + support + " + λ·u + μ·v");
    sheet.VectorEquation({S, " = ", p, " + λ·", u, " + μ·", v});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], u[i], v[i], S[i] - p[i]};
        sheet.Line(RearrangedText(
            e, Text(S[i]) + " = " + LinearText({{p[i], ""}, {u[i], "λ"}, {v[i], "μ"}}), "λ", "μ"));
    }
    const SystemSolution solution = WriteSolveSystem(sheet, equations, "λ", "μ");
    if (!solution.regular) return Stop(sheet, "u und v sind parallel, " + planeName + " ist keine Ebene");
    WorkingOutcome outcome;
    if (!solution.consistent) {
        sheet.Line(ContradictionText(solution.contradiction) + ": S liegt nicht auf " + planeName);
        outcome.status = 1;
        return outcome;
    }
    sheet.Line("alle drei Gleichungen erfüllt: S liegt auf " + planeName + " mit λ = " + Text(solution.x) +
               ", μ = " + Text(solution.y));
    outcome.status = 2;
    outcome.values["λ"] = solution.x.ToReal();
    outcome.values["μ"] = solution.y.ToReal();
    return outcome;
}

}  // namespace

WorkingOutcome PointInPlaneWorking(const ExactScene& scene, Sheet& sheet, int planeNumber) {
    const PlaneInput plane = PlaneOf(scene, planeNumber, /*useE3Copies=*/true);
    if (const std::string problem = PlaneProblem(plane); !problem.empty()) return Stop(sheet, problem);
    const Vec& S = scene.points[PointS];
    if (plane.parameterForm) {
        sheet.Line(plane.name + ": p = " + Text(plane.p) + ", u = " + Text(plane.u) + ", v = " + Text(plane.v));
        sheet.Line("S = " + Text(S));
        return WritePointInPlane(sheet, S, plane.p, plane.u, plane.v, plane.name, "p");
    }
    // A coordinate plane gets a parameter form first: a point of it, and two
    // spanning vectors perpendicular to its normal, from its axis points.
    sheet.Line(CoordinateEquationText(plane) + ", S = " + Text(S));
    sheet.Line("Parameterform von " + plane.name + ":");
    const Vec P = WritePointOfPlane(sheet, plane, "P");
    Vec u, v;
    if (!plane.a.IsZero()) {
        u = MakeVec(-plane.c / plane.a, 0, 1);
        v = MakeVec(-plane.b / plane.a, 1, 0);
    } else if (!plane.b.IsZero()) {
        u = MakeVec(0, -plane.c / plane.b, 1);
        v = MakeVec(1, -plane.a / plane.b, 0);
    } else {
        u = MakeVec(0, 1, -plane.b / plane.c);
        v = MakeVec(1, 0, -plane.a / plane.c);
    }
    sheet.Line("Spannvektoren mit n·u = 0 und n·v = 0: u = " + Text(u) + ", v = " + Text(v));
    return WritePointInPlane(sheet, S, P, u, v, plane.name, "P");
}

}  // namespace working
