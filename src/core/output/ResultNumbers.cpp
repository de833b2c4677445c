#include "core/output/ResultNumbers.h"

#include <algorithm>
#include <cmath>

#include "core/numbers/NumberTools.h"

bool IsFiniteReal(Real x) { return std::isfinite(x); }

std::string ResultNumberText(Real x) {
    if (!IsFiniteReal(x)) return std::string(kNotComputable);
    return NumberText(x + 0.0L);  // + 0 turns a negative zero into zero
}

std::string ResultText(int digits, Real x) {
    if (!IsFiniteReal(x)) return std::string(kNotComputable);
    Real rounded = RoundToDigits(x, digits);
    // Rounding goes through a double: a huge extended value can overflow
    // there although it is finite; show it unrounded then.
    if (!IsFiniteReal(rounded)) return ResultNumberText(x);
    return ResultNumberText(rounded);
}

std::string ResultVectorText(const Vector3& v) {
    return "(" + ResultText(3, v.x) + "/" + ResultText(3, v.y) + "/" + ResultText(3, v.z) + ")";
}

std::string ResultPointText(const Vector3& v, std::string_view name) {
    return std::string(name) + "(" + ResultText(3, v.x) + "|" + ResultText(3, v.y) + "|" +
           ResultText(3, v.z) + ")  ";
}

std::array<std::string, 3> AlignedComponentTexts(const Vector3& v) {
    std::array<std::string, 3> texts{ResultText(3, v.x), ResultText(3, v.y), ResultText(3, v.z)};
    int width = 0;
    for (const auto& t : texts) width = std::max(width, Utf8Length(t));
    for (auto& t : texts) t.insert(0, static_cast<std::size_t>(width - Utf8Length(t)), ' ');
    return texts;
}
