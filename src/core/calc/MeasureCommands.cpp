// The measure buttons: the angle (OA;OB), scalar and vector product,
// triangle ABC, quadrilateral ABCD, the five volumes and the coplanarity of
// AB, AC, AD.
#include <cmath>

#include "core/calc/CalcCommands.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "core/output/TypesetRows.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

namespace {

enum class AngleOutcome { Defined, NullVector, NotComputable };

// Angle between a and b in degrees. There is none when one of them is the
// null vector; it cannot be computed when a length under- or overflows.
AngleOutcome angleDegrees(const Vector3& a, const Vector3& b, Real& degrees) {
    if (isNullVector(a) || isNullVector(b)) return AngleOutcome::NullVector;
    const Real la = vectorLength(a);
    const Real lb = vectorLength(b);
    if (la == 0 || lb == 0 || !isFiniteReal(la) || !isFiniteReal(lb)) return AngleOutcome::NotComputable;
    degrees = radToDeg(angleBetween(a, b));
    return isFiniteReal(degrees) ? AngleOutcome::Defined : AngleOutcome::NotComputable;
}

Vector3 negated(const Vector3& v) { return scaleVector(v, -1); }

struct InteriorAngle {
    SymbolGlyph sign;
    Vector3 first;
    Vector3 second;
    bool reflex = false;  // over 180°: the full turn minus the angle between the edges
};

// 'Innenwinkel:  α=90°  β=36,87°  γ=53,13°   ' to 2 decimals. An angle at a
// corner where two corners coincide has no value: it reads 'nicht
// definiert' and a sentence says why.
void appendInteriorAngles(OutputLog& log, const std::vector<InteriorAngle>& angles) {
    log.appendText("Innenwinkel:  ");
    bool coincident = false;
    bool notComputable = false;
    for (const auto& angle : angles) {
        Real degrees = 0;
        log.appendSymbol(angle.sign);
        switch (angleDegrees(angle.first, angle.second, degrees)) {
            case AngleOutcome::Defined:
                if (angle.reflex) degrees = 360 - degrees;
                log.appendText("=" + resultNumberText(roundToDigits(degrees, 2)) + "°  ");
                break;
            case AngleOutcome::NullVector:
                log.appendText("=nicht definiert  ");
                coincident = true;
                break;
            case AngleOutcome::NotComputable:
                log.appendText("=" + std::string(kNotComputable) + "  ");
                notComputable = true;
                break;
        }
    }
    log.appendLine(" ");
    if (coincident) log.appendLine("Winkel nicht definiert, da zwei Eckpunkte zusammenfallen !");
    if (notComputable) log.appendLine("Winkel nicht berechenbar: Koordinaten außerhalb des Rechenbereichs !");
}

// 'Ha(x/y/z)': foot of the perpendicular from Q on the line through P in
// direction u, or a sentence when the two corners spanning u coincide.
void appendAltitudeFoot(OutputLog& log, const char* label, const Vector3& P, const Vector3& u,
                        const Vector3& Q, const char* corners) {
    if (isNullVector(u)) {
        log.appendLine(std::string(label) + " nicht definiert, da " + corners + " zusammenfallen !");
        return;
    }
    log.appendLine(label + resultVectorText(footOnLine(P, u, Q)));
}

// 'Höhenfußpunkt:  F(x/y/z)': the foot of S on the plane through A spanned
// by AB and AC.
void appendPyramidFoot(OutputLog& log, const Vector3& A, const Vector3& AB, const Vector3& AC,
                       const Vector3& S, const exact::ExactScene& exact) {
    log.appendText("Höhenfußpunkt:  ");
    const Vector3 foot = footOnPlane(A, AB, AC, S);
    if (exact::areParallel(exact.planeSpanU[PlaneE5], exact.planeSpanV[PlaneE5]) ||
        isNullVector(crossProduct(AB, AC)) || !isFiniteVector(foot)) {
        log.appendLine("nicht definiert, da A, B und C auf einer Geraden liegen !");
        return;
    }
    log.appendLine("F" + resultVectorText(foot));
}

struct Corners {
    Vector3 A, B, C, D, S;
    Vector3 AB, AC;       // E5's spanning vectors as kept in the scene
    Vector3 SA, SB, SC, SD;
};

Corners cornersOf(const Scene& scene) {
    Corners k;
    k.A = scene.points[PointA];
    k.B = scene.points[PointB];
    k.C = scene.points[PointC];
    k.D = scene.points[PointD];
    k.S = scene.points[PointS];
    k.AB = scene.planeSpanU[PlaneE5];
    k.AC = scene.planeSpanV[PlaneE5];
    k.SA = vectorFromTo(k.S, k.A);
    k.SB = vectorFromTo(k.S, k.B);
    k.SC = vectorFromTo(k.S, k.C);
    k.SD = vectorFromTo(k.S, k.D);
    return k;
}

// What the quadrilateral and the bodies over it say instead of a measure
// when two opposite sides of ABCD cross.
std::string sidesCrossText(const std::string& measure) {
    return measure + " nicht berechenbar, da sich die Seiten von ABCD überschneiden !";
}

constexpr const char* kCornerNames[4] = {"A", "B", "C", "D"};

// 'Diagonalenschnittpunkt:  S(x/y/z)'. A quadrilateral that is not convex
// has diagonals that do not meet: S, where their lines meet, lies outside,
// on the extension of the diagonal from the corner over 180°. Crossing
// sides leave no diagonal inside at all. Outside a plane the shape has
// neither.
void appendDiagonalIntersection(OutputLog& log, const Corners& k, bool planar,
                                const exact::QuadrilateralCorners& shape) {
    log.appendText("Diagonalenschnittpunkt:  S");
    if (shape.sidesCross) {
        log.appendLine(" nicht vorhanden, da ABCD sich überschneidet !");
        return;
    }
    bool noIntersection = true;
    Vector3 S;
    if (planar) diagonalIntersection(k.A, k.B, k.C, k.D, noIntersection, S);
    if (planar && noIntersection) {
        // In one plane the lines of the diagonals meet although the
        // elimination missed it by its tolerance: the decided case gives S.
        IncidenceResult result;
        Vector3 F1, F2, Fq;
        lineLineIncidence(k.A, vectorFromTo(k.A, k.C), k.B, vectorFromTo(k.B, k.D), result, S, F1, F2, Fq, 2);
        noIntersection = result.status != 2;
    }
    if (noIntersection) {
        log.appendLine(" nicht vorhanden, da ABCD keine Ebene !");
        return;
    }
    log.appendLine(resultVectorText(S));
    if (shape.reflex >= 0)
        log.appendLine(std::string("S liegt außerhalb von ABCD, da der Innenwinkel bei ") +
                       kCornerNames[shape.reflex] + " überstumpf ist !");
}

// AD = D - A for the calculation. The Scene keeps what AD's read-only field
// gives back, as leaving A or D stores it, so field and Scene agree.
Vector3 refreshAD(Scene& scene) {
    Vector3 AD = scene.vectorAD;
    setCoordinates(AD, vectorFromTo(scene.points[PointA], scene.points[PointD]));
    for (int axis = 0; axis < 3; ++axis)
        if (const std::optional<Real> shown = derivedFieldValue(axisValue(AD, axis)))
            axisValue(scene.vectorAD, axis) = *shown;
    return AD;
}

// p/q of toFraction(x) where it exists, x/1 otherwise.
struct FractionParts {
    Real p;
    Real q;
};

FractionParts asFraction(Real x) {
    FractionParts f{x, 1};
    reduceQuotient(f.p, f.q);
    return f;
}

std::string fractionText(const FractionParts& f) {
    std::string text = resultText(3, f.p);
    if (f.q != 1) text += "/" + resultText(3, f.q);
    return text;
}

}  // namespace

void angleAOBCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3& A = scene.points[PointA];
    const Vector3& B = scene.points[PointB];
    log.appendLine(" ");
    log.appendSymbol(SymbolGlyph::Angle);
    Real degrees = 0;
    const AngleOutcome outcome = angleDegrees(A, B, degrees);
    if (outcome == AngleOutcome::Defined) {
        log.appendLine("(OA;OB) = " + resultText(2, degrees) + "°");
        return;
    }
    if (outcome == AngleOutcome::NotComputable) {
        log.appendLine("(OA;OB) nicht berechenbar: Koordinaten außerhalb des Rechenbereichs !");
        return;
    }
    const bool aNull = isNullVector(A);
    const bool bNull = isNullVector(B);
    const std::string reason = aNull && bNull ? "A und B im Ursprung liegen"
                               : aNull        ? "A im Ursprung liegt"
                                              : "B im Ursprung liegt";
    log.appendLine("(OA;OB) nicht definiert, da " + reason + " !");
}

void vectorProductCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3 product = crossProduct(scene.points[PointA], scene.points[PointB]);
    log.appendLine(" ");
    vectorProductFormula(alignedComponentTexts(product)).writeTo(log);
}

void scalarProductCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Real product = dotProduct(scene.points[PointA], scene.points[PointB]);
    log.appendLine(" ");
    // Arrows over the O of OA and of OB.
    TypesetRow arrows;
    arrows.glyph(SymbolGlyph::RightArrow).spaces(4).glyph(SymbolGlyph::RightArrow);
    arrows.writeTo(log);
    log.appendText("OA * OB = " + resultText(3, product));
    log.appendLine(" ");
}

void triangleCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(scene);
    const Vector3 BC = vectorFromTo(k.B, k.C);
    log.appendLine("A_Dreieck_ABC = " + resultText(3, triangleArea(k.AB, k.AC)));
    log.appendLine("Seitenlängen:  a=" + resultText(3, vectorLength(BC)) +
                   "  b=" + resultText(3, vectorLength(k.AC)) +
                   "  c=" + resultText(3, vectorLength(k.AB)));
    log.appendLine("Schwerpunkt:  S" + resultVectorText(centroid(k.A, k.B, k.C)));
    log.appendLine("Höhenfußpunkte:");
    appendAltitudeFoot(log, "Ha", k.B, BC, k.A, "B und C");
    appendAltitudeFoot(log, "Hb", k.A, k.AC, k.B, "A und C");
    appendAltitudeFoot(log, "Hc", k.B, k.AB, k.C, "A und B");
    appendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, k.AC},
                               {SymbolGlyph::Beta, negated(k.AB), BC},
                               {SymbolGlyph::Gamma, k.AC, BC}});
}

// The edges AB, AC, AD of ABCD read exactly.
struct ExactEdges {
    exact::Vec AB, AC, AD;
};

ExactEdges exactEdges(const exact::ExactScene& exact) {
    const exact::Vec& A = exact.points[PointA];
    return {exact.points[PointB] - A, exact.points[PointC] - A, exact.points[PointD] - A};
}

// Whether A, B, C and D lie in one plane, decided in one place for the
// quadrilateral and the two bodies over it.
bool abcdIsPlanar(const exact::ExactScene& exact) {
    const ExactEdges e = exactEdges(exact);
    return exact::areCoplanar(e.AB, e.AC, e.AD);
}

// Whether the sides of ABCD cross, and its corner over 180°.
exact::QuadrilateralCorners abcdShape(const exact::ExactScene& exact) {
    const ExactEdges e = exactEdges(exact);
    return exact::quadrilateralCorners(e.AB, e.AC, e.AD);
}

void quadrilateralCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3 AD = refreshAD(scene);
    const Corners k = cornersOf(scene);
    const Vector3 BC = vectorFromTo(k.B, k.C);
    const Vector3 CD = vectorFromTo(k.C, k.D);
    const bool planar = abcdIsPlanar(exact);
    // Outside a plane there is no inside of ABCD: the angles stay those
    // between the edges.
    const exact::QuadrilateralCorners shape = planar ? abcdShape(exact) : exact::QuadrilateralCorners();
    if (!planar)
        log.appendLine("A_ABCD nicht berechenbar, da ABCD keine Ebene !");
    else if (shape.sidesCross)
        log.appendLine(sidesCrossText("A_ABCD"));
    else
        log.appendLine("A_Viereck_ABCD = " + resultText(3, quadrilateralArea(k.AB, k.AC, AD)));
    log.appendLine("Seitenlängen:  AB=" + resultText(3, vectorLength(k.AB)) +
                   "  BC=" + resultText(3, vectorLength(BC)) +
                   "  CD=" + resultText(3, vectorLength(CD)) +
                   "  AD=" + resultText(3, vectorLength(AD)));
    appendDiagonalIntersection(log, k, planar, shape);
    // With crossing sides each angle is one of the two triangles the
    // crossing cuts off, so the angle between the edges is kept.
    appendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, AD, shape.isReflex(0)},
                               {SymbolGlyph::Beta, negated(k.AB), BC, shape.isReflex(1)},
                               {SymbolGlyph::Gamma, negated(BC), CD, shape.isReflex(2)},
                               {SymbolGlyph::Delta, AD, CD, shape.isReflex(3)}});
}

void prismABCCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(scene);
    log.appendLine("V_Prisma_ABC_AS = " + resultText(3, triangularPrismVolume(k.SA, k.SB, k.SC)));
}

void prismABCDCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3 AD = refreshAD(scene);
    const Corners k = cornersOf(scene);
    if (!abcdIsPlanar(exact))
        log.appendLine("ABCD ist keine Ebene !");
    else if (abcdShape(exact).sidesCross)
        log.appendLine(sidesCrossText("V_Prisma_ABCD_AS"));
    else
        log.appendLine("V_Prisma_ABCD_AS = " +
                       resultText(3, quadPrismVolume(k.SA, k.SB, k.SC, k.SD)));
}

