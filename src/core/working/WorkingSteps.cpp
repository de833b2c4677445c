#include "core/working/WorkingSteps.h"

#include <algorithm>
#include <cmath>

#include "core/geometry/LinesPlanes.h"
#include "core/output/ResultNumbers.h"

namespace working {

namespace {

const std::string kDot = "·";

bool isOne(const Number& n) { return n.isExact() && n.rational() == 1; }

// "a·b - c·d = r".
std::string differenceText(const Number& a, const Number& b, const Number& c, const Number& d) {
    return toText(a) + kDot + factorText(b) + " - " + factorText(c) + kDot + factorText(d) + " " +
           equalsText(a * b - c * d);
}

// "√(41) ≈ 6,403", "√(25) = 5", "√(3904) = 8·√(61) ≈ 62,482".
std::string rootChain(const Number& square) {
    std::string text = "√(" + toText(square) + ")";
    if (const std::optional<Number> root = exactSquareRoot(square)) return text + " " + equalsText(*root);
    if (const std::optional<std::string> drawn = exactRootText(square); drawn && *drawn != text) text += " = " + *drawn;
    return text + " ≈ " + toText(approxSquareRoot(square));
}

}  // namespace

Vec writeCross(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v) {
    const std::string name = a + " × " + b;
    sheet.line(name + ":");
    sheet.line("x: " + differenceText(u[1], v[2], u[2], v[1]));
    sheet.line("y: " + differenceText(u[2], v[0], u[0], v[2]));
    sheet.line("z: " + differenceText(u[0], v[1], u[1], v[0]));
    const Vec product = cross(u, v);
    sheet.line(name + " " + equalsText(product));
    return product;
}

Number writeDot(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v) {
    const Number product = dot(u, v);
    sheet.line(a + kDot + b + " = " + productsText({{u[0], v[0]}, {u[1], v[1]}, {u[2], v[2]}}) + " " +
               equalsText(product));
    return product;
}

Number writeLength(Sheet& sheet, const std::string& name, const Vec& v) {
    const Number square = dot(v, v);
    sheet.line("|" + name + "| = √(" + factorText(v[0]) + "² + " + factorText(v[1]) + "² + " + factorText(v[2]) +
               "²) = " + rootChain(square));
    return square;
}

Number writeDeterminant(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c) {
    sheet.determinant(name, a, b, c);
    const std::array<std::array<int, 2>, 3> columns = {{{1, 2}, {0, 2}, {0, 1}}};
    std::array<Number, 3> minors;
    std::array<std::string, 3> minorTexts;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [j, k] = columns[i];
        minors[i] = b[j] * c[k] - b[k] * c[j];
        minorTexts[i] = "(" + toText(b[j]) + kDot + factorText(c[k]) + " - " + factorText(b[k]) + kDot + factorText(c[j]) + ")";
    }
    const Number value = a[0] * minors[0] - a[1] * minors[1] + a[2] * minors[2];
    sheet.line("= " + toText(a[0]) + kDot + minorTexts[0] + " - " + factorText(a[1]) + kDot + minorTexts[1] + " + " +
               factorText(a[2]) + kDot + minorTexts[2]);
    sheet.line("= " + toText(a[0]) + kDot + factorText(minors[0]) + " - " + factorText(a[1]) + kDot +
               factorText(minors[1]) + " + " + factorText(a[2]) + kDot + factorText(minors[2]) + " " + equalsText(value));
    return value;
}

bool writeCoplanarityTest(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c,
                          const std::string& whenZero, const std::string& otherwise) {
    const bool zero = writeDeterminant(sheet, name, a, b, c).isZero();
    sheet.line(zero ? "det = 0: " + whenZero : "det ≠ 0: " + otherwise);
    return zero;
}

std::optional<Number> writeMultipleTest(Sheet& sheet, const std::string& uName, const Vec& u,
                                        const std::string& vName, const Vec& v) {
    sheet.line(uName + " = k" + kDot + vName + " ?");
    int i = 0;
    while (i < 2 && v[i].isZero()) ++i;
    const Number k = u[i] / v[i];
    sheet.line(std::string(kAxisNames[std::size_t(i)]) + ": " + toText(u[i]) + " = k" + kDot + factorText(v[i]) +
               "  ⇒  k " + equalsText(k));
    // The verdict is the calculations' (u × v null); for exact inputs the
    // components say the same, for decimals the tolerance may judge a single
    // component otherwise.
    const bool parallel = exact::areParallel(u, v);
    for (int j = 0; j < 3; ++j) {
        if (j == i) continue;
        const Number kv = k * v[j];
        const bool holds = sameValue(u[j], kv);
        sheet.line(std::string(kAxisNames[std::size_t(j)]) + ": " + toText(u[j]) + (holds ? " = " : " ≠ ") + toText(k) +
                   kDot + factorText(v[j]) + " " + equalsText(kv) + (holds ? "  wahr" : "  falsch"));
    }
    if (!parallel) {
        sheet.line(uName + " ist kein Vielfaches von " + vName + ": nicht parallel");
        return std::nullopt;
    }
    sheet.line(uName + " = " + linearText({{k, vName}}) + ": " + uName + " und " + vName + " sind parallel");
    return k;
}

