#pragma once
// Number texts of the result lines. Every number that reaches the output
// area goes through one of these: a value that is not finite (an overflow,
// a division by zero that slipped through) becomes the German note
// kNotComputable instead of "inf" or "nan".
#include <array>
#include <string>
#include <string_view>

#include "core/output/OutputLog.h"
#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"

inline constexpr std::string_view kNotComputable = "nicht berechenbar";

bool isFiniteReal(Real x);

// x rounded to the given number of decimals, general format, decimal comma
// ('4,082', '-3', '1E-5'). A negative zero is written '0'.
std::string resultText(int digits, Real x);
// x in the general 15-digit format without rounding to decimals.
std::string resultNumberText(Real x);
// "(x/y/z)", each component to 3 decimals.
std::string resultVectorText(const Vector3& v);
// name + "(x|y|z)  ", each component to 3 decimals (the point lines).
std::string resultPointText(const Vector3& v, std::string_view name);
// The three components to 3 decimals, padded on the left with blanks to one
// length so that they stand right-aligned in a column.
std::array<std::string, 3> alignedComponentTexts(const Vector3& v);
