#pragma once
// The formula evaluator for the six component fields of the line family gt.
// Errors are returned as data (flag and German text); the input window turns
// them into a message box or a beep.
#include <string>
#include <string_view>

#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/Real.h"

constexpr Real kErrorValue = 1E100L;

struct EvaluationResult {
    Real value = 0;          // kErrorValue whenever error is set
    bool error = false;
    std::string errorText;   // text of the last error detected, UTF-8
};

// Evaluates a formula in X (x) and the family parameter t ("t" or "n").
// The text is UTF-8; "°", "²", "³" and "·" are understood, any other
// non-ASCII character gives "falsche Zeichen". Errors do not stop the
// reading: the text of the last one is reported. A failed step yields no
// value, so the steps built on it add no second error ('ln(1/0)' reports the
// division). Parentheses and function calls nested deeper than
// ExpressionErrors::kMaxNestingDepth end the evaluation with
// "Klammertiefe zu groß". The value is always finite: kErrorValue on error.
EvaluationResult evaluateExpression(std::string_view text, Real x, Real t);

// Verdict of the syntax check at x = t = 1: ok, or one of the syntax texts
// (ExpressionErrors::kSyntaxTexts: the eight texts of malformed formulas and
// "Klammertiefe zu groß") that the caller shows in a message box.
struct SyntaxVerdict {
    bool ok = true;
    std::string message;     // set when !ok
};
SyntaxVerdict checkExpressionSyntax(std::string_view text);

// readExpression: syntax check, then evaluation at x = t = 0.
enum class ReadExpressionOutcome {
    Ok,            // target written with the value
    SyntaxError,   // message to show; target not written
    ValueError,    // target written with kErrorValue; caller beeps
};
struct ReadExpressionResult {
    ReadExpressionOutcome outcome = ReadExpressionOutcome::Ok;
    std::string message;     // the syntax text for SyntaxError, the value error text for ValueError
};
ReadExpressionResult readExpression(std::string_view text, Real& target);
