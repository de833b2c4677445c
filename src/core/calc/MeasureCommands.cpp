// The measure buttons: the angle (OA;OB), scalar and vector product,
// triangle ABC, quadrilateral ABCD, the five volumes and the coplanarity of
// AB, AC, AD.
#include <cmath>

#include "core/calc/CalcCommands.h"
#include "core/exact/ExactValues.h"
#include "core/geometry/KernelArithmetic.h"
#include "core/output/ResultNumbers.h"
#include "core/output/ResultTexts.h"
#include "core/output/TypesetRows.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

namespace {

using exact::Number;
using exact::Vec;
using exact::toVector3;

enum class AngleOutcome { Defined, NullVector, NotComputable };

// Angle between a and b in degrees, from the exact cosine. There is none
// when one of them is the null vector.
AngleOutcome angleDegrees(const Vec& a, const Vec& b, Real& degrees) {
    if (exact::isNull(a) || exact::isNull(b)) return AngleOutcome::NullVector;
    degrees = radToDeg(std::acos(clampToUnit(exact::cosineOf(a, b))));
    return isFiniteReal(degrees) ? AngleOutcome::Defined : AngleOutcome::NotComputable;
}

Vec negated(const Vec& v) { return Number(-1) * v; }

struct InteriorAngle {
    SymbolGlyph sign;
    Vec first;
    Vec second;
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
void appendAltitudeFoot(OutputLog& log, const char* label, const Vec& P, const Vec& u, const Vec& Q,
                        const char* corners) {
    if (exact::isNull(u)) {
        log.appendLine(std::string(label) + " nicht definiert, da " + corners + " zusammenfallen !");
        return;
    }
    log.appendLine(label + resultVectorText(toVector3(exact::footOnLine(P, u, Q))));
}

// The corners, E5's spanning vectors AB and AC, AD and the edges from S,
// read exactly.
struct Corners {
    Vec A, B, C, D, S;
    Vec AB, AC, AD;
    Vec SA, SB, SC, SD;
};

Corners cornersOf(const exact::ExactScene& exact) {
    Corners k;
    k.A = exact.points[PointA];
    k.B = exact.points[PointB];
    k.C = exact.points[PointC];
    k.D = exact.points[PointD];
    k.S = exact.points[PointS];
    k.AB = exact.planeSpanU[PlaneE5];
    k.AC = exact.planeSpanV[PlaneE5];
    k.AD = k.D - k.A;
    k.SA = k.A - k.S;
    k.SB = k.B - k.S;
    k.SC = k.C - k.S;
    k.SD = k.D - k.S;
    return k;
}

// 'Höhenfußpunkt:  F(x/y/z)': the foot of S on the plane through A, B, C.
void appendPyramidFoot(OutputLog& log, const Corners& k) {
    log.appendText("Höhenfußpunkt:  ");
    const Vec n = exact::cross(k.AB, k.AC);
    if (exact::isNull(n)) {
        log.appendLine("nicht definiert, da A, B und C auf einer Geraden liegen !");
        return;
    }
    const Vector3 foot = toVector3(k.S + (exact::dot(n, k.A - k.S) / exact::dot(n, n)) * n);
    log.appendLine("F" + resultVectorText(foot));
}

// A measure as the result texts round it.
std::string measureText(const Number& value) { return resultText(3, value.toReal()); }

// √(x) of an exact square, rounded once.
Real rootOf(const Number& square) { return std::sqrt(square.toReal()); }

// |a·(b × c)|.
Number tripleMagnitude(const Vec& a, const Vec& b, const Vec& c) { return exact::triple(a, b, c).abs(); }

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
    const Vec AC = k.C - k.A, BD = k.D - k.B;
    if (!planar) {
        log.appendLine(" nicht vorhanden, da ABCD keine Ebene !");
        return;
    }
    // Degenerate corners leave a diagonal without direction, or two
    // diagonals on parallel lines.
    if (exact::isNull(AC) || exact::isNull(BD)) {
        log.appendLine(std::string(" nicht definiert, da ") + (exact::isNull(AC) ? "A und C" : "B und D") +
                       " zusammenfallen !");
        return;
    }
    if (exact::areParallel(AC, BD)) {
        log.appendLine(" nicht vorhanden, da die Diagonalen parallel sind !");
        return;
    }
    log.appendLine(resultVectorText(toVector3(exact::lineLineValues(2, k.A, AC, k.B, BD).S)));
    if (shape.reflex >= 0)
        log.appendLine(std::string("S liegt außerhalb von ABCD, da der Innenwinkel bei ") +
                       kCornerNames[shape.reflex] + " überstumpf ist !");
}

// AD = D - A for the calculation. The Scene keeps what AD's read-only field
// gives back, as leaving A or D stores it, so field and Scene agree.
void refreshAD(Scene& scene) {
    const Vector3 AD = vectorFromTo(scene.points[PointA], scene.points[PointD]);
    for (int axis = 0; axis < 3; ++axis)
        if (const std::optional<Real> shown = derivedFieldValue(axisValue(AD, axis)))
            axisValue(scene.vectorAD, axis) = *shown;
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

// A fraction of the exact coplanarity factors: exact where it is short
// enough to read, else the nearest 32-bit fraction of its value.
FractionParts asFraction(const Number& x) {
    if (!exact::isReadableFraction(x)) return asFraction(x.toReal());
    const mpq_class& q = x.rational();
    return {Number::exact(mpq_class(q.get_num())).toReal(), Number::exact(mpq_class(q.get_den())).toReal()};
}

// ABCD lies in one plane: AB, AC and AD are coplanar, decided exactly in
// one place for the quadrilateral and the two bodies over it.
bool abcdIsPlanar(const Corners& k) { return exact::areCoplanar(k.AB, k.AC, k.AD); }

// Whether the sides of ABCD cross, and its corner over 180°.
exact::QuadrilateralCorners abcdShape(const Corners& k) { return exact::quadrilateralCorners(k.AB, k.AC, k.AD); }

}  // namespace

void angleAOBCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vec& A = exact.points[PointA];
    const Vec& B = exact.points[PointB];
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
    const bool aNull = exact::isNull(A);
    const bool bNull = exact::isNull(B);
    const std::string reason = aNull && bNull ? "A und B im Ursprung liegen"
                               : aNull        ? "A im Ursprung liegt"
                                              : "B im Ursprung liegt";
    log.appendLine("(OA;OB) nicht definiert, da " + reason + " !");
}

void vectorProductCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vector3 product = toVector3(exact::cross(exact.points[PointA], exact.points[PointB]));
    log.appendLine(" ");
    vectorProductFormula(alignedComponentTexts(product)).writeTo(log);
}

void scalarProductCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Number product = exact::dot(exact.points[PointA], exact.points[PointB]);
    log.appendLine(" ");
    scalarProductFormula(measureText(product)).writeTo(log);
}

void triangleCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(exact);
    const Vec BC = k.C - k.B;
    const Vec n = exact::cross(k.AB, k.AC);
    log.appendLine("A_Dreieck_ABC = " + resultText(3, rootOf(exact::dot(n, n)) / 2));
    log.appendLine("Seitenlängen:  a=" + resultText(3, exact::lengthOf(BC)) +
                   "  b=" + resultText(3, exact::lengthOf(k.AC)) +
                   "  c=" + resultText(3, exact::lengthOf(k.AB)));
    log.appendLine("Schwerpunkt:  S" + resultVectorText(toVector3((Number(1) / Number(3)) * (k.A + k.B + k.C))));
    log.appendLine("Höhenfußpunkte:");
    appendAltitudeFoot(log, "Ha", k.B, BC, k.A, "B und C");
    appendAltitudeFoot(log, "Hb", k.A, k.AC, k.B, "A und C");
    appendAltitudeFoot(log, "Hc", k.B, k.AB, k.C, "A und B");
    appendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, k.AC},
                               {SymbolGlyph::Beta, negated(k.AB), BC},
                               {SymbolGlyph::Gamma, k.AC, BC}});
}

void quadrilateralCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    refreshAD(scene);
    const Corners k = cornersOf(exact);
    const Vec BC = k.C - k.B;
    const Vec CD = k.D - k.C;
    const bool planar = abcdIsPlanar(k);
    // Outside a plane there is no inside of ABCD: the angles stay those
    // between the edges.
    const exact::QuadrilateralCorners shape = planar ? abcdShape(k) : exact::QuadrilateralCorners();
    if (!planar) {
        log.appendLine("A_ABCD nicht berechenbar, da ABCD keine Ebene !");
    } else if (shape.sidesCross) {
        log.appendLine(sidesCrossText("A_ABCD"));
    } else {
        // The vector area: the triangles' products summed before the length.
        const Vec n = exact::cross(k.AB, k.AC) + exact::cross(k.AC, k.AD);
        log.appendLine("A_Viereck_ABCD = " + resultText(3, rootOf(exact::dot(n, n)) / 2));
    }
    log.appendLine("Seitenlängen:  AB=" + resultText(3, exact::lengthOf(k.AB)) +
                   "  BC=" + resultText(3, exact::lengthOf(BC)) +
                   "  CD=" + resultText(3, exact::lengthOf(CD)) +
                   "  AD=" + resultText(3, exact::lengthOf(k.AD)));
    appendDiagonalIntersection(log, k, planar, shape);
    // With crossing sides each angle is one of the two triangles the
    // crossing cuts off, so the angle between the edges is kept.
    appendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, k.AD, shape.isReflex(0)},
                               {SymbolGlyph::Beta, negated(k.AB), BC, shape.isReflex(1)},
                               {SymbolGlyph::Gamma, negated(BC), CD, shape.isReflex(2)},
                               {SymbolGlyph::Delta, k.AD, CD, shape.isReflex(3)}});
}

void prismABCCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(exact);
    log.appendLine("V_Prisma_ABC_AS = " + measureText(tripleMagnitude(k.SA, k.SB, k.SC) / 2));
}

// The bodies over ABCD: a·(b × c) and a·(c × d) of the edges from S summed
// with their signs, so that the base counts with its vector area.
Number quadBodyVolume(const Corners& k, long divisor) {
    return (exact::triple(k.SA, k.SB, k.SC) + exact::triple(k.SA, k.SC, k.SD)).abs() / Number(divisor);
}

void prismABCDCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    refreshAD(scene);
    const Corners k = cornersOf(exact);
    if (!abcdIsPlanar(k))
        log.appendLine("ABCD ist keine Ebene !");
    else if (abcdShape(k).sidesCross)
        log.appendLine(sidesCrossText("V_Prisma_ABCD_AS"));
    else
        log.appendLine("V_Prisma_ABCD_AS = " + measureText(quadBodyVolume(k, 2)));
}

void pyramidABCSCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(exact);
    log.appendLine("V_Pyr_ABCS = " + measureText(tripleMagnitude(k.SA, k.SB, k.SC) / 6));
    appendPyramidFoot(log, k);
}

void pyramidABCDSCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    refreshAD(scene);
    const Corners k = cornersOf(exact);
    if (!abcdIsPlanar(k)) {
        log.appendLine("ABCD ist keine Ebene !");
        return;
    }
    if (abcdShape(k).sidesCross)
        log.appendLine(sidesCrossText("V_Pyr_ABCDS"));
    else
        log.appendLine("V_Pyr_ABCDS = " + measureText(quadBodyVolume(k, 6)));
    appendPyramidFoot(log, k);
}

void spatCommand(const Scene&, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Corners k = cornersOf(exact);
    log.appendLine("V_Spat_AB_AC_AS = " + measureText(tripleMagnitude(k.AB, k.AC, k.SA)));
}

CommandOutcome coplanarityCommand(Scene& scene, const exact::ExactScene& exact, OutputLog& log) {
    log.setOutputColour(OutputColours::Result);
    const Vec& AB = exact.planeSpanU[PlaneE5];
    const Vec& AC = exact.planeSpanV[PlaneE5];
    const Vec& AD = exact.vectorAD;
    log.appendLine(" ");
    if (!exact::areCoplanar(AB, AC, AD)) {
        log.appendLine("AB,AC,AD sind nicht komplanar !");
        return {};
    }
    log.appendLine("AB,AC,AD sind komplanar:");

    CommandOutcome outcome;
    outcome.labelsChanged = true;
    // AC a multiple of AB (or AB null): r and t are not determined.
    if (exact::areParallel(AB, AC)) {
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
    // AD = r AB + t AC with n = AB × AC.
    const Vec n = exact::cross(AB, AC);
    const FractionParts rf = asFraction(exact::dot(exact::cross(AD, AC), n) / exact::dot(n, n));
    const FractionParts tf = asFraction(exact::dot(exact::cross(AB, AD), n) / exact::dot(n, n));
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
