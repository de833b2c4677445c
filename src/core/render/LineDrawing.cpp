#include "core/render/LineDrawing.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/DecimalConversion.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/NumberTools.h"
#include "core/canvas/Projection.h"
#include "core/render/PointDrawing.h"

bool insideExtent(PixelPoint pixel) {
    return pixel.x >= 0 && pixel.x <= kExtentLimit && pixel.y >= 0 && pixel.y <= kExtentLimit;
}

namespace {

// The walk adds the same rounded step again and again, and rounding makes
// that differ from p + k step in the last bits, which decides the pixel
// whenever a coordinate lands on a half pixel (common with round inputs).
// stepSum(a, s, k) gives exactly what k additions of s to a give, in a few
// operations per binade: inside one binade all values are multiples of one
// spacing, so away from the binade's ends every addition rounds the exact
// sum to the same neighbour (when s lies exactly halfway between two
// multiples, ties go to the even one, and that choice only repeats when
// the increment keeps the parity). nullopt when that cannot be established
// quickly (values near the bottom of the range, NaN).
std::optional<Real> stepSum(Real a, Real s, Real k) {
    constexpr int kMaxSingleSteps = 20000;
    constexpr int kDigits = std::numeric_limits<Real>::digits;
    int single = 0;
    while (k > 0) {
        const Real b = a + s;
        k -= 1;
        if (b == a) return a;  // s is absorbed: a fixed point
        const Real before = a;
        a = b;
        if (k == 0) return a;
        if (++single > kMaxSingleSteps) return std::nullopt;
        if (!std::isfinite(a) || (a > 0) != (before > 0) || before == 0) continue;
        const Real m = std::fabs(a);
        if (m < std::numeric_limits<Real>::min() * 0x1p70L) continue;
        int e = 0;
        std::frexp(m, &e);  // m in [2^(e-1), 2^e), spacing 2^(e-digits)
        const Real lo = std::ldexp(Real(1), e - 1), hi = std::ldexp(Real(1), e);
        if (std::fabs(before) < lo || std::fabs(before) >= hi) continue;
        const Real delta = a - before;  // exact: both in one binade
        const Real spacing = std::ldexp(Real(1), e - kDigits);
        const Real margin = 2 * (std::fabs(s) + std::fabs(delta));
        const bool growing = (a > 0) == (delta > 0);
        const Real room = growing ? hi - margin - m : m - lo - margin;
        if (!(room > 0)) continue;
        const Real units = std::fabs(s) / spacing;  // below 2^digits: margin < hi
        if (units - std::floor(units) == 0.5L &&
            std::fmod(std::fabs(delta) / spacing, Real(2)) != 0)
            continue;  // a tie whose outcome alternates
        Real jump = std::floor(room / std::fabs(delta)) - 1;
        if (jump > k) jump = k;
        if (jump < 1) continue;
        a = a + jump * delta;  // exact: a multiple of the spacing inside the binade
        k -= jump;
    }
    return a;
}

struct Walk {
    Vector3 p;
    Vector3 step;

