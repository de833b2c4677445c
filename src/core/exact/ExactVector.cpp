#include "core/exact/ExactVector.h"

namespace exact {

Vec makeVec(const Number& x, const Number& y, const Number& z) { return Vec{{x, y, z}}; }

Vec operator+(const Vec& a, const Vec& b) { return makeVec(a[0] + b[0], a[1] + b[1], a[2] + b[2]); }

Vec operator-(const Vec& a, const Vec& b) { return makeVec(a[0] - b[0], a[1] - b[1], a[2] - b[2]); }

Vec operator*(const Number& k, const Vec& v) { return makeVec(k * v[0], k * v[1], k * v[2]); }

Number dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec cross(const Vec& a, const Vec& b) {
    return makeVec(a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]);
}

Number triple(const Vec& a, const Vec& b, const Vec& c) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
}

bool isNull(const Vec& v) { return v[0].isZero() && v[1].isZero() && v[2].isZero(); }

std::array<Real, 3> toReals(const Vec& v) { return {v[0].toReal(), v[1].toReal(), v[2].toReal()}; }

std::optional<Vec> wholeDirection(const Vec& v) {
    if (isNull(v)) return std::nullopt;
    mpz_class common = 1, divisor = 0;
    for (int i = 0; i < 3; ++i) {
        if (!v[i].isExact()) return std::nullopt;
        mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), v[i].rational().get_den_mpz_t());
    }
    Vec whole;
    for (int i = 0; i < 3; ++i) {
        whole[i] = v[i] * Number::exact(mpq_class(common));
        mpz_gcd(divisor.get_mpz_t(), divisor.get_mpz_t(), whole[i].rational().get_num_mpz_t());
    }
    const int negatives = int(whole[0].sign() < 0) + int(whole[1].sign() < 0) + int(whole[2].sign() < 0);
    const Number factor = Number::exact(mpq_class(negatives >= 2 ? -1 : 1, 1) / mpq_class(divisor));
    return factor * whole;
}

}  // namespace exact
