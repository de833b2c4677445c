// Faults of the described behaviour that are mended here, one test each,
// named after the fault.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "core/numbers/Evaluator.h"
#include "core/numbers/EvaluatorFunctions.h"
#include "core/numbers/NumberReader.h"
#include "core/numbers/NumberTools.h"

namespace {

namespace Err = ExpressionErrors;

std::string repeat(const std::string& piece, std::size_t times) {
    std::string s;
    s.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) s += piece;
    return s;
}

void expectError(const std::string& text, const char* error) {
    const EvaluationResult r = evaluateExpression(text, 1, 1);
    EXPECT_TRUE(r.error) << text.substr(0, 40);
    EXPECT_EQ(r.errorText, error) << text.substr(0, 40);
    EXPECT_EQ(r.value, kErrorValue);
}

TEST(DeepNestingOverflowsTheStack, NestedParenthesesGiveAnErrorText) {
    expectError(repeat("(", 100000) + "1", Err::NestingTooDeep);
    expectError(repeat("(", 200) + "1" + repeat(")", 200), Err::NestingTooDeep);
    expectError(repeat("sin(", 50000) + "1", Err::NestingTooDeep);
    expectError(repeat("[", 5000) + "2", Err::NestingTooDeep);
    // Parentheses skipped inside an (invalid) function name still nest.
    expectError(repeat("s)(", 30000) + "1", Err::NestingTooDeep);
}

TEST(DeepNestingOverflowsTheStack, LimitIsGenerousForRealFormulas) {
    const int depth = Err::kMaxNestingDepth;
    const EvaluationResult r = evaluateExpression(repeat("(", depth) + "2" + repeat(")", depth), 0, 0);
    EXPECT_FALSE(r.error) << r.errorText;
    EXPECT_EQ(r.value, 2);
    const EvaluationResult tooDeep = evaluateExpression(repeat("(", depth + 1) + "2" + repeat(")", depth + 1), 0, 0);
    EXPECT_EQ(tooDeep.errorText, Err::NestingTooDeep);
}

TEST(DeepNestingOverflowsTheStack, IsShownToTheUserAsSyntaxError) {
    const SyntaxVerdict v = checkExpressionSyntax(repeat("(", 1000) + "t");
    EXPECT_FALSE(v.ok);
    EXPECT_EQ(v.message, Err::NestingTooDeep);
    Real target = 7;
    const ReadExpressionResult r = readExpression(repeat("w(", 1000) + "t", target);
    EXPECT_EQ(r.outcome, ReadExpressionOutcome::SyntaxError);
    EXPECT_EQ(target, 7);
}

TEST(DeepNestingOverflowsTheStack, IsFinalLikeAPreprocessingError) {
    // No later error may replace it, not even the invalid function name
    // whose argument was cut off.
    expectError("q(" + repeat("(", 500) + "1", Err::NestingTooDeep);
}

TEST(LongTextTakesQuadraticTime, HundredThousandCharactersFinishQuickly) {
    const std::string texts[] = {
        repeat("1E1*", 25000) + "1",          // exponent rewriting
        repeat("2t", 50000),                  // implicit multiplication
        repeat("(-1)+", 20000) + "1",         // minus after parenthesis
        repeat("2°+", 33000) + "1",           // degree sign
        repeat("t²+", 33000) + "1",           // superscripts
        repeat("pi+", 33000) + "1",           // PI
        repeat("exp(1)+", 14000) + "1",       // EXP
        repeat("w(4)+", 20000) + "1",         // root letter
        repeat("s", 100000),                  // one long function name
        repeat("s+", 50000) + "s(1)",         // names up to a far parenthesis
        repeat("1", 100000),                  // one long number
        repeat("+", 100000) + "1",            // many operators
        "+" + repeat("1+", 50000) + "1",
    };
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& text : texts) {
        const EvaluationResult r = evaluateExpression(text, 0.5L, 0.5L);
        EXPECT_TRUE(!r.error || r.value == kErrorValue);
        EXPECT_TRUE(std::isfinite(r.value));
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0);
}

TEST(LongTextTakesQuadraticTime, LongSumIsStillCorrect) {
    const EvaluationResult r = evaluateExpression(repeat("2t+", 30000) + "0", 0, 1);
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.value, 60000);
}

