#pragma once
// Texts of the working's numbers, roots, vectors, linear terms and sums of
// products, in the style of the result texts (decimal comma, "(1|2|3)").
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/exact/ExactVector.h"

namespace working {

// The working writes out the exact numbers and vectors it computes with.
using namespace exact;

// Longest fraction text written as a fraction; a longer one is written as a
// decimal so that the lines keep to the output area's width.
inline constexpr int kMaxFractionLength = 17;

// "-3/4", "2"; a decimal as the result texts write it ("0,333"), a tiny one
// with its significant digits ("1E-5") so that it does not read as 0.
std::string toText(const Number& n);
// Text in parentheses when it starts with a minus sign or is a fraction:
// the second factor of a product, "3·(-2)", "2·(3/4)".
std::string factorText(const Number& n);
// "(1|-3/4|2)".
std::string toText(const Vec& v);
// The three component texts, right-aligned to one width.
std::array<std::string, 3> columnTexts(const Vec& v);

// The number's text is its exact value (not a rounded decimal).
bool shownExactly(const Number& n);
// "= 3/4" for a number shown exactly, "≈ 0,333" for a rounded one.
std::string equalsText(const Number& n);
// "= (1|2|3)", or "≈ (...)" when a component is rounded.
std::string equalsText(const Vec& v);

// The root of a square: "4", "√(14)", "√(50/3)"; a decimal root as "4,082".
std::string rootText(const Number& square);
// The root of an exact square with its square factors drawn out and the
// denominator made rational: "8·√(61)" for 3904, "5/4·√(29)" for 725/16,
// "1/2·√(2)" for 1/2, "5/2" for 25/4, "√(14)" when nothing can be drawn.
// Nothing for a decimal, or when the text would not fit a line's part.
std::optional<std::string> exactRootText(const Number& square);
// rootText, then the drawn root when it reads differently and " ≈ 4,082"
// when the root is not a plain number: "√(725/16) = 5/4·√(29) ≈ 6,731".
std::string rootWithValue(const Number& square);
// rootWithValue after "= ", or after "≈ " for a decimal root.
std::string equalsRoot(const Number& square);
// "≈ 4,082".
std::string approxText(Real x, int digits = 3);
// A divisor in brackets unless it is one number or one root: "(3/2)",
// "(1/4·√(5))", "(-2)"; "7", "√(50/3)" and "|n|" stay as they are.
std::string divisorText(const std::string& text);

// A coefficient with its unknown ("λ", "(x)"); an empty name makes a
// constant.
struct Term {
    Number coefficient;
    std::string name;
};
// "3 - 4λ + 2/3·μ": the terms in the given order, zero terms left out,
// "0" when all of them are zero.
std::string linearText(const std::vector<Term>& terms);
// The left-hand side a·λ + b·μ of a linear equation.
std::string linearText(const Number& a, const char* first, const Number& b, const char* second);

// "n·S - 60", "n·p + 2/3", "n·S" for 0: a term minus a number.
std::string minusText(const std::string& term, const Number& c);

// "15·6 + 12·8 - 10·(-8)": a sum of products, each written out.
std::string productsText(const std::vector<std::array<Number, 2>>& products);

}  // namespace working
