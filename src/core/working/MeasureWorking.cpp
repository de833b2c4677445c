// The measures of OA and OB and the areas: the angle ∠(OA;OB) by the
// cosine formula, OA × OB component by component, OA · OB as a sum of
// products, the triangle ABC and the quadrilateral ABCD by cross products.
#include <cmath>

#include "core/working/WorkingCommands.h"

namespace working {

namespace {

void WriteOAOB(Sheet& sheet, const ExactScene& scene) {
    sheet.Line("OA = " + Text(scene.points[PointA]) + ", OB = " + Text(scene.points[PointB]));
}

// AB and AC as the calculations use them (E5's spanning vectors).
void WriteABAC(Sheet& sheet, const ExactScene& scene) {
    sheet.Line("AB = B - A = " + Text(scene.planeSpanU[PlaneE5]) + ", AC = C - A = " + Text(scene.planeSpanV[PlaneE5]));
}

}  // namespace

WorkingOutcome AngleAOBWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& A = scene.points[PointA];
    const Vec& B = scene.points[PointB];
    WriteOAOB(sheet, scene);
    for (const auto& [v, name, point] : {std::tuple{&A, "OA", "A"}, std::tuple{&B, "OB", "B"}})
        if (IsNull(*v))
            return Stop(sheet, std::string(name) + " ist der Nullvektor (" + point + " liegt im Ursprung), es gibt keinen Winkel");
    const Number dot = WriteDot(sheet, "OA", "OB", A, B);
    const Number a = WriteLength(sheet, "OA", A);
    const Number b = WriteLength(sheet, "OB", B);
    WorkingOutcome outcome;
    outcome.values["φ"] = WriteAngle(sheet, AngleKind::Cosine, "OA·OB / (|OA|·|OB|)", dot, a, b, 2);
    return outcome;
}

WorkingOutcome VectorProductWorking(const ExactScene& scene, Sheet& sheet) {
    WriteOAOB(sheet, scene);
    WorkingOutcome outcome;
    outcome.vectors["OA × OB"] = ToReals(WriteCross(sheet, "OA", "OB", scene.points[PointA], scene.points[PointB]));
    return outcome;
}

WorkingOutcome ScalarProductWorking(const ExactScene& scene, Sheet& sheet) {
    WriteOAOB(sheet, scene);
    WorkingOutcome outcome;
    outcome.values["OA·OB"] = WriteDot(sheet, "OA", "OB", scene.points[PointA], scene.points[PointB]).ToReal();
    return outcome;
}

WorkingOutcome TriangleWorking(const ExactScene& scene, Sheet& sheet) {
    WriteABAC(sheet, scene);
    sheet.Line("Flächeninhalt A = 1/2·|AB × AC|:");
    const Vec n = WriteCross(sheet, "AB", "AC", scene.planeSpanU[PlaneE5], scene.planeSpanV[PlaneE5]);
    const Number s = WriteLength(sheet, "AB × AC", n);
    const Number area = s / 4;
    sheet.Line("A = 1/2·" + RootText(s) + " = " + RootWithValue(area));
    if (s.IsZero()) sheet.Line("A, B und C liegen auf einer Geraden");
    WorkingOutcome outcome;
    outcome.values["A"] = std::sqrt(area.ToReal());
    return outcome;
}

WorkingOutcome QuadrilateralWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AD = scene.points[PointD] - scene.points[PointA];
    WriteABAC(sheet, scene);
    sheet.Line("Liegt ABCD in einer Ebene? AD = D - A = " + Text(AD));
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!WriteCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, "ABCD liegt in einer Ebene",
                              "A, B, C und D liegen nicht in einer Ebene, ABCD ist keine ebene Fläche"))
        return outcome;
    outcome.status = 1;
    sheet.Line("Flächeninhalt aus den Dreiecken ABC und ACD:");
    const Vec n1 = WriteCross(sheet, "AB", "AC", AB, AC);
    const Vec n2 = WriteCross(sheet, "AC", "AD", AC, AD);
    const Number s1 = WriteLength(sheet, "AB × AC", n1);
    const Number s2 = WriteLength(sheet, "AC × AD", n2);
    std::string text = "A = 1/2·(|AB × AC| + |AC × AD|) = 1/2·(" + RootText(s1) + " + " + RootText(s2) + ")";
    // In one plane both products are parallel, so s1·s2 is a square and the
    // sum of the roots is the root of a fraction.
    if (const std::optional<Number> root = ExactSquareRoot(s1 * s2)) {
        const Number square = (s1 + s2 + 2 * *root) / 4;
        text += " = " + RootWithValue(square);
        outcome.values["A"] = std::sqrt(square.ToReal());
    } else {
        const Number area = (ApproxSquareRoot(s1) + ApproxSquareRoot(s2)) / 2;
        text += " ≈ " + Text(area);
        outcome.values["A"] = area.ToReal();
    }
    sheet.Line(text);
    return outcome;
}

}  // namespace working