std::string solvedText(const Number& k, const std::string& name, const Number& c) {
    const std::string equation = linearText({{k, name}}) + " = " + toText(c);
    if (k.isExact() && k.rational() == 1) return equation;
    return equation + "  ⇒  " + name + " " + equalsText(c / k);
}

namespace {

// "μ = 3 in x: 3λ - 9 = 3  ⇒  λ = 4": the known value put into an
// equation, which is then solved for the other unknown.
Number writeBackSubstitution(Sheet& sheet, const Equation& e, const char* known, const Number& value,
                             const char* unknown) {
    const Number constant = e.b * value;
    const Number result = (e.c - constant) / e.a;
    if (e.b.isZero()) {
        // The equation holds the unknown alone: solved as it stands, and
        // not written again when it reads "μ = 2" already.
        if (!isOne(e.a)) sheet.line(e.label + ": " + solvedText(e.a, unknown, e.c));
        return result;
    }
    std::string text = std::string(known) + " = " + toText(value) + " in " + e.label + ": " +
                       linearText({{e.a, unknown}, {constant, ""}}) + " = " + toText(e.c);
    if (!(constant.isZero() && isOne(e.a))) text += "  ⇒  " + std::string(unknown) + " " + equalsText(result);
    sheet.line(text);
    return result;
}

// Multipliers m1, m2 with m1·a1 - m2·a2 = 0 (m1 = a2, m2 = a1), made
// whole and small for fractions, with m1 > 0.
std::array<Number, 2> eliminationFactors(const Number& a1, const Number& a2) {
    Number m1 = a2, m2 = a1;
    if (a1.isExact() && a2.isExact()) {
        mpz_class common, divisor;
        mpz_lcm(common.get_mpz_t(), m1.rational().get_den_mpz_t(), m2.rational().get_den_mpz_t());
        m1 = m1 * Number::exact(mpq_class(common));
        m2 = m2 * Number::exact(mpq_class(common));
        mpz_gcd(divisor.get_mpz_t(), m1.rational().get_num_mpz_t(), m2.rational().get_num_mpz_t());
        m1 = m1 / Number::exact(mpq_class(divisor));
        m2 = m2 / Number::exact(mpq_class(divisor));
    }
    if (m1.sign() < 0) {
        m1 = -m1;
        m2 = -m2;
    }
    return {m1, m2};
}

}  // namespace

std::array<Number, 2> writeSolveTwo(Sheet& sheet, const Equation& e1, const Equation& e2, const char* X,
                                    const char* Y) {
    Number x, y;
    // An equation that holds one unknown alone is solved first (the
    // equations were written above: one that reads "μ = 2" already is not
    // written again), then the other unknown follows from the other one.
    const Equation* alone = e1.a.isZero() || e1.b.isZero() ? &e1 : e2.a.isZero() || e2.b.isZero() ? &e2 : nullptr;
    if (alone) {
        const Equation& other = alone == &e1 ? e2 : e1;
        if (alone->a.isZero()) {
            y = alone->c / alone->b;
            if (!isOne(alone->b)) sheet.line(alone->label + ": " + solvedText(alone->b, Y, alone->c));
            x = writeBackSubstitution(sheet, other, Y, y, X);
        } else {
            x = alone->c / alone->a;
            if (!isOne(alone->a)) sheet.line(alone->label + ": " + solvedText(alone->a, X, alone->c));
            y = writeBackSubstitution(sheet, {other.label, other.b, other.a, other.c}, X, x, Y);
        }
    } else {
        const auto [m1, m2] = eliminationFactors(e1.a, e2.a);
        const Number b = m1 * e1.b - m2 * e2.b;
        const Number c = m1 * e1.c - m2 * e2.c;
        y = c / b;
        sheet.line(linearText({{m1, "(" + e1.label + ")"}, {-m2, "(" + e2.label + ")"}}) + ": " + solvedText(b, Y, c));
        x = writeBackSubstitution(sheet, e1, Y, y, X);
    }
    return {x, y};
}

