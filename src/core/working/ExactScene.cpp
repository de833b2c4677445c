#include "core/working/ExactScene.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/model/InputWindowTables.h"
#include "core/render/LineDrawing.h"
#include "core/working/ExactFormula.h"

namespace working {

using inputwindow::kAxisLetters;

std::array<std::string, 3> PointFieldNames(int point) {
    const std::string stem = std::string("Edit_Punkt") + inputwindow::kPoints[std::size_t(point)].suffix + "_";
    return {stem + kAxisLetters[0], stem + kAxisLetters[1], stem + kAxisLetters[2]};
}

std::array<std::string, 3> TripleFieldNames(const std::string& prefix) {
    const std::string stem = "Edit_" + prefix;
    return {stem + kAxisLetters[0], stem + kAxisLetters[1], stem + kAxisLetters[2]};
}

std::string CoefficientFieldName(int plane, int k) {
    return std::string("Edit_") + inputwindow::kCoefficientLetters[std::size_t(k)] + std::to_string(plane);
}

namespace {

// An exact value agrees with the one the calculation uses when they differ
// by rounding only (the reader's rounding, or the 15 digits of a derived
// field's text).
bool Agrees(const mpq_class& exact, Real used) {
    const Real value = RationalToReal(exact);
    return std::fabs(value - used) <= 1E-13L * std::max<Real>(1, std::fabs(used));
}

Number Matched(const std::optional<mpq_class>& exact, Real used) {
    if (exact && Agrees(*exact, used)) return Number::Exact(*exact);
    return Number::Decimal(used);
}

std::optional<mpq_class> ExactOf(const Number& n) {
    if (!n.IsExact()) return std::nullopt;
    return n.Rational();
}

std::optional<mpq_class> FieldValue(const FieldTexts& texts, const std::string& name) {
    const auto it = texts.find(name);
    if (it == texts.end()) return std::nullopt;
    return ExactFieldValue(it->second);
}

Vec FromFields(const FieldTexts& texts, const std::array<std::string, 3>& names, const Vector3& used) {
    Vec v;
    for (int a = 0; a < 3; ++a) v[a] = Matched(FieldValue(texts, names[std::size_t(a)]), AxisValue(used, a));
    return v;
}

// A value derived from exact ones, checked against the one in use.
Vec Derived(const Vec& exact, const Vector3& used) {
    Vec v;
    for (int a = 0; a < 3; ++a) v[a] = Matched(ExactOf(exact[a]), AxisValue(used, a));
    return v;
}

// The values of t the Scene's g can belong to: t1 (start-up, defaults),
// 0 (a field of g left), and the later members t1 + k·Δt of a drawn family.
std::vector<mpq_class> FamilyParameters(const FieldTexts& texts) {
    std::vector<mpq_class> candidates;
    const std::optional<mpq_class> t1 = FieldValue(texts, "Edit_t1");
    if (t1) candidates.push_back(*t1);
    candidates.push_back(0);
    const std::optional<mpq_class> t2 = FieldValue(texts, "Edit_t2");
    const std::optional<mpq_class> step = FieldValue(texts, "Edit_Delta_t");
    if (t1 && t2 && step && sgn(*step) > 0) {
        mpq_class t = *t1 + *step;
        for (int k = 1; k < kMaxFamilyMembers && t <= *t2; ++k, t += *step) candidates.push_back(t);
    }
    return candidates;
}

void Assign(const std::array<Number, 6>& values, Vec& support, Vec& direction) {
    support = MakeVec(values[0], values[1], values[2]);
    direction = MakeVec(values[3], values[4], values[5]);
}

// g's six fields hold formulas in t. A formula without t is exact where its
// value agrees with the Scene's; the formulas in t are exact where they all
// agree with the Scene at one of the t its g can belong to.
void ExactLineG(const Scene& scene, const FieldTexts& texts, Vec& support, Vec& direction, bool& beyondBound) {
    const std::array<std::string, 3> supportNames = TripleFieldNames(inputwindow::kSupportG.prefix);
    const std::array<std::string, 3> directionNames = TripleFieldNames(inputwindow::kDirectionG.prefix);
    std::vector<ExactFormula> formulas;
    std::array<Real, 6> used;
    for (int a = 0; a < 3; ++a) {
        const auto i = std::size_t(a);
        formulas.emplace_back(texts.count(supportNames[i]) ? texts.at(supportNames[i]) : std::string());
        used[i] = AxisValue(scene.lineSupport[LineG], a);
    }
    for (int a = 0; a < 3; ++a) {
        const auto i = std::size_t(a);
        formulas.emplace_back(texts.count(directionNames[i]) ? texts.at(directionNames[i]) : std::string());
        used[i + 3] = AxisValue(scene.lineDirection[LineG], a);
    }
    std::array<Number, 6> values;
    std::vector<std::size_t> withT;
    for (std::size_t i = 0; i < 6; ++i) {
        values[i] = Number::Decimal(used[i]);
        if (!formulas[i].Readable()) continue;
        if (formulas[i].DependsOnT()) {
            withT.push_back(i);
        } else {
            bool beyond = false;
            const std::optional<mpq_class> value = formulas[i].ValueAt(0, &beyond);
            beyondBound = beyondBound || beyond;
            if (value && Agrees(*value, used[i])) values[i] = Number::Exact(*value);
        }
    }
    // The formulas in t are exact at the first t where they all agree.
    if (withT.empty()) return Assign(values, support, direction);
    for (const mpq_class& t : FamilyParameters(texts)) {
        // A formula without an exact value here (a function of t) stays a
        // decimal and decides nothing.
        std::array<std::optional<mpq_class>, 6> exact;
        bool agrees = true, any = false;
        for (std::size_t i : withT) {
            bool beyond = false;
            exact[i] = formulas[i].ValueAt(t, &beyond);
            beyondBound = beyondBound || beyond;
            if (!exact[i]) continue;
            any = true;
            agrees = Agrees(*exact[i], used[i]);
            if (!agrees) break;
        }
        if (!agrees || !any) continue;
        for (std::size_t i : withT)
            if (exact[i]) values[i] = Number::Exact(*exact[i]);
        break;
    }
    Assign(values, support, direction);
}

}  // namespace

ExactScene BuildExactScene(const Scene& scene, const FieldTexts& texts) {
    ExactScene e;
    for (int i = 0; i < PointCount; ++i) e.points[std::size_t(i)] = FromFields(texts, PointFieldNames(i), scene.points[std::size_t(i)]);

    ExactLineG(scene, texts, e.lineSupport[LineG], e.lineDirection[LineG], e.lineGBeyondExactBound);
    e.lineSupport[LineH] = FromFields(texts, TripleFieldNames(inputwindow::kSupportH.prefix), scene.lineSupport[LineH]);
    e.lineDirection[LineH] = FromFields(texts, TripleFieldNames(inputwindow::kDirectionH.prefix), scene.lineDirection[LineH]);
    const Vec& P = e.points[PointP];
    const Vec& Q = e.points[PointQ];
    e.lineSupport[LineG2] = Derived(P, scene.lineSupport[LineG2]);
    e.lineDirection[LineG2] = Derived(Q - P, scene.lineDirection[LineG2]);

    for (const auto& row : inputwindow::kCoordinatePlanes)
        for (int k = 0; k < 4; ++k)
            e.planeCoeffs[std::size_t(row.number)][std::size_t(k)] =
                Matched(FieldValue(texts, CoefficientFieldName(row.number, k)),
                        scene.planeCoeffs[std::size_t(row.number)][std::size_t(k)]);
    for (const auto& row : inputwindow::kParameterPlanes) {
        const auto n = std::size_t(row.number);
        const std::string number = std::to_string(row.number);
        e.planeSupport[n] = FromFields(texts, TripleFieldNames("p" + number), scene.planeSupport[n]);
        e.planeSpanU[n] = FromFields(texts, TripleFieldNames("u" + number), scene.planeSpanU[n]);
        e.planeSpanV[n] = FromFields(texts, TripleFieldNames("v" + number), scene.planeSpanV[n]);
    }
    e.e3SpanCopyU = FromFields(texts, TripleFieldNames("u3"), scene.e3SpanCopyU);
    e.e3SpanCopyV = FromFields(texts, TripleFieldNames("v3"), scene.e3SpanCopyV);

    const Vec& A = e.points[PointA];
    e.planeSupport[PlaneE5] = Derived(A, scene.planeSupport[PlaneE5]);
    e.planeSpanU[PlaneE5] = Derived(e.points[PointB] - A, scene.planeSpanU[PlaneE5]);
    e.planeSpanV[PlaneE5] = Derived(e.points[PointC] - A, scene.planeSpanV[PlaneE5]);
    e.vectorAD = Derived(e.points[PointD] - A, scene.vectorAD);
    return e;
}

}  // namespace working
