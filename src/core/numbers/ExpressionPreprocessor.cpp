#include "core/numbers/ExpressionPreprocessor.h"

#include <cstring>

#include "core/numbers/ExpressionErrors.h"

namespace {

namespace Err = ExpressionErrors;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

bool isAllowed(char c) {
    if (isDigit(c)) return true;
    if (c >= 'A' && c <= 'U') return true;
    switch (c) {
        case '(': case ')': case '*': case '+': case '-': case '.': case '/': case '^':
        case 'W': case 'X': case kDegreeSign: case kSuperscriptTwo: case kSuperscriptThree:
            return true;
        default:
            return false;
    }
}

// A neighbour that keeps an "N" or "T" from being the parameter: a letter
// other than E, P, T and X (so the T of SQRT or TAN stays).
bool blocksParameter(char c) { return isUpperLetter(c) && c != 'E' && c != 'P' && c != 'T' && c != 'X'; }

bool startsImplicitFactor(char c) { return c == '(' || c == 'E' || c == 'K' || c == 'P' || c == 'X'; }
bool endsImplicitFactor(char c) { return c == ')' || isDigit(c) || c == 'E' || c == 'K' || c == 'P' || c == 'X'; }

PreprocessResult failure(const char* text) { return PreprocessResult{false, {}, text}; }

// Writes a pass's output into a string sized in advance for the pass's
// longest possible result, then trims it.
class Writer {
public:
    Writer(std::string& target, std::size_t maxLength) : target_(target) {
        target_.resize(maxLength);
        next_ = target_.data();
    }
    void put(char c) { *next_++ = c; }
    void put(const char* text, std::size_t length) {
        std::memcpy(next_, text, length);
        next_ += length;
    }
    void finish() { target_.resize(static_cast<std::size_t>(next_ - target_.data())); }

private:
    std::string& target_;
    char* next_;
};

}  // namespace

std::string mapUtf8ToFormulaCharacters(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        std::size_t expected = 0;
        if (c >= 0xC2 && c <= 0xDF) expected = 1;
        else if (c >= 0xE0 && c <= 0xEF) expected = 2;
        else if (c >= 0xF0 && c <= 0xF4) expected = 3;
        std::size_t length = 1;
        while (length <= expected && i + length < n &&
               (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        if (expected == 1 && length == 2 && c == 0xC2) {
            const unsigned char second = static_cast<unsigned char>(utf8[i + 1]);
            if (second == 176 || second == 178 || second == 179 || second == 183) {
                out += static_cast<char>(second);
                i += 2;
                continue;
            }
        }
        out += kForeignCharacter;
        i += length;
    }
    return out;
}

PreprocessResult preprocessExpression(std::string_view utf8) {
    std::string s = mapUtf8ToFormulaCharacters(utf8);

    // 1-4: checks on the raw text.
    if (s.empty()) return failure(Err::EmptyText);
    switch (s.back()) {
        case '*': case '+': case ',': case '-': case '/': case '^':
            return failure(Err::OperandExpected);
        default:
            break;
    }
    if (s.size() == 1 && (s[0] == 'W' || s[0] == 'w')) return failure(Err::InvalidRootTerm);
    if (s.front() == 'E' || s.back() == 'E') return failure(Err::MisusedE);

    // 5: square brackets are parentheses.
    for (char& c : s) {
        if (c == '[') c = '(';
        else if (c == ']') c = ')';
    }

    // 6: exponent notation, an upper-case E between a digit and a digit or
    // minus sign, becomes "*10^". First and last character are not E here.
    std::string out;
    {
        std::size_t extra = 0;
        for (char c : s) extra += c == 'E' ? 3 : 0;
        Writer w(out, s.size() + extra);
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            if (c == 'E' && i > 0 && i + 1 < s.size()) {
                if (!isDigit(s[i - 1]) || !(s[i + 1] == '-' || isDigit(s[i + 1]))) return failure(Err::MisusedE);
                w.put("*10^", 4);
            } else {
                w.put(c);
            }
        }
        w.finish();
    }
    s.swap(out);

    // 7 and 8: upper case (ASCII only), middle dot and comma, allowed set.
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c == kMiddleDot) c = '*';
        else if (c == ',') c = '.';
        if (!isAllowed(c)) return failure(Err::WrongCharacters);
    }

    // 9: leading sign.
    if (s.front() == '+') s.erase(0, 1);
    if (s.empty()) return failure(Err::EmptyText);
    if (s.front() == '-') s.insert(0, 1, '0');

    // 10: empty parentheses; PI becomes P.
    {
        Writer w(out, s.size());
        for (std::size_t i = 0; i < s.size(); ++i) {
            const char next = i + 1 < s.size() ? s[i + 1] : '\0';
            if (s[i] == '(' && next == ')') return failure(Err::WrongParentheses);
            w.put(s[i]);
            if (s[i] == 'P' && next == 'I') ++i;
        }
        w.finish();
    }
    s.swap(out);

    // 11 and 12: EXP becomes E^ (e to a power), W the square root.
    {
        std::size_t extra = 0;
        for (char c : s) extra += c == 'W' ? 3 : 0;
        Writer w(out, s.size() + extra);
        const std::size_t n = s.size();
        for (std::size_t i = 0; i < n; ++i) {
            const char c = s[i];
            if (c == 'E' && i + 2 < n && s[i + 1] == 'X' && s[i + 2] == 'P') {
                w.put("E^", 2);
                i += 2;
            } else if (c == 'W') {
                w.put("SQRT", 4);
            } else {
                w.put(c);
            }
        }
        w.finish();
    }
    s.swap(out);

    // 13: minus after "(", degree sign and superscripts (not in position 1,
    // where they are left for the reader to reject).
    {
        std::size_t extra = 0;
        for (std::size_t i = 1; i < s.size(); ++i) {
            const char c = s[i];
            if (c == kDegreeSign) extra += 11;
            else if (c == kSuperscriptTwo || c == kSuperscriptThree || (c == '-' && s[i - 1] == '(')) extra += 1;
        }
        Writer w(out, s.size() + extra);
        w.put(s[0]);
        for (std::size_t i = 1; i < s.size(); ++i) {
            const char c = s[i];
            if (c == '-' && s[i - 1] == '(') w.put("0-", 2);
            else if (c == kDegreeSign) w.put("*.0174532925", 12);
            else if (c == kSuperscriptTwo) w.put("^2", 2);
            else if (c == kSuperscriptThree) w.put("^3", 2);
            else w.put(c);
        }
        w.finish();
    }
    s.swap(out);

    // 14: N and T name the parameter unless a neighbour is a letter of a
    // function name. In place, so a replacement counts for its right neighbour.
    const std::size_t n = s.size();
    auto isParameterLetter = [](char c) { return c == 'N' || c == 'T'; };
    for (std::size_t i = 1; i + 1 < n; ++i)
        if (isParameterLetter(s[i]) && !blocksParameter(s[i - 1]) && !blocksParameter(s[i + 1])) s[i] = 'K';
    if (isParameterLetter(s[0]) && (n == 1 || !blocksParameter(s[1]))) s[0] = 'K';
    if (n >= 2 && isParameterLetter(s[n - 1]) && !blocksParameter(s[n - 2])) s[n - 1] = 'K';

    // 15: implicit multiplication.
    {
        Writer w(out, 2 * n);
        w.put(s[0]);
        for (std::size_t i = 1; i < n; ++i) {
            if (startsImplicitFactor(s[i]) && endsImplicitFactor(s[i - 1])) w.put('*');
            w.put(s[i]);
        }
        w.finish();
    }
    return PreprocessResult{true, std::move(out), nullptr};
}
