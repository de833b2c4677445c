// Point tests: S equated to a line or a plane in parameter form, the three
// component equations solved for the parameters, and the verdict; S put
// into the equation of a plane in coordinate form. Beside the line or the
// plane, the foot of the perpendicular from S and the distance (for a
// plane by the Hesse normal form).
#include <cmath>

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
            if (!line.p[i].isZero())
                text += "  ⇔  " + solvedText(u, "λ", rest);
            else if (!(u.isExact() && u.rational() == 1))  // "1 = 1/2·λ": solved at once
                text += "  ⇒  λ " + equalsText(value);
            if (!lambda) lambda = value;
            holds = sameValue(value, *lambda);
        } else {
            holds = rest.isZero();
            text += holds ? "  wahr für jedes λ" : "  falsch";
        }
        if (!holds && result.contradiction < 0) result.contradiction = i;
        sheet.line(text);
    }
    // The verdict is the calculations' ((S - p) × u null); for exact inputs
    // the equations say the same, for decimals the tolerance may judge a
    // single equation otherwise.
    result.on = exact::pointOnLineStatus(S, line.p, line.u) == 2;
    if (!result.on && result.contradiction < 0) result.contradiction = 0;
    if (lambda) result.lambda = *lambda;
    if (result.on)
        sheet.line("alle drei Gleichungen erfüllt: " + pointName + " liegt auf " + line.name + " mit λ " +
                   equalsText(result.lambda));
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
    if (test.on) {
        outcome.values["λ"] = test.lambda.toReal();
        return outcome;
    }
    // The foot F of the perpendicular from S: SF is perpendicular to u.
    sheet.line("Lotfußpunkt F = p + k·u mit (F - S)·u = 0:");
    const Number e = dot(line.p - S, line.u), uu = dot(line.u, line.u);
    const Number k = -e / uu;
    sheet.line("(p - S)·u + k·u·u = 0  ⇔  " + linearText({{e, ""}, {uu, "k"}}) + " = 0  ⇒  k " + equalsText(k));
    const Vec F = writePointOf(sheet, "F", "p + k·u", line.p, k, line.u);
    outcome.vectors["F"] = toReals(F);
    const Vec SF = F - S;
    const Number square = dot(SF, SF);
    sheet.line("d = |F - S| = |" + toText(SF) + "| " + equalsRoot(square));
    outcome.values["d"] = std::sqrt(square.toReal());
    return outcome;
}

namespace {

// S not in the plane a x + b y + c z = d (n·S = value): the distance by the
// Hesse normal form and the foot F on the line through S along n.
void writeDistanceAndFoot(Sheet& sheet, const PlaneInput& plane, const Vec& S, const Number& value,
                          WorkingOutcome& outcome) {
    const Vec n = plane.normal();
    sheet.line("Abstand mit der Hesseschen Normalenform, n₀ = n / |n|:");
    const Number nn = writeLength(sheet, "n", n);
    const std::string equation = linearText({{plane.a, "x"}, {plane.b, "y"}, {plane.c, "z"}, {-plane.d, ""}});
    sheet.line(plane.name + ": (" + equation + ") / " + divisorText(rootText(nn)) + " = 0");
    const Number e = value - plane.d;
    const Number square =
        writeDistance(sheet, minusText("|n·S", plane.d) + "| / |n|", minusText(toText(value), plane.d), e, nn);
    outcome.values["d"] = std::sqrt(square.toReal());

    sheet.line("Lotfußpunkt F auf der Lotgeraden x = S + k·n:");
    const Number k = -e / nn;
    sheet.line("n·(S + k·n) = " + toText(plane.d) + "  ⇔  " + linearText({{value, ""}, {nn, "k"}}) + " = " +
               toText(plane.d) + "  ⇒  k " + equalsText(k));
    outcome.vectors["F"] = toReals(writePointOf(sheet, "F", "S + k·n", S, k, n));
}

// S = p + λ·u + μ·v as three equations, two solved, the third the check.
// Returns whether S lies in the plane; its λ and μ go into the outcome.
bool writePointInPlane(Sheet& sheet, const Vec& S, const PlaneInput& plane, WorkingOutcome& outcome) {
    sheet.line("Ansatz: S = p + λ·u + μ·v");
    sheet.vectorEquation({S, " = ", plane.p, " + λ·", plane.u, " + μ·", plane.v});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], plane.u[i], plane.v[i], S[i] - plane.p[i]};
        sheet.line(rearrangedText(
            e, toText(S[i]) + " = " + linearText({{plane.p[i], ""}, {plane.u[i], "λ"}, {plane.v[i], "μ"}}), "λ", "μ"));
    }
    const SystemSolution solution = writeSolveSystem(
        sheet, equations, "λ", "μ",
        exact::pointInPlaneStatus(S, exact::planeThrough(plane.p, plane.u, plane.v)) == 2);
    if (!solution.regular) {  // only when decimals put u and v within rounding of parallel
        outcome = stop(sheet, "u und v sind parallel, " + plane.name + " ist keine Ebene");
        return false;
    }
    if (!solution.consistent) {
        sheet.line(contradictionText(solution.contradiction) + ": S liegt nicht auf " + plane.name);
        outcome.status = 1;
        return false;
    }
    sheet.line("alle drei Gleichungen erfüllt: S liegt auf " + plane.name + " mit λ " + equalsText(solution.x) +
               ", μ " + equalsText(solution.y));
    outcome.status = 2;
    outcome.values["λ"] = solution.x.toReal();
    outcome.values["μ"] = solution.y.toReal();
    return true;
}

