#include "core/numbers/NumberReader.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "core/numbers/DecimalConversion.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that an extended real holds exactly (5^27 < 2^64).
constexpr int kExactPowersOfTen = 27;
Real powerOfTen(int k) {
    static const auto table = [] {
        struct Table {
            Real value[kExactPowersOfTen + 1];
        } t{};
        Real v = 1;
        for (int i = 0; i <= kExactPowersOfTen; ++i) {
            t.value[i] = v;
            v *= 10;
        }
        return t;
    }();
    return table.value[k];
}

// strtold in the "C" locale: the Qt layer sets the user's locale, whose
// decimal separator may be a comma.
Real stringToReal(const std::string& s) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(s.c_str(), nullptr, cLocale);
}

// 1-based character position of a byte index in UTF-8 text.
int characterPosition(std::string_view text, std::size_t byteIndex) {
    int position = 1;
    for (std::size_t i = 0; i < byteIndex && i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) ++position;
    return position;
}

}  // namespace

DecimalSyntax scanDecimal(std::string_view text) {
    DecimalSyntax syntax;
    auto fail = [&syntax](std::size_t at) {
        syntax.ok = false;
        syntax.errorIndex = at;
        return syntax;
    };
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ') ++i;
    if (i == n) return fail(i);
    if (text[i] == '+' || text[i] == '-') {
        syntax.negative = text[i] == '-';
        if (i + 1 == n) return fail(i);
        ++i;
    }
    syntax.mantissaStart = i;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c))
            ++syntax.digits;
        else if (c == '.' && !seenPoint)
            seenPoint = true;
        else
            break;
    }
    syntax.mantissaEnd = i;
    if (i == syntax.mantissaStart && i < n) return fail(i);  // neither digit nor point
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        syntax.exponentIndex = i;
        if (i + 1 == n) return fail(i);
        ++i;
        if (text[i] == '+' || text[i] == '-') {
            if (i + 1 == n) return fail(i);
            ++i;
        }
        if (!isDigit(text[i])) return fail(i);
        while (i < n && isDigit(text[i])) ++i;
    }
    if (i < n) return fail(i);
    syntax.ok = true;
    return syntax;
}

DecimalConversionResult convertDecimal(std::string_view text) {
    const DecimalSyntax syntax = scanDecimal(text);
    if (!syntax.ok) return DecimalConversionResult{false, 0, static_cast<int>(syntax.errorIndex)};
    bool nonZeroDigit = false;
    bool seenPoint = false;
    int significantDigits = 0;
    int fractionDigits = 0;
    std::uint64_t mantissa = 0;
    for (std::size_t i = syntax.mantissaStart; i < syntax.mantissaEnd; ++i) {
        const char c = text[i];
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (c != '0') nonZeroDigit = true;
        if (significantDigits > 0 || c != '0') ++significantDigits;
        if (significantDigits <= 19) mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (seenPoint) ++fractionDigits;
    }
    Real value;
    if (syntax.exponentIndex == std::string_view::npos && significantDigits <= 19 &&
        fractionDigits <= kExactPowersOfTen) {
        // Both operands are exact, so one correctly rounded division gives
        // the correctly rounded value, as strtold would.
        value = static_cast<Real>(mantissa) / powerOfTen(fractionDigits);
    } else {
        // The leading "0" makes forms like '.e5' acceptable to strtold.
        std::string digits = "0";
        digits += text.substr(syntax.mantissaStart);
        value = stringToReal(digits);
    }
    const bool vanished = value == 0 && nonZeroDigit;
    if (!std::isfinite(value) || vanished) {
        const std::size_t at =
            syntax.exponentIndex != std::string_view::npos ? syntax.exponentIndex : syntax.mantissaStart;
        return DecimalConversionResult{false, 0, static_cast<int>(at)};
    }
    return DecimalConversionResult{true, syntax.negative ? -value : value, 0};
}

NumberReadResult parseNumberOrFraction(std::string_view input) {
    std::string text(input);
    for (char& c : text)
        if (c == ',') c = '.';

    NumberReadResult result{};
    const std::size_t slash = text.find('/');
    std::string_view numerator(text);
    Real denominator = 1;
    if (slash != std::string::npos) {
        const DecimalConversionResult d = convertDecimal(std::string_view(text).substr(slash + 1));
        if (!d.ok || d.value == 0) {
            result.errorPosition = characterPosition(text, slash) + 1;
            return result;
        }
        denominator = d.value;
        numerator = numerator.substr(0, slash);
    }
    const DecimalConversionResult num = convertDecimal(numerator);
    if (!num.ok) {
        result.errorPosition = characterPosition(text, static_cast<std::size_t>(num.errorIndex));
        return result;
    }
    Real value = num.value;
    if (slash != std::string::npos) {
        value = num.value / denominator;
        // A quotient beyond the range, or one that vanishes, is a failure of
        // the division: reported at the first character.
        if (!std::isfinite(value) || (value == 0 && num.value != 0)) {
            result.errorPosition = 1;
            return result;
        }
    }
    if (value == 0) value = 0;  // no negative zero
    result.ok = true;
    result.value = value;
    return result;
}
