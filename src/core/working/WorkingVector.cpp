#include "core/working/WorkingVector.h"

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

std::optional<Vec> WholeDirection(const Vec& v) {
    if (IsNull(v)) return std::nullopt;
    mpz_class common = 1, divisor = 0;
    for (int i = 0; i < 3; ++i) {
        if (!v[i].IsExact()) return std::nullopt;
        mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), v[i].Rational().get_den_mpz_t());
    }
    Vec whole;
    for (int i = 0; i < 3; ++i) {
        whole[i] = v[i] * Number::Exact(mpq_class(common));
        mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), whole[i].Rational().get_num_mpz_t());
    }
    const int negatives = int(whole[0].Sign() < 0) + int(whole[1].Sign() < 0) + int(whole[2].Sign() < 0);
    const Number factor = Number::Exact(mpq_class(negatives >= 2 ? -1 : 1, 1) / mpq_class(divisor));
    return factor * whole;
}

}  // namespace working
