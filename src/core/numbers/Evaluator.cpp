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

constexpr Real NaN = std::numeric_limits<Real>::quiet_NaN();

// A twentieth of a pixel's width in world units, 16 / 720 / 20 = 1/900, from
// the fixed view range and image width: SGN counts smaller values as zero.
constexpr Real WorldXMax = 8;
constexpr Real WorldXMin = -8;
constexpr Real ImageWidth = 720;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsFunctionName(char c) {
    return (c >= 'A' && c <= 'D') || (c >= 'F' && c <= 'J') || (c >= 'L' && c <= 'O') || (c >= 'Q' && c <= 'U');
}

// Operator-precedence reading of the canonical text (OperatorPrecedence.h).
// Errors do not stop the reading: the last one detected is reported. A
// failed step yields NaN, and NaN operands pass through without a second
// error, so the text names the failure itself rather than its consequences.
class FormulaReader : public OperatorPrecedenceReader<FormulaReader, Real> {
public:
    FormulaReader(const std::string& text, Real x, Real t)
        : OperatorPrecedenceReader(text), x_(x), t_(t), nearZero_((WorldXMax - WorldXMin) / ImageWidth / 20.0L) {}

    Real ReadWholeText() { return Expression(); }
    const char* Error() const { return error_; }

private:
    friend class OperatorPrecedenceReader<FormulaReader, Real>;

    void Fail(const char* text) {
        if (!aborted_) error_ = text;
    }

    void BadOperator() { Fail(Err::OperatorExpected); }

    Real Apply(char op, Real left, Real right) {
        if (!std::isfinite(left) || !std::isfinite(right)) return NaN;
        Real v = NaN;
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
                v = PowerWithRoots(left, right, ok);
                if (!ok) v = NaN;
                failure = Err::PowerFailed;
                break;
            }
            default: break;
        }
        if (!std::isfinite(v)) {
            Fail(failure ? failure : Err::CalculationFailed);
            return NaN;
        }
        return v;
    }

    bool Nest() {
        if (++depth_ > Err::MaxNestingDepth) {
            // Stop reading altogether: this error is final.
            Fail(Err::NestingTooDeep);
            aborted_ = true;
            position_ = length_;
            return false;
        }
        return true;
    }

    Real Operand() {
        if (AtEnd()) {
            Fail(Err::OperandExpected);
            return NaN;
        }
        const char c = text_[position_];
        if (c == '(') {
            ++position_;
            if (!Nest()) return NaN;
            const Real v = Expression();
            --depth_;
            return v;
        }
        if (IsDigit(c) || c == '.') return Number();
        if (StartsFunctionName(c)) return FunctionCall();
        switch (c) {
            case 'E': ++position_; return std::numbers::e_v<Real>;
            case 'K': ++position_; return t_;
            case 'P': ++position_; return std::numbers::pi_v<Real>;
            case 'X': ++position_; return x_;
            case DegreeSign:
            case SuperscriptTwo:
            case SuperscriptThree:
                // Only possible as the first character: a sign with nothing
                // before it. Skipped, so the reader does not add an
                // "Operator erwartet" for the same character.
                ++position_;
                Fail(Err::OperandExpected);
                return NaN;
            default:
                Fail(Err::OperandExpected);
                return NaN;
        }
    }

    Real Number() {
        const std::size_t start = position_;
        while (!AtEnd() && (IsDigit(text_[position_]) || text_[position_] == '.' || text_[position_] == ','))
            ++position_;
        const DecimalConversionResult r = ConvertDecimal(std::string_view(text_).substr(start, position_ - start));
        if (!r.ok) {
            Fail(Err::BadNumber);
            return NaN;
        }
        return r.value;
    }

    Real FunctionCall() {
        const std::size_t start = position_;
        std::size_t paren = text_.find('(', start);
        if (paren == std::string::npos) paren = length_;
        const FunctionId id = LookUpFunction(std::string_view(text_).substr(start, paren - start));
        position_ = paren + 1;
        if (!Nest()) return NaN;
        const Real argument = Expression();
        --depth_;
        const StepResult r = ApplyFunction(id, argument, nearZero_);
        if (r.error) Fail(r.error);
        return r.value;
    }

    int depth_ = 0;
    bool aborted_ = false;
    const Real x_;
    const Real t_;
    const Real nearZero_;
    const char* error_ = nullptr;
};

EvaluationResult Failed(const char* text) {
    return EvaluationResult{ErrorValue, true, text};
}

}  // namespace

EvaluationResult EvaluateExpression(std::string_view text, Real x, Real t) {
    const PreprocessResult pre = PreprocessExpression(text);
    if (!pre.ok) return Failed(pre.error);

    FormulaReader reader(pre.text, x, t);
    const Real value = reader.ReadWholeText();
    if (reader.Error()) return Failed(reader.Error());
    // Every failing step reports itself; this only guards the promise that
    // no infinity or NaN leaves the evaluator.
    if (!std::isfinite(value)) return Failed(Err::CalculationFailed);
    return EvaluationResult{value == 0 ? 0 : value, false, {}};
}

SyntaxVerdict CheckExpressionSyntax(std::string_view text) {
    const EvaluationResult r = EvaluateExpression(text, 1, 1);
    if (r.error && ExpressionErrors::IsSyntaxText(r.errorText)) return SyntaxVerdict{false, r.errorText};
    return SyntaxVerdict{true, {}};
}

ReadExpressionResult ReadExpression(std::string_view text, Real& target) {
    const SyntaxVerdict verdict = CheckExpressionSyntax(text);
    if (!verdict.ok) return ReadExpressionResult{ReadExpressionOutcome::SyntaxError, verdict.message};
    const EvaluationResult r = EvaluateExpression(text, 0, 0);
    target = r.error ? ErrorValue : r.value;
    if (r.error) return ReadExpressionResult{ReadExpressionOutcome::ValueError, r.errorText};
    return ReadExpressionResult{ReadExpressionOutcome::Ok, {}};
}
