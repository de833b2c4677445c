#pragma once
// Random scenes typed as pupils type them: whole numbers, decimals with a
// comma and fractions, many of them with the relations a verdict turns on
// (a point on a line or in a plane, parallel and identical lines and planes,
// a line in a plane, coplanar vectors, null vectors). With extremes, some
// components are tiny (k·10⁻²⁰, typed "kE-20") or huge (k·10¹⁵), where
// floating point cannot tell a relation from its absence.
#include <gmpxx.h>

#include <array>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "core/exact/ExactScene.h"
#include "core/model/InputWindowTables.h"
#include "core/model/SceneState.h"

namespace randomscenes {

using Q = mpq_class;
using Vec = std::array<Q, 3>;

class SceneMaker {
public:
    explicit SceneMaker(unsigned seed, bool extremes = false) : engine_(seed), extremes_(extremes) {}

    SceneState make() {
        texts_.clear();
        // One kind of extreme per scene: huge coordinates and tiny components
        // together make sums beyond the exact range of 30 digits, and beside
        // coordinates of 10¹⁵, 10⁻¹² of the terms (the tolerance of an
        // inexact g) is coarser than the scene's detail.
        const int kind = extremes_ ? std::uniform_int_distribution<int>(0, 2)(engine_) : -1;
        hugePoints_ = kind == 0;
        tinyVectors_ = kind == 1;
        const bool inexactG = kind != 0;
        Vec A = point(), B = point(), C = point(), D = point(), S = point(), P = point(), Q2 = point();
        Vec pg = point(), vg = vector(), ph = point(), vh = vector();
        std::array<Q, 4> e1 = plane(), e2 = plane();
        Vec p3 = point(), u3 = vector(), v3 = vector(), p4 = point(), u4 = vector(), v4 = vector();
        const Vec n1{e1[0], e1[1], e1[2]};
        // The relations, each now and then.
        if (chance(4)) S = add(pg, scale(vg, number()));                      // S on g
        if (chance(6)) S = add(ph, scale(vh, number()));                      // S on h
        if (chance(4)) e1[3] = dot(n1, S);                                     // S in E1
        if (chance(4)) S = add(p3, add(scale(u3, number()), scale(v3, number())));  // S in E3
        if (chance(4)) vh = scale(vg, nonzero());                              // h parallel to g
        if (chance(6)) ph = add(pg, scale(vg, number()));                      // ... and through g
        if (chance(6)) Q2 = add(P, scale(vg, nonzero()));                      // g2 parallel to g
        if (chance(8)) {                                                        // g2 = g
            P = add(pg, scale(vg, number()));
            Q2 = add(P, scale(vg, nonzero()));
        }
        if (chance(4)) {                                                        // E2 = E1, or parallel
            e2 = scaled(e1, nonzero());
            if (chance(2)) e2[3] += nonzero();
        }
        if (chance(5)) {                                                        // E4 parallel to E3
            u4 = add(scale(u3, number()), scale(v3, number()));
            v4 = add(scale(u3, number()), scale(v3, nonzero()));
        }
        if (chance(6)) p4 = add(p3, add(scale(u3, number()), scale(v3, number())));
        if (chance(5)) vg = cross(n1, vector());                              // g parallel to E1
        if (chance(6)) pg = onPlane(e1, pg);                                   // ... and in it
        if (chance(5)) vg = add(scale(u3, number()), scale(v3, number()));     // g parallel to E3
        if (chance(6)) pg = add(p3, scale(u3, number()));
        if (chance(6)) vg = add(scale(sub(B, A), number()), scale(sub(C, A), number()));  // g parallel to E5
        if (chance(8)) pg = add(A, scale(sub(B, A), number()));
        if (chance(4)) D = add(A, add(scale(sub(B, A), number()), scale(sub(C, A), number())));  // ABCD plane
        if (chance(5)) {                                                        // E3 = E1
            p3 = onPlane(e1, p3);
            u3 = cross(n1, vector());
            v3 = cross(n1, u3);
        }
        if (chance(15)) vg = Vec{};
        if (chance(15)) vh = Vec{};
        if (chance(20)) u3 = Vec{};
        if (chance(20)) e1 = {0, 0, 0, e1[3]};
        if (chance(20)) C = add(A, scale(sub(B, A), number()));               // A, B, C on a line
        const std::pair<int, Vec> points[] = {{PointA, A}, {PointB, B}, {PointC, C}, {PointD, D},
                                               {PointE, point()}, {PointF, point()}, {PointS, S},
                                               {PointP, P}, {PointQ, Q2}};
        for (const auto& [i, v] : points) triple(exact::pointFieldNames(i), v);
        triple(exact::tripleFieldNames(inputwindow::kSupportG.prefix), pg);
        triple(exact::tripleFieldNames(inputwindow::kDirectionG.prefix), vg);
        // g's direction times √2 keeps every relation of g but has no exact
        // value: its verdicts fall to the tolerance.
        if (inexactG && chance(2))
            for (const std::string& name : exact::tripleFieldNames(inputwindow::kDirectionG.prefix))
                texts_[name] = "(" + texts_[name] + ")*w(2)";
        triple(exact::tripleFieldNames(inputwindow::kSupportH.prefix), ph);
        triple(exact::tripleFieldNames(inputwindow::kDirectionH.prefix), vh);
        for (int k = 0; k < 4; ++k) {
            texts_[exact::coefficientFieldName(PlaneE1, k)] = text(e1[std::size_t(k)]);
            texts_[exact::coefficientFieldName(PlaneE2, k)] = text(e2[std::size_t(k)]);
        }
        triple(exact::tripleFieldNames("p3"), p3);
        triple(exact::tripleFieldNames("u3"), u3);
        triple(exact::tripleFieldNames("v3"), v3);
        triple(exact::tripleFieldNames("p4"), p4);
        triple(exact::tripleFieldNames("u4"), u4);
        triple(exact::tripleFieldNames("v4"), v4);
        SceneState input;
        input.texts = texts_;
        return input;
    }

