#pragma once
// Steps that several workings share: products of vectors written out
// component by component, lengths, the test u = k·v, linear systems of three
// equations in two unknowns, angles from their cosine or sine.
#include <array>
#include <optional>
#include <string>

#include "core/exact/ExactVerdicts.h"
#include "core/working/WorkingSheet.h"
#include "core/working/WorkingTexts.h"

namespace working {

// "u × v:" and one line per component ("x: 5·(-6) - 0·7 = -30"), then
// "u × v = (-30|-24|-28)". Returns the product.
Vec writeCross(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v);
// "u·v = -4·0 + 5·7 + 0·(-6) = 35". Returns the product.
Number writeDot(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v);
// "|u| = √((-4)² + 5² + 0²) = √(41) ≈ 6,403". Returns the square of the length.
Number writeLength(Sheet& sheet, const std::string& name, const Vec& v);

// The determinant with the rows a, b, c between bars, expanded along its
// first row with the three minors written out: "= 4·(6·8 - 0·(-4)) - ...",
// "= 4·48 - 0·0 + 0·12 = 192". Returns its value, a·(b × c).
Number writeDeterminant(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c);

// det(a, b, c) written out, then "det = 0: <whenZero>" or
// "det ≠ 0: <otherwise>". Returns true when it is 0 (a, b, c coplanar).
bool writeCoplanarityTest(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c,
                          const std::string& whenZero, const std::string& otherwise);

// "u = k·v ?": k from the first component where v is not 0, the other two
// components checked. Returns k when u = k·v. v must not be the null vector.
std::optional<Number> writeMultipleTest(Sheet& sheet, const std::string& uName, const Vec& u,
                                        const std::string& vName, const Vec& v);

// One equation a·X + b·Y = c of a system, labelled by its coordinate.
struct Equation {
    std::string label;  // "x", "y", "z"
    Number a, b, c;
};
struct SystemSolution {
    bool regular = false;      // two of the equations determine X and Y
    bool consistent = false;   // the third agrees
    Number x, y;
    int contradiction = -1;    // index of the equation that disagrees
};
// Solves two equations whose coefficients are independent (the elimination
// written out) and checks the third ("Probe"). Writes nothing when no two
// equations are independent (regular = false): the caller says why.
// `consistent`: the verdict of the calculations where there is one, so that
// a decimal check within the tolerance cannot judge otherwise.
SystemSolution writeSolveSystem(Sheet& sheet, const std::array<Equation, 3>& equations, const char* X,
                                const char* Y, std::optional<bool> consistent = std::nullopt);
// Solves two equations with a1·b2 - a2·b1 not zero: Y by elimination (or
// from the equation without X), then X by putting Y back. Returns {X, Y}.
std::array<Number, 2> writeSolveTwo(Sheet& sheet, const Equation& e1, const Equation& e2, const char* X,
                                    const char* Y);
// "x: 6 = 3 + 3λ - 3μ  ⇔  3λ - 3μ = 3": an equation as it comes, then with
// the unknowns on the left.
std::string rearrangedText(const Equation& e, const std::string& asItComes, const char* X, const char* Y);

// "k·X = c  ⇒  X = c/k" (or "X = c" when k is 1). k must not be zero.
std::string solvedText(const Number& k, const std::string& name, const Number& c);

// How an angle follows from dot / (√(s1)·√(s2)).
enum class AngleKind {
    Cosine,          // between two vectors, 0° .. 180°
    AbsoluteCosine,  // between lines or planes, 0° .. 90°
    AbsoluteSine,    // between a line and a plane, 0° .. 90°
};
// Writes "cos φ = <formula>", the numbers and the angle in degrees (to
// `digits` decimals). s1, s2 must not be zero. Returns the degrees.
Real writeAngle(Sheet& sheet, AngleKind kind, const std::string& formula, const Number& dot, const Number& s1,
                const Number& s2, int digits = 3);

// "d = <formula> = |<inserted>| / √(s) = √(e²/s) = ... ≈ ..." for a
// distance |e| / √(s) (s > 0), e written as <inserted> ("266 - 60"), or
// the height h. Returns the squared distance.
Number writeDistance(Sheet& sheet, const std::string& formula, const std::string& inserted, const Number& e,
                     const Number& s, const std::string& name = "d");

}  // namespace working
