#pragma once
// Random scenes as typed, random starting Scenes, and an exact listing of a
// Scene for comparing two of them value by value. No Qt.
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/model/InputWindowTables.h"
#include "core/model/Scene.h"
#include "core/model/SceneInput.h"

inline void PrintTo(const FieldRejection& r, std::ostream* os) { *os << r.field << ": \"" << r.message << "\""; }

namespace sceneinput {

// Every value of a Scene as (name, exact text): reals in hexadecimal, so two
// listings are equal only when every value is equal bit for bit (and -0 is
// told from 0).
inline std::vector<std::pair<std::string, std::string>> listing(const Scene& s) {
    std::vector<std::pair<std::string, std::string>> out;
    auto real = [&out](const std::string& name, Real r) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%La", r);
        out.emplace_back(name, buffer);
    };
    auto word = [&out](const std::string& name, long long v) { out.emplace_back(name, std::to_string(v)); };
    auto vec = [&](const std::string& name, const Vector3& v) {
        real(name + ".x", v.x);
        real(name + ".y", v.y);
        real(name + ".z", v.z);
        out.emplace_back(name + ".name", v.name);
        word(name + ".color", v.color);
        word(name + ".coordinatePaths", v.coordinatePaths);
    };
    auto at = [](const char* name, std::size_t i) { return std::string(name) + "[" + std::to_string(i) + "]"; };
    for (std::size_t i = 0; i < PointCount; ++i) vec(at("points", i), s.points[i]);
    vec("vectorAD", s.vectorAD);
    vec("origin", s.origin);
    for (std::size_t i = 0; i < LineSlots; ++i) {
        vec(at("lineSupport", i), s.lineSupport[i]);
        vec(at("lineDirection", i), s.lineDirection[i]);
        word(at("lineColor", i), s.lineColor[i]);
        word(at("drawLineFlag", i), s.drawLineFlag[i]);
    }
    for (std::size_t i = 0; i < s.lineGParameters.size(); ++i) real(at("lineGParameters", i), s.lineGParameters[i]);
    real("familyFrom", s.familyFrom);
    real("familyTo", s.familyTo);
    real("familyStep", s.familyStep);
    word("familyEnabled", s.familyEnabled);
    word("drawBlocked", s.drawBlocked);
    for (std::size_t i = 0; i < s.planeCoeffs.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k) real(at("planeCoeffs", i) + at("", k), s.planeCoeffs[i][k]);
    for (std::size_t i = 0; i < PlaneSlots; ++i) {
        vec(at("planeSupport", i), s.planeSupport[i]);
        vec(at("planeSpanU", i), s.planeSpanU[i]);
        vec(at("planeSpanV", i), s.planeSpanV[i]);
        word(at("planeColor", i), s.planeColor[i]);
        word(at("drawPlaneFlag", i), s.drawPlaneFlag[i]);
    }
    vec("e3SpanCopyU", s.e3SpanCopyU);
    vec("e3SpanCopyV", s.e3SpanCopyV);
    word("pointColor", s.pointColor);
    word("bodyColor", s.bodyColor);
    for (std::size_t i = 0; i < PointCount; ++i) word(at("drawPointFlag", i), s.drawPointFlag[i]);
    for (std::size_t i = 0; i < VectorCount; ++i) word(at("drawVectorFlag", i), s.drawVectorFlag[i]);
    for (std::size_t i = 0; i < BodySlots; ++i) word(at("drawBodyFlag", i), s.drawBodyFlag[i]);
    word("segmentsInsteadOfVectors", s.segmentsInsteadOfVectors);
    word("coplanarGraphic", s.coplanarGraphic);
    word("drawSpatVectors", s.drawSpatVectors);
    word("drawPointColor", s.drawPointColor);
    word("vectorPenWidth", s.vectorPenWidth);
    real("parallelPlaneX", s.parallelPlaneX);
    real("parallelPlaneY", s.parallelPlaneY);
    real("parallelPlaneZ", s.parallelPlaneZ);
    real("coplanarR", s.coplanarR);
    real("coplanarT", s.coplanarT);
    word("coplanarValid", s.coplanarValid);
    return out;
}

// The names of the values in which two Scenes differ, with both values.
inline std::string differences(const Scene& a, const Scene& b) {
    const auto la = listing(a);
    const auto lb = listing(b);
    std::string out;
    for (std::size_t i = 0; i < la.size() && i < lb.size(); ++i)
        if (la[i].second != lb[i].second) out += la[i].first + ": " + la[i].second + " / " + lb[i].second + "\n";
    return out;
}

