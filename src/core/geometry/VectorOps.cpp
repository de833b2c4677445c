#include "core/geometry/VectorOps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/geometry/KernelArithmetic.h"
#include "core/numbers/NumberTools.h"

bool isNearZero(Real x) { return std::fabs(x) < kZeroTolerance; }

void setCoordinates(Vector3& target, const Vector3& source) {
    target.x = source.x;
    target.y = source.y;
    target.z = source.z;
}

void zeroVector(Vector3& v) {
    v.x = 0;
    v.y = 0;
    v.z = 0;
}

bool isNullVector(const Vector3& v) { return v.x == 0 && v.y == 0 && v.z == 0; }

bool isFiniteVector(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

Vector3 makeVector(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

Vector3 vectorFromTo(const Vector3& A, const Vector3& B) { return makeVector(B.x - A.x, B.y - A.y, B.z - A.z); }

Vector3 addVectors(const Vector3& a, const Vector3& b) { return makeVector(a.x + b.x, a.y + b.y, a.z + b.z); }

Vector3 scaleVector(const Vector3& v, Real k) { return makeVector(k * v.x, k * v.y, k * v.z); }

Real dotProduct(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 crossProduct(const Vector3& a, const Vector3& b) {
    return makeVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Real tripleProduct(const Vector3& a, const Vector3& b, const Vector3& c) {
    return a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
}

Real squaredLength(const Vector3& v) { return dotProduct(v, v); }

Real vectorLength(const Vector3& v) { return std::sqrt(dotProduct(v, v)); }

Vector3 unitVector(const Vector3& v) {
    const Real length = vectorLength(v);
    if (length == 0) return makeVector(0, 0, 0);
    const Real reciprocal = 1 / length;
    return scaleVector(v, reciprocal);
}

Real angleBetween(const Vector3& a, const Vector3& b) {
    const Real la = vectorLength(a);
    const Real lb = vectorLength(b);
    if (la == 0 || lb == 0) return 0;
    return std::acos(clampToUnit(dotProduct(a, b) / la / lb));
}

bool areParallel(const Vector3& a, const Vector3& b) { return isNearZero(vectorLength(crossProduct(a, b))); }

bool areCoplanar(const Vector3& a, const Vector3& b, const Vector3& c) {
    return isNearZero(dotProduct(a, crossProduct(b, c)));
}

Vector3 crossProductTerms(const Vector3& a, const Vector3& b) {
    return makeVector(std::fabs(a.y * b.z) + std::fabs(a.z * b.y), std::fabs(a.z * b.x) + std::fabs(a.x * b.z),
                      std::fabs(a.x * b.y) + std::fabs(a.y * b.x));
}

bool residueNearZero(Real x, Real terms) { return x != 0 && !(std::fabs(x) > kZeroTolerance * terms); }

Vector3 centroid(const Vector3& A, const Vector3& B, const Vector3& C) {
    constexpr Real oneThird = 1.0L / 3.0L;
    return scaleVector(addVectors(addVectors(A, B), C), oneThird);
}

Real parallelogramArea(const Vector3& a, const Vector3& b) { return vectorLength(crossProduct(a, b)); }

Real triangleArea(const Vector3& a, const Vector3& b) { return vectorLength(crossProduct(a, b)) / 2; }

Vector3 quadrilateralAreaVector(const Vector3& a, const Vector3& b, const Vector3& c) {
    return scaleVector(addVectors(crossProduct(a, b), crossProduct(b, c)), 0.5L);
}

Real quadrilateralArea(const Vector3& a, const Vector3& b, const Vector3& c) {
    return vectorLength(quadrilateralAreaVector(a, b, c));
}

Real spatVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(dotProduct(a, crossProduct(b, c)));
}

Real triangularPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(dotProduct(a, crossProduct(b, c))) / 2;
}

// Where both products have one sign, |x + y| is |x| + |y| to the last bit,
// so a convex base gives the volume of its two triangular parts.
Real quadPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    return std::fabs(dotProduct(a, crossProduct(b, c)) + dotProduct(a, crossProduct(c, d))) / 2;
}

Real triangularPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(dotProduct(a, crossProduct(b, c))) / 6;
}

Real quadPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    return std::fabs(dotProduct(a, crossProduct(b, c)) / 6 + dotProduct(a, crossProduct(c, d)) / 6);
}

bool hasIntegerComponents(const Vector3& v) {
    return isWholeNumber(v.x) && isWholeNumber(v.y) && isWholeNumber(v.z);
}

