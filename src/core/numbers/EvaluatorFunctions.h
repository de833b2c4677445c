#pragma once
// The arithmetic of the formula evaluator: the power with odd roots of
// negative bases, the 27 functions and the run-wide random generator.
// A failed computation returns NaN together with its German error text;
// a NaN argument (an earlier failure) passes through without a new text.
#include <cstdint>
#include <string_view>

#include "core/numbers/Real.h"

struct StepResult {
    Real value = 0;
    const char* error = nullptr;  // set when this step failed
};

// base^exponent: integral exponents by multiplication (negative bases
// allowed), others through exp/ln, and odd roots of negative bases via the
// exponent's fraction: (-8)^(1/3) = -2, (-8)^(2/3) = 4, (-8)^(1/2) fails.
// ok is false when the power fails.
Real powerWithRoots(Real base, Real exponent, bool& ok);

// The single text in which function names are looked up.
inline constexpr std::string_view kFunctionList =
    "SQR SQRT LN LG LD ABS SIN COS TAN COT ARCTAN SGN FLOOR GAUF NORMAL RANDOM "
    "ARCSIN ARCCOS COSH SINH TANH COTH ARSINH ARCOSH ARTANH ARCOTH ARCCOT";

enum class FunctionId {
    Sqr, Sqrt, Ln, Lg, Ld, Abs, Sin, Cos, Tan, Cot, Arctan, Sgn, Floor, Gauf, Normal, Random,
    Arcsin, Arccos, Cosh, Sinh, Tanh, Coth, Arsinh, Arcosh, Artanh, Arcoth, Arccot, Invalid,
};

// The function whose name starts where `name` first occurs in kFunctionList
// (so leading parts of names are accepted: "S" is SQR, "AR" is ARCTAN);
// Invalid when not found or found inside a name.
FunctionId lookUpFunction(std::string_view name);
// 1-based position of a function's name in kFunctionList.
int functionPosition(FunctionId id);

// f(a); `nearZero` is the tolerance of SGN.
StepResult applyFunction(FunctionId id, Real a, Real nearZero);

// Standard normal distribution function by its power series.
StepResult normalDistribution(Real a);
// exp(-a^2/2) / sqrt(2 pi).
StepResult normalDensity(Real a);

// The generator behind RANDOM: seed := seed * 134775813 + 1 (mod 2^32),
// result = upper 32 bits of n * seed. One seed for the whole run, starting
// at 0; tests reset it.
std::uint32_t nextRandom(std::uint32_t n);
void resetRandomSeed(std::uint32_t seed = 0);