// Texts of the kinds users type: numbers with comma or point, fractions,
// huge numbers, and texts the number reader rejects.
inline const std::vector<std::string>& numberTexts() {
    static const std::vector<std::string> texts = {
        "0",     "4",     "-3",        "2,5",        "2.5",        "-0,125", "1/4",        "-7/3",    "1/3",
        "0,1",   "1e3",   "1,5E-3",    "-0",         "1,1E4932",   "-1,1E4932", "1E4931", "3x",      "1,2,3",
        "",      " ",     "1E5000",    "1/0",        "abc",        "--1",     "2*",       "1e-5000", "12345678901234567890"};
    return texts;
}

// Formulas in t for g's fields: good ones, ones undefined at some t, and
// syntax errors.
inline const std::vector<std::string>& formulaTexts() {
    static const std::vector<std::string> texts = {
        "2t",   "1/t",  "t^2+1", "sin(30°)*t", "2*",    "1,5t", "sqrt(t-2)", "ln(t)", "(t",
        "t²",   "1/0",  "-t",    "3",          "2,5",   "",     "x+t",       "t/(t-1)", "1E5000*t", "n"};
    return texts;
}

inline const std::vector<std::string>& nameTexts() {
    static const std::vector<std::string> texts = {"A", "Punkt", "ÄÖÜß", "", "xy", "P1"};
    return texts;
}

inline const std::vector<std::string>& parameterTexts() {
    static const std::vector<std::string> texts = {"0", "1", "2", "-1", "0,5", "1/3", "3x", "", "1E5000"};
    return texts;
}

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    template <class T>
    T pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
    }
    bool coin(int percentTrue = 50) { return std::uniform_int_distribution<int>(0, 99)(random_) < percentTrue; }
    Colour colour() { return std::uniform_int_distribution<Colour>(0, 0xFFFFFF)(random_); }

    Real real() {
        static const std::vector<Real> special = {0, -0.0L, 1.5L, -2, 1e30L, 1.1e4932L, -1.1e4932L};
        if (coin(30)) return pick(special);
        return std::uniform_real_distribution<double>(-20, 20)(random_);
    }

    // A start Scene: the start-up values with every number, flag and colour
    // a reading keeps or overwrites perturbed.
    Scene startScene() {
        Scene s;
        auto vec = [this](Vector3& v) {
            v.x = real();
            v.y = real();
            v.z = real();
            if (coin(20)) v.color = colour();
        };
        for (Vector3& p : s.points) vec(p);
        vec(s.vectorAD);
        for (std::size_t i = 1; i < LineSlots; ++i) {
            vec(s.lineSupport[i]);
            vec(s.lineDirection[i]);
        }
        for (Real& t : s.lineGParameters) t = real();
        s.familyFrom = real();
        s.familyTo = real();
        s.familyStep = real();
        for (auto& plane : s.planeCoeffs)
            for (Real& c : plane) c = real();
        for (std::size_t n = PlaneE3; n < PlaneSlots; ++n) {
            vec(s.planeSupport[n]);
            vec(s.planeSpanU[n]);
            vec(s.planeSpanV[n]);
        }
        vec(s.e3SpanCopyU);
        s.parallelPlaneX = real();
        s.parallelPlaneY = real();
        s.parallelPlaneZ = real();
        s.coplanarR = real();
        s.coplanarValid = coin();
        for (bool& f : s.drawPointFlag) f = coin();
        s.familyEnabled = coin();
        s.pointColor = colour();
        s.drawPointColor = colour();
        return s;
    }

    // A text for the field of that object name. While `clean` is set, only
    // texts every reader takes.
    std::string text(const std::string& name) {
        const bool any = !clean && coin(25);
        if (name == "Edit_t1" || name == "Edit_t2" || name == "Edit_Delta_t")
            return any ? pick(numberTexts()) : first(parameterTexts(), 6);
        for (const char* g : {"Edit_ug", "Edit_vg"})
            if (name.rfind(g, 0) == 0 && name.size() == 8) {
                if (clean) return pick(std::vector<std::string>{"2t", "t^2+1", "sin(30°)*t", "1,5t", "-t", "3", "t²"});
                return coin(70) ? pick(formulaTexts()) : pick(numberTexts());
            }
        if (name.rfind("Edit_Punkt", 0) == 0 && name.find('_', 10) == std::string::npos) return pick(nameTexts());
        return any ? pick(numberTexts()) : first(numberTexts(), clean ? 13 : 16);  // 13 to 15: huge
    }

    bool clean = false;

private:
    // One of the first `count` texts (the ones the readers take).
    std::string first(const std::vector<std::string>& texts, std::size_t count) {
        return texts[std::uniform_int_distribution<std::size_t>(0, count - 1)(random_)];
    }

    std::mt19937 random_;
};

}  // namespace sceneinput
