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
AngleOutcome AngleDegrees(const Vector3& a, const Vector3& b, Real& degrees) {
    if (IsNullVector(a) || IsNullVector(b)) return AngleOutcome::NullVector;
    const Real la = VectorLength(a);
    const Real lb = VectorLength(b);
    if (la == 0 || lb == 0 || !IsFiniteReal(la) || !IsFiniteReal(lb)) return AngleOutcome::NotComputable;
    degrees = RadToDeg(AngleBetween(a, b));
    return IsFiniteReal(degrees) ? AngleOutcome::Defined : AngleOutcome::NotComputable;
}

Vector3 Negated(const Vector3& v) { return ScaleVector(v, -1); }

struct InteriorAngle {
    SymbolGlyph sign;
    Vector3 first;
    Vector3 second;
};

// 'Innenwinkel:  α=90°  β=36,87°  γ=53,13°   ' to 2 decimals. An angle at a
// corner where two corners coincide has no value: it reads 'nicht
// definiert' and a sentence says why.
void AppendInteriorAngles(OutputLog& log, const std::vector<InteriorAngle>& angles) {
    log.AppendText("Innenwinkel:  ");
    bool coincident = false;
    bool notComputable = false;
    for (const auto& angle : angles) {
        Real degrees = 0;
        log.AppendSymbol(angle.sign);
        switch (AngleDegrees(angle.first, angle.second, degrees)) {
            case AngleOutcome::Defined:
                log.AppendText("=" + ResultNumberText(RoundToDigits(degrees, 2)) + "°  ");
                break;
            case AngleOutcome::NullVector:
                log.AppendText("=nicht definiert  ");
                coincident = true;
                break;
            case AngleOutcome::NotComputable:
                log.AppendText("=" + std::string(kNotComputable) + "  ");
                notComputable = true;
                break;
        }
    }
    log.AppendLine(" ");
    if (coincident) log.AppendLine("Winkel nicht definiert, da zwei Eckpunkte zusammenfallen !");
    if (notComputable) log.AppendLine("Winkel nicht berechenbar: Koordinaten außerhalb des Rechenbereichs !");
}

// 'Ha(x/y/z)': foot of the perpendicular from Q on the line through P in
// direction u, or a sentence when the two corners spanning u coincide.
void AppendAltitudeFoot(OutputLog& log, const char* label, const Vector3& P, const Vector3& u,
                        const Vector3& Q, const char* corners) {
    if (IsNullVector(u)) {
        log.AppendLine(std::string(label) + " nicht definiert, da " + corners + " zusammenfallen !");
        return;
    }
    log.AppendLine(label + ResultVectorText(FootOnLine(P, u, Q)));
}

// 'Höhenfußpunkt:  F(x/y/z)': the foot of S on the plane through A spanned
// by AB and AC.
void AppendPyramidFoot(OutputLog& log, const Vector3& A, const Vector3& AB, const Vector3& AC,
                       const Vector3& S) {
    log.AppendText("Höhenfußpunkt:  ");
    const Vector3 foot = FootOnPlane(A, AB, AC, S);
    if (IsNullVector(CrossProduct(AB, AC)) || !IsFiniteVector(foot)) {
        log.AppendLine("nicht definiert, da A, B und C auf einer Geraden liegen !");
        return;
    }
    log.AppendLine("F" + ResultVectorText(foot));
}

struct Corners {
    Vector3 A, B, C, D, S;
    Vector3 AB, AC;       // E5's spanning vectors as kept in the scene
    Vector3 SA, SB, SC, SD;
};

Corners CornersOf(const Scene& scene) {
    Corners k;
    k.A = scene.points[PointA];
    k.B = scene.points[PointB];
    k.C = scene.points[PointC];
    k.D = scene.points[PointD];
    k.S = scene.points[PointS];
    k.AB = scene.planeSpanU[PlaneE5];
    k.AC = scene.planeSpanV[PlaneE5];
    k.SA = VectorFromTo(k.S, k.A);
    k.SB = VectorFromTo(k.S, k.B);
    k.SC = VectorFromTo(k.S, k.C);
    k.SD = VectorFromTo(k.S, k.D);
    return k;
}

// AD = D - A for the calculation. The Scene keeps what AD's read-only field
// gives back, as leaving A or D stores it, so field and Scene agree.
Vector3 RefreshAD(Scene& scene) {
    Vector3 AD = scene.vectorAD;
    SetCoordinates(AD, VectorFromTo(scene.points[PointA], scene.points[PointD]));
    for (int axis = 0; axis < 3; ++axis)
        if (const std::optional<Real> shown = DerivedFieldValue(AxisValue(AD, axis)))
            AxisValue(scene.vectorAD, axis) = *shown;
    return AD;
}

