#include "core/numbers/EvaluatorFunctions.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/NumberTools.h"

namespace {

namespace Err = ExpressionErrors;

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();
constexpr Real kPi = std::numbers::pi_v<Real>;

std::uint32_t randomSeed = 0;

StepResult ok(Real v) { return StepResult{v, nullptr}; }
StepResult fail(const char* text) { return StepResult{kNaN, text}; }
// A finite result, or the function's error text.
StepResult checked(Real v, const char* text) { return std::isfinite(v) ? ok(v) : fail(text); }

// Binary powering; |n| up to 2^31 - 1 takes at most 31 squarings.
Real integerPower(Real base, std::int64_t n) {
    const bool reciprocal = n < 0;
    std::uint64_t m = reciprocal ? static_cast<std::uint64_t>(-n) : static_cast<std::uint64_t>(n);
    Real result = 1;
    Real factor = base;
    while (m > 0) {
        if (m & 1) result *= factor;
        m >>= 1;
        if (m > 0) factor *= factor;
        if (!std::isfinite(result) || !std::isfinite(factor)) return kNaN;  // overflow
    }
    return reciprocal ? 1 / result : result;
}

bool roundsToOdd(Real v) { return std::fmod(std::nearbyint(v), 2.0L) != 0; }

struct FunctionTable {
    std::array<int, static_cast<int>(FunctionId::Invalid)> position{};
    FunctionTable() {
        int index = 0;
        bool atStart = true;
        for (std::size_t i = 0; i < kFunctionList.size(); ++i) {
            if (kFunctionList[i] == ' ') {
                atStart = true;
            } else if (atStart) {
                position[static_cast<std::size_t>(index++)] = static_cast<int>(i) + 1;
                atStart = false;
            }
        }
    }
};

const FunctionTable& functionTable() {
    static const FunctionTable table;
    return table;
}

StepResult hyperbolic(FunctionId id, Real a) {
    const char* text = id == FunctionId::Cosh   ? Err::CoshOverflow
                       : id == FunctionId::Sinh ? Err::SinhOverflow
                       : id == FunctionId::Tanh ? Err::TanhOverflow
                                                : Err::CothFailed;
    // Defined through e^a and e^-a: the functions fail where one of the
    // exponentials leaves the extended range. The values themselves come
    // from the library functions, which do not cancel for small a the way
    // (e^a - e^-a) / 2 does (sinh(1E-15) would be off in the fifth digit).
    if (!std::isfinite(std::exp(std::fabs(a)))) return fail(text);
    switch (id) {
        case FunctionId::Cosh: return checked(std::cosh(a), text);
        case FunctionId::Sinh: return checked(std::sinh(a), text);
        case FunctionId::Tanh: return checked(std::tanh(a), text);
        default: {
            const Real tanh = std::tanh(a);
            if (tanh == 0) return fail(text);
            return checked(1 / tanh, text);
        }
    }
}

}  // namespace

Real powerWithRoots(Real base, Real exponent, bool& ok) {
    ok = true;
    if (!std::isfinite(base) || !std::isfinite(exponent)) return kNaN;  // earlier failure
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;

    Real v;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 2147483647.0L)
        v = integerPower(base, static_cast<std::int64_t>(exponent));
    else
        v = std::exp(exponent * std::log(base));
    if (std::isfinite(v)) return v;

    if (base < 0) {
        // An odd root of a negative base: the exponent as p/q with odd q.
        const Fraction f = toFraction(exponent);
        const Real p = f.ok ? static_cast<Real>(f.p) : exponent;
        const Real q = f.ok ? static_cast<Real>(f.q) : 1;
        if (!roundsToOdd(q)) {
            ok = false;
            return kNaN;
        }
        Real magnitude = std::exp(exponent * std::log(-base));
        if (std::isfinite(magnitude)) return roundsToOdd(p) ? -magnitude : magnitude;
    }
    ok = false;
    return kNaN;
}

FunctionId lookUpFunction(std::string_view name) {
    if (name.empty()) return FunctionId::Invalid;
    const std::size_t found = kFunctionList.find(name);
    if (found == std::string_view::npos) return FunctionId::Invalid;
    const int position = static_cast<int>(found) + 1;
    const FunctionTable& table = functionTable();
    for (std::size_t i = 0; i < table.position.size(); ++i)
        if (table.position[i] == position) return static_cast<FunctionId>(i);
    return FunctionId::Invalid;
}

int functionPosition(FunctionId id) {
    if (id == FunctionId::Invalid) return 0;
    return functionTable().position[static_cast<std::size_t>(id)];
}

StepResult normalDistribution(Real a) {
    if (!std::isfinite(a)) return ok(kNaN);
    // Beyond |a| = 5 the alternating series cancels away all its digits
    // (at a = 10 the terms reach 1E21); there the complementary error
    // function gives the same distribution function accurately.
    if (std::fabs(a) > 5) return checked(std::erfc(-a / std::numbers::sqrt2_v<Real>) / 2, Err::GaufFailed);
    Real sum = a;
    Real term = a;  // a^(2k+1) / (2k+1) / 2^k / k! with alternating sign
    Real power = a;  // (-1)^k a^(2k+1) / 2^k / k!
    for (int k = 1;; ++k) {
        power = power * (-a * a) / (2 * k);
        term = power / (2 * k + 1);
        sum += term;
        if (!std::isfinite(sum)) return fail(Err::GaufFailed);
        if (std::fabs(term) < 1E-10L) break;
    }
    return checked(sum / std::sqrt(2 * kPi) + 0.5L, Err::GaufFailed);
}

