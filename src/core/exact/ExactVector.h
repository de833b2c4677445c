#pragma once
// Exact vectors: three numbers, exact or decimal each, with the
// operations the school solutions write out.
#include <array>
#include <optional>

#include "core/exact/ExactNumber.h"

namespace exact {

struct Vec {
    std::array<Number, 3> c;

    Number& operator[](int i) { return c[static_cast<std::size_t>(i)]; }
    const Number& operator[](int i) const { return c[static_cast<std::size_t>(i)]; }
};

Vec makeVec(const Number& x, const Number& y, const Number& z);
Vec operator+(const Vec& a, const Vec& b);
Vec operator-(const Vec& a, const Vec& b);
Vec operator*(const Number& k, const Vec& v);
Number dot(const Vec& a, const Vec& b);
// (a.y b.z - a.z b.y, a.z b.x - a.x b.z, a.x b.y - a.y b.x)
Vec cross(const Vec& a, const Vec& b);
// a . (b x c), expanded along a (the first row of the determinant).
Number triple(const Vec& a, const Vec& b, const Vec& c);
// All three components zero (exactly, or within the tolerance).
bool isNull(const Vec& v);
std::array<Real, 3> toReals(const Vec& v);
// The shortest whole-number vector of the same direction (negated when at
// least two of its components are negative), for an exact vector that is
// not null.
std::optional<Vec> wholeDirection(const Vec& v);

// The names of the axes, for the component equations.
inline constexpr std::array<const char*, 3> kAxisNames = {"x", "y", "z"};

}  // namespace exact
