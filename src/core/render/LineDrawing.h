#pragma once
// Lines of space and the line family gt: one solid segment that reaches
// beyond the frame on both sides, optionally with the trace points.
#include <optional>
#include <string_view>
#include <utility>

#include "core/geometry/Vector3.h"
#include "core/canvas/ViewState.h"
#include "core/render/DrawHost.h"

// End points are searched inside the pixel square 0..kExtentLimit (columns
// and rows), which holds the whole 721 x 721 image.
constexpr int kExtentLimit = 1000;
// The walk along a line advances by this fraction of the direction vector.
constexpr Real kExtentStepFactor = 0.1L;
// Upper bound of the step count searched for; a line whose projected step is
// so small that it needs more steps than this to leave the frame is treated
// as seen end-on.
constexpr Real kExtentMaxSteps = 4611686018427387904.0L;  // 2^62

// Messages of the line drawers.
inline constexpr std::string_view kNullDirectionMessage =
    "Richtungsvektor darf nicht der Nullvektor sein !";
inline constexpr std::string_view kFamilyLimitMessage =
    "Es wurden nur die ersten 1000 Geraden der Schar gezeichnet.";
inline constexpr std::string_view kFamilyStepMessage =
    "Die Schrittweite Δt ist nicht größer als 0. Es wurde nur die Gerade für t = t1 "
    "gezeichnet.";
inline constexpr std::string_view kFamilyStartMessage =
    "Der Anfangswert t1 der Geradenschar ist keine Dezimalzahl. Die Geradenschar wurde "
    "nicht gezeichnet.";

// True when the pixel lies in the square 0..kExtentLimit.
bool insideExtent(PixelPoint pixel);

// Two points of the line p + k u just outside the frame, one on each side:
// the first point of the walk p + 0.1 u, p + 0.2 u, ... (and likewise with
// -0.1 u) whose pixel leaves the square 0..kExtentLimit. The exit step is
// found by a doubling and bisection search over the step count, so the
// result is the walk's end point without walking. A line whose image is a
// single point (seen end-on) never leaves the frame; it gets p + 0.1 u and
// p - 0.1 u, both at p's pixel.
std::pair<Vector3, Vector3> lineExtent(const ViewState& view, const Vector3& p, const Vector3& u);

// Line k (1 = g, 2 = h, 3 = g2) from the scene; h and g2 are re-read first.
// A null direction shows the message and sets failed; otherwise failed is
// cleared. With "Spurpunkte zeichnen" the trace points follow in purple.
void drawSceneLine(DrawContext& ctx, int k, bool& failed);

// The family line g: once as it stands, or (family enabled) for t = t1,
// t1 + dt, ... while t <= t2, at least once and at most kMaxFamilyMembers
// times, each member evaluated from g's formulas. t1 is read from its field.
void drawLineFamily(DrawContext& ctx, bool& failed);

// A plain decimal number as typed into t1: optional blanks and sign, digits
// with a decimal comma (or point), optional exponent. Nothing else (no
// fractions, no formulas); no value when the text is not such a number or
// out of range.
std::optional<Real> parsePlainDecimal(std::string_view text);
