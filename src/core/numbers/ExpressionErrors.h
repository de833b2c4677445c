#pragma once
// The German error texts of the formula evaluator (UTF-8), in one place.
#include <string_view>

namespace ExpressionErrors {

// Preprocessing
inline constexpr const char* EmptyText = "Kette leer";
inline constexpr const char* OperandExpected = "Operand erwartet";
inline constexpr const char* InvalidRootTerm = "Wurzelterm ungültig";
inline constexpr const char* MisusedE = "Falsche Verwendung von E (=10^)";
inline constexpr const char* WrongCharacters = "falsche Zeichen";
inline constexpr const char* WrongParentheses = "falscher Klammerterm";
// Reading
inline constexpr const char* BadNumber = "fehlerhafte Zahl";
inline constexpr const char* InvalidFunctionCall = "ungültiger Funktionsaufruf";
inline constexpr const char* OperatorExpected = "Operator erwartet";
// Parentheses and function calls nested deeper than kMaxNestingDepth: the
// evaluation stops there instead of exhausting the stack.
inline constexpr const char* NestingTooDeep = "Klammertiefe zu groß";
inline constexpr int kMaxNestingDepth = 100;
// Operators
inline constexpr const char* AdditionFailed = "Fehler bei der Addition";
inline constexpr const char* SubtractionFailed = "Fehler bei der Subtraktion";
inline constexpr const char* MultiplicationFailed = "Fehler bei der Multiplikation";
inline constexpr const char* DivisionByZero = "Division durch Null";
inline constexpr const char* PowerFailed = "Fehler beim Potenzieren";
// Functions
inline constexpr const char* NegativeRadicand = "Radikand kleiner als Null";
inline constexpr const char* LnDomain = "ln(a<=0) nicht erlaubt";
inline constexpr const char* LgDomain = "lg(a<=0) nicht erlaubt";
inline constexpr const char* LdDomain = "ld(a<=0) nicht erlaubt";
inline constexpr const char* TanPole = "tan((2n+1)*pi/2) nicht erlaubt";
inline constexpr const char* CotPole = "cot(n*pi) nicht erlaubt";
inline constexpr const char* ArcsinDomain = "|a|>1 nicht erlaubt bei arcsin";
inline constexpr const char* ArccosDomain = "|a|>1 nicht erlaubt bei arccos";
inline constexpr const char* CoshOverflow = "a zu groß für cosh";
inline constexpr const char* SinhOverflow = "a zu groß für sinh";
inline constexpr const char* TanhOverflow = "a zu groß für tanh";
inline constexpr const char* CothFailed = "a=0 oder a zu groß bei coth";
inline constexpr const char* ArsinhFailed = "a zu groß bei arsinh";
inline constexpr const char* ArcoshFailed = "a<1 oder a zu groß bei arcosh";
inline constexpr const char* ArtanhDomain = "|a|>=1 nicht erlaubt bei artanh";
inline constexpr const char* ArcothDomain = "|a|<=1 nicht erlaubt bei arcoth";
inline constexpr const char* ArccotFailed = "Fehler bei arccot";
// Arithmetic failures of functions without a text of their own.
inline constexpr const char* SqrFailed = "Fehler bei sqr";
inline constexpr const char* FloorFailed = "Fehler bei floor";
inline constexpr const char* GaufFailed = "Fehler bei gauf";
inline constexpr const char* NormalFailed = "Fehler bei normal";
inline constexpr const char* RandomFailed = "Fehler bei random";
inline constexpr const char* CalculationFailed = "Fehler bei der Berechnung";

// The texts a syntax check shows to the user in a message box.
inline constexpr std::string_view kSyntaxTexts[] = {
    InvalidFunctionCall, OperatorExpected, OperandExpected,  BadNumber, WrongCharacters,
    WrongParentheses,    InvalidRootTerm,  MisusedE,         NestingTooDeep,
};

inline bool isSyntaxText(std::string_view text) {
    for (std::string_view s : kSyntaxTexts)
        if (s == text) return true;
    return false;
}

}  // namespace ExpressionErrors
