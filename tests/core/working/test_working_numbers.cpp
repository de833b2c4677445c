// The working's numbers: exact values of field texts, their texts, roots,
// linear terms, and lines kept to the output area's width.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <regex>

#include "core/output/OutputLog.h"
#include "core/numbers/NumberReader.h"
#include "core/render/LineDrawing.h"
#include "core/working/WorkingSheet.h"
#include "core/working/WorkingTexts.h"

using namespace working;

namespace {

Number Q(long p, long q = 1) { return Number::exact(mpq_class(p, q)); }

TEST(WorkingNumbers, FieldTextsReadExactlyWhatTheNumberReaderTakes) {
    const std::pair<const char*, const char*> accepted[] = {
        {"2,5", "5/2"},     {"2.5", "5/2"},   {"-3/4", "-3/4"},    {"1/3", "1/3"},  {"  7", "7"},
        {"+2", "2"},        {"1E3", "1000"},  {"1,5e-2", "3/200"}, {",5", "1/2"},   {"5.", "5"},
        {".", "0"},         {"-0", "0"},      {"0,1/0,3", "1/3"},  {"-6/-4", "3/2"}, {"2,50E+1/1e1", "5/2"},
        {"0,000000000000000000001", "1/1000000000000000000000"},
    };
    for (const auto& [text, expected] : accepted) {
        const auto value = exactFieldValue(text);
        ASSERT_TRUE(value.has_value()) << text;
        EXPECT_EQ(value->get_str(), expected) << text;
        // The exact value is the one the reader rounds.
        const Real read = parseNumberOrFraction(text).value;
        EXPECT_LE(std::fabs(rationalToReal(*value) - read), 1E-18L * std::fabs(read)) << text;
    }
    // Rejected by the reader, or beyond the exact range (30 digits).
    for (const char* text : {"", "3x", "1/0", "1/", "2 ", "1E99999", "w(2)", "pi", "1,2,3",
                             "1/1E30", "123456789012345678901234567890"})
        EXPECT_FALSE(exactFieldValue(text).has_value()) << text;
    EXPECT_TRUE(exactFieldValue("1E28").has_value());
    EXPECT_FALSE(exactFieldValue("1E29").has_value());
}

// The readers of numbers share one grammar: over random texts of its
// alphabet, the plain decimal of t1 takes exactly the field reader's texts
// with a digit before any exponent and no quotient, with the same value,
// and the exact
// reading gives the fraction the field reader rounds.
TEST(WorkingNumbers, EveryNumberReaderFollowsTheOneGrammar) {
    std::mt19937 engine(2026);
    const std::string alphabet = "0123456789,.eE+- /";
    int plain = 0, exact = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 9)(engine);
        for (int i = 0; i < length; ++i)
            text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(engine)];
        const NumberReadResult field = parseNumberOrFraction(text);
        const std::optional<Real> t1 = parsePlainDecimal(text);
        std::string trimmed = text;
        while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
        const bool digit = text.substr(0, text.find_first_of("eE")).find_first_of("0123456789") != std::string::npos;
        const bool quotient = text.find('/') != std::string::npos;
        // t1 also takes trailing blanks, which the field reader refuses.
        const bool fieldTakesTrimmed = parseNumberOrFraction(trimmed).ok;
        ASSERT_EQ(t1.has_value(), fieldTakesTrimmed && digit && !quotient) << '"' << text << '"';
        if (t1) {
            ++plain;
            ASSERT_EQ(*t1, parseNumberOrFraction(trimmed).value) << '"' << text << '"';
        }
        if (const std::optional<mpq_class> q = exactFieldValue(text)) {
            ++exact;
            ASSERT_TRUE(field.ok) << '"' << text << '"';
            ASSERT_LE(std::fabs(rationalToReal(*q) - field.value), 1E-18L * std::fabs(field.value)) << '"' << text << '"';
        }
    }
    EXPECT_GT(plain, 1000);
    EXPECT_GT(exact, 1000);
}

TEST(WorkingNumbers, ExactArithmeticAndDecimalFallback) {
    const Number third = Q(1, 3);
    EXPECT_EQ(toText(third + third + third), "1");
    EXPECT_TRUE((third * Q(3)).isWhole());
    // A decimal operand makes the result a decimal, compared with the kernel's tolerance.
    const Number d = Number::decimal(std::sqrt(2.0L));
    EXPECT_FALSE((d + third).isExact());
    EXPECT_TRUE((d * d - Q(2)).isZero());
    EXPECT_EQ((-Q(3, 4)).sign(), -1);
    EXPECT_EQ(rationalToReal(mpq_class(1, 3)), 1.0L / 3);
    EXPECT_EQ(rationalToReal(mpq_class(-7, 2)), -3.5L);
    mpq_class huge(mpz_class("123456789012345678901234567890123"), mpz_class(7));
    EXPECT_EQ(rationalToReal(huge), 17636684144620811271604938270017.57142857L);
}