// λ and μ of S in the plane's own parameter form: the point P with two
// coordinates 1, and spanning vectors with a 1 and a 0 where the other has
// a 0 and a 1, so that λ and μ are read off two of the equations.
void writeParametersInCoordinatePlane(Sheet& sheet, const PlaneInput& plane, const Vec& S, WorkingOutcome& outcome) {
    sheet.line("λ und μ in der Parameterform x = P + λ·u + μ·v von " + plane.name + ":");
    // The result block's parameter form, so that λ and μ are its.
    const CoordinatePlaneForm form = parameterFormOf(ExactPlane{plane.normal(), plane.d, true});
    const Vec P = writePointOfPlane(sheet, plane, "P");
    const int lambdaAxis = form.uAxis, muAxis = form.vAxis;
    sheet.line("Spannvektoren mit n·u = 0 und n·v = 0: u = " + toText(form.u) + ", v = " + toText(form.v));
    std::array<Number, 2> values;
    for (const auto& [axis, name, value] : {std::tuple{lambdaAxis, "λ", &values[0]}, std::tuple{muAxis, "μ", &values[1]}}) {
        const auto i = std::size_t(axis);
        *value = S[axis] - P[axis];
        std::string text = std::string(kAxisNames[i]) + ": " + toText(S[axis]) + " = " + linearText({{P[axis], ""}, {1, name}});
        if (!P[axis].isZero()) text += "  ⇒  " + std::string(name) + " " + equalsText(*value);
        sheet.line(text);
    }
    sheet.line("S liegt auf " + plane.name + " mit λ " + equalsText(values[0]) + ", μ " + equalsText(values[1]));
    outcome.status = 2;
    outcome.values["λ"] = values[0].toReal();
    outcome.values["μ"] = values[1].toReal();
}

}  // namespace

WorkingOutcome pointInPlaneWorking(const ExactScene& scene, Sheet& sheet, int planeNumber) {
    const PlaneInput plane = planeOf(scene, planeNumber, /*useE3Copies=*/true);
    if (const std::string problem = planeProblem(plane); !problem.empty()) return stop(sheet, problem);
    const Vec& S = scene.points[PointS];
    WorkingOutcome outcome;
    if (plane.parameterForm) {
        sheet.line(parameterFormText(plane));
        sheet.line("S = " + toText(S));
        if (writePointInPlane(sheet, S, plane, outcome) || outcome.stopped) return outcome;
        sheet.line("Abstand und Lotfußpunkt mit der Koordinatenform:");
        writeCoordinateForm(sheet, plane, /*withParameterForm=*/false);
        writeDistanceAndFoot(sheet, plane, S, dot(plane.normal(), S), outcome);
        return outcome;
    }
    // A plane in coordinate form: S put into its equation.
    sheet.line(coordinateEquationText(plane) + ", S = " + toText(S));
    const Substitution test = writeSubstitution(sheet, "S", plane, S);
    if (test.inside) {
        writeParametersInCoordinatePlane(sheet, plane, S, outcome);
        return outcome;
    }
    sheet.line("S liegt nicht auf " + plane.name);
    outcome.status = 1;
    writeDistanceAndFoot(sheet, plane, S, test.value, outcome);
    return outcome;
}

}  // namespace working
