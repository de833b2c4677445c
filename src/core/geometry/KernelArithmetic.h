#pragma once
// Internal helpers of the geometry kernel: checked whole-number arithmetic
// for the whole-number forms, and the clamp that keeps arccos/arcsin
// arguments in their domain.
#include <cstdint>
#include <limits>
#include <optional>

#include "core/numbers/Real.h"

inline bool fitsInt32(__int128 value) {
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// Gcd of the magnitudes; gcdMagnitude128(0, 0) = 0.
inline __int128 gcdMagnitude128(__int128 a, __int128 b) {
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) {
        const __int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// Gcd whose sign is negative exactly when both inputs are negative.
inline std::int64_t signedGcd(std::int64_t a, std::int64_t b) {
    const auto g = static_cast<std::int64_t>(gcdMagnitude128(a, b));
    return (a < 0 && b < 0) ? -g : g;
}

// Least common multiple of two positive denominators; nothing when it does
// not fit 64 bits.
inline std::optional<std::int64_t> checkedLcm(std::int64_t a, std::int64_t b) {
    if (a <= 0 || b <= 0) return std::nullopt;
    const __int128 l = static_cast<__int128>(a) / gcdMagnitude128(a, b) * b;
    if (l > std::numeric_limits<std::int64_t>::max()) return std::nullopt;
    return static_cast<std::int64_t>(l);
}

inline std::optional<std::int64_t> checkedLcm3(std::int64_t a, std::int64_t b, std::int64_t c) {
    const std::optional<std::int64_t> ab = checkedLcm(a, b);
    if (!ab) return std::nullopt;
    return checkedLcm(*ab, c);
}

// The cosine or sine quotients of the angle formulas, made safe for arccos
// and arcsin. Rounding can carry a quotient that is mathematically within
// [-1, 1] just outside it (arccos/arcsin would give NaN), or leave one that
// is mathematically +-1 a few units in the last place inside it: for
// u = n = (1, 1, 1), 3 / |u| / |n| comes out one unit below 1, and arcsin
// magnifies that into 89.99999998 degrees. A quotient within 8 units of the
// last place of +-1 (about 4E-19, the reach of the rounding of two square
// roots and two divisions) therefore counts as +-1: the angle formulas cannot
// resolve angles that close to 0 or 90 degrees anyway.
inline Real clampToUnit(Real q) {
    constexpr Real kSnap = 1 - 8 * std::numeric_limits<Real>::epsilon() / 2;
    if (q != q) return 0;
    if (q >= kSnap) return 1;
    if (q <= -kSnap) return -1;
    return q;
}
