// The volumes by the triple product written as a 3 × 3 determinant expanded
// along its first row, then the factor of the body; the prism and the
// pyramid over ABC as base area times height; and the coplanarity of AB,
// AC, AD by det(AB, AC, AD) with the system AD = r·AB + t·AC.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

bool isOne(const Number& n) { return n.isExact() && n.rational() == 1; }

struct Edges {
    Vec SA, SB, SC, SD;
};

// SA = A - S, ... written out.
Edges writeEdges(Sheet& sheet, const ExactScene& scene, bool withD) {
    const Vec& S = scene.points[PointS];
    Edges k{scene.points[PointA] - S, scene.points[PointB] - S, scene.points[PointC] - S, scene.points[PointD] - S};
    sheet.line("SA = A - S = " + toText(k.SA) + ", SB = B - S = " + toText(k.SB));
    sheet.line("SC = C - S = " + toText(k.SC) + (withD ? ", SD = D - S = " + toText(k.SD) : ""));
    return k;
}

// "V = 1/6·|det| = 1/6·|-12| = 2".
WorkingOutcome writeVolume(Sheet& sheet, const Number& factor, const Number& det) {
    const Number volume = factor * det.abs();
    const std::string k = isOne(factor) ? "" : toText(factor) + "·";
    sheet.line("V = " + k + "|det| = " + k + "|" + toText(det) + "| " + equalsText(volume));
    WorkingOutcome outcome;
    outcome.values["V"] = volume.toReal();
    return outcome;
}

// The body over the quadrilateral ABCD: its base must be plane and must not
// cross itself. Then two determinants over the triangles ABC and ACD, added
// with their signs: where the diagonal AC runs outside the base, they have
// different signs and one part is taken away from the other.
WorkingOutcome writeQuadVolume(Sheet& sheet, const ExactScene& scene, const Number& factor) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AD = scene.points[PointD] - scene.points[PointA];
    sheet.line("AB = " + toText(AB) + ", AC = " + toText(AC) + ", AD = D - A = " + toText(AD));
    const PlaneQuadrilateral base =
        writePlaneQuadrilateral(sheet, AB, AC, AD, "ABCD ist eben.", "ABCD ist keine ebene Grundfläche, kein Volumen",
                                "es gibt kein Volumen");
    WorkingOutcome outcome = base.outcome;
    if (!base.usable) return outcome;
    const QuadrilateralCorners& corners = base.corners;
    sheet.line("Teilkörper über ABC und ACD:");
    const Edges k = writeEdges(sheet, scene, true);
    const Number first = writeDeterminant(sheet, "det(SA, SB, SC)", k.SA, k.SB, k.SC);
    const Number second = writeDeterminant(sheet, "det(SA, SC, SD)", k.SA, k.SC, k.SD);
    if (corners.reflex >= 0) {
        const std::string corner(1, "ABCD"[corners.reflex]);
        sheet.line("Der Innenwinkel bei " + corner + " ist überstumpf, ABCD ist nicht konvex");
        if (first.sign() * second.sign() < 0)
            sheet.line(std::string("det(SA, SB, SC) und det(SA, SC, SD) haben verschiedene Vorzeichen: der Teilkörper über ") +
                       (corners.reflex == 3 ? "ACD" : "ABC") + " wird abgezogen");
    }
    const Number volume = factor * (first + second).abs();
    const std::string f = toText(factor) + "·";
    sheet.line("V = " + f + "|det(SA, SB, SC) + det(SA, SC, SD)|");
    sheet.line("V = " + f + "|" + toText(first) + " + " + factorText(second) + "| " + equalsText(volume));
    outcome.status = 1;
    outcome.values["V"] = volume.toReal();
    return outcome;
}

