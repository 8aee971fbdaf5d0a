// How long another program waits for an answer while Tarnwick is busy, under Wine: it asks every
// control of the window for its text (WM_GETTEXT), one after the other and without pause, during
// the first listing of a large cache and then during a Clear of it, and reports the slowest answer
// of each against the 50 ms target; for comparison, also the slowest while the window is idle for
// as long as the listing took. The prefix's cache must be seeded; the Clear empties it.
// With --accessible it asks as a screen reader does instead: the grid's object through
// AccessibleObjectFromWindow, then its row count, its current row and that row's description,
// each call an answer of its own.
//   answer_bench TARNWICK.exe [--accessible]
#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
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

// Makes `call` and counts the time it took as one answer.
template <typename Call>
void Timed(Asked& asked, Call&& call) {
  const auto start = std::chrono::steady_clock::now();
  call();
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (ms > asked.slowestMs) {
    asked.slowestMs = ms;
    asked.slowestAtMs = std::chrono::duration<double, std::milli>(start - asked.first).count();
  }
  ++asked.answers;
}

std::string TextOf(HWND window, Asked& asked) {
  char text[256] = {};
  DWORD_PTR length = 0;
  Timed(asked, [&] {
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 10000, &length);
  });
  return text;
}

// What a screen reader asks when the user comes to the grid: its object, the number of rows, the
// current row and what that row says.
void AskGrid(HWND grid, Asked& asked) {
  using Microsoft::WRL::ComPtr;
  ComPtr<IAccessible> table;
  Timed(asked, [&] {
    AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&table));
  });
  if (!table) return;
  LONG rows = 0;
  Timed(asked, [&] { table->get_accChildCount(&rows); });
  VARIANT selection;
  VariantInit(&selection);
  Timed(asked, [&] { table->get_accSelection(&selection); });
  ComPtr<IAccessible> row;
  if (selection.vt == VT_DISPATCH && selection.pdispVal)
    selection.pdispVal->QueryInterface(IID_PPV_ARGS(&row));
  VariantClear(&selection);
  if (!row) return;
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR description = nullptr;
  Timed(asked, [&] { row->get_accDescription(self, &description); });
  SysFreeString(description);
}

BOOL CALLBACK AddChild(HWND child, LPARAM children) {
  reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
  return TRUE;
}

// One round of questions to the window.
using Round = std::function<void(Asked&)>;

// Every control's text in turn.
Round AskEveryControl(HWND form) {
  std::vector<HWND> controls;
  EnumChildWindows(form, AddChild, reinterpret_cast<LPARAM>(&controls));
  return [controls](Asked& asked) {
    for (HWND control : controls) TextOf(control, asked);
  };
}

Round AskTheGrid(HWND form) {
  HWND grid = FindWindowExA(form, nullptr, "TarnwickGrid", nullptr);
  return [grid](Asked& asked) { AskGrid(grid, asked); };
}

// Asks round after round until `done` says so or the program has ended. The status line is read
// after every round; in the accessible rounds that reading is not counted.
template <typename Done>
Asked AskUntil(HWND form, HANDLE process, const Round& round, bool countStatus, Done done) {
  HWND status = FindWindowExA(form, nullptr, "Static", nullptr);
  Asked asked;
  Asked uncounted;
  while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    round(asked);
    if (done(TextOf(status, countStatus ? asked : uncounted), asked)) break;
  }
  return asked;
}

// Until the status line has started with `busy` and then stopped.
Asked AskWhileBusy(HWND form, HANDLE process, const Round& round, bool countStatus,
                   const char* busy) {
  bool seen = false;
  return AskUntil(form, process, round, countStatus, [&](const std::string& status, const Asked&) {
    const bool busyNow = status.starts_with(busy);
    if (seen && !busyNow) return true;
    seen |= busyNow;
    return false;
  });
}

// For as long as `busy` took, with the window idle: what the machine's own noise costs.
Asked AskWhileIdle(HWND form, HANDLE process, const Round& round, bool countStatus,
                   const Asked& busy) {
  const double busyMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - busy.first)
          .count();
  return AskUntil(form, process, round, countStatus, [&](const std::string&, const Asked& asked) {
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
  const bool accessible = argc == 3 && std::strcmp(argv[2], "--accessible") == 0;
  if (argc < 2 || (argc > 2 && !accessible)) {
    std::fprintf(stderr, "usage: answer_bench TARNWICK.exe [--accessible]\n");
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  StartedProgram program(argv[1], 60000);
  HWND form = nullptr;
  while (!(form = FindWindowA("TarnwickForm", nullptr))) Sleep(1);
  // The controls are made right after the window, before the first listing starts.
  while (!FindWindowExA(form, nullptr, "Static", nullptr) ||
         !FindWindowExA(form, nullptr, "TarnwickGrid", nullptr))
    Sleep(1);
  const Round round = accessible ? AskTheGrid(form) : AskEveryControl(form);
  const bool countStatus = !accessible;
  const Asked listing = AskWhileBusy(form, program.Process(), round, countStatus, "Listing... ");
  Report("the first listing", listing);
  Report("as long idle, for the machine's noise",
         AskWhileIdle(form, program.Process(), round, countStatus, listing));
  PostMessageA(FindWindowExA(form, nullptr, "Button", "Clear"), BM_CLICK, 0, 0);
  Report("Clear", AskWhileBusy(form, program.Process(), round, countStatus, "Deleting... "));
  program.WaitForWindow(10000);
  return 0;
}
