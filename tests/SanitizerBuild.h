#pragma once
// The sanitizer build (scripts/test.sh --sanitize) runs our code several
// times slower and keeps freed memory in quarantine: a check of elapsed time
// or of the resident size measures the instrumentation there, not our code.
// Such checks run in the normal build only; everything else runs in both.
#ifdef SPATIUM_SANITIZER_BUILD
inline constexpr bool kMeasuresTimeAndMemory = false;
#else
inline constexpr bool kMeasuresTimeAndMemory = true;
#endif
