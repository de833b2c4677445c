#include "core/geometry/VectorOps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/geometry/KernelArithmetic.h"
#include "core/numbers/NumberTools.h"

bool IsNearZero(Real x) { return std::fabs(x) < ZeroTolerance; }

void SetCoordinates(Vector3& target, const Vector3& source) {
    target.x = source.x;
    target.y = source.y;
    target.z = source.z;
}

void ZeroVector(Vector3& v) {
    v.x = 0;
    v.y = 0;
    v.z = 0;
}

bool IsNullVector(const Vector3& v) { return v.x == 0 && v.y == 0 && v.z == 0; }

bool IsFiniteVector(const Vector3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

Vector3 MakeVector(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

Vector3 VectorFromTo(const Vector3& A, const Vector3& B) { return MakeVector(B.x - A.x, B.y - A.y, B.z - A.z); }

Vector3 AddVectors(const Vector3& a, const Vector3& b) { return MakeVector(a.x + b.x, a.y + b.y, a.z + b.z); }

Vector3 ScaleVector(const Vector3& v, Real k) { return MakeVector(k * v.x, k * v.y, k * v.z); }

Real DotProduct(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 CrossProduct(const Vector3& a, const Vector3& b) {
    return MakeVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Real TripleProduct(const Vector3& a, const Vector3& b, const Vector3& c) {
    return a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
}

Real SquaredLength(const Vector3& v) { return DotProduct(v, v); }

Real VectorLength(const Vector3& v) { return std::sqrt(DotProduct(v, v)); }

Vector3 UnitVector(const Vector3& v) {
    const Real length = VectorLength(v);
    if (length == 0) return MakeVector(0, 0, 0);
    const Real reciprocal = 1 / length;
    return ScaleVector(v, reciprocal);
}

Real AngleBetween(const Vector3& a, const Vector3& b) {
    const Real la = VectorLength(a);
    const Real lb = VectorLength(b);
    if (la == 0 || lb == 0) return 0;
    return std::acos(ClampToUnit(DotProduct(a, b) / la / lb));
}

bool AreParallel(const Vector3& a, const Vector3& b) { return IsNearZero(VectorLength(CrossProduct(a, b))); }

bool AreCoplanar(const Vector3& a, const Vector3& b, const Vector3& c) {
    return IsNearZero(DotProduct(a, CrossProduct(b, c)));
}

Vector3 Centroid(const Vector3& A, const Vector3& B, const Vector3& C) {
    constexpr Real oneThird = 1.0L / 3.0L;
    return ScaleVector(AddVectors(AddVectors(A, B), C), oneThird);
}

Real ParallelogramArea(const Vector3& a, const Vector3& b) { return VectorLength(CrossProduct(a, b)); }

Real TriangleArea(const Vector3& a, const Vector3& b) { return VectorLength(CrossProduct(a, b)) / 2; }

Real QuadrilateralArea(const Vector3& a, const Vector3& b, const Vector3& c) {
    return (VectorLength(CrossProduct(a, b)) + VectorLength(CrossProduct(b, c))) / 2;
}

Real SpatVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(DotProduct(a, CrossProduct(b, c)));
}

Real TriangularPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(DotProduct(a, CrossProduct(b, c))) / 2;
}

Real QuadPrismVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    return (std::fabs(DotProduct(a, CrossProduct(b, c))) + std::fabs(DotProduct(a, CrossProduct(c, d)))) / 2;
}

Real TriangularPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c) {
    return std::fabs(DotProduct(a, CrossProduct(b, c))) / 6;
}

Real QuadPyramidVolume(const Vector3& a, const Vector3& b, const Vector3& c, const Vector3& d) {
    return std::fabs(DotProduct(a, CrossProduct(b, c))) / 6 + std::fabs(DotProduct(a, CrossProduct(c, d))) / 6;
}

bool HasIntegerComponents(const Vector3& v) {
    return IsWholeNumber(v.x) && IsWholeNumber(v.y) && IsWholeNumber(v.z);
}

