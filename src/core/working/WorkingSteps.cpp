#include "core/working/WorkingSteps.h"

#include <algorithm>
#include <cmath>

#include "core/geometry/LinesPlanes.h"

namespace working {

namespace {

const std::string kDot = "·";

// "a·b - c·d = r".
std::string DifferenceText(const Number& a, const Number& b, const Number& c, const Number& d) {
    return Text(a) + kDot + FactorText(b) + " - " + FactorText(c) + kDot + FactorText(d) + " = " +
           Text(a * b - c * d);
}

// "√(41) ≈ 6,403", "√(25) = 5".
std::string RootChain(const Number& square) {
    std::string text = "√(" + Text(square) + ")";
    if (const std::optional<Number> root = ExactSquareRoot(square)) return text + " = " + Text(*root);
    return text + " ≈ " + Text(ApproxSquareRoot(square));
}

}  // namespace

Vec WriteCross(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v) {
    const std::string name = a + " × " + b;
    sheet.Line(name + ":");
    sheet.Line("x: " + DifferenceText(u[1], v[2], u[2], v[1]));
    sheet.Line("y: " + DifferenceText(u[2], v[0], u[0], v[2]));
    sheet.Line("z: " + DifferenceText(u[0], v[1], u[1], v[0]));
    const Vec product = Cross(u, v);
    sheet.Line(name + " = " + Text(product));
    return product;
}

Number WriteDot(Sheet& sheet, const std::string& a, const std::string& b, const Vec& u, const Vec& v) {
    const Number product = Dot(u, v);
    sheet.Line(a + kDot + b + " = " + ProductsText({{u[0], v[0]}, {u[1], v[1]}, {u[2], v[2]}}) + " = " +
               Text(product));
    return product;
}

Number WriteLength(Sheet& sheet, const std::string& name, const Vec& v) {
    const Number square = Dot(v, v);
    sheet.Line("|" + name + "| = √(" + FactorText(v[0]) + "² + " + FactorText(v[1]) + "² + " + FactorText(v[2]) +
               "²) = " + RootChain(square));
    return square;
}

Number WriteDeterminant(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c) {
    sheet.Determinant(name, a, b, c);
    const std::array<std::array<int, 2>, 3> columns = {{{1, 2}, {0, 2}, {0, 1}}};
    std::array<Number, 3> minors;
    std::array<std::string, 3> minorTexts;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [j, k] = columns[i];
        minors[i] = b[j] * c[k] - b[k] * c[j];
        minorTexts[i] = "(" + Text(b[j]) + kDot + FactorText(c[k]) + " - " + FactorText(b[k]) + kDot + FactorText(c[j]) + ")";
    }
    const Number value = a[0] * minors[0] - a[1] * minors[1] + a[2] * minors[2];
    sheet.Line("= " + Text(a[0]) + kDot + minorTexts[0] + " - " + FactorText(a[1]) + kDot + minorTexts[1] + " + " +
               FactorText(a[2]) + kDot + minorTexts[2]);
    sheet.Line("= " + Text(a[0]) + kDot + FactorText(minors[0]) + " - " + FactorText(a[1]) + kDot +
               FactorText(minors[1]) + " + " + FactorText(a[2]) + kDot + FactorText(minors[2]) + " = " + Text(value));
    return value;
}

bool WriteCoplanarityTest(Sheet& sheet, const std::string& name, const Vec& a, const Vec& b, const Vec& c,
                          const std::string& whenZero, const std::string& otherwise) {
    const bool zero = WriteDeterminant(sheet, name, a, b, c).IsZero();
    sheet.Line(zero ? "det = 0: " + whenZero : "det ≠ 0: " + otherwise);
    return zero;
}

