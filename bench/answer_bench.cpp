// How long another program waits for an answer while Tarnwick is busy, under Wine: it asks every
// control of the window for its text (WM_GETTEXT), one after the other and without pause, during
// the first listing of a large cache and then during a Clear of it, and reports the slowest answer
// of each against the 50 ms target. The prefix's cache must be seeded; the Clear empties it.
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
};

std::string TextOf(HWND window, Asked& asked) {
  char text[256] = {};
  DWORD_PTR length = 0;
  const auto start = std::chrono::steady_clock::now();
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                      10000, &length);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  asked.slowestMs = std::max(asked.slowestMs, ms);
  ++asked.answers;
  return text;
}

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
  return TRUE;
}

// Asks every control in turn until the status line has started with `busy` and then stopped, or
// the program has ended.
Asked AskWhile(HWND form, const char* busy, HANDLE process) {
  std::vector<HWND> controls;
  EnumChildWindows(form, AddChild, reinterpret_cast<LPARAM>(&controls));
  HWND status = FindWindowExA(form, nullptr, "Static", nullptr);
  Asked asked;
  bool seen = false;
  while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    for (HWND control : controls) TextOf(control, asked);
    const bool busyNow = TextOf(status, asked).starts_with(busy);
    if (seen && !busyNow) break;
    seen |= busyNow;
  }
  return asked;
}

void Report(const char* work, const Asked& asked) {
  std::printf(
      "slowest answer during %s: ratio %.2f (%.1f ms against the %.0f ms target, %d answers)%s\n",
      work, asked.slowestMs / kTargetMs, asked.slowestMs, kTargetMs, asked.answers,
      asked.slowestMs > kTargetMs ? " MISSED" : "");
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
  Report("the first listing", AskWhile(form, "Listing... ", program.Process()));
  PostMessageA(FindWindowExA(form, nullptr, "Button", "Clear"), BM_CLICK, 0, 0);
  Report("Clear", AskWhile(form, "Deleting... ", program.Process()));
  program.WaitForWindow(10000);
  return 0;
}
