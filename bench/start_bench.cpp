// Process start to window shown, under Wine: starts a program, waits until a visible top-level
// window of that process exists and has painted (the process then waits for input), closes it.
// Two programs are measured alternately.
//   start_bench MEASURED.exe BASELINE.exe [REPETITIONS [TARGET [NAME]]]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Ratio.h"
#include "StartedProgram.h"

namespace tarnwick::bench {
namespace {

bool failed = false;

// Returns the milliseconds from start to window shown and idle; the close is not timed.
double StartAndClose(const std::string& program) {
  StartedProgram started(program, 30000);
  started.WaitForWindow(30000);
  WaitForInputIdle(started.Process(), 30000);
  const double milliseconds = started.MillisecondsSinceStart();
  if (started.Failed()) failed = true;
  return milliseconds;
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: start_bench MEASURED.exe BASELINE.exe [REPETITIONS [TARGET [NAME]]]\n");
    return 2;
  }
  const int repetitions = argc > 3 ? std::atoi(argv[3]) : 21;
  const double target = argc > 4 ? std::atof(argv[4]) : 1.10;
  const std::string name = argc > 5 ? argv[5] : "start to window shown, empty cache";
  using tarnwick::bench::StartAndClose;
  const std::string measured = argv[1], baseline = argv[2];
  // One start of each first, unmeasured, so both find the DLLs they load in the page cache.
  StartAndClose(measured);
  StartAndClose(baseline);
  tarnwick::bench::ReportTimedRatio(
      name.c_str(), [&] { return StartAndClose(measured); },
      [&] { return StartAndClose(baseline); }, repetitions, target);
  return tarnwick::bench::failed ? 1 : 0;
}