std::optional<Number> WriteMultipleTest(Sheet& sheet, const std::string& uName, const Vec& u,
                                        const std::string& vName, const Vec& v) {
    sheet.Line(uName + " = k" + kDot + vName + " ?");
    int i = 0;
    while (i < 2 && v[i].IsZero()) ++i;
    const Number k = u[i] / v[i];
    sheet.Line(std::string(kAxisNames[std::size_t(i)]) + ": " + Text(u[i]) + " = k" + kDot + FactorText(v[i]) +
               "  ⇒  k = " + Text(k));
    bool parallel = true;
    for (int j = 0; j < 3; ++j) {
        if (j == i) continue;
        const Number kv = k * v[j];
        const bool holds = SameValue(u[j], kv);
        parallel = parallel && holds;
        sheet.Line(std::string(kAxisNames[std::size_t(j)]) + ": " + Text(u[j]) + (holds ? " = " : " ≠ ") + Text(k) +
                   kDot + FactorText(v[j]) + " = " + Text(kv) + (holds ? "  wahr" : "  falsch"));
    }
    if (!parallel) {
        sheet.Line(uName + " ist kein Vielfaches von " + vName + ": nicht parallel");
        return std::nullopt;
    }
    sheet.Line(uName + " = " + LinearText({{k, vName}}) + ": " + uName + " und " + vName + " sind parallel");
    return k;
}

std::string SolvedText(const Number& k, const std::string& name, const Number& c) {
    const std::string equation = LinearText({{k, name}}) + " = " + Text(c);
    if (k.IsExact() && k.Rational() == 1) return equation;
    return equation + "  ⇒  " + name + " = " + Text(c / k);
}

namespace {

// "μ = 3 in x: 3λ - 9 = 3  ⇒  λ = 4": the known value put into an
// equation, which is then solved for the other unknown.
Number WriteBackSubstitution(Sheet& sheet, const Equation& e, const char* known, const Number& value,
                             const char* unknown) {
    const Number constant = e.b * value;
    const Number result = (e.c - constant) / e.a;
    std::string text = std::string(known) + " = " + Text(value) + " in " + e.label + ": " +
                       LinearText({{e.a, unknown}, {constant, ""}}) + " = " + Text(e.c);
    if (!(constant.IsZero() && e.a.IsExact() && e.a.Rational() == 1))
        text += "  ⇒  " + std::string(unknown) + " = " + Text(result);
    sheet.Line(text);
    return result;
}

// Multipliers m1, m2 with m1·a1 - m2·a2 = 0 (m1 = a2, m2 = a1), made
// whole and small for fractions, with m1 > 0.
std::array<Number, 2> EliminationFactors(const Number& a1, const Number& a2) {
    Number m1 = a2, m2 = a1;
    if (a1.IsExact() && a2.IsExact()) {
        mpz_class common, divisor;
        mpz_lcm(common.get_mpz_t(), m1.Rational().get_den_mpz_t(), m2.Rational().get_den_mpz_t());
        m1 = m1 * Number::Exact(mpq_class(common));
        m2 = m2 * Number::Exact(mpq_class(common));
        mpz_gcd(divisor.get_mpz_t(), m1.Rational().get_num_mpz_t(), m2.Rational().get_num_mpz_t());
        m1 = m1 / Number::Exact(mpq_class(divisor));
        m2 = m2 / Number::Exact(mpq_class(divisor));
    }
    if (m1.Sign() < 0) {
        m1 = -m1;
        m2 = -m2;
    }
    return {m1, m2};
}

}  // namespace

std::array<Number, 2> WriteSolveTwo(Sheet& sheet, const Equation& e1, const Equation& e2, const char* X,
                                    const char* Y) {
    Number x, y;
    if (e1.a.IsZero() || e2.a.IsZero()) {
        // One equation holds Y alone.
        const Equation& withY = e1.a.IsZero() ? e1 : e2;
        const Equation& other = e1.a.IsZero() ? e2 : e1;
        y = withY.c / withY.b;
        sheet.Line(withY.label + ": " + SolvedText(withY.b, Y, withY.c));
        x = WriteBackSubstitution(sheet, other, Y, y, X);
    } else {
        const auto [m1, m2] = EliminationFactors(e1.a, e2.a);
        const Number b = m1 * e1.b - m2 * e2.b;
        const Number c = m1 * e1.c - m2 * e2.c;
        y = c / b;
        sheet.Line(LinearText({{m1, "(" + e1.label + ")"}, {-m2, "(" + e2.label + ")"}}) + ": " + SolvedText(b, Y, c));
        x = WriteBackSubstitution(sheet, e1, Y, y, X);
    }
    return {x, y};
}

