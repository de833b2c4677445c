#pragma once
// The reader of plain numeric fields: a decimal number with comma or point,
// or a quotient a/b. A failure is reported as a 1-based character position.
#include <string_view>

#include "core/numbers/Real.h"

struct NumberReadResult {
    bool ok = false;
    Real value = 0;          // meaningful only when ok
    int errorPosition = 0;   // 1-based, meaningful only when !ok
};

NumberReadResult parseNumberOrFraction(std::string_view text);
