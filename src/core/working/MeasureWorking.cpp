// The measures of OA and OB and the areas: the angle ∠(OA;OB) by the
// cosine formula, OA × OB component by component, OA · OB as a sum of
// products, the triangle ABC and the quadrilateral ABCD by cross products.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

void writeOAOB(Sheet& sheet, const ExactScene& scene) {
    sheet.line("OA = " + toText(scene.points[PointA]) + ", OB = " + toText(scene.points[PointB]));
}

// AB and AC as the calculations use them (E5's spanning vectors).
void writeABAC(Sheet& sheet, const ExactScene& scene) {
    sheet.line("AB = B - A = " + toText(scene.planeSpanU[PlaneE5]) + ", AC = C - A = " + toText(scene.planeSpanV[PlaneE5]));
}

}  // namespace

WorkingOutcome angleAOBWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& A = scene.points[PointA];
    const Vec& B = scene.points[PointB];
    writeOAOB(sheet, scene);
    for (const auto& [v, name, point] : {std::tuple{&A, "OA", "A"}, std::tuple{&B, "OB", "B"}})
        if (isNull(*v))
            return stop(sheet, std::string(name) + " ist der Nullvektor (" + point + " liegt im Ursprung), es gibt keinen Winkel");
    const Number dot = writeDot(sheet, "OA", "OB", A, B);
    const Number a = writeLength(sheet, "OA", A);
    const Number b = writeLength(sheet, "OB", B);
    WorkingOutcome outcome;
    outcome.values["φ"] = writeAngle(sheet, AngleKind::Cosine, "OA·OB / (|OA|·|OB|)", dot, a, b, 2);
    return outcome;
}

WorkingOutcome vectorProductWorking(const ExactScene& scene, Sheet& sheet) {
    writeOAOB(sheet, scene);
    WorkingOutcome outcome;
    outcome.vectors["OA × OB"] = toReals(writeCross(sheet, "OA", "OB", scene.points[PointA], scene.points[PointB]));
    return outcome;
}

WorkingOutcome scalarProductWorking(const ExactScene& scene, Sheet& sheet) {
    writeOAOB(sheet, scene);
    WorkingOutcome outcome;
    outcome.values["OA·OB"] = writeDot(sheet, "OA", "OB", scene.points[PointA], scene.points[PointB]).toReal();
    return outcome;
}

WorkingOutcome triangleWorking(const ExactScene& scene, Sheet& sheet) {
    writeABAC(sheet, scene);
    // F, not A: A is a corner of the triangle.
    sheet.line("Flächeninhalt F = 1/2·|AB × AC|:");
    const Vec n = writeCross(sheet, "AB", "AC", scene.planeSpanU[PlaneE5], scene.planeSpanV[PlaneE5]);
    const Number s = writeLength(sheet, "AB × AC", n);
    const Number area = s / 4;
    sheet.line("F = 1/2·" + rootText(s) + " " + equalsRoot(area));
    if (s.isZero()) sheet.line("A, B und C liegen auf einer Geraden");
    WorkingOutcome outcome;
    outcome.values["F"] = std::sqrt(area.toReal());
    return outcome;
}

namespace {

constexpr const char* kCorner[4] = {"A", "B", "C", "D"};

}  // namespace

void writeCrossingSides(Sheet& sheet, const Vec& AB, const Vec& AC, const Vec& AD, int crossing) {
    const std::array<Vec, 4> P = {Vec{}, AB, AC, AD};
    const int i = crossing;
    const std::string p = kCorner[i], q = kCorner[i + 1], r = kCorner[i + 2], s = kCorner[(i + 3) % 4];
    sheet.line("Die Seiten " + p + q + " und " + r + s + " schneiden sich:");
    for (const auto& [a, b, c, d] : {std::array{p, q, r, s}, std::array{r, s, p, q}}) {
        const auto at = [&P](const std::string& name) { return P[std::size_t(name[0] - 'A')]; };
        const Number value = sideProduct(at(a), at(b), at(c), at(d));
        sheet.line("(" + a + b + " × " + a + c + ")·(" + a + b + " × " + a + d + ") = " + toText(value) + " < 0: " + c +
                   " und " + d + " liegen auf verschiedenen Seiten von " + a + b);
    }
}

PlaneQuadrilateral writePlaneQuadrilateral(Sheet& sheet, const Vec& AB, const Vec& AC, const Vec& AD,
                                           const char* planar, const char* notPlanar, const char* noMeasure) {
    PlaneQuadrilateral base;
    base.outcome.status = 0;
    if (!writeCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, planar, notPlanar)) return base;
    base.corners = quadrilateralCorners(AB, AC, AD);
    if (base.corners.sidesCross) {
        writeCrossingSides(sheet, AB, AC, AD, base.corners.crossing);
        base.outcome = stop(sheet, std::string("ABCD überschneidet sich selbst, ") + noMeasure);
        base.outcome.status = 2;
        return base;
    }
    base.usable = true;
    return base;
}

WorkingOutcome quadrilateralWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AD = scene.points[PointD] - scene.points[PointA];
    writeABAC(sheet, scene);
    sheet.line("Liegt ABCD in einer Ebene? AD = D - A = " + toText(AD));
    const PlaneQuadrilateral base =
        writePlaneQuadrilateral(sheet, AB, AC, AD, "ABCD liegt in einer Ebene",
                                "A, B, C und D liegen nicht in einer Ebene, ABCD ist keine ebene Fläche",
                                "es gibt keinen Flächeninhalt");
    WorkingOutcome outcome = base.outcome;
    if (!base.usable) return outcome;
    const QuadrilateralCorners& corners = base.corners;
    outcome.status = 1;
    // The triangles with their orientation: where the diagonal AC runs
    // outside, their products point opposite ways and one is taken away.
    sheet.line("Flächeninhalt F = 1/2·|AB × AC + AC × AD|:");
    const Vec n1 = writeCross(sheet, "AB", "AC", AB, AC);
    const Vec n2 = writeCross(sheet, "AC", "AD", AC, AD);
    const Vec n = n1 + n2;
    sheet.line("n = AB × AC + AC × AD = " + toText(n));
    if (corners.reflex >= 0) {
        const std::size_t i = std::size_t(corners.reflex);
        const std::string corner = kCorner[i];
        const std::string in = kCorner[(i + 3) % 4] + corner;
        const std::string out = corner + kCorner[(i + 1) % 4];
        sheet.line("(" + in + " × " + out + ")·n = " + toText(corners.turn) + " < 0: der Innenwinkel bei " + corner +
                   " ist überstumpf, ABCD ist nicht konvex");
        if (corners.reflex % 2 == 1)
            sheet.line(std::string("AB × AC und AC × AD sind entgegengesetzt gerichtet: das Dreieck ") +
                       (corners.reflex == 3 ? "ACD wird vom Dreieck ABC" : "ABC wird vom Dreieck ACD") + " abgezogen");
    }
    const Number s = writeLength(sheet, "n", n);
    const Number square = s / 4;
    const std::optional<Number> length = exactSquareRoot(s);
    sheet.line("F = 1/2·|n| = 1/2·" + (length ? factorText(*length) : rootText(s)) + " " + equalsRoot(square));
    outcome.values["F"] = std::sqrt(square.toReal());
    return outcome;
}

}  // namespace working