Vector3 integerDirection(const Vector3& v) {
    if (isNearZero(v.x) && isNearZero(v.y) && isNearZero(v.z)) return makeVector(0, 0, 0);

    const Fraction f[3] = {toFraction(v.x), toFraction(v.y), toFraction(v.z)};
    if (!f[0].ok || !f[1].ok || !f[2].ok) return v;

    // Exact arithmetic in 128 bits: the common multiple of three 32-bit
    // denominators and the scaled numerators cannot wrap there, and the
    // result is checked against the 32-bit range afterwards.
    const std::optional<std::int64_t> L = checkedLcm3(f[0].q, f[1].q, f[2].q);
    if (!L) return v;
    __int128 n[3];
    for (int i = 0; i < 3; ++i) n[i] = static_cast<__int128>(f[i].p) * (*L / f[i].q);
    const __int128 g = gcdMagnitude128(gcdMagnitude128(n[0], n[1]), n[2]);
    if (g == 0) return v;  // cannot happen: some component is not near zero
    int negatives = 0;
    for (int i = 0; i < 3; ++i) {
        n[i] /= g;
        if (n[i] < 0) ++negatives;
    }
    if (negatives >= 2)
        for (__int128& value : n) value = -value;
    for (const __int128 value : n)
        if (!fitsInt32(value)) return v;
    return makeVector(static_cast<Real>(static_cast<std::int64_t>(n[0])),
                      static_cast<Real>(static_cast<std::int64_t>(n[1])),
                      static_cast<Real>(static_cast<std::int64_t>(n[2])));
}

bool integerCoefficients(Real& a, Real& b, Real& c, Real& d) {
    Real* values[4] = {&a, &b, &c, &d};
    if (isWholeNumber(a) && isWholeNumber(b) && isWholeNumber(c) && isWholeNumber(d)) {
        // Whole numbers lie within the 32-bit range (isWholeNumber ensures
        // it), so rounding to 64 bits is exact and safe.
        std::int64_t w[4];
        for (int i = 0; i < 4; ++i) w[i] = static_cast<std::int64_t>(std::nearbyint(*values[i]));
        const std::int64_t g = signedGcd(signedGcd(signedGcd(w[0], w[1]), w[2]), w[3]);
        if (g == 0) return false;  // all four zero: nothing to divide by
        for (Real* value : values) *value = *value / static_cast<Real>(g);
        return true;
    }

    Fraction f[4];
    for (int i = 0; i < 4; ++i) {
        f[i] = toFraction(*values[i]);
        if (!f[i].ok) return false;
    }
    const std::optional<std::int64_t> L3 = checkedLcm3(f[0].q, f[1].q, f[2].q);
    if (!L3) return false;
    const std::optional<std::int64_t> L = checkedLcm(*L3, f[3].q);
    if (!L) return false;
    __int128 n[4];
    for (int i = 0; i < 4; ++i) {
        n[i] = static_cast<__int128>(f[i].p) * (*L / f[i].q);
        if (!fitsInt32(n[i])) return false;
    }
    for (int i = 0; i < 4; ++i) *values[i] = static_cast<Real>(static_cast<std::int64_t>(n[i]));
    return true;
}

Vector3 roundVector(const Vector3& v, int n) {
    return makeVector(roundToDigits(v.x, n), roundToDigits(v.y, n), roundToDigits(v.z, n));
}

std::array<std::string, 3> vectorComponentTexts(const Vector3& v) {
    return {numberText(v.x), numberText(v.y), numberText(v.z)};
}

std::string vectorText(const Vector3& v) {
    const std::array<std::string, 3> t = vectorComponentTexts(v);
    return "(" + t[0] + "/" + t[1] + "/" + t[2] + ")";
}

namespace {

// Characters, not bytes: UTF-8 continuation bytes are not counted.
std::size_t characterCount(const std::string& s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

std::string upperAscii(std::string s) {
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return s;
}

}  // namespace

std::array<std::string, 3> alignComponentTexts(std::array<std::string, 3> texts) {
    std::size_t width = 0;
    for (const std::string& t : texts) width = std::max(width, characterCount(t));
    for (std::string& t : texts) t.insert(0, width - characterCount(t), ' ');
    return texts;
}

Vector3 projectToCoordinatePlane(const std::string& name, const Vector3& v) {
    Vector3 result = v;
    const std::string key = upperAscii(name);
    if (key == "XY") {
        result.z = 0;
    } else if (key == "XZ") {
        result.y = 0;
    } else if (key == "YZ") {
        result.x = 0;
    } else if (key == "X") {
        result.y = 0;
        result.z = 0;
    } else if (key == "Y") {
        result.x = 0;
        result.z = 0;
    } else if (key == "Z") {
        result.x = 0;
        result.y = 0;
    }
    return result;
}
