#include <gtest/gtest.h>

#include <string>

#include "core/numbers/ExpressionErrors.h"
#include "core/numbers/ExpressionPreprocessor.h"

namespace {

namespace Err = ExpressionErrors;

struct CanonicalCase {
    const char* input;
    const char* canonical;
};

class CanonicalText : public ::testing::TestWithParam<CanonicalCase> {};

TEST_P(CanonicalText, Rewrite) {
    const PreprocessResult r = preprocessExpression(GetParam().input);
    ASSERT_TRUE(r.ok) << GetParam().input << ": " << (r.error ? r.error : "");
    EXPECT_EQ(r.text, GetParam().canonical) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Passes, CanonicalText,
    ::testing::Values(
        CanonicalCase{"3t", "3*K"}, CanonicalCase{"-6t", "0-6*K"}, CanonicalCase{"+2", "2"},
        CanonicalCase{"+-2", "0-2"}, CanonicalCase{"[1+2]", "(1+2)"}, CanonicalCase{"1,5E-3", "1.5*10^-3"},
        CanonicalCase{"2E3", "2*10^3"}, CanonicalCase{"1e3", "1*E3"}, CanonicalCase{"e", "E"},
        CanonicalCase{"2pi", "2*P"}, CanonicalCase{"xt", "X*K"}, CanonicalCase{"tx", "K*X"},
        CanonicalCase{"n^2", "K^2"}, CanonicalCase{"t", "K"}, CanonicalCase{"2(1+x)", "2*(1+X)"},
        CanonicalCase{"(1)(2)", "(1)*(2)"}, CanonicalCase{"exp(2)", "E^(2)"}, CanonicalCase{"w(2)", "SQRT(2)"},
        CanonicalCase{"w9", "SQRT9"}, CanonicalCase{"(-3)", "(0-3)"}, CanonicalCase{"sin(30°)", "SIN(30*.0174532925)"},
        CanonicalCase{"t²", "K^2"}, CanonicalCase{"x³", "X^3"}, CanonicalCase{"2·3", "2*3"},
        CanonicalCase{"sqrt(t)", "SQRT(K)"}, CanonicalCase{"tan(t)", "TAN(K)"}, CanonicalCase{"ln(n)", "LN(K)"},
        CanonicalCase{"sin(n)", "SIN(K)"}, CanonicalCase{"tt", "KT"}, CanonicalCase{"ttt", "TKT"},
        CanonicalCase{"2sin(x)", "2SIN(X)"}, CanonicalCase{"x2", "X2"}, CanonicalCase{"pi", "P"},
        CanonicalCase{"PII", "PI"}, CanonicalCase{"²", "\xB2"}, CanonicalCase{"°2", "\xB0" "2"},
        CanonicalCase{"w(w(16))", "SQRT(SQRT(16))"}, CanonicalCase{"tex", "K*E*X"}, CanonicalCase{"nt", "KT"}));

struct ErrorCase {
    const char* input;
    const char* error;
};

class PreprocessError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(PreprocessError, Text) {
    const PreprocessResult r = preprocessExpression(GetParam().input);
    ASSERT_FALSE(r.ok) << GetParam().input << " -> " << r.text;
    EXPECT_STREQ(r.error, GetParam().error) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Passes, PreprocessError,
    ::testing::Values(
        ErrorCase{"", Err::EmptyText}, ErrorCase{"2*", Err::OperandExpected}, ErrorCase{"2+", Err::OperandExpected},
        ErrorCase{"2,", Err::OperandExpected}, ErrorCase{"2-", Err::OperandExpected},
        ErrorCase{"2/", Err::OperandExpected}, ErrorCase{"2^", Err::OperandExpected}, ErrorCase{"+", Err::OperandExpected},
        ErrorCase{"w", Err::InvalidRootTerm}, ErrorCase{"W", Err::InvalidRootTerm}, ErrorCase{"E", Err::MisusedE},
        ErrorCase{"2E", Err::MisusedE}, ErrorCase{"E2", Err::MisusedE}, ErrorCase{"xE2", Err::MisusedE},
        ErrorCase{"2Ex", Err::MisusedE}, ErrorCase{"2E+3", Err::MisusedE}, ErrorCase{"EXP(1)", Err::MisusedE},
        ErrorCase{"2 + 3", Err::WrongCharacters}, ErrorCase{"v", Err::WrongCharacters}, ErrorCase{"y", Err::WrongCharacters},
        ErrorCase{"z", Err::WrongCharacters}, ErrorCase{"2ä", Err::WrongCharacters}, ErrorCase{"2€", Err::WrongCharacters},
        ErrorCase{"2\xB0", Err::WrongCharacters}, ErrorCase{"{1}", Err::WrongCharacters},
        ErrorCase{"()", Err::WrongParentheses}, ErrorCase{"2*()", Err::WrongParentheses}, ErrorCase{"[]", Err::WrongParentheses},
        ErrorCase{"pi()", Err::WrongParentheses}, ErrorCase{"2\t", Err::WrongCharacters}));

TEST(MapUtf8ToFormulaCharacters, OneCharacterPerCodePoint) {
    EXPECT_EQ(mapUtf8ToFormulaCharacters("a°²³·"), std::string("a\xB0\xB2\xB3\xB7"));
    EXPECT_EQ(mapUtf8ToFormulaCharacters("ä€😀"), std::string(3, kForeignCharacter));
    // Malformed UTF-8: a stray continuation byte and a truncated sequence.
    const std::string malformed{kForeignCharacter, 'x', kForeignCharacter};
    EXPECT_EQ(mapUtf8ToFormulaCharacters("\x80x\xC2"), malformed);
    EXPECT_EQ(mapUtf8ToFormulaCharacters(std::string("1\0" "2", 3)), std::string("1\0" "2", 3));
}

}  // namespace