// p/q of ToFraction(x) where it exists, x/1 otherwise.
struct FractionParts {
    Real p;
    Real q;
};

FractionParts AsFraction(Real x) {
    FractionParts f{x, 1};
    ReduceQuotient(f.p, f.q);
    return f;
}

std::string FractionText(const FractionParts& f) {
    std::string text = ResultText(3, f.p);
    if (f.q != 1) text += "/" + ResultText(3, f.q);
    return text;
}

}  // namespace

void AngleAOBCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3& A = scene.points[PointA];
    const Vector3& B = scene.points[PointB];
    log.AppendLine(" ");
    log.AppendSymbol(SymbolGlyph::Angle);
    Real degrees = 0;
    const AngleOutcome outcome = AngleDegrees(A, B, degrees);
    if (outcome == AngleOutcome::Defined) {
        log.AppendLine("(OA;OB) = " + ResultText(2, degrees) + "°");
        return;
    }
    if (outcome == AngleOutcome::NotComputable) {
        log.AppendLine("(OA;OB) nicht berechenbar: Koordinaten außerhalb des Rechenbereichs !");
        return;
    }
    const bool aNull = IsNullVector(A);
    const bool bNull = IsNullVector(B);
    const std::string reason = aNull && bNull ? "A und B im Ursprung liegen"
                               : aNull        ? "A im Ursprung liegt"
                                              : "B im Ursprung liegt";
    log.AppendLine("(OA;OB) nicht definiert, da " + reason + " !");
}

void VectorProductCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3 product = CrossProduct(scene.points[PointA], scene.points[PointB]);
    log.AppendLine(" ");
    VectorProductFormula(AlignedComponentTexts(product)).WriteTo(log);
}

void ScalarProductCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Real product = DotProduct(scene.points[PointA], scene.points[PointB]);
    log.AppendLine(" ");
    // Arrows over the O of OA and of OB.
    TypesetRow arrows;
    arrows.Glyph(SymbolGlyph::RightArrow).Spaces(4).Glyph(SymbolGlyph::RightArrow);
    arrows.WriteTo(log);
    log.AppendText("OA * OB = " + ResultText(3, product));
    log.AppendLine(" ");
}

void TriangleCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Corners k = CornersOf(scene);
    const Vector3 BC = VectorFromTo(k.B, k.C);
    log.AppendLine("A_Dreieck_ABC = " + ResultText(3, TriangleArea(k.AB, k.AC)));
    log.AppendLine("Seitenlängen:  a=" + ResultText(3, VectorLength(BC)) +
                   "  b=" + ResultText(3, VectorLength(k.AC)) +
                   "  c=" + ResultText(3, VectorLength(k.AB)));
    log.AppendLine("Schwerpunkt:  S" + ResultVectorText(Centroid(k.A, k.B, k.C)));
    log.AppendLine("Höhenfußpunkte:");
    AppendAltitudeFoot(log, "Ha", k.B, BC, k.A, "B und C");
    AppendAltitudeFoot(log, "Hb", k.A, k.AC, k.B, "A und C");
    AppendAltitudeFoot(log, "Hc", k.B, k.AB, k.C, "A und B");
    AppendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, k.AC},
                               {SymbolGlyph::Beta, Negated(k.AB), BC},
                               {SymbolGlyph::Gamma, k.AC, BC}});
}

void QuadrilateralCommand(Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3 AD = RefreshAD(scene);
    const Corners k = CornersOf(scene);
    const Vector3 BC = VectorFromTo(k.B, k.C);
    const Vector3 CD = VectorFromTo(k.C, k.D);
    if (AreCoplanar(k.AB, k.AC, AD))
        log.AppendLine("A_Viereck_ABCD = " + ResultText(3, QuadrilateralArea(k.AB, k.AC, AD)));
    else
        log.AppendLine("A_ABCD nicht berechenbar, da ABCD keine Ebene !");
    log.AppendLine("Seitenlängen:  AB=" + ResultText(3, VectorLength(k.AB)) +
                   "  BC=" + ResultText(3, VectorLength(BC)) +
                   "  CD=" + ResultText(3, VectorLength(CD)) +
                   "  AD=" + ResultText(3, VectorLength(AD)));
    log.AppendText("Diagonalenschnittpunkt:  S");
    bool noIntersection = true;
    Vector3 S;
    DiagonalIntersection(k.A, k.B, k.C, k.D, noIntersection, S);
    if (noIntersection)
        log.AppendLine(" nicht vorhanden, da ABCD keine Ebene !");
    else
        log.AppendLine(ResultVectorText(S));
    AppendInteriorAngles(log, {{SymbolGlyph::Alpha, k.AB, AD},
                               {SymbolGlyph::Beta, Negated(k.AB), BC},
                               {SymbolGlyph::Gamma, Negated(BC), CD},
                               {SymbolGlyph::Delta, AD, CD}});
}

void PrismABCCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Corners k = CornersOf(scene);
    log.AppendLine("V_Prisma_ABC_AS = " + ResultText(3, TriangularPrismVolume(k.SA, k.SB, k.SC)));
}

void PrismABCDCommand(Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3 AD = RefreshAD(scene);
    const Corners k = CornersOf(scene);
    if (AreCoplanar(k.AB, k.AC, AD))
        log.AppendLine("V_Prisma_ABCD_AS = " +
                       ResultText(3, QuadPrismVolume(k.SA, k.SB, k.SC, k.SD)));
    else
        log.AppendLine("ABCD ist keine Ebene !");
}

void PyramidABCSCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Corners k = CornersOf(scene);
    log.AppendLine("V_Pyr_ABCS = " + ResultText(3, TriangularPyramidVolume(k.SA, k.SB, k.SC)));
    AppendPyramidFoot(log, k.A, k.AB, k.AC, k.S);
}

void PyramidABCDSCommand(Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3 AD = RefreshAD(scene);
    const Corners k = CornersOf(scene);
    if (!AreCoplanar(k.AB, k.AC, AD)) {
        log.AppendLine("ABCD ist keine Ebene !");
        return;
    }
    log.AppendLine("V_Pyr_ABCDS = " + ResultText(3, QuadPyramidVolume(k.SA, k.SB, k.SC, k.SD)));
    AppendPyramidFoot(log, k.A, k.AB, k.AC, k.S);
}

void SpatCommand(const Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Corners k = CornersOf(scene);
    log.AppendLine("V_Spat_AB_AC_AS = " + ResultText(3, SpatVolume(k.AB, k.AC, k.SA)));
}

CommandOutcome CoplanarityCommand(Scene& scene, OutputLog& log) {
    log.SetOutputColour(OutputColours::Result);
    const Vector3& AB = scene.planeSpanU[PlaneE5];
    const Vector3& AC = scene.planeSpanV[PlaneE5];
    const Vector3& AD = scene.vectorAD;
    log.AppendLine(" ");
    if (!AreCoplanar(AB, AC, AD)) {
        log.AppendLine("AB,AC,AD sind nicht komplanar !");
        return {};
    }
    log.AppendLine("AB,AC,AD sind komplanar:");

    WorkMatrix M;
    SetRow(M, 1, {AB.x, AC.x, AD.x});
    SetRow(M, 2, {AB.y, AC.y, AD.y});
    SetRow(M, 3, {AB.z, AC.z, AD.z});
    SolveLinearSystem(M, 3, 3);

    CommandOutcome outcome;
    outcome.labelsChanged = true;
    // No pivot for AC: AC is a multiple of AB (or AB is null), so r and t
    // are not determined. The entry is tested with the tolerance because the
    // elimination leaves rounding residue there rather than an exact zero.
    if (IsNearZero(M(2, 2))) {
        scene.coplanarValid = false;
        log.AppendText("Gleichung: AD = r");
        log.AppendSymbol(SymbolGlyph::Dot);
        log.AppendText("AB +t");
        log.AppendSymbol(SymbolGlyph::Dot);
        log.AppendLine("AC  nicht lösbar");
        log.AppendLine("AB und AC parallel !");
        outcome.labelR = "r=";
        outcome.labelT = "t=";
        return outcome;
    }
    const Real r = M(1, 3);
    const Real t = M(2, 3);
    const FractionParts rf = AsFraction(r);
    const FractionParts tf = AsFraction(t);
    scene.coplanarR = rf.p / rf.q;
    scene.coplanarT = tf.p / tf.q;
    scene.coplanarValid = IsFiniteReal(scene.coplanarR) && IsFiniteReal(scene.coplanarT);

    const std::string rText = FractionText(rf);
    const std::string tMagnitude = FractionText(FractionParts{std::fabs(tf.p), tf.q});
    // A t whose text reads 0 gets no minus sign ('+ 0', not '- 0'); any
    // other negative t keeps it, also a fraction such as 1/2500.
    const bool tNegative = tf.p / tf.q < 0 && tMagnitude != "0";
    log.AppendText("Gleichung: AD = " + rText);
    log.AppendSymbol(SymbolGlyph::Dot);
    log.AppendText("AB " + std::string(tNegative ? "- " : "+ ") + tMagnitude);
    log.AppendSymbol(SymbolGlyph::Dot);
    log.AppendLine("AC");
    outcome.labelR = "r=" + rText;
    outcome.labelT = "t=" + std::string(tNegative ? "-" : "") + tMagnitude;
    return outcome;
}
