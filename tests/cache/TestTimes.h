#pragma once
// Moments of the tests of time texts and rows, as counts of 100-nanosecond intervals since 1601.
#include <cstdint>

namespace tarnwick::testing {

// 5 March 2024, UTC.
constexpr uint64_t k14h07m09s = 133541212290000000;
constexpr uint64_t kMidnightAnd500ms = 133540704005000000;
constexpr uint64_t k23h30m = 133541550000000000;
// 1 January 10000, one second after the last time a date can show.
constexpr uint64_t kYear10000 = 2650467744000000000;

}  // namespace tarnwick::testing
