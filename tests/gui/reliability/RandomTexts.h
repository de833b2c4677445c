#pragma once
// The random source of the random-use test and the texts it types: valid
// numbers and formulas, the edges of the number readers, and garbage with
// control characters and every kind of Unicode up to 100 000 characters.
// Everything follows from the seed, so a run can be repeated exactly.
#include <QString>
#include <cstdint>
#include <iterator>
#include <random>

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

    // 0 .. n-1 (n > 0); the same sequence with every standard library.
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename Container>
    auto pick(const Container& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(std::size(items))))];
    }

private:
    std::mt19937_64 engine_;
};

inline constexpr int kLongestText = 100000;

// The next text for a field.
inline QString randomFieldText(RandomSource& r) {
    static const char* const kNumbers[] = {
        "0", "1", "-3", "1,5", "-0,25", "2.5", "1/4", "-7/3", "3,", ",5", "+4", "0,1", "1E-4000", "1E4000",
        "1e4932", "-1E4932", "1E-4950", "4294967296", "-9223372036854775809", "18446744073709551617",
        "123456789012345678901234567890", "0,000000000000000000001", "1/0", "0/0", "1/3", "00012", "-0",
        "1/1E-4000", "1E4000/1E-4000"};
    static const char* const kFormulas[] = {
        "2t+1", "t", "-t", "sqrt(2)", "sin(t)", "t^2-3", "1/(t-1)", "1/t", "ln(t)", "sqrt(-1)", "2^40",
        "2^4000", "10^4933", "exp(20000)", "(((((t)))))", "t/0", "tan(pi/2)", "arcsin(2)", "3*(2+t",
        "t+", "2,5t", "t^t^t^t", "-(-(-t))", "1E4000*t", "x", "pi*t", "e^t", "abs(t)-1", "sqrt(t^2)"};
    static const char* const kEdges[] = {
        "", " ", "inf", "-inf", "nan", "NaN", "Infinity", "1e", "--1", "1,2,3", "0x10", " 1 ", "\t1",
        "1\n2", "1/", "/1", "E5", ",", "t1", "1 000", "1'000", "1;2", "(", ")", "^", "%", "1%"};
    // Digits in other scripts, look-alike signs, zero-width and direction
    // marks, a combining accent, emoji (surrogate pairs), a lone surrogate,
    // a non-character, CJK, German letters.
    static const char16_t kUnicode[] = {u'\u0663', u'\uFF11', u'\u00B2', u'\u2212', u'\u221E', u'\u00BD',
                                        u'\u200B', u'\u202E', u'\uFEFF', u'\u0301', u'\u4E2D', u'\u00E4',
                                        u'\u00DF', u'\u20AC', char16_t(0xD800), u'\uFFFF', u'\u00A0', u'\u2028'};
    static const char kFormulaChars[] = "0123456789+-*/^(),.eEtxpisqrtn ";

    auto garbage = [&r](int length) {
        QString text;
        text.reserve(length);
        while (text.size() < length) {
            switch (r.below(6)) {
            case 0: text += QChar(char16_t(r.below(32))); break;   // control characters, NUL included
            case 1: text += QChar(char16_t(r.between(0x20, 0x7E))); break;
            case 2:
                if (r.chance(50)) {
                    text += QChar(char16_t(0xD83D));
                    text += QChar(char16_t(0xDE00 + r.below(0x40)));
                } else {
                    text += QChar(r.pick(kUnicode));
                }
                break;
            default: text += QLatin1Char(kFormulaChars[r.below(int(sizeof kFormulaChars) - 1)]); break;
            }
        }
        return text;
    };

    const int kind = r.below(100);
    if (kind < 30) return QString::fromUtf8(r.pick(kNumbers));
    if (kind < 38) {  // a number of its own: sign, digits, comma, exponent
        QString text = r.chance(30) ? QStringLiteral("-") : QString();
        text += QString::number(r.below(100000));
        if (r.chance(50)) text += QLatin1Char(',') + QString::number(r.below(1000));
        if (r.chance(20)) text += QStringLiteral("E%1").arg(r.between(-5000, 5000));
        return text;
    }
    if (kind < 55) return QString::fromUtf8(r.pick(kFormulas));
    if (kind < 65) return QString::fromUtf8(r.pick(kEdges));
    if (kind < 70) {  // a valid text with garbage around it
        return garbage(r.between(0, 3)) + QString::fromUtf8(r.pick(kNumbers)) + garbage(r.between(0, 3));
    }
    if (kind < 90) return garbage(r.between(1, 30));
    if (kind < 98) return garbage(r.between(31, 3000));
    return garbage(r.chance(40) ? kLongestText : r.between(3001, kLongestText));
}

// A text shown in the action log: escaped, at most about 40 characters,
// with its length when it is longer.
inline QString shown(const QString& text) {
    QString shown;
    for (QChar c : text.left(40)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate() || c.unicode() > 0x7E)
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    shown = QLatin1Char('"') + shown + QLatin1Char('"');
    if (text.size() > 40) shown += QStringLiteral("… (%1 characters)").arg(text.size());
    return shown;
}
