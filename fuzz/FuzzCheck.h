#pragma once
// The checks of the fuzz targets beyond "no crash, no sanitizer report". A
// failed check prints what was violated and aborts: libFuzzer reports that
// as a finding and keeps the input that caused it.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/numbers/Real.h"

#define FUZZ_CHECK(condition)                                                          \
    do {                                                                               \
        if (!(condition)) {                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                              \
        }                                                                              \
    } while (false)

// A text shown to the user must never spell out a failed computation:
// "nan" and "inf" in any letter case.
inline bool showsNonFiniteValue(std::string_view text) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]), b = lower(text[i + 1]), c = lower(text[i + 2]);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return true;
    }
    return false;
}

#define FUZZ_CHECK_TEXT(text)                                                          \
    do {                                                                               \
        if (showsNonFiniteValue(text)) {                                               \
            std::fprintf(stderr, "%s:%d: text shows a non-finite value: %.*s\n", __FILE__, __LINE__, \
                         static_cast<int>(std::string_view(text).size()), std::string_view(text).data()); \
            std::abort();                                                              \
        }                                                                              \
    } while (false)

inline bool isFinite(Real x) { return std::isfinite(x); }