Vector3 IntegerDirection(const Vector3& v) {
    if (IsNearZero(v.x) && IsNearZero(v.y) && IsNearZero(v.z)) return MakeVector(0, 0, 0);

    const Fraction f[3] = {ToFraction(v.x), ToFraction(v.y), ToFraction(v.z)};
    if (!f[0].ok || !f[1].ok || !f[2].ok) return v;

    // Exact arithmetic in 128 bits: the common multiple of three 32-bit
    // denominators and the scaled numerators cannot wrap there, and the
    // result is checked against the 32-bit range afterwards.
    const std::optional<std::int64_t> L = CheckedLcm3(f[0].q, f[1].q, f[2].q);
    if (!L) return v;
    __int128 n[3];
    for (int i = 0; i < 3; ++i) n[i] = static_cast<__int128>(f[i].p) * (*L / f[i].q);
    const __int128 g = GcdMagnitude128(GcdMagnitude128(n[0], n[1]), n[2]);
    if (g == 0) return v;  // cannot happen: some component is not near zero
    int negatives = 0;
    for (int i = 0; i < 3; ++i) {
        n[i] /= g;
        if (n[i] < 0) ++negatives;
    }
    if (negatives >= 2)
        for (__int128& value : n) value = -value;
    for (const __int128 value : n)
        if (!FitsInt32(value)) return v;
    return MakeVector(static_cast<Real>(static_cast<std::int64_t>(n[0])),
                      static_cast<Real>(static_cast<std::int64_t>(n[1])),
                      static_cast<Real>(static_cast<std::int64_t>(n[2])));
}

bool IntegerCoefficients(Real& a, Real& b, Real& c, Real& d) {
    Real* values[4] = {&a, &b, &c, &d};
    if (IsWholeNumber(a) && IsWholeNumber(b) && IsWholeNumber(c) && IsWholeNumber(d)) {
        // Whole numbers lie within the 32-bit range (IsWholeNumber ensures
        // it), so rounding to 64 bits is exact and safe.
        std::int64_t w[4];
        for (int i = 0; i < 4; ++i) w[i] = static_cast<std::int64_t>(std::nearbyint(*values[i]));
        const std::int64_t g = SignedGcd(SignedGcd(SignedGcd(w[0], w[1]), w[2]), w[3]);
        if (g == 0) return false;  // all four zero: nothing to divide by
        for (Real* value : values) *value = *value / static_cast<Real>(g);
        return true;
    }

    Fraction f[4];
    for (int i = 0; i < 4; ++i) {
        f[i] = ToFraction(*values[i]);
        if (!f[i].ok) return false;
    }
    const std::optional<std::int64_t> L3 = CheckedLcm3(f[0].q, f[1].q, f[2].q);
    if (!L3) return false;
    const std::optional<std::int64_t> L = CheckedLcm(*L3, f[3].q);
    if (!L) return false;
    __int128 n[4];
    for (int i = 0; i < 4; ++i) {
        n[i] = static_cast<__int128>(f[i].p) * (*L / f[i].q);
        if (!FitsInt32(n[i])) return false;
    }
    for (int i = 0; i < 4; ++i) *values[i] = static_cast<Real>(static_cast<std::int64_t>(n[i]));
    return true;
}

Vector3 RoundVector(const Vector3& v, int n) {
    return MakeVector(RoundToDigits(v.x, n), RoundToDigits(v.y, n), RoundToDigits(v.z, n));
}

std::array<std::string, 3> VectorComponentTexts(const Vector3& v) {
    return {NumberText(v.x), NumberText(v.y), NumberText(v.z)};
}

std::string VectorText(const Vector3& v) {
    const std::array<std::string, 3> t = VectorComponentTexts(v);
    return "(" + t[0] + "/" + t[1] + "/" + t[2] + ")";
}

namespace {

// Characters, not bytes: UTF-8 continuation bytes are not counted.
std::size_t CharacterCount(const std::string& s) {
    return static_cast<std::size_t>(
        std::count_if(s.begin(), s.end(), [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }));
}

std::string UpperAscii(std::string s) {
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return s;
}

}  // namespace

std::array<std::string, 3> AlignComponentTexts(std::array<std::string, 3> texts) {
    std::size_t width = 0;
    for (const std::string& t : texts) width = std::max(width, CharacterCount(t));
    for (std::string& t : texts) t.insert(0, width - CharacterCount(t), ' ');
    return texts;
}

Vector3 ProjectToCoordinatePlane(const std::string& name, const Vector3& v) {
    Vector3 result = v;
    const std::string key = UpperAscii(name);
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