TEST(OutOfRangeNumberGivesInfinity, ReaderReportsThePositionOfTheOffendingPart) {
    EXPECT_EQ(parseNumberOrFraction("1E5000").errorPosition, 2);
    EXPECT_EQ(parseNumberOrFraction("1e99999").errorPosition, 2);
    EXPECT_EQ(parseNumberOrFraction("2,5/1E5000").errorPosition, 5);
    EXPECT_EQ(parseNumberOrFraction(repeat("9", 5000)).errorPosition, 1);
    EXPECT_FALSE(parseNumberOrFraction("1e99999").ok);
}

TEST(OutOfRangeNumberGivesInfinity, EvaluatorReportsAnError) {
    expectError("1E5000", Err::PowerFailed);
    expectError("1e99999", Err::OperatorExpected);  // e is Euler's number here
    expectError("2E99999t", Err::PowerFailed);
    expectError(repeat("9", 6000), Err::BadNumber);
    expectError("0," + repeat("0", 6000) + "1", Err::BadNumber);
}

TEST(ToFractionWrapsAroundBeyond32Bits, FailsInstead) {
    EXPECT_FALSE(toFraction(4294967296.0L + 0.5L).ok);
    EXPECT_FALSE(toFraction(-2147483649.0L).ok);
    EXPECT_FALSE(isWholeNumber(4294967297.0L));  // would wrap to 1
    Real a = 1E12L, b = 1;
    EXPECT_FALSE(reduceQuotient(a, b));
    EXPECT_EQ(a, 1E12L);
}

TEST(LcmOverflowsThirtyTwoBits, ResultIsExactAndDetectable) {
    EXPECT_EQ(lcm(100000, 99999), 9999900000LL);
    EXPECT_FALSE(lcmFits32(lcm(100000, 99999)));
    EXPECT_EQ(lcm3(1000, 1001, 999), 999999000LL);
    EXPECT_TRUE(lcmFits32(lcm3(1000, 1001, 999)));
}

TEST(RoundToDigitsTurnsLargeValuesIntoInfinity, KeepsThemFinite) {
    EXPECT_EQ(roundedText(3, 1E400L), "1E400");
    EXPECT_EQ(roundedText(3, -2.5E1000L), "-2,5E1000");
    EXPECT_EQ(roundedText(20, 123.456L), "123,456");  // scaled value beyond 64 bits
}

TEST(NumberTextPrintsInfOrNaN, PrintsAGermanWordInstead) {
    for (Real v : {std::numeric_limits<Real>::infinity(), -std::numeric_limits<Real>::infinity(),
                   std::numeric_limits<Real>::quiet_NaN()}) {
        const std::string text = numberText(v);
        EXPECT_EQ(text, "nicht berechenbar");
        EXPECT_EQ(text.find("inf"), std::string::npos);
        EXPECT_EQ(text.find("nan"), std::string::npos);
    }
}

TEST(GaufLosesAccuracyForLargeArguments, StaysAProbability) {
    const Real args[] = {5.5L, 8, 10, 20, 150, 1E6L, 1E4000L};
    for (Real a : args) {
        const StepResult upper = normalDistribution(a);
        const StepResult lower = normalDistribution(-a);
        ASSERT_EQ(upper.error, nullptr);
        EXPECT_NEAR(upper.value, 1, 2E-8L) << static_cast<double>(a);
        EXPECT_NEAR(lower.value, 0, 2E-8L) << static_cast<double>(a);
        EXPECT_GE(lower.value, 0);
        EXPECT_LE(upper.value, 1);
    }
    EXPECT_NEAR(normalDistribution(5).value + normalDistribution(-5).value, 1, 1E-12L);
}

TEST(FloorWrapsBeyond32Bits, ReportsAnError) {
    expectError("floor(2147483648)", Err::FloorFailed);
    expectError("floor(-2147483649)", Err::FloorFailed);
    EXPECT_EQ(evaluateExpression("floor(2147483647,5)", 0, 0).value, 2147483647);
    EXPECT_EQ(evaluateExpression("floor(-2147483648)", 0, 0).value, -2147483648.0L);
}

TEST(ArsinhOfLargeNegativeArgumentCancels, GivesTheOddMirror) {
    const EvaluationResult r = evaluateExpression("arsinh(-1E10)", 0, 0);
    ASSERT_FALSE(r.error) << r.errorText;
    EXPECT_NEAR(r.value, -std::asinh(1E10L), 1E-15L);
    EXPECT_NEAR(evaluateExpression("arsinh(-100000)", 0, 0).value, -std::asinh(100000.0L), 1E-15L);
}