void pyramidABCSCommand(const Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(scene);
    log.appendLine("V_Pyr_ABCS = " + resultText(3, triangularPyramidVolume(k.SA, k.SB, k.SC)));
    appendPyramidFoot(log, k.A, k.AB, k.AC, k.S, exact);
}

void pyramidABCDSCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3 AD = refreshAD(scene);
    const Corners k = cornersOf(scene);
    if (!abcdIsPlanar(exact)) {
        log.appendLine("ABCD ist keine Ebene !");
        return;
    }
    if (abcdShape(exact).sidesCross)
        log.appendLine(sidesCrossText("V_Pyr_ABCDS"));
    else
        log.appendLine("V_Pyr_ABCDS = " + resultText(3, quadPyramidVolume(k.SA, k.SB, k.SC, k.SD)));
    appendPyramidFoot(log, k.A, k.AB, k.AC, k.S, exact);
}

void spatCommand(const Scene& scene, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(scene);
    log.appendLine("V_Spat_AB_AC_AS = " + resultText(3, spatVolume(k.AB, k.AC, k.SA)));
}

CommandOutcome coplanarityCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3& AB = scene.planeSpanU[PlaneE5];
    const Vector3& AC = scene.planeSpanV[PlaneE5];
    const Vector3& AD = scene.vectorAD;
    const exact::Vec& exactAB = exact.planeSpanU[PlaneE5];
    const exact::Vec& exactAC = exact.planeSpanV[PlaneE5];
    log.appendLine(" ");
    if (!exact::areCoplanar(exactAB, exactAC, exact.vectorAD)) {
        log.appendLine("AB,AC,AD sind nicht komplanar !");
        return {};
    }
    log.appendLine("AB,AC,AD sind komplanar:");

    WorkMatrix M;
    setRow(M, 1, {AB.x, AC.x, AD.x});
    setRow(M, 2, {AB.y, AC.y, AD.y});
    setRow(M, 3, {AB.z, AC.z, AD.z});
    solveLinearSystem(M, 3, 3);

    CommandOutcome outcome;
    outcome.labelsChanged = true;
    // AC a multiple of AB (or AB null): r and t are not determined.
    if (exact::areParallel(exactAB, exactAC)) {
        scene.coplanarValid = false;
        log.appendText("Gleichung: AD = r");
        log.appendSymbol(SymbolGlyph::Dot);
        log.appendText("AB +t");
        log.appendSymbol(SymbolGlyph::Dot);
        log.appendLine("AC  nicht lösbar");
        log.appendLine("AB und AC parallel !");
        outcome.labelR = "r=";
        outcome.labelT = "t=";
        return outcome;
    }
    Real r = M(1, 3);
    Real t = M(2, 3);
    if (isNearZero(M(2, 2))) {
        // The elimination found no pivot for AC although AB and AC are not
        // parallel (tiny components): AD = r AB + t AC in closed form.
        const Vector3 n = crossProduct(AB, AC);
        r = dotProduct(crossProduct(AD, AC), n) / dotProduct(n, n);
        t = dotProduct(crossProduct(AB, AD), n) / dotProduct(n, n);
    }
    const FractionParts rf = asFraction(r);
    const FractionParts tf = asFraction(t);
    scene.coplanarR = rf.p / rf.q;
    scene.coplanarT = tf.p / tf.q;
    scene.coplanarValid = isFiniteReal(scene.coplanarR) && isFiniteReal(scene.coplanarT);

    const std::string rText = fractionText(rf);
    const std::string tMagnitude = fractionText(FractionParts{std::fabs(tf.p), tf.q});
    // A t whose text reads 0 gets no minus sign ('+ 0', not '- 0'); any
    // other negative t keeps it, also a fraction such as 1/2500.
    const bool tNegative = tf.p / tf.q < 0 && tMagnitude != "0";
    log.appendText("Gleichung: AD = " + rText);
    log.appendSymbol(SymbolGlyph::Dot);
    log.appendText("AB " + std::string(tNegative ? "- " : "+ ") + tMagnitude);
    log.appendSymbol(SymbolGlyph::Dot);
    log.appendLine("AC");
    outcome.labelR = "r=" + rText;
    outcome.labelT = "t=" + std::string(tNegative ? "-" : "") + tMagnitude;
    return outcome;
}