TEST(WorkingNumbers, TextsOfNumbersRootsTermsAndProducts) {
    EXPECT_EQ(toText(Q(-3, 4)), "-3/4");
    EXPECT_EQ(toText(Q(6, 2)), "3");
    EXPECT_EQ(toText(Number::decimal(1.0L / 3)), "0,333");
    EXPECT_EQ(toText(Number::decimal(0.00001L)), "1E-5");
    // Too long for a fraction in a 60-column line: a decimal.
    EXPECT_EQ(toText(Q(1234567890, 987654321)), "1,25");
    EXPECT_EQ(factorText(Q(-2)), "(-2)");
    EXPECT_EQ(factorText(Q(2, 3)), "(2/3)");
    EXPECT_EQ(factorText(Q(5)), "5");
    EXPECT_EQ(toText(makeVec(Q(1), Q(-3, 4), Q(0))), "(1|-3/4|0)");

    EXPECT_EQ(rootText(Q(25, 4)), "5/2");
    EXPECT_EQ(rootText(Q(14)), "√(14)");
    EXPECT_EQ(rootWithValue(Q(50, 3)), "√(50/3) = 5/3·√(6) ≈ 4,082");
    EXPECT_EQ(rootWithValue(Q(2401, 12001)), "√(2401/12001) = 49/12001·√(12001) ≈ 0,447");
    EXPECT_EQ(rootWithValue(Q(14)), "√(14) ≈ 3,742");
    EXPECT_EQ(rootWithValue(Q(9)), "3");
    EXPECT_EQ(rootText(Number::decimal(2)), "1,414");
    EXPECT_EQ(equalsRoot(Number::decimal(2)), "≈ 1,414");
    EXPECT_EQ(equalsRoot(Q(9, 4)), "= 3/2");
    EXPECT_EQ(equalsText(Q(3, 4)), "= 3/4");
    EXPECT_EQ(equalsText(Number::decimal(1.0L / 3)), "≈ 0,333");
    EXPECT_EQ(equalsText(makeVec(Q(1), Number::decimal(0.5L), Q(2))), "≈ (1|0,5|2)");
    // A divisor that is a fraction or a product stands in brackets.
    for (const auto& [divisor, shown] : std::vector<std::pair<std::string, std::string>>{
             {"3/2", "(3/2)"}, {"1/4·√(5)", "(1/4·√(5))"}, {"-2", "(-2)"}, {"7", "7"}, {"0,5", "0,5"},
             {"√(50/3)", "√(50/3)"}, {"|n·u|", "|n·u|"}, {"√(2)·√(3)", "(√(2)·√(3))"}})
        EXPECT_EQ(divisorText(divisor), shown) << divisor;

    EXPECT_EQ(linearText({{Q(3), ""}, {Q(-4), "λ"}, {Q(2, 3), "μ"}}), "3 - 4λ + 2/3·μ");
    EXPECT_EQ(linearText({{Q(0), ""}, {Q(1), "λ"}, {Q(-1), "μ"}}), "λ - μ");
    EXPECT_EQ(linearText({{Q(0), ""}, {Q(0), "λ"}}), "0");
    EXPECT_EQ(linearText({{Q(3), "(x)"}, {Q(-1), "(z)"}}), "3·(x) - (z)");
    EXPECT_EQ(linearText({{Number::decimal(1.5L), "λ"}}), "1,5λ");
    EXPECT_EQ(productsText({{Q(15), Q(6)}, {Q(-12), Q(-8)}, {Q(1, 2), Q(3)}}), "15·6 - 12·(-8) + 1/2·3");
}

// The root with its square factors drawn out: k·√(m) with k²·m the
// square and m a whole number without a square factor; hand-worked cases,
// then random fractions checked against that definition.
TEST(WorkingNumbers, RootsHaveTheirSquareFactorsDrawnOut) {
    const std::pair<Number, const char*> cases[] = {
        {Q(3904), "8·√(61)"},     {Q(725, 16), "5/4·√(29)"}, {Q(14), "√(14)"},   {Q(1, 2), "1/2·√(2)"},
        {Q(25, 4), "5/2"},        {Q(0), "0"},               {Q(50, 3), "5/3·√(6)"},
        {Q(3L * 65537 * 65537), "65537·√(3)"},  // a square factor beyond the divisors tried one by one
    };
    for (const auto& [square, text] : cases) EXPECT_EQ(exactRootText(square).value_or("-"), text);
    EXPECT_FALSE(exactRootText(Number::decimal(2)).has_value());
    EXPECT_FALSE(exactRootText(Q(-4)).has_value());

    std::mt19937 engine(61);
    const std::regex form(R"(^(?:(\d+(?:/\d+)?)·)?√\((\d+)\)$)");
    for (int sample = 0; sample < 500; ++sample) {
        const long p = std::uniform_int_distribution<long>(1, 3000)(engine);
        const long q = std::uniform_int_distribution<long>(1, 3000)(engine);
        mpq_class square(p, q);
        square.canonicalize();
        const std::string text = exactRootText(Number::exact(square)).value();
        std::smatch parts;
        if (!std::regex_match(text, parts, form)) {  // a perfect square
            const mpq_class root(text);
            EXPECT_EQ(root * root, square) << text;
            continue;
        }
        const mpq_class k(parts[1].matched ? parts[1].str() : "1");
        const long m = std::stol(parts[2].str());
        EXPECT_EQ(k * k * m, square) << text;
        for (long d = 2; d * d <= m; ++d) ASSERT_NE(m % (d * d), 0) << text;
    }
}

