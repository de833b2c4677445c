#include "core/numbers/NumberTools.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace {

constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

bool fitsInt32(std::int64_t v) { return v >= Int32Min && v <= Int32Max; }

// Euclid on magnitudes; 64 bits so that |INT32_MIN| and products of two
// 32-bit numbers cannot overflow.
std::uint64_t gcdOfMagnitudes(std::uint64_t a, std::uint64_t b) {
    std::uint64_t c = a < b ? a : b;
    std::uint64_t e = a < b ? b : a;
    while (c > 0) {
        const std::uint64_t r = e % c;
        e = c;
        c = r;
    }
    return e;
}

std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

}  // namespace

Fraction toFraction(Real x) {
    const Fraction failed{};
    if (!std::isfinite(x)) return failed;

    // Convergents are kept in 64 bits and must stay within 32 bits; a whole
    // part or convergent beyond that range makes the approximation fail
    // instead of wrapping around.
    std::int64_t p = 1, q = 0, pPrev = 0, qPrev = 1;
    const Real a = std::fabs(x);
    Real r = a;
    for (int k = 0; k <= 20; ++k) {
        if (!std::isfinite(r) || std::fabs(r) > static_cast<Real>(Int32Max)) return failed;
        std::int64_t t = static_cast<std::int64_t>(r);  // truncation towards zero
        // A remainder just below the next integer counts as that integer.
        if (std::fabs(static_cast<Real>(t) + 1 - r) < 1E-5L) ++t;

        const std::int64_t pNew = t * p + pPrev;
        const std::int64_t qNew = t * q + qPrev;
        if (!fitsInt32(pNew) || !fitsInt32(qNew)) return failed;
        pPrev = p;
        qPrev = q;
        p = pNew;
        q = qNew;
        if (q == 0) return failed;

        if (std::fabs(a - static_cast<Real>(p) / static_cast<Real>(q)) < 1E-14L) {
            if (q < 0) {  // a negative partial quotient can flip the sign of q
                p = -p;
                q = -q;
            }
            if (x < 0) p = -p;
            if (!fitsInt32(p) || !fitsInt32(q)) return failed;
            return Fraction{true, static_cast<std::int32_t>(p), static_cast<std::int32_t>(q)};
        }

        const Real rest = r - static_cast<Real>(t);
        if (rest == 0) return failed;  // the division below would be by zero
        r = 1 / rest;
    }
    return failed;
}

bool isWholeNumber(Real x) {
    const Fraction f = toFraction(x);
    return f.ok && f.q == 1;
}

bool reduceQuotient(Real& a, Real& b) {
    if (b == 0) return false;
    const Real quotient = a / b;
    const Fraction f = toFraction(quotient);
    if (!f.ok) return false;
    a = f.p;
    b = f.q;
    return true;
}

std::int32_t gcd(std::int32_t a, std::int32_t b) {
    const bool bothNegative = a < 0 && b < 0;
    const std::uint64_t g = gcdOfMagnitudes(magnitude(a), magnitude(b));
    // The only result outside 32 bits is gcd(INT32_MIN, 0) = 2^31; it wraps
    // to INT32_MIN like the plain 32-bit computation would.
    const std::int64_t signedG = bothNegative ? -static_cast<std::int64_t>(g) : static_cast<std::int64_t>(g);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(signedG));
}

std::int32_t gcd3(std::int32_t a, std::int32_t b, std::int32_t c) { return gcd(gcd(a, b), c); }

std::int64_t lcm(std::int64_t a, std::int64_t b) {
    const bool bothNegative = a < 0 && b < 0;
    const std::uint64_t g = gcdOfMagnitudes(magnitude(a), magnitude(b));
    if (g == 0) return 0;  // lcm(0, 0): no meaningful value
    // Product first, then the truncating division by the signed gcd; 128 bits
    // so that even lcm3 of three 32-bit numbers cannot wrap.
    const __int128 product = static_cast<__int128>(a) * static_cast<__int128>(b);
    const __int128 divisor = bothNegative ? -static_cast<__int128>(g) : static_cast<__int128>(g);
    const __int128 result = product / divisor;
    constexpr __int128 max64 = std::numeric_limits<std::int64_t>::max();
    constexpr __int128 min64 = std::numeric_limits<std::int64_t>::min();
    if (result > max64) return std::numeric_limits<std::int64_t>::max();
    if (result < min64) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(result);
}

std::int64_t lcm3(std::int64_t a, std::int64_t b, std::int64_t c) { return lcm(lcm(a, b), c); }

bool lcmFits32(std::int64_t lcm) { return fitsInt32(lcm); }

Real degToRad(Real degrees) { return degrees * std::numbers::pi_v<Real> / 180; }
Real radToDeg(Real radians) { return radians / std::numbers::pi_v<Real> * 180; }

Real roundToDigits(Real x, int d) {
    if (!std::isfinite(x)) return x;
    // Beyond the double range there are no decimals left to round; passing
    // such a value through a double would turn it into infinity or zero.
    if (std::fabs(x) > static_cast<Real>(std::numeric_limits<double>::max())) return x;
    const double xd = static_cast<double>(x);
    const double f = std::pow(10.0, static_cast<double>(-d));
    const double scaled = xd / f;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return xd;
    const std::int64_t n = static_cast<std::int64_t>(std::nearbyint(scaled));  // ties to even
    return static_cast<double>(n) * f;
}

std::string numberText(Real x) {
    if (!std::isfinite(x)) return kNonFiniteNumberText;
    if (x == 0) return "0";

    // Round to 15 significant digits: d.dddddddddddddde[+-]x
    char buffer[64];
    const auto conv = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
    if (conv.ec != std::errc{}) return kNonFiniteNumberText;
    std::string_view sci(buffer, static_cast<std::size_t>(conv.ptr - buffer));

    const bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c >= '0' && c <= '9') digits += c;
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent >= 0) {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                text += digits;
                text.append(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole);
                text += ',';
                text += digits.substr(whole);
            }
        } else {
            text += "0,";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        }
    } else {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += ',';
            text += digits.substr(1);
        }
        text += 'E';
        text += std::to_string(exponent);
    }
    return text;
}

std::string roundedText(int d, Real x) { return numberText(roundToDigits(x, d)); }

void swapIntegers(int& a, int& b) {
    const int t = a;
    a = b;
    b = t;
}