    // The walk's point after k steps; where stepSum gives up, p + k step.
    Vector3 at(Real k) const {
        Vector3 r = p;
        const auto x = stepSum(p.x, step.x, k), y = stepSum(p.y, step.y, k),
                   z = stepSum(p.z, step.z, k);
        r.x = x ? *x : p.x + k * step.x;
        r.y = y ? *y : p.y + k * step.y;
        r.z = z ? *z : p.z + k * step.z;
        return r;
    }
};

// The walk p, p + step, p + 2 step, ... ends at the first k >= 1 whose pixel
// is outside. The pixel moves monotonically with k (an affine map followed
// by rounding and clamping), so the steps inside form one run starting at
// 1 and the first step outside can be found by doubling, then bisection.
Vector3 exitPoint(const ViewState& view, const Vector3& p, const Vector3& step) {
    const Walk walk{p, step};
    auto inside = [&](Real k) { return insideExtent(pointToPixel(walk.at(k), view)); };
    if (!inside(1)) return walk.at(1);
    Real lo = 1;  // inside
    Real hi = 2;
    while (inside(hi)) {
        lo = hi;
        hi *= 2;
        if (hi > kExtentMaxSteps) return walk.at(1);  // seen end-on
    }
    while (hi - lo > 1) {
        const Real mid = std::floor((lo + hi) / 2);
        if (inside(mid)) lo = mid;
        else hi = mid;
    }
    return walk.at(hi);
}

bool isFinite(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// A member whose formulas failed holds the evaluator's error value.
bool isUsableFamilyValue(const Vector3& v) {
    return isFinite(v) && v.x != kErrorValue && v.y != kErrorValue && v.z != kErrorValue;
}

}  // namespace

std::pair<Vector3, Vector3> lineExtent(const ViewState& view, const Vector3& p, const Vector3& u) {
    const Vector3 forward = scaleVector(u, kExtentStepFactor);
    const Vector3 backward = scaleVector(u, -kExtentStepFactor);
    return {exitPoint(view, p, forward), exitPoint(view, p, backward)};
}

void drawSceneLine(DrawContext& ctx, int k, bool& failed) {
    failed = false;
    Scene& scene = ctx.scene;
    const Colour colour = scene.lineColor[k];
    if (k == LineH || k == LineG2) ctx.host.reportRejections(rereadLines(ctx.input, scene));
    const Vector3 p = scene.lineSupport[k];
    const Vector3 u = scene.lineDirection[k];
    if (isNullVector(u)) {
        ctx.host.showMessage(std::string(kNullDirectionMessage));
        failed = true;
        return;
    }
    const auto [a, b] = lineExtent(ctx.view, p, u);
    drawSegment3D(ctx.canvas, ctx.view, a, b, colour, false);
    if (!ctx.view.controls.tracePoints) return;
    const LineTraces traces = lineTracePoints(p, u);
    if (traces.hasSxy) drawNamedPoint(ctx.canvas, ctx.view, traces.Sxy, ObjectKind::TracePoint);
    if (traces.hasSyz) drawNamedPoint(ctx.canvas, ctx.view, traces.Syz, ObjectKind::TracePoint);
    if (traces.hasSxz) drawNamedPoint(ctx.canvas, ctx.view, traces.Sxz, ObjectKind::TracePoint);
}

void drawLineFamily(DrawContext& ctx, bool& failed) {
    Scene& scene = ctx.scene;
    const std::optional<Real> from = parsePlainDecimal(ctx.input.text("Edit_t1"));
    if (from) scene.familyFrom = *from;
    if (!scene.familyEnabled) {
        // t1 plays no part in the single line g.
        drawSceneLine(ctx, LineG, failed);
        return;
    }
    if (!from) {
        ctx.host.showMessage(std::string(kFamilyStartMessage));
        return;
    }
    const std::array<std::string, 6> texts = lineGTexts(ctx.input);
    // A step that is not positive would never reach t2.
    const bool stepUsable = scene.familyStep > 0;
    int members = 0;
    do {
        if (members == kMaxFamilyMembers) {
            ctx.host.showMessage(std::string(kFamilyLimitMessage));
            return;
        }
        // A formula that fails at this t shows here, also when the member
        // keeps its previous values instead of storing an error value.
        failed = !takeLineGAt(scene, texts, scene.familyFrom);
        if (!failed && isUsableFamilyValue(scene.lineSupport[LineG]) &&
            isUsableFamilyValue(scene.lineDirection[LineG])) {
            const CanvasObject member(ctx.canvas, ObjectKind::LineFamilyMember,
                                      "Gerade gt für t = " + numberText(scene.familyFrom));
            drawSceneLine(ctx, LineG, failed);
            if (failed) return;
        } else {
            // Nothing sensible to draw for t values where a formula is
            // undefined; the flag ends as the line drawer would leave it.
            failed = false;
        }
        ++members;
        if (!stepUsable) {
            if (scene.familyFrom <= scene.familyTo)
                ctx.host.showMessage(std::string(kFamilyStepMessage));
            return;
        }
        scene.familyFrom = scene.familyFrom + scene.familyStep;
    } while (scene.familyFrom <= scene.familyTo);
}

std::optional<Real> parsePlainDecimal(std::string_view text) {
    // The decimal grammar with blanks and tabs at both ends, the comma as
    // well as the point, and at least one digit (a point alone is none).
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    if (scanDecimal(s).digits == 0) return std::nullopt;
    const DecimalConversionResult r = convertDecimal(s);
    if (!r.ok) return std::nullopt;
    return r.value;
}