TEST(WorkingNumbers, LongLinesWrapBeforeOperatorsWithinSixtyColumns) {
    const std::string text =
        "x: 15·(3 - 4λ) + 12·(3 + 5λ) + 10·(4 + 3/2·λ) = 60  ⇔  -45λ + 121 = 60  ⇒  λ = 61/45";
    const std::vector<std::string> lines = wrapLine(text);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) EXPECT_LE(utf8Length(line), kWorkingWidth) << line;
    EXPECT_EQ(lines[0], "x: 15·(3 - 4λ) + 12·(3 + 5λ) + 10·(4 + 3/2·λ) = 60");
    EXPECT_EQ(lines[1], "    ⇔  -45λ + 121 = 60  ⇒  λ = 61/45");
    EXPECT_EQ(wrapLine("kurz"), std::vector<std::string>{"kurz"});
    // Without any blank the text is cut hard, never left too wide.
    const std::vector<std::string> cut = wrapLine(std::string(130, 'x'));
    ASSERT_EQ(cut.size(), 3u);
    for (const auto& line : cut) EXPECT_LE(utf8Length(line), kWorkingWidth);
}

}  // namespace

#include "core/numbers/Evaluator.h"
#include "core/exact/ExactFormula.h"
#include "core/exact/ExactScene.h"

namespace {

// A formula of g read exactly as the evaluator reads it: the exact value
// rounds to the evaluator's value; formulas without one give none.
TEST(WorkingNumbers, FormulasOfGHaveTheEvaluatorsValueExactly) {
    const std::pair<const char*, const char*> exact[] = {
        {"1,5t", "3/2"}, {"(t+1)/3", "2/3"}, {"2t²", "2"}, {"-2^2", "-4"}, {"2^3^2", "64"}, {"t/3-1/6", "1/6"},
        {"3(t-2)", "-3"}, {"2^-1", "1/2"}, {"x+1", "1"}, {"0,2t³+t", "6/5"},
    };
    for (const auto& [text, value] : exact) {
        const std::optional<mpq_class> q = exact::exactFormulaValue(text, mpq_class(1));
        ASSERT_TRUE(q.has_value()) << text;
        EXPECT_EQ(q->get_str(), value) << text;
        const EvaluationResult r = evaluateExpression(text, 0, 1);
        ASSERT_FALSE(r.error) << text;
        EXPECT_NEAR(static_cast<double>(rationalToReal(*q)), static_cast<double>(r.value), 1E-15) << text;
    }
    // No exact value, and a nesting deeper than the evaluator reads.
    const std::vector<std::string> none = {"w(2)", "pi", "30°", "t^(1/2)", "1/(t-1)", "e^t", "sin(t)", "2t+", "",
                                           "  7", std::string(100000, '(') + "1" + std::string(100000, ')')};
    for (const std::string& text : none)
        EXPECT_FALSE(exact::exactFormulaValue(text, mpq_class(1)).has_value()) << text.substr(0, 20);
}

// g holds its values at t1 after the start-up, at t = 0 after a field of g
// was left, and at a later t after the family was drawn: each is found.
TEST(WorkingNumbers, GIsExactAtTheParameterItsValuesBelongTo) {
    exact::FieldTexts texts = {{"Edit_t1", "1"}, {"Edit_t2", "3"}, {"Edit_Delta_t", "0,5"},
                                 {"Edit_ugx", "t/3"}, {"Edit_vgx", "1,5t"}, {"Edit_vgy", "w(t+1)"}};
    for (const auto& [t, direction] : {std::pair{1.0L, "3/2"}, std::pair{0.0L, "0"}, std::pair{2.5L, "15/4"}}) {
        Scene scene;
        scene.lineSupport[LineG].x = t / 3;
        scene.lineDirection[LineG].x = 1.5L * t;
        scene.lineDirection[LineG].y = std::sqrt(t + 1);
        const exact::ExactScene e = exact::buildExactScene(scene, texts);
        EXPECT_TRUE(e.lineSupport[LineG][0].isExact()) << static_cast<double>(t);
        EXPECT_EQ(rationalToReal(e.lineSupport[LineG][0].rational()), t / 3);
        EXPECT_EQ(working::toText(e.lineDirection[LineG][0]), direction);
        EXPECT_FALSE(e.lineDirection[LineG][1].isExact());
    }
    // A value that belongs to no t of the family: decimals.
    Scene scene;
    scene.lineSupport[LineG].x = 0.7L;
    EXPECT_FALSE(exact::buildExactScene(scene, texts).lineSupport[LineG][0].isExact());
}

}  // namespace
