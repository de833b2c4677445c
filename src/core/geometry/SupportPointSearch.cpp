#include "core/geometry/SupportPointSearch.h"

#include <cmath>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <queue>
#include <vector>

#include "core/geometry/KernelArithmetic.h"
#include "core/geometry/LinesPlanes.h"
#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

namespace {

// What the steps before the candidate loop leave: the echelon form of
// X = P + t u (unknowns t, X, Y, Z; Z free), the fractions of the direction
// and their common denominator L.
struct SearchSetup {
    Real m14 = 0, m15 = 0, m24 = 0, m25 = 0, m34 = 0, m35 = 0;
    std::int64_t L = 1;
    Fraction fu[3];
};

struct Candidate {
    Real x, y, z;
};

// Makes u whole-numbered and runs the steps before the candidate loop.
// Nothing means the search ends before it starts and P stays as it is.
std::optional<SearchSetup> prepareSearch(const Vector3& P, Vector3& u) {
    setCoordinates(u, integerDirection(u));
    if (hasIntegerComponents(P)) return std::nullopt;

    WorkMatrix M;
    setRow(M, 1, {-u.x, 1, 0, 0, P.x});
    setRow(M, 2, {-u.y, 0, 1, 0, P.y});
    setRow(M, 3, {-u.z, 0, 0, 1, P.z});
    solveLinearSystem(M, 3, 5);
    // Z is not free (u.z = 0): the search cannot step along the line.
    if (isNearZero(M(1, 4))) return std::nullopt;

    SearchSetup s;
    s.fu[0] = toFraction(u.x);
    s.fu[1] = toFraction(u.y);
    s.fu[2] = toFraction(u.z);
    if (!s.fu[0].ok || !s.fu[1].ok || !s.fu[2].ok) return std::nullopt;
    const std::optional<std::int64_t> L = checkedLcm3(s.fu[0].q, s.fu[1].q, s.fu[2].q);
    if (!L) return std::nullopt;
    s.L = *L;
    s.m14 = M(1, 4);
    s.m15 = M(1, 5);
    s.m24 = M(2, 4);
    s.m25 = M(2, 5);
    s.m34 = M(3, 4);
    s.m35 = M(3, 5);
    return s;
}

// The point P0 + (k / L) u, computed through the echelon form. Both searches
// use exactly this formula, so they see bit-identical candidates.
inline Candidate candidatePoint(const SearchSetup& s, long k) {
    const Real t = static_cast<Real>(k) / static_cast<Real>(s.L);
    Candidate c;
    c.z = (s.m15 - t) / s.m14;
    c.x = s.m25 - s.m24 * c.z;
    c.y = s.m35 - s.m34 * c.z;
    return c;
}

inline bool isWholeCandidate(const Candidate& c) {
    return isWholeNumber(c.x) && isWholeNumber(c.y) && isWholeNumber(c.z);
}

inline long nextK(long k) { return k > 0 ? -k : 1 - k; }

// --- Bounds used to rule candidates out --------------------------------------
//
// isWholeNumber(x) holds only for |x| <= 2^31 - 1 within 1E-14 of a whole
// number (a fraction with denominator 1 of 32-bit numbers, accepted at that
// distance). Tests of the kernel check this property of the number tools.
constexpr Real kWholeDistance = 1.0001E-14L;
constexpr Real kWholeRange = 2147483647.5L;

// Cheap necessary condition for isWholeNumber, used to skip its fraction
// expansion for most candidates of a scan.
inline bool mayBeWhole(Real x) {
    if (!(std::fabs(x) < kWholeRange)) return false;
    // Nearest whole number by the add-and-subtract trick (exact for |x| below
    // 2^62 with a 64-bit mantissa); far cheaper than nearbyint, which saves
    // and restores the floating-point environment.
    constexpr Real kRoundingShift = 3 * 4611686018427387904.0L;  // 3 * 2^62
    const Real shifted = x + kRoundingShift;
    const Real nearest = shifted - kRoundingShift;
    return std::fabs(x - nearest) < kWholeDistance;
}

using Quad = __float128;

inline Quad quadAbs(Quad x) { return x < 0 ? -x : x; }

// floor of x for |x| well inside 64 bits (callers clamp first).
inline std::int64_t quadFloor(Quad x) {
    const auto t = static_cast<std::int64_t>(x);
    return static_cast<Quad>(t) > x ? t - 1 : t;
}

// One coordinate of the candidate as a function of k: the exact value of the
// formula on the stored matrix entries is alpha + beta k, and the value the
// formula computes in extended precision lies within errA + errB |k| of it.
struct CoordinateModel {
    Quad alpha = 0, beta = 0;
    Quad errA = 0, errB = 0;
    // beta = A / B + drift with A / B the exact slope the direction implies.
    bool periodic = false;
    std::int64_t A = 0, B = 1;
    Quad drift = 0;
};

// A closed interval [lo, hi] of real m; empty when lo > hi.
struct Range {
    Quad lo, hi;
    bool empty() const { return !(lo <= hi); }
};

// Restricts r to the m with c m < rhs (strict = less) or c m > rhs.
void restrictLess(Range& r, Quad c, Quad rhs) {
    if (c > 0) {
        const Quad bound = rhs / c;
        if (bound < r.hi) r.hi = bound;
    } else if (c < 0) {
        const Quad bound = rhs / c;
        if (bound > r.lo) r.lo = bound;
    } else if (!(rhs > 0)) {
        r.lo = 1;
        r.hi = 0;
    }
}

void restrictGreater(Range& r, Quad c, Quad rhs) { restrictLess(r, -c, -rhs); }

// Error of the extended-precision candidate formula against the exact
// function of the stored entries, derived from the unit roundoff 2^-64 of
// each operation and doubled for safety; plus the (far smaller) error of
// evaluating alpha and beta in 113-bit arithmetic.
void buildModels(const SearchSetup& s, CoordinateModel model[3]) {
    const Quad u = static_cast<Quad>(std::ldexp(1.0L, -64));
    const Quad guard = static_cast<Quad>(std::ldexp(1.0L, -100));
    const Quad L = static_cast<Quad>(s.L);
    const Quad m14 = s.m14, m15 = s.m15;

    CoordinateModel& z = model[2];
    z.alpha = m15 / m14;
    z.beta = -1 / (L * m14);
    z.errA = 2 * (2.02 * u * quadAbs(m15) / quadAbs(m14));
    z.errB = 2 * (3.04 * u / (L * quadAbs(m14)));
    z.errA += guard * quadAbs(z.alpha);
    z.errB += guard * quadAbs(z.beta);
    const Quad zMaxA = quadAbs(z.alpha) + z.errA;
    const Quad zMaxB = quadAbs(z.beta) + z.errB;

    const Quad rowSlope[2] = {s.m24, s.m34};
    const Quad rowValue[2] = {s.m25, s.m35};
    for (int i = 0; i < 2; ++i) {
        CoordinateModel& c = model[i];
        const Quad m4 = rowSlope[i], m5 = rowValue[i];
        c.alpha = m5 - m4 * z.alpha;
        c.beta = -m4 * z.beta;
        c.errA = 2 * (quadAbs(m4) * z.errA + 2.01 * u * quadAbs(m4) * zMaxA + 1.01 * u * quadAbs(m5));
        c.errB = 2 * (quadAbs(m4) * z.errB + 2.01 * u * quadAbs(m4) * zMaxB + 1.01 * u * quadAbs(m4) * zMaxB);
        c.errA += guard * (quadAbs(m5) + quadAbs(m4) * zMaxA);
        c.errB += guard * quadAbs(m4) * zMaxB;
    }

    // Mathematically the candidate is P0 + (k / L) u, so coordinate i moves by
    // u_i / L per step of k: a fraction with a known denominator. Along each
    // residue class of k modulo that denominator the fractional part of the
    // coordinate is then fixed up to the (tiny) drift of the stored entries.
    constexpr std::int64_t kMaxPeriod = 4096;
    for (int i = 0; i < 3; ++i) {
        const __int128 num = s.fu[i].p;
        const __int128 den = static_cast<__int128>(s.fu[i].q) * s.L;
        __int128 g = gcdMagnitude128(num, den);
        if (g == 0) g = 1;
        const __int128 A = num / g, B = den / g;
        if (B > kMaxPeriod) continue;
        model[i].periodic = true;
        model[i].A = static_cast<std::int64_t>(A);
        model[i].B = static_cast<std::int64_t>(B);
        model[i].drift = model[i].beta - static_cast<Quad>(model[i].A) / static_cast<Quad>(model[i].B);
    }
}

inline bool quadIsFinite(Quad x) { return x - x == 0; }

// The m of r at which a value h + e m, computed within errA + errB m, can
// lie within the whole-number distance of one of the whole numbers
// n = nFirst .. nLast: the hull of the m near each of them.
Range nearWholeNumbers(const Range& r, Quad h, Quad e, Quad errA, Quad errB, std::int64_t nFirst,
                       std::int64_t nLast) {
    const Quad W = kWholeDistance;
    Range hull{1, 0};
    for (std::int64_t n = nFirst; n <= nLast; ++n) {
        const Quad offset = h - static_cast<Quad>(n);
        Range near = r;
        // |offset + e m| < W + errA + errB m
        restrictLess(near, e - errB, W + errA - offset);
        restrictGreater(near, e + errB, -(W + errA) - offset);
        if (near.empty()) continue;
        if (hull.empty()) {
            hull = near;
        } else {
            if (near.lo < hull.lo) hull.lo = near.lo;
            if (near.hi > hull.hi) hull.hi = near.hi;
        }
    }
    return hull;
}

// A coordinate alpha + slope m that passes only a few whole numbers over the
// whole of r can be whole only near them: the m of r near one of them (none
// when it passes none). Otherwise r itself. This rules out a line whose
// direction keeps large denominators: it steps by tiny amounts and may never
// come near a whole number, and without it every candidate of the reach
// would be evaluated.
Range nearFewWholeNumbers(const Range& r, Quad alpha, Quad slope, Quad errA, Quad errB) {
    constexpr Quad kMaxWholeNumbers = 8;
    if (r.empty()) return r;
    const Quad reach = kWholeDistance + errA + errB * r.hi;
    const Quad atLo = alpha + slope * r.lo;
    const Quad atHi = alpha + slope * r.hi;
    const Quad lo = (atLo < atHi ? atLo : atHi) - reach;
    const Quad hi = (atLo < atHi ? atHi : atLo) + reach;
    if (!(hi - lo < kMaxWholeNumbers) || !(quadAbs(lo) < 1e17 && quadAbs(hi) < 1e17)) return r;
    return nearWholeNumbers(r, alpha, slope, errA, errB, quadFloor(lo), quadFloor(hi) + 1);
}

// One arithmetic progression of candidates: k = sign * m for m = first,
// first + step, ... up to last.
struct Stream {
    int sign;
    std::int64_t m, step, last;
    std::int64_t key() const { return 2 * m - (sign > 0 ? 1 : 0); }  // the order 1, -1, 2, -2, ...
};

// Every k of the reach, in order.
std::vector<Stream> allCandidates(long limit) {
    if (limit <= 1) return {};
    return {Stream{+1, 1, 1, limit - 1}, Stream{-1, 1, 1, limit - 1}};
}

// The candidate streams that can hold a k with a whole-number point: for each
// sign of k and each residue class modulo the combined period, the range of
// |k| in which every coordinate can lie within the whole-number distance of a
// whole number, and inside the whole-number range.
std::vector<Stream> candidateStreams(const SearchSetup& s, long limit) {
    std::vector<Stream> streams;
    if (limit <= 1) return streams;
    CoordinateModel model[3];
    buildModels(s, model);
    // Entries so extreme that the model itself overflows: rule nothing out.
    bool modelFinite = true;
    for (const CoordinateModel& c : model)
        for (const Quad q : {c.alpha, c.beta, c.errA, c.errB}) modelFinite = modelFinite && quadIsFinite(q);
    if (!modelFinite) return allCandidates(limit);

    constexpr std::int64_t kMaxCombinedPeriod = 4096;
    std::int64_t period = 1;
    for (CoordinateModel& c : model) {
        if (!c.periodic) continue;
        const std::optional<std::int64_t> combined = checkedLcm(period, c.B);
        if (!combined || *combined > kMaxCombinedPeriod) {
            c.periodic = false;  // fewer constraints: more candidates, same result
            continue;
        }
        period = *combined;
    }

    const Quad W = kWholeDistance;
    const Quad G = kWholeRange;
    const Quad mMax = static_cast<Quad>(limit - 1);

    for (const int sign : {+1, -1}) {
        Range side{1, mMax};
        // Every coordinate must stay inside the whole-number range.
        for (const CoordinateModel& c : model) {
            const Quad slope = sign * c.beta;
            restrictLess(side, slope - c.errB, G + c.errA - c.alpha);
            restrictGreater(side, slope + c.errB, -(G + c.errA) - c.alpha);
        }
        for (const CoordinateModel& c : model) side = nearFewWholeNumbers(side, c.alpha, sign * c.beta, c.errA, c.errB);
        if (side.empty()) continue;

        for (std::int64_t rho = 0; rho < period; ++rho) {
            Range r = side;
            for (const CoordinateModel& c : model) {
                if (!c.periodic || r.empty()) continue;
                const Quad e = sign * c.drift;
                // Beyond a quarter unit of wander the class no longer fixes
                // which whole number the coordinate is near: no constraint.
                if (quadAbs(e) * mMax + W + c.errA + c.errB * mMax >= 0.25) continue;
                const std::int64_t shift = ((c.A % c.B) * (rho % c.B)) % c.B;
                const Quad phi = c.alpha + static_cast<Quad>((shift + c.B) % c.B) / static_cast<Quad>(c.B);
                if (quadAbs(phi) > static_cast<Quad>(1e17)) continue;
                const std::int64_t n0 = quadFloor(phi + 0.5);
                r = nearWholeNumbers(r, phi, e, c.errA, c.errB, n0 - 1, n0 + 1);
            }
            if (r.empty()) continue;
            // Whole m, widened by one on each side against the rounding of
            // the bounds themselves.
            std::int64_t first = quadFloor(r.lo) - 1;
            std::int64_t last = quadFloor(r.hi) + 1;
            if (first < 1) first = 1;
            if (last > limit - 1) last = limit - 1;
            // k = sign * m must lie in the class rho: m = sign * rho (mod period).
            const std::int64_t want = ((sign * rho) % period + period) % period;
            const std::int64_t offset = ((want - first % period) % period + period) % period;
            first += offset;
            if (first > last) continue;
            streams.push_back(Stream{sign, first, period, last});
        }
    }
    return streams;
}

}  // namespace

