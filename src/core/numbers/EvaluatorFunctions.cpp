#include "core/numbers/EvaluatorFunctions.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/NumberTools.h"

namespace {

namespace Err = ExpressionErrors;

constexpr Real NaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real Pi = std::numbers::pi_v<Real>;

std::uint32_t randomSeed = 0;

StepResult Ok(Real v) { return StepResult{v, nullptr}; }
StepResult Fail(const char* text) { return StepResult{NaN, text}; }
// A finite result, or the function's error text.
StepResult Checked(Real v, const char* text) { return std::isfinite(v) ? Ok(v) : Fail(text); }

// Binary powering; |n| up to 2^31 - 1 takes at most 31 squarings.
Real IntegerPower(Real base, std::int64_t n) {
    const bool reciprocal = n < 0;
    std::uint64_t m = reciprocal ? static_cast<std::uint64_t>(-n) : static_cast<std::uint64_t>(n);
    Real result = 1;
    Real factor = base;
    while (m > 0) {
        if (m & 1) result *= factor;
        m >>= 1;
        if (m > 0) factor *= factor;
        if (!std::isfinite(result) || !std::isfinite(factor)) return NaN;  // overflow
    }
    return reciprocal ? 1 / result : result;
}

bool RoundsToOdd(Real v) { return std::fmod(std::nearbyint(v), 2.0L) != 0; }

struct FunctionTable {
    std::array<int, static_cast<int>(FunctionId::Invalid)> position{};
    FunctionTable() {
        int index = 0;
        bool atStart = true;
        for (std::size_t i = 0; i < FunctionList.size(); ++i) {
            if (FunctionList[i] == ' ') {
                atStart = true;
            } else if (atStart) {
                position[static_cast<std::size_t>(index++)] = static_cast<int>(i) + 1;
                atStart = false;
            }
        }
    }
};

const FunctionTable& Table() {
    static const FunctionTable table;
    return table;
}

StepResult Hyperbolic(FunctionId id, Real a) {
    const char* text = id == FunctionId::Cosh   ? Err::CoshOverflow
                       : id == FunctionId::Sinh ? Err::SinhOverflow
                       : id == FunctionId::Tanh ? Err::TanhOverflow
                                                : Err::CothFailed;
    // Defined through e^a and e^-a: the functions fail where one of the
    // exponentials leaves the extended range. The values themselves come
    // from the library functions, which do not cancel for small a the way
    // (e^a - e^-a) / 2 does (sinh(1E-15) would be off in the fifth digit).
    if (!std::isfinite(std::exp(std::fabs(a)))) return Fail(text);
    switch (id) {
        case FunctionId::Cosh: return Checked(std::cosh(a), text);
        case FunctionId::Sinh: return Checked(std::sinh(a), text);
        case FunctionId::Tanh: return Checked(std::tanh(a), text);
        default: {
            const Real tanh = std::tanh(a);
            if (tanh == 0) return Fail(text);
            return Checked(1 / tanh, text);
        }
    }
}

}  // namespace

Real PowerWithRoots(Real base, Real exponent, bool& ok) {
    ok = true;
    if (!std::isfinite(base) || !std::isfinite(exponent)) return NaN;  // earlier failure
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;

    Real v;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L)
        v = IntegerPower(base, static_cast<std::int64_t>(exponent));
    else
        v = std::exp(exponent * std::log(base));
    if (std::isfinite(v)) return v;

    if (base < 0) {
        // An odd root of a negative base: the exponent as p/q with odd q.
        const Fraction f = ToFraction(exponent);
        const Real p = f.ok ? static_cast<Real>(f.p) : exponent;
        const Real q = f.ok ? static_cast<Real>(f.q) : 1;
        if (!RoundsToOdd(q)) {
            ok = false;
            return NaN;
        }
        Real magnitude = std::exp(exponent * std::log(-base));
        if (std::isfinite(magnitude)) return RoundsToOdd(p) ? -magnitude : magnitude;
    }
    ok = false;
    return NaN;
}

FunctionId LookUpFunction(std::string_view name) {
    if (name.empty()) return FunctionId::Invalid;
    const std::size_t found = FunctionList.find(name);
    if (found == std::string_view::npos) return FunctionId::Invalid;
    const int position = static_cast<int>(found) + 1;
    const FunctionTable& table = Table();
    for (std::size_t i = 0; i < table.position.size(); ++i)
        if (table.position[i] == position) return static_cast<FunctionId>(i);
    return FunctionId::Invalid;
}

int FunctionPosition(FunctionId id) {
    if (id == FunctionId::Invalid) return 0;
    return Table().position[static_cast<std::size_t>(id)];
}

StepResult Gauf(Real a) {
    if (!std::isfinite(a)) return Ok(NaN);
    // Beyond |a| = 5 the alternating series cancels away all its digits
    // (at a = 10 the terms reach 1E21); there the complementary error
    // function gives the same distribution function accurately.
    if (std::fabs(a) > 5) return Checked(std::erfc(-a / std::numbers::sqrt2_v<Real>) / 2, Err::GaufFailed);
    Real sum = a;
    Real term = a;  // a^(2k+1) / (2k+1) / 2^k / k! with alternating sign
    Real power = a;  // (-1)^k a^(2k+1) / 2^k / k!
    for (int k = 1;; ++k) {
        power = power * (-a * a) / (2 * k);
        term = power / (2 * k + 1);
        sum += term;
        if (!std::isfinite(sum)) return Fail(Err::GaufFailed);
        if (std::fabs(term) < 1E-10L) break;
    }
    return Checked(sum / std::sqrt(2 * Pi) + 0.5L, Err::GaufFailed);
}

