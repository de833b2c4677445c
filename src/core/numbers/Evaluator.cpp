#include "core/numbers/Evaluator.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "core/numbers/DecimalConversion.h"
#include "core/numbers/EvaluatorFunctions.h"
#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/ExpressionPreprocessor.h"
#include "core/numbers/OperatorPrecedence.h"


namespace {

namespace Err = ExpressionErrors;

constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

// A twentieth of a pixel's width in world units, 16 / 720 / 20 = 1/900, from
// the fixed view range and image width: SGN counts smaller values as zero.
constexpr Real kWorldXMax = 8;
constexpr Real kWorldXMin = -8;
constexpr Real kImageWidth = 720;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsFunctionName(char c) {
    return (c >= 'A' && c <= 'D') || (c >= 'F' && c <= 'J') || (c >= 'L' && c <= 'O') || (c >= 'Q' && c <= 'U');
}

// Operator-precedence reading of the canonical text (OperatorPrecedence.h).
// Errors do not stop the reading: the last one detected is reported. A
// failed step yields NaN, and NaN operands pass through without a second
// error, so the text names the failure itself rather than its consequences.
class FormulaReader : public OperatorPrecedenceReader<FormulaReader, Real> {
public:
    FormulaReader(const std::string& text, Real x, Real t)
        : OperatorPrecedenceReader(text), x_(x), t_(t), nearZero_((kWorldXMax - kWorldXMin) / kImageWidth / 20.0L) {}

    Real readWholeText() { return expression(); }
    const char* error() const { return error_; }

private:
    friend class OperatorPrecedenceReader<FormulaReader, Real>;

    void fail(const char* text) {
        if (!aborted_) error_ = text;
    }

    void badOperator() { fail(Err::OperatorExpected); }

    Real apply(char op, Real left, Real right) {
        if (!std::isfinite(left) || !std::isfinite(right)) return kNaN;
        Real v = kNaN;
        const char* failure = nullptr;
        switch (op) {
            case '+': v = left + right; failure = Err::AdditionFailed; break;
            case '-': v = left - right; failure = Err::SubtractionFailed; break;
            case '*': v = left * right; failure = Err::MultiplicationFailed; break;
            case '/':
                failure = Err::DivisionByZero;
                if (right != 0) v = left / right;
                break;
            case '^': {
                bool ok = false;
                v = powerWithRoots(left, right, ok);
                if (!ok) v = kNaN;
                failure = Err::PowerFailed;
                break;
            }
            default: break;
        }
        if (!std::isfinite(v)) {
            fail(failure ? failure : Err::CalculationFailed);
            return kNaN;
        }
        return v;
    }

    bool nest() {
        if (++depth_ > Err::kMaxNestingDepth) {
            // Stop reading altogether: this error is final.
            fail(Err::NestingTooDeep);
            aborted_ = true;
            position_ = length_;
            return false;
        }
        return true;
    }

    Real operand() {
        if (atEnd()) {
            fail(Err::OperandExpected);
            return kNaN;
        }
        const char c = text_[position_];
        if (c == '(') {
            ++position_;
            if (!nest()) return kNaN;
            const Real v = expression();
            --depth_;
            return v;
        }
        if (isDigit(c) || c == '.') return readNumber();
        if (startsFunctionName(c)) return functionCall();
        switch (c) {
            case 'E': ++position_; return std::numbers::e_v<Real>;
            case 'K': ++position_; return t_;
            case 'P': ++position_; return std::numbers::pi_v<Real>;
            case 'X': ++position_; return x_;
            case kDegreeSign:
            case kSuperscriptTwo:
            case kSuperscriptThree:
                // Only possible as the first character: a sign with nothing
                // before it. Skipped, so the reader does not add an
                // "Operator erwartet" for the same character.
                ++position_;
                fail(Err::OperandExpected);
                return kNaN;
            default:
                fail(Err::OperandExpected);
                return kNaN;
        }
    }

    Real readNumber() {
        const std::size_t start = position_;
        while (!atEnd() && (isDigit(text_[position_]) || text_[position_] == '.' || text_[position_] == ','))
            ++position_;
        const DecimalConversionResult r = convertDecimal(std::string_view(text_).substr(start, position_ - start));
        if (!r.ok) {
            fail(Err::BadNumber);
            return kNaN;
        }
        return r.value;
    }

    Real functionCall() {
        const std::size_t start = position_;
        std::size_t paren = text_.find('(', start);
        if (paren == std::string::npos) paren = length_;
        const FunctionId id = lookUpFunction(std::string_view(text_).substr(start, paren - start));
        position_ = paren + 1;
        if (!nest()) return kNaN;
        const Real argument = expression();
        --depth_;
        const StepResult r = applyFunction(id, argument, nearZero_);
        if (r.error) fail(r.error);
        return r.value;
    }

    int depth_ = 0;
    bool aborted_ = false;
    const Real x_;
    const Real t_;
    const Real nearZero_;
    const char* error_ = nullptr;
};

EvaluationResult failed(const char* text) {
    return EvaluationResult{kErrorValue, true, text};
}

}  // namespace

EvaluationResult evaluateExpression(std::string_view text, Real x, Real t) {
    const PreprocessResult pre = preprocessExpression(text);
    if (!pre.ok) return failed(pre.error);

    FormulaReader reader(pre.text, x, t);
    const Real value = reader.readWholeText();
    if (reader.error()) return failed(reader.error());
    // Every failing step reports itself; this only guards the promise that
    // no infinity or NaN leaves the evaluator.
    if (!std::isfinite(value)) return failed(Err::CalculationFailed);
    return EvaluationResult{value == 0 ? 0 : value, false, {}};
}

SyntaxVerdict checkExpressionSyntax(std::string_view text) {
    const EvaluationResult r = evaluateExpression(text, 1, 1);
    if (r.error && ExpressionErrors::isSyntaxText(r.errorText)) return SyntaxVerdict{false, r.errorText};
    return SyntaxVerdict{true, {}};
}

ReadExpressionResult readExpression(std::string_view text, Real& target) {
    const SyntaxVerdict verdict = checkExpressionSyntax(text);
    if (!verdict.ok) return ReadExpressionResult{ReadExpressionOutcome::SyntaxError, verdict.message};
    const EvaluationResult r = evaluateExpression(text, 0, 0);
    target = r.error ? kErrorValue : r.value;
    if (r.error) return ReadExpressionResult{ReadExpressionOutcome::ValueError, r.errorText};
    return ReadExpressionResult{ReadExpressionOutcome::Ok, {}};
}
