// The volumes by the triple product written as a 3 × 3 determinant expanded
// along its first row, then the factor of the body; and the coplanarity of
// AB, AC, AD by det(AB, AC, AD) with the system AD = r·AB + t·AC.
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
    sheet.line("V = " + k + "|det| = " + k + "|" + toText(det) + "| = " + toText(volume));
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
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!writeCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, "ABCD ist eben.",
                              "ABCD ist keine ebene Grundfläche, kein Volumen"))
        return outcome;
    const QuadrilateralCorners corners = quadrilateralCorners(AB, AC, AD);
    if (corners.sidesCross) {
        writeCrossingSides(sheet, AB, AC, AD, corners.crossing);
        outcome = stop(sheet, "ABCD überschneidet sich selbst, es gibt kein Volumen");
        outcome.status = 2;
        return outcome;
    }
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
    sheet.line("V = " + f + "|" + toText(first) + " + " + factorText(second) + "| = " + toText(volume));
    outcome.status = 1;
    outcome.values["V"] = volume.toReal();
    return outcome;
}

WorkingOutcome writeTriangleVolume(Sheet& sheet, const ExactScene& scene, const Number& factor) {
    const Edges k = writeEdges(sheet, scene, false);
    return writeVolume(sheet, factor, writeDeterminant(sheet, "det(SA, SB, SC)", k.SA, k.SB, k.SC));
}

}  // namespace

WorkingOutcome prismABCWorking(const ExactScene& scene, Sheet& sheet) {
    return writeTriangleVolume(sheet, scene, Number::exact(mpq_class(1, 2)));
}

WorkingOutcome prismABCDWorking(const ExactScene& scene, Sheet& sheet) {
    return writeQuadVolume(sheet, scene, Number::exact(mpq_class(1, 2)));
}

WorkingOutcome pyramidABCSWorking(const ExactScene& scene, Sheet& sheet) {
    return writeTriangleVolume(sheet, scene, Number::exact(mpq_class(1, 6)));
}

WorkingOutcome pyramidABCDSWorking(const ExactScene& scene, Sheet& sheet) {
    return writeQuadVolume(sheet, scene, Number::exact(mpq_class(1, 6)));
}

WorkingOutcome spatWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec SA = scene.points[PointA] - scene.points[PointS];
    sheet.line("AB = " + toText(AB) + ", AC = " + toText(AC) + ", SA = A - S = " + toText(SA));
    return writeVolume(sheet, 1, writeDeterminant(sheet, "det(AB, AC, SA)", AB, AC, SA));
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
        sheet.line("AB und AC sind parallel, r und t sind nicht eindeutig");
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