StepResult NormalDensity(Real a) {
    if (!std::isfinite(a)) return Ok(NaN);
    const Real square = a * a;
    if (!std::isfinite(square)) return Fail(Err::NormalFailed);
    return Checked(std::exp(-square / 2) / std::sqrt(2 * Pi), Err::NormalFailed);
}

std::uint32_t NextRandom(std::uint32_t n) {
    randomSeed = randomSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * randomSeed) >> 32);
}

void ResetRandomSeed(std::uint32_t seed) { randomSeed = seed; }

StepResult ApplyFunction(FunctionId id, Real a, Real nearZero) {
    if (id == FunctionId::Invalid) return Fail(Err::InvalidFunctionCall);
    if (!std::isfinite(a)) return Ok(NaN);  // the failure was reported where it happened

    switch (id) {
        case FunctionId::Sqr: return Checked(a * a, Err::SqrFailed);
        case FunctionId::Sqrt: return a < 0 ? Fail(Err::NegativeRadicand) : Ok(std::sqrt(a));
        case FunctionId::Ln: return a <= 0 ? Fail(Err::LnDomain) : Ok(std::log(a));
        case FunctionId::Lg: return a <= 0 ? Fail(Err::LgDomain) : Ok(std::log10(a));
        case FunctionId::Ld: return a <= 0 ? Fail(Err::LdDomain) : Ok(std::log2(a));
        case FunctionId::Abs: return Ok(std::fabs(a));
        case FunctionId::Sin: return Ok(std::sin(a));
        case FunctionId::Cos: return Ok(std::cos(a));
        case FunctionId::Tan: return Checked(std::tan(a), Err::TanPole);
        case FunctionId::Cot: {
            const Real tan = std::tan(a);
            if (tan == 0) return Fail(Err::CotPole);
            return Checked(1 / tan, Err::CotPole);
        }
        case FunctionId::Arctan: return Ok(std::atan(a));
        case FunctionId::Sgn: return Ok(std::fabs(a) <= nearZero ? 0 : (a < 0 ? -1 : 1));
        case FunctionId::Floor: {
            // The result is a 32-bit whole number; beyond that it would wrap.
            const Real f = std::floor(a);
            if (f < -2147483648.0L || f > 2147483647.0L) return Fail(Err::FloorFailed);
            return Ok(f);
        }
        case FunctionId::Gauf: return Gauf(a);
        case FunctionId::Normal: return NormalDensity(a);
        case FunctionId::Random: {
            const Real n = std::nearbyint(a);  // ties to even
            if (std::fabs(n) > 2147483647.0L) return Fail(Err::RandomFailed);
            const std::int64_t whole = static_cast<std::int64_t>(n);
            // A negative n draws from (n, 0], the mirror of [0, n).
            const std::uint32_t magnitude = static_cast<std::uint32_t>(whole < 0 ? -whole : whole);
            const Real r = NextRandom(magnitude);
            return Ok(whole < 0 ? (r == 0 ? 0 : -r) : r);
        }
        case FunctionId::Arcsin:
            return std::fabs(a) > 1 ? Fail(Err::ArcsinDomain) : Ok(std::asin(a));
        case FunctionId::Arccos:
            return std::fabs(a) > 1 ? Fail(Err::ArccosDomain) : Ok(std::acos(a));
        case FunctionId::Cosh:
        case FunctionId::Sinh:
        case FunctionId::Tanh:
        case FunctionId::Coth:
            return Hyperbolic(id, a);
        case FunctionId::Arsinh: {
            // ln(a + sqrt(a^2 + 1)), taken as odd function so that negative
            // arguments do not cancel to ln(0).
            const Real m = std::fabs(a);
            const Real square = m * m;
            if (!std::isfinite(square)) return Fail(Err::ArsinhFailed);
            const Real v = std::log(m + std::sqrt(square + 1));
            if (!std::isfinite(v)) return Fail(Err::ArsinhFailed);
            return Ok(a < 0 ? -v : v);
        }
        case FunctionId::Arcosh: {
            const Real v = std::log(a + (a + 1) * std::sqrt((a - 1) / (a + 1)));
            return Checked(v, Err::ArcoshFailed);
        }
        case FunctionId::Artanh: {
            if (std::fabs(a) >= 1) return Fail(Err::ArtanhDomain);
            return Checked(std::log((1 + a) / (1 - a)) / 2, Err::ArtanhDomain);
        }
        case FunctionId::Arcoth: {
            if (std::fabs(a) <= 1) return Fail(Err::ArcothDomain);
            return Checked(std::log((a + 1) / (a - 1)) / 2, Err::ArcothDomain);
        }
        case FunctionId::Arccot: {
            Real v;
            if (a > 1E-10L) v = std::atan(1 / a);
            else if (a < -1E-10L) v = std::atan(1 / a) + Pi;
            else v = Pi / 2;
            return Checked(v, Err::ArccotFailed);
        }
        case FunctionId::Invalid:
            break;
    }
    return Fail(Err::InvalidFunctionCall);
}
