// Fuzz target: the number reader and the formula evaluator.
//
// The input is text as a user may type it into a field. Text before the
// first line break is read as a plain number and, when it is one, becomes
// the family parameter t the formula after the break is evaluated at (the
// line family's t1 comes from such a field); without a line break the whole
// text is both the number and the formula, at t = 1. The whole text is also
// read as a number and as a formula by itself.
//
// Checked: a number the reader accepts is finite and never a negative zero,
// a rejected one names a character of the text; the evaluator's value is
// always finite, kErrorValue exactly when it reports an error; the syntax
// check gives only syntax texts; readExpression leaves its target alone on a
// syntax error and writes kErrorValue on a value error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "core/numbers/DecimalConversion.h"
#include "core/numbers/Evaluator.h"
#include "core/numbers/EvaluatorFunctions.h"
#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/NumberReader.h"

namespace {

int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

void checkNumber(std::string_view text) {
    const NumberReadResult r = parseNumberOrFraction(text);
    if (r.ok) {
        FUZZ_CHECK(isFinite(r.value));
        FUZZ_CHECK(!(r.value == 0 && std::signbit(r.value)));
    } else {
        FUZZ_CHECK(r.errorPosition >= 1 && r.errorPosition <= characterCount(text) + 1);
    }
    const DecimalConversionResult d = convertDecimal(text);
    if (d.ok) FUZZ_CHECK(isFinite(d.value));
    else FUZZ_CHECK(d.errorIndex >= 0 && static_cast<std::size_t>(d.errorIndex) <= text.size());
}

void checkEvaluation(std::string_view formula, Real x, Real t) {
    const EvaluationResult r = evaluateExpression(formula, x, t);
    FUZZ_CHECK(isFinite(r.value));
    FUZZ_CHECK(r.error == !r.errorText.empty());
    if (r.error) FUZZ_CHECK(r.value == kErrorValue);
}

void checkFormula(std::string_view formula) {
    // RANDOM draws from one generator for the whole run: the same start
    // makes the syntax check inside readExpression see what this one sees.
    resetRandomSeed();
    const SyntaxVerdict verdict = checkExpressionSyntax(formula);
    if (!verdict.ok) FUZZ_CHECK(ExpressionErrors::isSyntaxText(verdict.message));

    constexpr Real untouched = 12345;
    Real target = untouched;
    resetRandomSeed();
    const ReadExpressionResult read = readExpression(formula, target);
    switch (read.outcome) {
        case ReadExpressionOutcome::Ok:
            FUZZ_CHECK(isFinite(target));
            FUZZ_CHECK(verdict.ok && read.message.empty());
            break;
        case ReadExpressionOutcome::SyntaxError:
            FUZZ_CHECK(!verdict.ok && read.message == verdict.message);
            FUZZ_CHECK(target == untouched);
            break;
        case ReadExpressionOutcome::ValueError:
            FUZZ_CHECK(verdict.ok && !read.message.empty());
            FUZZ_CHECK(target == kErrorValue);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkNumber(text);
    checkFormula(text);

    const std::size_t lineBreak = text.find('\n');
    if (lineBreak == std::string_view::npos) {
        checkEvaluation(text, 0, 1);
        return 0;
    }
    const std::string_view parameterText = text.substr(0, lineBreak);
    const std::string_view formula = text.substr(lineBreak + 1);
    checkNumber(parameterText);
    checkFormula(formula);
    const NumberReadResult t = parseNumberOrFraction(parameterText);
    checkEvaluation(formula, t.ok ? t.value : 1, t.ok ? t.value : 1);
    return 0;
}