TEST(HyperbolicFunctionsCancelForSmallArguments, KeepTheirDigits) {
    EXPECT_NEAR(evaluateExpression("sinh(1E-15)", 0, 0).value, 1E-15L, 1E-30L);
    EXPECT_NEAR(evaluateExpression("tanh(1E-12)", 0, 0).value, 1E-12L, 1E-27L);
    const EvaluationResult coth = evaluateExpression("coth(1E-12)", 0, 0);
    ASSERT_FALSE(coth.error) << coth.errorText;
    EXPECT_NEAR(coth.value, 1E12L, 1E-3L);
    // The overflow limit is still that of the exponentials.
    expectError("cosh(11357)", Err::CoshOverflow);
    EXPECT_FALSE(evaluateExpression("cosh(11356)", 0, 0).error);
}

TEST(PowerByRepeatedMultiplicationHangs, LargeIntegralExponentsAreFast) {
    const auto start = std::chrono::steady_clock::now();
    expectError("2^2147483647", Err::PowerFailed);
    const EvaluationResult r = evaluateExpression("(1+1E-10)^2147483647", 0, 0);
    ASSERT_FALSE(r.error) << r.errorText;
    EXPECT_NEAR(r.value, std::exp(2147483647 * std::log1p(1E-10L)), 1E-9L);
    EXPECT_EQ(evaluateExpression("(-1)^2147483647", 0, 0).value, -1);
    EXPECT_EQ(evaluateExpression("(-1)^(-2147483647)", 0, 0).value, -1);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 0.1);
}

TEST(RandomWithHugeArgumentOverflows, ReportsAnError) {
    expectError("random(1E12)", Err::RandomFailed);
    expectError("random(-1E12)", Err::RandomFailed);
    EXPECT_FALSE(evaluateExpression("random(2147483647)", 0, 0).error);
}

TEST(NonAsciiInputIsMisread, EveryCodePointIsOneWrongCharacter) {
    expectError("2ä", Err::WrongCharacters);
    expectError("2\xE2\x82\xAC", Err::WrongCharacters);   // euro sign
    expectError("2\xC3", Err::WrongCharacters);           // truncated sequence
    expectError("\xFF\xFE", Err::WrongCharacters);        // not UTF-8 at all
    expectError(std::string("1\0" "2", 3), Err::WrongCharacters);
    // The four characters the evaluator knows arrive as UTF-8.
    EXPECT_EQ(evaluateExpression("3·t²", 0, 2).value, 12);
    EXPECT_EQ(evaluateExpression("t³", 0, 2).value, 8);
}

TEST(InfinityOrNaNLeavesTheEvaluator, RandomTextsKeepTheInvariants) {
    const std::string alphabet = "0123456789.,+-*/^()[]eEtTnNxXpPiwWsSqrlgdacoOfuhkmbyz°²³· ";
    std::mt19937 random(2024);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_real_distribution<double> value(-1E6, 1E6);
    for (int i = 0; i < 40000; ++i) {
        std::string text;
        const int n = length(random);
        for (int k = 0; k < n; ++k) text += alphabet[pick(random)];
        const Real x = value(random), t = value(random);
        const EvaluationResult r = evaluateExpression(text, x, t);
        ASSERT_TRUE(std::isfinite(r.value)) << text;
        if (r.error) {
            ASSERT_EQ(r.value, kErrorValue) << text;
            ASSERT_FALSE(r.errorText.empty()) << text;
        } else {
            ASSERT_TRUE(r.errorText.empty()) << text;
        }
        const NumberReadResult n2 = parseNumberOrFraction(text);
        if (n2.ok) {
            ASSERT_TRUE(std::isfinite(n2.value)) << text;
        } else {
            ASSERT_GE(n2.errorPosition, 1) << text;
        }
    }
}

TEST(InfinityOrNaNLeavesTheEvaluator, OverflowingFormulasGiveTheErrorValue) {
    const char* texts[] = {"1E4000*1E4000", "e^100000", "exp(1E10)", "10^4933", "t^t", "cosh(t)", "(1E4000)²",
                           "1/(1E-4000)^2", "sqr(1E2500)*0", "tan(pi/2)*1E4932*1E4932"};
    for (const char* text : texts) {
        const EvaluationResult r = evaluateExpression(text, 0, 1E6L);
        EXPECT_TRUE(r.error) << text;
        EXPECT_EQ(r.value, kErrorValue) << text;
    }
}

}  // namespace
