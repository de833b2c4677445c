#pragma once
// Rewrites a formula text into the canonical text that the evaluator reads.
#include <string>
#include <string_view>

// Character codes of the canonical text (Latin-1 codes of the UTF-8 input).
inline constexpr char kDegreeSign = static_cast<char>(176);
inline constexpr char kSuperscriptTwo = static_cast<char>(178);
inline constexpr char kSuperscriptThree = static_cast<char>(179);
inline constexpr char kMiddleDot = static_cast<char>(183);
// Stands for every other non-ASCII character (and every malformed UTF-8
// byte); it is not in the allowed set, so such texts give "falsche Zeichen".
inline constexpr char kForeignCharacter = '\x1A';

// One character per code point: "°", "²", "³", "·" become their Latin-1
// codes, ASCII stays, anything else becomes kForeignCharacter.
std::string mapUtf8ToFormulaCharacters(std::string_view utf8);

struct PreprocessResult {
    bool ok = false;
    std::string text;            // canonical text when ok
    const char* error = nullptr;  // German text when !ok
};

// The fixed sequence of rewriting passes; each pass builds a new string, so
// the work stays linear in the length of the text.
PreprocessResult preprocessExpression(std::string_view utf8);
