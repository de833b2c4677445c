#pragma once
// The exact value of a formula of the line family g ("1,5t", "(t+1)/3",
// "2t²"), read as the formula evaluator reads it, for an exact value of the
// family parameter t (and x = 0, as the readers of g use it). Only numbers,
// t, x, + - * / and powers with a whole exponent have one; a function, e,
// pi, a degree sign or a root gives none.
#include <gmpxx.h>

#include <optional>
#include <string_view>

#include <string>

namespace exact {

// A formula read once, to be evaluated at several t.
class ExactFormula {
public:
    explicit ExactFormula(std::string_view text);
    // False when the formula has no exact value at any t.
    bool readable() const { return readable_; }
    bool dependsOnT() const { return canonical_.find('K') != std::string::npos; }
    // Nothing also when a step of the formula leaves the exact bound
    // (kMaxExactBits); *beyondBound then tells so.
    std::optional<mpq_class> valueAt(const mpq_class& t, bool* beyondBound = nullptr) const;

private:
    bool readable_ = false;
    std::string canonical_;  // the evaluator's canonical text
};

std::optional<mpq_class> exactFormulaValue(std::string_view text, const mpq_class& t);

}  // namespace exact