// The body over the triangle ABC with the apex or the edge AS: V = G·h for
// the prism, V = 1/3·G·h for the pyramid, with the base G = 1/2·|AB × AC|
// and the height h, the distance of S from the plane ABC.
WorkingOutcome writeTriangleVolume(Sheet& sheet, const ExactScene& scene, bool pyramid) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AS = scene.points[PointS] - scene.points[PointA];
    sheet.line("AB = B - A = " + toText(AB) + ", AC = C - A = " + toText(AC));
    sheet.line("AS = S - A = " + toText(AS));
    const std::string formula = pyramid ? "V = 1/3·G·h" : "V = G·h";
    sheet.line(formula + " mit der Grundfläche G = 1/2·|AB × AC|");
    sheet.line("und der Höhe h = Abstand von S zur Ebene ABC:");
    const Vec n = writeCross(sheet, "AB", "AC", AB, AC);
    const Number nn = writeLength(sheet, "AB × AC", n);
    const Number factor = Number::exact(mpq_class(1, pyramid ? 6 : 2));
    const std::string f = toText(factor) + "·";
    WorkingOutcome outcome;
    if (nn.isZero()) {
        sheet.line("G = 0: A, B und C liegen auf einer Geraden, V = 0");
        outcome.values["V"] = 0;
        return outcome;
    }
    sheet.line("G = 1/2·" + rootText(nn) + " " + equalsRoot(nn / 4));
    const Number e = writeDot(sheet, "(AB × AC)", "AS", n, AS);
    writeDistance(sheet, "|(AB × AC)·AS| / |AB × AC|", toText(e), e, nn, "h");
    const Number volume = factor * e.abs();
    sheet.line(formula + " = " + f + "|AB × AC|·h = " + f + "|(AB × AC)·AS|");
    sheet.line("V = " + f + "|" + toText(e) + "| " + equalsText(volume));
    outcome.values["V"] = volume.toReal();
    return outcome;
}

}  // namespace

WorkingOutcome prismABCWorking(const ExactScene& scene, Sheet& sheet) {
    return writeTriangleVolume(sheet, scene, /*pyramid=*/false);
}

WorkingOutcome prismABCDWorking(const ExactScene& scene, Sheet& sheet) {
    return writeQuadVolume(sheet, scene, Number::exact(mpq_class(1, 2)));
}

WorkingOutcome pyramidABCSWorking(const ExactScene& scene, Sheet& sheet) {
    return writeTriangleVolume(sheet, scene, /*pyramid=*/true);
}

WorkingOutcome pyramidABCDSWorking(const ExactScene& scene, Sheet& sheet) {
    return writeQuadVolume(sheet, scene, Number::exact(mpq_class(1, 6)));
}

WorkingOutcome spatWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AS = scene.points[PointS] - scene.points[PointA];
    sheet.line("AB = " + toText(AB) + ", AC = " + toText(AC) + ", AS = S - A = " + toText(AS));
    sheet.line("V = |det(AB, AC, AS)|:");
    return writeVolume(sheet, 1, writeDeterminant(sheet, "det(AB, AC, AS)", AB, AC, AS));
}

WorkingOutcome coplanarityWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec& AD = scene.vectorAD;
    sheet.line("AB = " + toText(AB) + ", AC = " + toText(AC) + ", AD = " + toText(AD));
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!writeCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, "AB, AC, AD sind komplanar",
                              "AB, AC, AD sind nicht komplanar"))
        return outcome;
    sheet.line("Ansatz: AD = r·AB + t·AC");
    sheet.vectorEquation({AD, " = r·", AB, " + t·", AC});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], AB[i], AC[i], AD[i]};
        sheet.line(e.label + ": " + linearText(e.a, "r", e.b, "t") + " = " + toText(e.c));
    }
    const SystemSolution solution = writeSolveSystem(sheet, equations, "r", "t");
    if (!solution.regular) {
        // r·AB + t·AC runs through the multiples of one vector only: AD is
        // one of them (then r and t are not determined) or the equation
        // has no solution.
        const bool onTheLine = isNull(AB) && isNull(AC) ? isNull(AD) : isNull(cross(AB, AD)) && isNull(cross(AC, AD));
        if (onTheLine) {
            sheet.line("AB und AC sind parallel, unendlich viele Lösungen:");
            sheet.line("AD = r·AB + t·AC nicht eindeutig lösbar");
        } else {
            sheet.line("AB und AC sind parallel: AD = r·AB + t·AC nicht lösbar");
        }
        outcome.status = 1;
        return outcome;
    }
    if (!solution.consistent) {  // only when decimals make det nearly 0
        sheet.line("AD ist nicht aus AB und AC zu kombinieren");
        outcome.status = 0;
        return outcome;
    }
    sheet.line("AD = " + linearText({{solution.x, "AB"}, {solution.y, "AC"}}));
    outcome.status = 2;
    outcome.values["r"] = solution.x.toReal();
    outcome.values["t"] = solution.y.toReal();
    return outcome;
}

}  // namespace working
