#pragma once
// The exact value of a formula of the line family g ("1,5t", "(t+1)/3",
// "2t²"), read as the formula evaluator reads it, for an exact value of the
// family parameter t (and x = 0, as the readers of g use it). Only numbers,
// t, x, + - * / and powers with a whole exponent have one; a function, e,
// pi, a degree sign or a root gives none.
#include <gmpxx.h>

#include <optional>
#include <string_view>

namespace working {

std::optional<mpq_class> ExactFormulaValue(std::string_view text, const mpq_class& t);

}  // namespace working
