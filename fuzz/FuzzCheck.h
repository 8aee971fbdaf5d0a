#pragma once
// A failed property stops the run with the line that failed, so that libFuzzer keeps the input.
// A macro, because this clang has no std::source_location.
#include <cstdio>

#define TARNWICK_CHECK(condition)                                                          \
  do {                                                                                     \
    if (!(condition)) {                                                                    \
      std::fprintf(stderr, "check failed at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                    \
    }                                                                                      \
  } while (false)
