// Two planes: their coordinate forms and normal vectors, the parallelism
// test n1 = k·n2; for parallel planes a point of the second put into the
// first (identical or parallel, with the distance); otherwise the direction
// of the intersection line n1 × n2, a common point with one coordinate fixed
// at 0, the line, and the angle by cos φ = |n1·n2| / (|n1|·|n2|).
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

WorkingOutcome writeParallelPlanes(Sheet& sheet, const PlaneInput& e1, const PlaneInput& e2) {
    WorkingOutcome outcome;
    const Vec F = writePointOfPlane(sheet, e2, "F");
    const auto [value, inside] = writeSubstitution(sheet, "F", e1, F);
    if (inside) {
        sheet.line(e1.name + " und " + e2.name + " sind identisch");
        outcome.status = 0;
        return outcome;
    }
    sheet.line(e1.name + " und " + e2.name + " sind parallel");
    sheet.line("Abstand von F zu " + e1.name + " mit der Hesseschen Normalenform:");
    const Number s = writeLength(sheet, "n1", e1.normal());
    const Number square =
        writeDistance(sheet, minusText("|n1·F", e1.d) + "| / |n1|", minusText(toText(value), e1.d), value - e1.d, s);
    outcome.status = 1;
    outcome.values["d"] = std::sqrt(square.toReal());
    return outcome;
}

}  // namespace

WorkingOutcome planePlaneWorking(const ExactScene& scene, Sheet& sheet, int plane1, int plane2) {
    const PlaneInput e1 = planeOf(scene, plane1);
    const PlaneInput e2 = planeOf(scene, plane2);
    for (const PlaneInput* e : {&e1, &e2})
        if (const std::string problem = planeProblem(*e); !problem.empty()) return stop(sheet, problem);
    writeCoordinateForm(sheet, e1);
    writeCoordinateForm(sheet, e2);
    const Vec n1 = e1.normal(), n2 = e2.normal();
    sheet.line("Normalenvektoren: n1 = " + toText(n1) + ", n2 = " + toText(n2));
    if (writeMultipleTest(sheet, "n1", n1, "n2", n2)) return writeParallelPlanes(sheet, e1, e2);

    // The line is s with the parameter r and the direction w: g, λ, u and
    // v name the inputs.
    sheet.line("Richtung der Schnittgeraden s:");
    const Vec product = writeCross(sheet, "n1", "n2", n1, n2);
    Vec w = product;
    if (const std::optional<Vec> whole = wholeDirection(product); whole && toText(*whole) != toText(product)) {
        // A whole-number multiple: n1 × n2 = k·w.
        w = *whole;
        const int i = !w[0].isZero() ? 0 : !w[1].isZero() ? 1 : 2;
        sheet.line("Richtungsvektor w = " + toText(w) + " mit n1 × n2 = " + linearText({{product[i] / w[i], "w"}}));
    } else {
        sheet.line("Richtungsvektor w = n1 × n2");
    }
    // Fix the coordinate whose two others form a solvable system: z when
    // (n1 × n2).z is not 0, else y, else x.
    const int fixed = !w[2].isZero() ? 2 : !w[1].isZero() ? 1 : 0;
    const int first = fixed == 0 ? 1 : 0;
    const int second = fixed == 2 ? 1 : 2;
    const char* X = kAxisNames[std::size_t(first)];
    const char* Y = kAxisNames[std::size_t(second)];
    sheet.line(std::string("Gemeinsamer Punkt P mit ") + kAxisNames[std::size_t(fixed)] + " = 0:");
    const Equation eq1{e1.name, n1[first], n1[second], e1.d};
    const Equation eq2{e2.name, n2[first], n2[second], e2.d};
    for (const Equation* e : {&eq1, &eq2}) sheet.line(e->label + ": " + linearText(e->a, X, e->b, Y) + " = " + toText(e->c));
    const auto [a, b] = writeSolveTwo(sheet, eq1, eq2, X, Y);
    Vec P;
    P[first] = a;
    P[second] = b;
    sheet.line("P " + equalsText(P));
    sheet.line("Schnittgerade s: x = P + r·w");
    sheet.vectorEquation({" s: x = ", P, " + r·", w});
    WorkingOutcome outcome;
    outcome.status = 2;
    outcome.vectors["P"] = toReals(P);
    outcome.vectors["w"] = toReals(w);
    sheet.line("Schnittwinkel:");
    const Number dot = writeDot(sheet, "n1", "n2", n1, n2);
    const Number s1 = writeLength(sheet, "n1", n1);
    const Number s2 = writeLength(sheet, "n2", n2);
    outcome.values["α"] = writeAngle(sheet, AngleKind::AbsoluteCosine, "|n1·n2| / (|n1|·|n2|)", dot, s1, s2);
    return outcome;
}

}  // namespace working
