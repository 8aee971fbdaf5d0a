// How long another program waits for an answer while Tarnwick is busy, under Wine: it asks every
// control of the window for its text (WM_GETTEXT), one after the other and without pause, during
// the first listing of a large cache and then during a Clear of it, and reports the slowest answer
// of each against the 50 ms target; for comparison, also the slowest while the window is idle for
// as long as the listing took. The prefix's cache must be seeded; the Clear empties it.
//   answer_bench TARNWICK.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "StartedProgram.h"

namespace tarnwick::bench {
namespace {

constexpr double kTargetMs = 50;

struct Asked {
  double slowestMs = 0;
  int answers = 0;
  // When the slowest answer came, from the first question.
  double slowestAtMs = 0;
  std::chrono::steady_clock::time_point first = std::chrono::steady_clock::now();
};

std::string TextOf(HWND window, Asked& asked) {
  char text[256] = {};
  DWORD_PTR length = 0;
  const auto start = std::chrono::steady_clock::now();
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                      10000, &length);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (ms > asked.slowestMs) {
    asked.slowestMs = ms;
    asked.slowestAtMs = std::chrono::duration<double, std::milli>(start - asked.first).count();
  }
  ++asked.answers;
  return text;
}

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
  return TRUE;
}

// Asks every control in turn until `done` says so or the program has ended.
template <typename Done>
Asked AskUntil(HWND form, HANDLE process, Done done) {
  std::vector<HWND> controls;
  EnumChildWindows(form, AddChild, reinterpret_cast<LPARAM>(&controls));
  HWND status = FindWindowExA(form, nullptr, "Static", nullptr);
  Asked asked;
  while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    for (HWND control : controls) TextOf(control, asked);
    if (done(TextOf(status, asked), asked)) break;
  }
  return asked;
}

// Until the status line has started with `busy` and then stopped.
Asked AskWhileBusy(HWND form, HANDLE process, const char* busy) {
  bool seen = false;
  return AskUntil(form, process, [&](const std::string& status, const Asked&) {
    const bool busyNow = status.starts_with(busy);
    if (seen && !busyNow) return true;
    seen |= busyNow;
    return false;
  });
}

// For as long as `busy` took, with the window idle: what the machine's own noise costs.
Asked AskWhileIdle(HWND form, HANDLE process, const Asked& busy) {
  const double busyMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - busy.first)
          .count();
  return AskUntil(form, process, [&](const std::string&, const Asked& asked) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - asked.first)
               .count() >= busyMs;
  });
}

void Report(const char* work, const Asked& asked) {
  std::printf(
      "slowest answer during %s: ratio %.2f (%.1f ms against the %.0f ms target, %d answers, "
      "the slowest %.0f ms in)%s\n",
      work, asked.slowestMs / kTargetMs, asked.slowestMs, kTargetMs, asked.answers,
      asked.slowestAtMs, asked.slowestMs > kTargetMs ? " MISSED" : "");
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  using namespace tarnwick::bench;
  if (argc < 2) {
    std::fprintf(stderr, "usage: answer_bench TARNWICK.exe\n");
    return 2;
  }
  StartedProgram program(argv[1], 60000);
  HWND form = nullptr;
  while (!(form = FindWindowA("TarnwickForm", nullptr))) Sleep(1);
  // The controls are made right after the window, before the first listing starts.
  while (!FindWindowExA(form, nullptr, "Static", nullptr)) Sleep(1);
  const Asked listing = AskWhileBusy(form, program.Process(), "Listing... ");
  Report("the first listing", listing);
  Report("as long idle, for the machine's noise", AskWhileIdle(form, program.Process(), listing));
  PostMessageA(FindWindowExA(form, nullptr, "Button", "Clear"), BM_CLICK, 0, 0);
  Report("Clear", AskWhileBusy(form, program.Process(), "Deleting... "));
  program.WaitForWindow(10000);
  return 0;
}