void literalIntegerSupportPoint(Vector3& P, Vector3& u, long limit) {
    const std::optional<SearchSetup> setup = prepareSearch(P, u);
    if (!setup) return;
    for (long k = 1; std::labs(k) < limit; k = nextK(k)) {
        const Candidate c = candidatePoint(*setup, k);
        if (isWholeCandidate(c)) {
            P.x = c.x;
            P.y = c.y;
            P.z = c.z;
            return;
        }
    }
    // No whole-number point within reach: P keeps its original coordinates.
}

void fastIntegerSupportPoint(Vector3& P, Vector3& u, long limit) {
    const std::optional<SearchSetup> setup = prepareSearch(P, u);
    if (!setup) return;
    const SearchSetup& s = *setup;

    // A right-hand side that is not finite makes its coordinate inf or NaN
    // at every k ((inf - t) / m14, inf - m24 z, NaN in anything): no candidate
    // can be whole.
    if (!std::isfinite(s.m15) || !std::isfinite(s.m25) || !std::isfinite(s.m35)) return;
    const bool finiteEntries = std::isfinite(s.m14) && std::isfinite(s.m15) && std::isfinite(s.m24) &&
                               std::isfinite(s.m25) && std::isfinite(s.m34) && std::isfinite(s.m35);
    std::vector<Stream> streams;
    if (finiteEntries) {
        streams = candidateStreams(s, limit);
    } else {
        streams = allCandidates(limit);  // nothing to reason about
    }

    auto tryCandidate = [&](long k) {
        const Candidate c = candidatePoint(s, k);
        if (mayBeWhole(c.x) && mayBeWhole(c.y) && mayBeWhole(c.z) && isWholeCandidate(c)) {
            P.x = c.x;
            P.y = c.y;
            P.z = c.z;
            return true;
        }
        return false;
    };

    // At most one stream per sign, each with step 1 (the common case of a
    // whole-number direction): walk |k| upwards and try +k before -k.
    const bool unitSteps = streams.size() <= 2 && (streams.size() < 2 || streams[0].sign != streams[1].sign);
    bool simple = unitSteps;
    for (const Stream& st : streams) simple = simple && st.step == 1;
    if (simple) {
        const Stream* plus = nullptr;
        const Stream* minus = nullptr;
        for (const Stream& st : streams) (st.sign > 0 ? plus : minus) = &st;
        std::int64_t from = INT64_MAX, to = 0;
        for (const Stream& st : streams) {
            from = std::min(from, st.m);
            to = std::max(to, st.last);
        }
        for (std::int64_t m = from; m <= to; ++m) {
            if (plus && m >= plus->m && m <= plus->last && tryCandidate(static_cast<long>(m))) return;
            if (minus && m >= minus->m && m <= minus->last && tryCandidate(-static_cast<long>(m))) return;
        }
        return;
    }

    // Merge the streams in the order of k and test their candidates.
    auto later = [&streams](std::size_t a, std::size_t b) { return streams[a].key() > streams[b].key(); };
    std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> queue(later);
    for (std::size_t i = 0; i < streams.size(); ++i) queue.push(i);
    while (!queue.empty()) {
        const std::size_t i = queue.top();
        queue.pop();
        Stream& stream = streams[i];
        if (tryCandidate(stream.sign * static_cast<long>(stream.m))) return;
        stream.m += stream.step;
        if (stream.m <= stream.last) queue.push(i);
    }
}

void integerSupportPoint(Vector3& P, Vector3& u) { fastIntegerSupportPoint(P, u, kSearchLimit); }
