// Two planes: their coordinate forms and normal vectors, the parallelism
// test n1 = k·n2; for parallel planes a point of the second put into the
// first (identical or parallel, with the distance); otherwise the direction
// of the intersection line n1 × n2, a common point with one coordinate fixed
// at 0, the line, and the angle by cos φ = |n1·n2| / (|n1|·|n2|).
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

WorkingOutcome WriteParallelPlanes(Sheet& sheet, const PlaneInput& e1, const PlaneInput& e2) {
    WorkingOutcome outcome;
    const Vec F = WritePointOfPlane(sheet, e2, "F");
    const Number value = Dot(e1.Normal(), F);
    const bool inside = SameValue(value, e1.d);
    sheet.Line("F in " + e1.name + " einsetzen: " + SubstitutionText(e1, F) + " = " + Text(value) +
               (inside ? " = " : " ≠ ") + Text(e1.d));
    if (inside) {
        sheet.Line(e1.name + " und " + e2.name + " sind identisch");
        outcome.status = 0;
        return outcome;
    }
    sheet.Line(e1.name + " und " + e2.name + " sind parallel");
    sheet.Line("Abstand von F zu " + e1.name + ": d = |n1·F - d| / |n1|");
    const Number s = WriteLength(sheet, "n1", e1.Normal());
    const Number square =
        WriteDistance(sheet, "|" + Text(value) + " - " + SubtrahendText(e1.d) + "| / |n1|", value - e1.d, s);
    outcome.status = 1;
    outcome.values["d"] = std::sqrt(square.ToReal());
    return outcome;
}

}  // namespace

WorkingOutcome PlanePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane1, int plane2) {
    const PlaneInput e1 = PlaneOf(scene, plane1);
    const PlaneInput e2 = PlaneOf(scene, plane2);
    for (const PlaneInput* e : {&e1, &e2})
        if (const std::string problem = PlaneProblem(*e); !problem.empty()) return Stop(sheet, problem);
    WriteCoordinateForm(sheet, e1);
    WriteCoordinateForm(sheet, e2);
    const Vec n1 = e1.Normal(), n2 = e2.Normal();
    sheet.Line("Normalenvektoren: n1 = " + Text(n1) + ", n2 = " + Text(n2));
    if (WriteMultipleTest(sheet, "n1", n1, "n2", n2)) return WriteParallelPlanes(sheet, e1, e2);

    sheet.Line("Richtung der Schnittgeraden:");
    Vec r = WriteCross(sheet, "n1", "n2", n1, n2);
    if (const std::optional<Vec> whole = WholeDirection(r); whole && Text(*whole) != Text(r)) {
        r = *whole;
        sheet.Line("gekürzt: r = " + Text(r));
    } else {
        sheet.Line("r = " + Text(r));
    }
    // Fix the coordinate whose two others form a solvable system: z when
    // (n1 × n2).z is not 0, else y, else x.
    const int fixed = !r[2].IsZero() ? 2 : !r[1].IsZero() ? 1 : 0;
    const int first = fixed == 0 ? 1 : 0;
    const int second = fixed == 2 ? 1 : 2;
    const char* X = kAxisNames[std::size_t(first)];
    const char* Y = kAxisNames[std::size_t(second)];
    sheet.Line(std::string("Gemeinsamer Punkt P mit ") + kAxisNames[std::size_t(fixed)] + " = 0:");
    const Equation eq1{e1.name, n1[first], n1[second], e1.d};
    const Equation eq2{e2.name, n2[first], n2[second], e2.d};
    for (const Equation* e : {&eq1, &eq2}) sheet.Line(e->label + ": " + LinearText(e->a, X, e->b, Y) + " = " + Text(e->c));
    const auto [a, b] = WriteSolveTwo(sheet, eq1, eq2, X, Y);
    Vec P;
    P[first] = a;
    P[second] = b;
    sheet.Line("P = " + Text(P));
    sheet.Line("Schnittgerade g: x = P + λ·r");
    sheet.VectorEquation({" g: x = ", P, " + λ·", r});
    WorkingOutcome outcome;
    outcome.status = 2;
    outcome.vectors["P"] = ToReals(P);
    outcome.vectors["r"] = ToReals(r);
    sheet.Line("Schnittwinkel:");
    const Number dot = WriteDot(sheet, "n1", "n2", n1, n2);
    const Number s1 = WriteLength(sheet, "n1", n1);
    const Number s2 = WriteLength(sheet, "n2", n2);
    outcome.values["α"] = WriteAngle(sheet, AngleKind::AbsoluteCosine, "|n1·n2| / (|n1|·|n2|)", dot, s1, s2);
    return outcome;
}

}  // namespace working
