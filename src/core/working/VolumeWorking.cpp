// The volumes by the triple product written as a 3 × 3 determinant expanded
// along its first row, then the factor of the body; and the coplanarity of
// AB, AC, AD by det(AB, AC, AD) with the system AD = r·AB + t·AC.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

bool IsOne(const Number& n) { return n.IsExact() && n.Rational() == 1; }

struct Edges {
    Vec SA, SB, SC, SD;
};

// SA = A - S, ... written out.
Edges WriteEdges(Sheet& sheet, const ExactScene& scene, bool withD) {
    const Vec& S = scene.points[PointS];
    Edges k{scene.points[PointA] - S, scene.points[PointB] - S, scene.points[PointC] - S, scene.points[PointD] - S};
    sheet.Line("SA = A - S = " + Text(k.SA) + ", SB = B - S = " + Text(k.SB));
    sheet.Line("SC = C - S = " + Text(k.SC) + (withD ? ", SD = D - S = " + Text(k.SD) : ""));
    return k;
}

// "V = 1/6·|det| = 1/6·|-12| = 2".
WorkingOutcome WriteVolume(Sheet& sheet, const Number& factor, const Number& det) {
    const Number volume = factor * det.Abs();
    const std::string k = IsOne(factor) ? "" : Text(factor) + "·";
    sheet.Line("V = " + k + "|det| = " + k + "|" + Text(det) + "| = " + Text(volume));
    WorkingOutcome outcome;
    outcome.values["V"] = volume.ToReal();
    return outcome;
}

// The body over the quadrilateral ABCD: its base must be plane. Then two
// determinants over the triangles ABC and ACD.
WorkingOutcome WriteQuadVolume(Sheet& sheet, const ExactScene& scene, const Number& factor) {
    const Vec AD = scene.points[PointD] - scene.points[PointA];
    sheet.Line("AB = " + Text(scene.planeSpanU[PlaneE5]) + ", AC = " + Text(scene.planeSpanV[PlaneE5]) +
               ", AD = D - A = " + Text(AD));
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!WriteCoplanarityTest(sheet, "det(AB, AC, AD)", scene.planeSpanU[PlaneE5], scene.planeSpanV[PlaneE5], AD,
                              "ABCD ist eben. Teilkörper über ABC und ACD:",
                              "ABCD ist keine ebene Grundfläche, kein Volumen"))
        return outcome;
    const Edges k = WriteEdges(sheet, scene, true);
    const Number first = WriteDeterminant(sheet, "det(SA, SB, SC)", k.SA, k.SB, k.SC);
    const Number second = WriteDeterminant(sheet, "det(SA, SC, SD)", k.SA, k.SC, k.SD);
    const Number volume = factor * first.Abs() + factor * second.Abs();
    const std::string f = Text(factor) + "·";
    sheet.Line("V = " + f + "|det(SA, SB, SC)| + " + f + "|det(SA, SC, SD)|");
    sheet.Line("V = " + f + "|" + Text(first) + "| + " + f + "|" + Text(second) + "| = " + Text(volume));
    outcome.status = 1;
    outcome.values["V"] = volume.ToReal();
    return outcome;
}

WorkingOutcome WriteTriangleVolume(Sheet& sheet, const ExactScene& scene, const Number& factor) {
    const Edges k = WriteEdges(sheet, scene, false);
    return WriteVolume(sheet, factor, WriteDeterminant(sheet, "det(SA, SB, SC)", k.SA, k.SB, k.SC));
}

}  // namespace

WorkingOutcome PrismABCWorking(const ExactScene& scene, Sheet& sheet) {
    return WriteTriangleVolume(sheet, scene, Number::Exact(mpq_class(1, 2)));
}

WorkingOutcome PrismABCDWorking(const ExactScene& scene, Sheet& sheet) {
    return WriteQuadVolume(sheet, scene, Number::Exact(mpq_class(1, 2)));
}

WorkingOutcome PyramidABCSWorking(const ExactScene& scene, Sheet& sheet) {
    return WriteTriangleVolume(sheet, scene, Number::Exact(mpq_class(1, 6)));
}

WorkingOutcome PyramidABCDSWorking(const ExactScene& scene, Sheet& sheet) {
    return WriteQuadVolume(sheet, scene, Number::Exact(mpq_class(1, 6)));
}

WorkingOutcome SpatWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec SA = scene.points[PointA] - scene.points[PointS];
    sheet.Line("AB = " + Text(AB) + ", AC = " + Text(AC) + ", SA = A - S = " + Text(SA));
    return WriteVolume(sheet, 1, WriteDeterminant(sheet, "det(AB, AC, SA)", AB, AC, SA));
}

WorkingOutcome CoplanarityWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec& AD = scene.vectorAD;
    sheet.Line("AB = " + Text(AB) + ", AC = " + Text(AC) + ", AD = " + Text(AD));
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!WriteCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, "AB, AC, AD sind komplanar",
                              "AB, AC, AD sind nicht komplanar"))
        return outcome;
    sheet.Line("Ansatz: AD = r·AB + t·AC");
    sheet.VectorEquation({AD, " = r·", AB, " + t·", AC});
    std::array<Equation, 3> equations;
    for (int i = 0; i < 3; ++i) {
        Equation& e = equations[std::size_t(i)];
        e = {kAxisNames[std::size_t(i)], AB[i], AC[i], AD[i]};
        sheet.Line(e.label + ": " + LinearText(e.a, "r", e.b, "t") + " = " + Text(e.c));
    }
    const SystemSolution solution = WriteSolveSystem(sheet, equations, "r", "t");
    if (!solution.regular) {
        sheet.Line("AB und AC sind parallel, r und t sind nicht eindeutig");
        outcome.status = 1;
        return outcome;
    }
    if (!solution.consistent) {  // only when decimals make det nearly 0
        sheet.Line("AD ist nicht aus AB und AC zu kombinieren");
        outcome.status = 0;
        return outcome;
    }
    sheet.Line("AD = " + LinearText({{solution.x, "AB"}, {solution.y, "AC"}}));
    outcome.status = 2;
    outcome.values["r"] = solution.x.ToReal();
    outcome.values["t"] = solution.y.ToReal();
    return outcome;
}

}  // namespace working
