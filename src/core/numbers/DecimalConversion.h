#pragma once
// The one grammar of a decimal number in the program: optional blanks, a
// sign, digits with at most one '.', an optional exponent. Every reader of
// numbers uses it: the number reader of the fields (with a quotient a/b and
// the decimal comma), the evaluator's number tokens, the plain decimal of t1
// and the exact reading of the working. Each only adds its own rules around
// it (what separator it takes, whether a lone point is a number) and its own
// conversion (an extended real, or an exact fraction).
#include <cstddef>
#include <string_view>

#include "core/numbers/Real.h"

struct DecimalSyntax {
    bool ok = false;
    std::size_t errorIndex = 0;  // byte index of the first character that does not fit, when !ok
    bool negative = false;
    std::size_t mantissaStart = 0;  // the digits with their point, [mantissaStart, mantissaEnd)
    std::size_t mantissaEnd = 0;
    int digits = 0;                 // how many digits the mantissa has
    std::size_t exponentIndex = std::string_view::npos;  // the exponent letter, if any
};

// Reads the whole of `text` by the grammar (only '.' as the separator).
// Fails at the first character that does not belong to a number, at a
// trailing blank, at a sign or exponent letter with nothing after it, and at
// the end of an empty text. A mantissa of a point alone fits (it reads as 0).
DecimalSyntax scanDecimal(std::string_view text);

struct DecimalConversionResult {
    bool ok = false;
    Real value = 0;
    int errorIndex = 0;  // 0-based byte index of the offending character when !ok
};

// scanDecimal, then the value: correctly rounded to the extended real. A
// number the extended range cannot hold (too large, or so small that it
// would vanish to zero) fails at the exponent letter, or at the first digit
// when there is no exponent.
DecimalConversionResult convertDecimal(std::string_view text);
