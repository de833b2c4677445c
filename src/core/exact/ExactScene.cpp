#include "core/exact/ExactScene.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/model/InputWindowTables.h"
#include "core/exact/ExactFormula.h"

namespace exact {

using inputwindow::kAxisLetters;

std::array<std::string, 3> pointFieldNames(int point) {
    const std::string stem = std::string("Edit_Punkt") + inputwindow::kPoints[std::size_t(point)].suffix + "_";
    return {stem + kAxisLetters[0], stem + kAxisLetters[1], stem + kAxisLetters[2]};
}

std::array<std::string, 3> tripleFieldNames(const std::string& prefix) {
    const std::string stem = "Edit_" + prefix;
    return {stem + kAxisLetters[0], stem + kAxisLetters[1], stem + kAxisLetters[2]};
}

std::string coefficientFieldName(int plane, int k) {
    return std::string("Edit_") + inputwindow::kCoefficientLetters[std::size_t(k)] + std::to_string(plane);
}

namespace {

// An exact value agrees with the one the calculation uses when they differ
// by rounding only (the reader's rounding, or the 15 digits of a derived
// field's text).
bool agreesWithUsed(const mpq_class& exact, Real used) {
    const Real value = rationalToReal(exact);
    return std::fabs(value - used) <= 1E-13L * std::max<Real>(1, std::fabs(used));
}

Number matched(const std::optional<mpq_class>& exact, Real used) {
    if (exact && agreesWithUsed(*exact, used)) return Number::exact(*exact);
    return Number::decimal(used);
}

std::optional<mpq_class> fieldValue(const FieldTexts& texts, const std::string& name) {
    const auto it = texts.find(name);
    if (it == texts.end()) return std::nullopt;
    return exactFieldValue(it->second);
}

Vec fromFields(const FieldTexts& texts, const std::array<std::string, 3>& names, const Vector3& used) {
    Vec v;
    for (int a = 0; a < 3; ++a) v[a] = matched(fieldValue(texts, names[std::size_t(a)]), axisValue(used, a));
    return v;
}

// A value derived from others (E5's spanning vectors, AD, g2's direction):
// exact where they are, though the read-only field shows it rounded to 15
// digits; the Scene's value where they are not.
Vec derived(const Vec& exact, const Vector3& used) {
    Vec v;
    for (int a = 0; a < 3; ++a) v[a] = exact[a].isExact() ? exact[a] : Number::decimal(axisValue(used, a));
    return v;
}

// The values of t the Scene's g can belong to: t1 (start-up, defaults),
// 0 (a field of g left), and the later members t1 + k·Δt of a drawn family.
std::vector<mpq_class> familyParameters(const FieldTexts& texts) {
    std::vector<mpq_class> candidates;
    const std::optional<mpq_class> t1 = fieldValue(texts, "Edit_t1");
    if (t1) candidates.push_back(*t1);
    candidates.push_back(0);
    const std::optional<mpq_class> t2 = fieldValue(texts, "Edit_t2");
    const std::optional<mpq_class> step = fieldValue(texts, "Edit_Delta_t");
    if (t1 && t2 && step && sgn(*step) > 0) {
        mpq_class t = *t1 + *step;
        for (int k = 1; k < kMaxFamilyMembers && t <= *t2; ++k, t += *step) candidates.push_back(t);
    }
    return candidates;
}

void assign(const std::array<Number, 6>& values, Vec& support, Vec& direction) {
    support = makeVec(values[0], values[1], values[2]);
    direction = makeVec(values[3], values[4], values[5]);
}

// g's six fields hold formulas in t. A formula without t is exact where its
// value agrees with the Scene's; the formulas in t are exact where they all
// agree with the Scene at one of the t its g can belong to.
void exactLineG(const Scene& scene, const FieldTexts& texts, Vec& support, Vec& direction, bool& beyondBound) {
    const std::array<std::string, 3> supportNames = tripleFieldNames(inputwindow::kSupportG.prefix);
    const std::array<std::string, 3> directionNames = tripleFieldNames(inputwindow::kDirectionG.prefix);
    std::vector<ExactFormula> formulas;
    std::array<Real, 6> used;
    for (int a = 0; a < 3; ++a) {
        const auto i = std::size_t(a);
        formulas.emplace_back(texts.count(supportNames[i]) ? texts.at(supportNames[i]) : std::string());
        used[i] = axisValue(scene.lineSupport[LineG], a);
    }
    for (int a = 0; a < 3; ++a) {
        const auto i = std::size_t(a);
        formulas.emplace_back(texts.count(directionNames[i]) ? texts.at(directionNames[i]) : std::string());
        used[i + 3] = axisValue(scene.lineDirection[LineG], a);
    }
    std::array<Number, 6> values;
    std::vector<std::size_t> withT;
    for (std::size_t i = 0; i < 6; ++i) {
        values[i] = Number::decimal(used[i]);
        if (!formulas[i].readable()) continue;
        if (formulas[i].dependsOnT()) {
            withT.push_back(i);
        } else {
            bool beyond = false;
            const std::optional<mpq_class> value = formulas[i].valueAt(0, &beyond);
            beyondBound = beyondBound || beyond;
            if (value && agreesWithUsed(*value, used[i])) values[i] = Number::exact(*value);
        }
    }
    // The formulas in t are exact at the first t where they all agree.
    if (withT.empty()) return assign(values, support, direction);
    for (const mpq_class& t : familyParameters(texts)) {
        // A formula without an exact value here (a function of t) stays a
        // decimal and decides nothing.
        std::array<std::optional<mpq_class>, 6> exact;
        bool agrees = true, any = false;
        for (std::size_t i : withT) {
            bool beyond = false;
            exact[i] = formulas[i].valueAt(t, &beyond);
            beyondBound = beyondBound || beyond;
            if (!exact[i]) continue;
            any = true;
            agrees = agreesWithUsed(*exact[i], used[i]);
            if (!agrees) break;
        }
        if (!agrees || !any) continue;
        for (std::size_t i : withT)
            if (exact[i]) values[i] = Number::exact(*exact[i]);
        break;
    }
    assign(values, support, direction);
}

}  // namespace

ExactScene buildExactScene(const Scene& scene, const FieldTexts& texts) {
    ExactScene e;
    for (int i = 0; i < PointCount; ++i) e.points[std::size_t(i)] = fromFields(texts, pointFieldNames(i), scene.points[std::size_t(i)]);

    exactLineG(scene, texts, e.lineSupport[LineG], e.lineDirection[LineG], e.lineGBeyondExactBound);
    e.lineSupport[LineH] = fromFields(texts, tripleFieldNames(inputwindow::kSupportH.prefix), scene.lineSupport[LineH]);
    e.lineDirection[LineH] = fromFields(texts, tripleFieldNames(inputwindow::kDirectionH.prefix), scene.lineDirection[LineH]);
    const Vec& P = e.points[PointP];
    const Vec& Q = e.points[PointQ];
    e.lineSupport[LineG2] = derived(P, scene.lineSupport[LineG2]);
    e.lineDirection[LineG2] = derived(Q - P, scene.lineDirection[LineG2]);

    for (const auto& row : inputwindow::kCoordinatePlanes)
        for (int k = 0; k < 4; ++k)
            e.planeCoeffs[std::size_t(row.number)][std::size_t(k)] =
                matched(fieldValue(texts, coefficientFieldName(row.number, k)),
                        scene.planeCoeffs[std::size_t(row.number)][std::size_t(k)]);
    for (const int plane : {int(PlaneE3), int(PlaneE4), int(PlaneE5)}) {
        const auto n = std::size_t(plane);
        const ExactParameterForm form = exactParameterForm(scene, texts, plane);
        e.planeSupport[n] = form.p;
        e.planeSpanU[n] = form.u;
        e.planeSpanV[n] = form.v;
    }
    e.e3SpanCopyU = fromFields(texts, tripleFieldNames("u3"), scene.e3SpanCopyU);
    e.e3SpanCopyV = fromFields(texts, tripleFieldNames("v3"), scene.e3SpanCopyV);
    e.vectorAD = derived(e.points[PointD] - e.points[PointA], scene.vectorAD);
    return e;
}

ExactParameterForm exactParameterForm(const Scene& scene, const FieldTexts& texts, int plane) {
    const auto n = std::size_t(plane);
    if (plane == PlaneE5) {
        // E5 through A, B and C.
        const Vec A = fromFields(texts, pointFieldNames(PointA), scene.points[PointA]);
        const Vec B = fromFields(texts, pointFieldNames(PointB), scene.points[PointB]);
        const Vec C = fromFields(texts, pointFieldNames(PointC), scene.points[PointC]);
        return {derived(A, scene.planeSupport[n]), derived(B - A, scene.planeSpanU[n]),
                derived(C - A, scene.planeSpanV[n])};
    }
    const std::string number = std::to_string(plane);
    return {fromFields(texts, tripleFieldNames("p" + number), scene.planeSupport[n]),
            fromFields(texts, tripleFieldNames("u" + number), scene.planeSpanU[n]),
            fromFields(texts, tripleFieldNames("v" + number), scene.planeSpanV[n])};
}

}  // namespace exact
