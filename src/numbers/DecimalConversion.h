#pragma once
// The decimal conversion shared by the number reader and the evaluator's
// number tokens: blanks, sign, digits with at most one '.', exponent.
#include <string_view>

#include "numbers/Real.h"

struct DecimalConversionResult {
    bool ok = false;
    Real value = 0;
    int errorIndex = 0;  // 0-based byte index of the offending character when !ok
};

// Reads the whole of `text` (only '.' as decimal separator). Fails at the
// first character that does not belong to a number, at a trailing blank, at
// a sign or exponent letter with nothing after it, at the end of an empty
// text, and - for a number the extended range cannot hold (too large, or so
// small that it would vanish to zero) - at the exponent letter, or at the
// first digit when there is no exponent.
DecimalConversionResult ConvertDecimal(std::string_view text);