StepResult normalDensity(Real a) {
    if (!std::isfinite(a)) return ok(kNaN);
    const Real square = a * a;
    if (!std::isfinite(square)) return fail(Err::NormalFailed);
    return checked(std::exp(-square / 2) / std::sqrt(2 * kPi), Err::NormalFailed);
}

std::uint32_t nextRandom(std::uint32_t n) {
    randomSeed = randomSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * randomSeed) >> 32);
}

void resetRandomSeed(std::uint32_t seed) { randomSeed = seed; }

StepResult applyFunction(FunctionId id, Real a, Real nearZero) {
    if (id == FunctionId::Invalid) return fail(Err::InvalidFunctionCall);
    if (!std::isfinite(a)) return ok(kNaN);  // the failure was reported where it happened

    switch (id) {
        case FunctionId::Sqr: return checked(a * a, Err::SqrFailed);
        case FunctionId::Sqrt: return a < 0 ? fail(Err::NegativeRadicand) : ok(std::sqrt(a));
        case FunctionId::Ln: return a <= 0 ? fail(Err::LnDomain) : ok(std::log(a));
        case FunctionId::Lg: return a <= 0 ? fail(Err::LgDomain) : ok(std::log10(a));
        case FunctionId::Ld: return a <= 0 ? fail(Err::LdDomain) : ok(std::log2(a));
        case FunctionId::Abs: return ok(std::fabs(a));
        case FunctionId::Sin: return ok(std::sin(a));
        case FunctionId::Cos: return ok(std::cos(a));
        case FunctionId::Tan: return checked(std::tan(a), Err::TanPole);
        case FunctionId::Cot: {
            const Real tan = std::tan(a);
            if (tan == 0) return fail(Err::CotPole);
            return checked(1 / tan, Err::CotPole);
        }
        case FunctionId::Arctan: return ok(std::atan(a));
        case FunctionId::Sgn: return ok(std::fabs(a) <= nearZero ? 0 : (a < 0 ? -1 : 1));
        case FunctionId::Floor: {
            // The result is a 32-bit whole number; beyond that it would wrap.
            const Real f = std::floor(a);
            if (f < -2147483648.0L || f > 2147483647.0L) return fail(Err::FloorFailed);
            return ok(f);
        }
        case FunctionId::Gauf: return normalDistribution(a);
        case FunctionId::Normal: return normalDensity(a);
        case FunctionId::Random: {
            const Real n = std::nearbyint(a);  // ties to even
            if (std::fabs(n) > 2147483647.0L) return fail(Err::RandomFailed);
            const std::int64_t whole = static_cast<std::int64_t>(n);
            // A negative n draws from (n, 0], the mirror of [0, n).
            const std::uint32_t magnitude = static_cast<std::uint32_t>(whole < 0 ? -whole : whole);
            const Real r = nextRandom(magnitude);
            return ok(whole < 0 ? (r == 0 ? 0 : -r) : r);
        }
        case FunctionId::Arcsin:
            return std::fabs(a) > 1 ? fail(Err::ArcsinDomain) : ok(std::asin(a));
        case FunctionId::Arccos:
            return std::fabs(a) > 1 ? fail(Err::ArccosDomain) : ok(std::acos(a));
        case FunctionId::Cosh:
        case FunctionId::Sinh:
        case FunctionId::Tanh:
        case FunctionId::Coth:
            return hyperbolic(id, a);
        case FunctionId::Arsinh: {
            // ln(a + sqrt(a^2 + 1)), taken as odd function so that negative
            // arguments do not cancel to ln(0).
            const Real m = std::fabs(a);
            const Real square = m * m;
            if (!std::isfinite(square)) return fail(Err::ArsinhFailed);
            const Real v = std::log(m + std::sqrt(square + 1));
            if (!std::isfinite(v)) return fail(Err::ArsinhFailed);
            return ok(a < 0 ? -v : v);
        }
        case FunctionId::Arcosh: {
            const Real v = std::log(a + (a + 1) * std::sqrt((a - 1) / (a + 1)));
            return checked(v, Err::ArcoshFailed);
        }
        case FunctionId::Artanh: {
            if (std::fabs(a) >= 1) return fail(Err::ArtanhDomain);
            return checked(std::log((1 + a) / (1 - a)) / 2, Err::ArtanhDomain);
        }
        case FunctionId::Arcoth: {
            if (std::fabs(a) <= 1) return fail(Err::ArcothDomain);
            return checked(std::log((a + 1) / (a - 1)) / 2, Err::ArcothDomain);
        }
        case FunctionId::Arccot: {
            Real v;
            if (a > 1E-10L) v = std::atan(1 / a);
            else if (a < -1E-10L) v = std::atan(1 / a) + kPi;
            else v = kPi / 2;
            return checked(v, Err::ArccotFailed);
        }
        case FunctionId::Invalid:
            break;
    }
    return fail(Err::InvalidFunctionCall);
}
