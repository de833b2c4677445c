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

WorkingOutcome quadrilateralWorking(const ExactScene& scene, Sheet& sheet) {
    const Vec& AB = scene.planeSpanU[PlaneE5];
    const Vec& AC = scene.planeSpanV[PlaneE5];
    const Vec AD = scene.points[PointD] - scene.points[PointA];
    writeABAC(sheet, scene);
    sheet.line("Liegt ABCD in einer Ebene? AD = D - A = " + toText(AD));
    WorkingOutcome outcome;
    outcome.status = 0;
    if (!writeCoplanarityTest(sheet, "det(AB, AC, AD)", AB, AC, AD, "ABCD liegt in einer Ebene",
                              "A, B, C und D liegen nicht in einer Ebene, ABCD ist keine ebene Fläche"))
        return outcome;
    outcome.status = 1;
    sheet.line("Flächeninhalt aus den Dreiecken ABC und ACD:");
    const Vec n1 = writeCross(sheet, "AB", "AC", AB, AC);
    const Vec n2 = writeCross(sheet, "AC", "AD", AC, AD);
    const Number s1 = writeLength(sheet, "AB × AC", n1);
    const Number s2 = writeLength(sheet, "AC × AD", n2);
    std::string text = "A = 1/2·(|AB × AC| + |AC × AD|) = 1/2·(" + rootText(s1) + " + " + rootText(s2) + ")";
    // In one plane both products are parallel, so s1·s2 is a square and the
    // sum of the roots is the root of a fraction.
    if (const std::optional<Number> root = exactSquareRoot(s1 * s2)) {
        const Number square = (s1 + s2 + 2 * *root) / 4;
        text += " = " + rootWithValue(square);
        outcome.values["A"] = std::sqrt(square.toReal());
    } else {
        const Number area = (approxSquareRoot(s1) + approxSquareRoot(s2)) / 2;
        text += " ≈ " + toText(area);
        outcome.values["A"] = area.toReal();
    }
    sheet.line(text);
    return outcome;
}

}  // namespace working
