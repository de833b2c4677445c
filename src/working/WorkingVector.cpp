#include "working/WorkingVector.h"

namespace working {

Vec MakeVec(const Number& x, const Number& y, const Number& z) { return Vec{{x, y, z}}; }

Vec operator+(const Vec& a, const Vec& b) { return MakeVec(a[0] + b[0], a[1] + b[1], a[2] + b[2]); }

Vec operator-(const Vec& a, const Vec& b) { return MakeVec(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

Vec operator*(const Number& k, const Vec& v) { return MakeVec(k * v[0], k * v[1], k * v[2]); }

Number Dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec Cross(const Vec& a, const Vec& b) {
    return MakeVec(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
}

Number Triple(const Vec& a, const Vec& b, const Vec& c) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
}

bool IsNull(const Vec& v) { return v[0].IsZero() && v[1].IsZero() && v[2].IsZero(); }

std::array<Real, 3> ToReals(const Vec& v) { return {v[0].ToReal(), v[1].ToReal(), v[2].ToReal()}; }

}  // namespace working
