#include "core/output/ResultNumbers.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/NumberTools.h"

bool isFiniteReal(Real x) { return std::isfinite(x); }

std::string resultNumberText(Real x) {
    if (!isFiniteReal(x)) return std::string(kNotComputable);
    return numberText(x + 0.0L);  // + 0 turns a negative zero into zero
}

std::string resultText(int digits, Real x) {
    if (!isFiniteReal(x)) return std::string(kNotComputable);
    Real rounded = roundToDigits(x, digits);
    // Rounding goes through a double: a huge extended value can overflow
    // there although it is finite; show it unrounded then.
    if (!isFiniteReal(rounded)) return resultNumberText(x);
    return resultNumberText(rounded);
}

std::string resultVectorText(const Vector3& v) {
    return "(" + resultText(3, v.x) + "/" + resultText(3, v.y) + "/" + resultText(3, v.z) + ")";
}

std::string resultPointText(const Vector3& v, std::string_view name) {
    return std::string(name) + "(" + resultText(3, v.x) + "|" + resultText(3, v.y) + "|" +
           resultText(3, v.z) + ")  ";
}

std::array<std::string, 3> alignedComponentTexts(const Vector3& v) {
    std::array<std::string, 3> texts{resultText(3, v.x), resultText(3, v.y), resultText(3, v.z)};
    int width = 0;
    for (const auto& t : texts) width = std::max(width, utf8Length(t));
    for (auto& t : texts) t.insert(0, static_cast<std::size_t>(width - utf8Length(t)), ' ');
    return texts;
}