    // A decimal with a comma where the value has one of at most six places,
    // else a fraction.
    static std::string text(const Q& q) {
        mpz_class den = q.get_den();
        int twos = 0, fives = 0;
        while (mpz_divisible_ui_p(den.get_mpz_t(), 2)) den /= 2, ++twos;
        while (mpz_divisible_ui_p(den.get_mpz_t(), 5)) den /= 5, ++fives;
        const int places = std::max(twos, fives);
        if (den == 1 && twos == fives && places > 6) return q.get_num().get_str() + "E-" + std::to_string(places);
        if (den != 1 || places > 6) return q.get_str();
        mpz_class scaled = q.get_num();
        mpz_class factor;
        mpz_ui_pow_ui(factor.get_mpz_t(), 10, static_cast<unsigned long>(places));
        scaled = scaled * factor / q.get_den();
        const bool negative = scaled < 0;
        std::string digits = mpz_class(abs(scaled)).get_str();
        if (places == 0) return (negative ? "-" : "") + digits;
        if (int(digits.size()) <= places) digits.insert(0, std::size_t(places + 1) - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(places), ",");
        return (negative ? "-" : "") + digits;
    }

private:
    bool chance(int n) { return std::uniform_int_distribution<int>(1, n)(engine_) == 1; }
    long whole(long range) { return std::uniform_int_distribution<long>(-range, range)(engine_); }
    // Whole numbers, decimals with one or two places, fractions.
    Q number() {
        switch (std::uniform_int_distribution<int>(0, 9)(engine_)) {
        case 0: case 1: case 2: case 3: return Q(whole(9));
        case 4: case 5: return canonical(Q(whole(99), 10));
        case 6: return canonical(Q(whole(999), 100));
        default: return canonical(Q(whole(19), std::uniform_int_distribution<long>(2, 9)(engine_)));
        }
    }
    static Q canonical(Q q) {
        q.canonicalize();
        return q;
    }
    Q nonzero() {
        Q q = number();
        return q == 0 ? Q(1, 3) : q;
    }
    // With extremes, now and then a coordinate of k·10¹⁵ or a vector
    // component of k·10⁻²⁰.
    Q extreme(int exponent) {
        if (!(exponent > 0 ? hugePoints_ : tinyVectors_) || !chance(8)) return number();
        mpz_class power;
        mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(std::abs(exponent)));
        const Q k(whole(9));
        return exponent < 0 ? Q(k / power) : Q(k * power);
    }
    Vec point() { return {extreme(15), extreme(15), extreme(15)}; }
    Vec vector() { return {extreme(-20), extreme(-20), extreme(-20)}; }
    std::array<Q, 4> plane() { return {number(), number(), number(), number()}; }
    static Vec add(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
    static Vec sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
    static Vec scale(const Vec& a, const Q& k) { return {a[0] * k, a[1] * k, a[2] * k}; }
    static Q dot(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
    static Vec cross(const Vec& a, const Vec& b) {
        return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    }
    static std::array<Q, 4> scaled(const std::array<Q, 4>& e, const Q& k) { return {e[0] * k, e[1] * k, e[2] * k, e[3] * k}; }
    // The point of the plane a·x + b·y + c·z = d nearest to p along its normal.
    static Vec onPlane(const std::array<Q, 4>& e, const Vec& p) {
        const Vec n{e[0], e[1], e[2]};
        const Q nn = dot(n, n);
        if (nn == 0) return p;
        return add(p, scale(n, (e[3] - dot(n, p)) / nn));
    }
    void triple(const std::array<std::string, 3>& names, const Vec& v) {
        for (std::size_t a = 0; a < 3; ++a) texts_[names[a]] = text(v[a]);
    }

    std::mt19937 engine_;
    bool extremes_ = false;
    bool hugePoints_ = false;
    bool tinyVectors_ = false;
    std::map<std::string, std::string> texts_;
};


}  // namespace randomscenes
