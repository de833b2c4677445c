#pragma once
// Texts of the picture (UTF-8) as LaTeX text that pdflatex sets as the
// screen shows them, in the default font encoding and in any document: the
// characters TeX reserves are escaped, German letters pass as UTF-8, the
// program's own symbols (λ, μ, °, ², ·, ∠, arrows ...) become TeX commands,
// "€" becomes "EUR" and any other character becomes "?", so no text can
// break a document. No two characters join into a ligature.
#include <string>
#include <string_view>
#include <vector>

std::string texText(const std::string& utf8);

// The text for a TeX comment line: everything up to the line's end is
// TeX's to ignore, so only line breaks, other control characters and bytes
// that are not UTF-8 are replaced (by a space or "?").
std::string texCommentText(const std::string& utf8);

// The code points of a UTF-8 text; U+FFFD for every byte that does not
// start a well-formed sequence (overlong forms and surrogates included).
std::vector<char32_t> codePoints(std::string_view text);
void appendUtf8(std::string& out, char32_t c);