SystemSolution WriteSolveSystem(Sheet& sheet, const std::array<Equation, 3>& equations, const char* X,
                                const char* Y) {
    SystemSolution solution;
    static constexpr int kPairs[3][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
    const int* chosen = nullptr;
    for (const auto& pair : kPairs) {
        const Equation& e1 = equations[std::size_t(pair[0])];
        const Equation& e2 = equations[std::size_t(pair[1])];
        if (!(e1.a * e2.b - e2.a * e1.b).IsZero()) {
            chosen = pair;
            break;
        }
    }
    if (!chosen) return solution;
    solution.regular = true;
    const Equation& e1 = equations[std::size_t(chosen[0])];
    const Equation& e2 = equations[std::size_t(chosen[1])];
    const Equation& e3 = equations[std::size_t(chosen[2])];
    sheet.Line(e1.label + "- und " + e2.label + "-Gleichung lösen:");
    const auto [x, y] = WriteSolveTwo(sheet, e1, e2, X, Y);
    solution.x = x;
    solution.y = y;

    const Number lhs = e3.a * solution.x + e3.b * solution.y;
    solution.consistent = SameValue(lhs, e3.c);
    if (!solution.consistent) solution.contradiction = chosen[2];
    sheet.Line("Probe " + e3.label + ": " + ProductsText({{e3.a, solution.x}, {e3.b, solution.y}}) + " = " +
               Text(lhs) + (solution.consistent ? " = " : " ≠ ") + Text(e3.c) +
               (solution.consistent ? "  erfüllt" : "  Widerspruch"));
    return solution;
}

std::string RearrangedText(const Equation& e, const std::string& asItComes, const char* X, const char* Y) {
    return e.label + ": " + asItComes + "  ⇔  " + LinearText(e.a, X, e.b, Y) + " = " + Text(e.c);
}

Real WriteAngle(Sheet& sheet, AngleKind kind, const std::string& formula, const Number& dot, const Number& s1,
                const Number& s2, int digits) {
    const bool sine = kind == AngleKind::AbsoluteSine;
    const bool absolute = kind != AngleKind::Cosine;
    const std::string function = sine ? "sin φ" : "cos φ";
    const Number square = dot * dot / (s1 * s2);
    Real value = std::clamp<Real>(std::sqrt(std::fabs(square.ToReal())), 0, 1);
    if (!absolute && dot.Sign() < 0) value = -value;
    const Real degrees = (sine ? std::asin(value) : std::acos(value)) / Pi * 180;
    std::string shown = Text(dot);
    if (absolute)
        shown = "|" + shown + "|";
    else if (shown.find('/') != std::string::npos)
        shown = "(" + shown + ")";  // a fraction over a product

    sheet.Line(function + " = " + formula);
    std::string quotient = function + " = " + shown + " / (" + RootText(s1) + kDot + RootText(s2) + ")";
    if (const std::optional<Number> exact = ExactSquareRoot(square))
        quotient += " = " + Text(!absolute && dot.Sign() < 0 ? -*exact : *exact);
    else
        quotient += " " + ApproxText(value);
    sheet.Line(quotient);
    // A quotient of exactly 0 or ±1 gives a whole angle.
    if (dot.IsZero()) {
        sheet.Line(sine ? "φ = 0°" : "φ = 90°");
        return sine ? 0 : 90;
    }
    if (square.IsExact() && square.Rational() == 1) {
        const int whole = sine ? 90 : (value < 0 ? 180 : 0);
        sheet.Line("φ = " + std::to_string(whole) + "°");
        return whole;
    }
    sheet.Line("φ " + ApproxText(degrees, digits) + "°");
    return degrees;
}

Number WriteDistance(Sheet& sheet, const std::string& formula, const Number& e, const Number& s) {
    const Number square = e * e / s;
    sheet.Line("d = " + formula + " = |" + Text(e) + "| / " + RootText(s) + " = " + RootWithValue(square));
    return square;
}

}  // namespace working