SystemSolution writeSolveSystem(Sheet& sheet, const std::array<Equation, 3>& equations, const char* X,
                                const char* Y, std::optional<bool> consistent) {
    SystemSolution solution;
    static constexpr int kPairs[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
    const int* chosen = nullptr;
    for (const auto& pair : kPairs) {
        const Equation& e1 = equations[std::size_t(pair[0])];
        const Equation& e2 = equations[std::size_t(pair[1])];
        if (!(e1.a * e2.b - e2.a * e1.b).isZero()) {
            chosen = pair;
            break;
        }
    }
    if (!chosen) return solution;
    solution.regular = true;
    const Equation& e1 = equations[std::size_t(chosen[0])];
    const Equation& e2 = equations[std::size_t(chosen[1])];
    const Equation& e3 = equations[std::size_t(chosen[2])];
    sheet.line(e1.label + "- und " + e2.label + "-Gleichung lösen:");
    const auto [x, y] = writeSolveTwo(sheet, e1, e2, X, Y);
    solution.x = x;
    solution.y = y;

    const Number lhs = e3.a * solution.x + e3.b * solution.y;
    solution.consistent = consistent.value_or(sameValue(lhs, e3.c));
    if (!solution.consistent) solution.contradiction = chosen[2];
    std::string check = "Probe " + e3.label + ": " + productsText({{e3.a, solution.x}, {e3.b, solution.y}}) + " " +
                        equalsText(lhs);
    // "= 1/3 = 1/3" says nothing twice: the agreement is written once.
    if (!solution.consistent || toText(lhs) != toText(e3.c))
        check += (solution.consistent ? " = " : " ≠ ") + toText(e3.c);
    sheet.line(check + (solution.consistent ? "  erfüllt" : "  Widerspruch"));
    return solution;
}

std::string rearrangedText(const Equation& e, const std::string& asItComes, const char* X, const char* Y) {
    const std::string rearranged = linearText(e.a, X, e.b, Y) + " = " + toText(e.c);
    if (rearranged == asItComes) return e.label + ": " + asItComes;
    return e.label + ": " + asItComes + "  ⇔  " + rearranged;
}

namespace {

// The angle in whole degrees when the quotient's square is 0, 1/4, 1/2,
// 3/4 or 1 (the quotient 0, ±1/2, ±1/2·√(2), ±1/2·√(3) or ±1).
std::optional<int> exactDegrees(AngleKind kind, const Number& dot, const Number& square) {
    const bool sine = kind == AngleKind::AbsoluteSine;
    if (dot.isZero()) return sine ? 0 : 90;
    if (!square.isExact()) return std::nullopt;
    static const std::array<std::pair<mpq_class, int>, 4> kCosines = {
        {{mpq_class(1, 4), 60}, {mpq_class(1, 2), 45}, {mpq_class(3, 4), 30}, {mpq_class(1), 0}}};
    for (const auto& [cosineSquare, degrees] : kCosines) {
        if (square.rational() != cosineSquare) continue;
        if (sine) return 90 - degrees;
        return kind == AngleKind::Cosine && dot.sign() < 0 ? 180 - degrees : degrees;
    }
    return std::nullopt;
}

}  // namespace

Real writeAngle(Sheet& sheet, AngleKind kind, const std::string& formula, const Number& dot, const Number& s1,
                const Number& s2, int digits) {
    const bool sine = kind == AngleKind::AbsoluteSine;
    const bool absolute = kind != AngleKind::Cosine;
    const bool negative = !absolute && dot.sign() < 0;
    const std::string function = sine ? "sin φ" : "cos φ";
    const std::string inverse = sine ? "arcsin" : "arccos";
    const Number square = dot * dot / (s1 * s2);
    Real value = std::clamp<Real>(std::sqrt(std::fabs(square.toReal())), 0, 1);
    if (negative) value = -value;
    std::string shown = toText(dot);
    if (absolute)
        shown = "|" + shown + "|";
    else if (shown.find('/') != std::string::npos)
        shown = "(" + shown + ")";  // a fraction over a product

    sheet.line(function + " = " + formula);
    // The quotient exactly: ±√(square) with the squares drawn out.
    std::optional<std::string> exact = dot.isZero() ? std::optional<std::string>("0") : exactRootText(square);
    if (exact && negative) *exact = "-" + *exact;
    std::string quotient = function + " = " + shown + " / (" + rootText(s1) + kDot + rootText(s2) + ")";
    if (exact) quotient += " = " + *exact;
    if (!dot.isZero() && !exactSquareRoot(square)) quotient += " " + approxText(value);
    sheet.line(quotient);
    if (const std::optional<int> whole = exactDegrees(kind, dot, square)) {
        sheet.line("φ = " + inverse + "(" + exact.value_or("0") + ") = " + std::to_string(*whole) + "°");
        return *whole;
    }
    const Real degrees = (sine ? std::asin(value) : std::acos(value)) / kPi * 180;
    if (exact)
        sheet.line("φ = " + inverse + "(" + *exact + ") " + approxText(degrees, digits) + "°");
    else
        sheet.line("φ ≈ " + inverse + "(" + resultText(3, value) + ") " + approxText(degrees, digits) + "°");
    return degrees;
}

Number writeDistance(Sheet& sheet, const std::string& formula, const std::string& inserted, const Number& e,
                     const Number& s, const std::string& name) {
    const Number square = e * e / s;
    sheet.line(name + " = " + formula + " = |" + inserted + "| / " + divisorText(rootText(s)) + " " + equalsRoot(square));
    return square;
}

}  // namespace working
