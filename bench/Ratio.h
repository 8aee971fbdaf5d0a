#pragma once
// Measures two workloads alternately, so the noise of a shared machine hits both alike, and
// prints the ratio of their medians.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace tarnwick::bench {

inline double MillisecondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs `measured` and `baseline` alternately `repetitions` times each, each returning the
// milliseconds it took, the one going first changing from pair to pair so that neither always
// runs in the wake of the other (a freed heap, a warmed file cache), and prints
// "<name>: ratio R (median M ms against B ms, N repetitions, target at most T)". A target of 0
// or less means the figure is for information only. Returns R.
inline double ReportTimedRatio(const char* name, const std::function<double()>& measured,
                               const std::function<double()>& baseline, int repetitions,
                               double target) {
  std::vector<double> measuredTimes, baselineTimes;
  for (int i = 0; i < repetitions; ++i) {
    if (i % 2) baselineTimes.push_back(baseline());
    measuredTimes.push_back(measured());
    if (i % 2 == 0) baselineTimes.push_back(baseline());
  }
  const double m = Median(measuredTimes), b = Median(baselineTimes);
  const double ratio = m / b;
  std::printf("%s: ratio %.3f (median %.3f ms against %.3f ms, %d repetitions", name, ratio, m, b,
              repetitions);
  if (target > 0)
    std::printf(", target at most %.2f)%s\n", target, ratio <= target ? "" : "  MISSED");
  else
    std::printf(", no target)\n");
  std::fflush(stdout);
  return ratio;
}

// The same for workloads timed whole.
inline double ReportRatio(const char* name, const std::function<void()>& measured,
                          const std::function<void()>& baseline, int repetitions, double target) {
  return ReportTimedRatio(
      name, [&] { return MillisecondsOf(measured); }, [&] { return MillisecondsOf(baseline); },
      repetitions, target);
}

}  // namespace tarnwick::bench
