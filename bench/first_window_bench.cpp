// Process start to first visible window with a large URL cache, under Wine: a first listing
// still running after half a second shows the window, so the cache's size should add at most
// that half second to the start-up of the same program over an empty cache. The empty cache is
// the same prefix with the user's cache folders pointed at empty ones for that start; the two
// starts alternate.
//   first_window_bench TARNWICK.exe EMPTY_FOLDER ENTRIES [REPETITIONS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Ratio.h"
#include "StartedProgram.h"

namespace tarnwick::bench {
namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
constexpr const char* kCacheFolders[] = {"Cache", "Cookies", "History"};
constexpr double kShownAfterMs = 500;

bool failed = false;

std::string ReadFolder(const char* key, const char* name) {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, (std::string(kShellFolders) + key).c_str(), name,
               RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value, &size);
  return value;
}

void WriteFolder(const char* key, const char* name, const std::string& folder) {
  RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(kShellFolders) + key).c_str(), name, REG_SZ,
                  folder.c_str(), static_cast<DWORD>(folder.size() + 1));
}

// The cache folders of the user, as the shell reports them to a program that starts.
class CacheFolders {
 public:
  CacheFolders() {
    for (const char* name : kCacheFolders) {
      user_.push_back(ReadFolder("User Shell Folders", name));
      shell_.push_back(ReadFolder("Shell Folders", name));
    }
  }
  ~CacheFolders() { Restore(); }
  void PointAt(const std::string& folder) {
    for (const char* name : kCacheFolders) {
      const std::string each = folder + "\\" + name;
      CreateDirectoryA(each.c_str(), nullptr);
      WriteFolder("User Shell Folders", name, each);
      WriteFolder("Shell Folders", name, each);
    }
  }
  void Restore() {
    for (size_t i = 0; i < user_.size(); ++i) {
      RegSetKeyValueA(HKEY_CURRENT_USER,
                      (std::string(kShellFolders) + "User Shell Folders").c_str(), kCacheFolders[i],
                      REG_EXPAND_SZ, user_[i].c_str(), static_cast<DWORD>(user_[i].size() + 1));
      WriteFolder("Shell Folders", kCacheFolders[i], shell_[i]);
    }
  }

 private:
  std::vector<std::string> user_;
  std::vector<std::string> shell_;
};

// Milliseconds from process start to its first visible window; the rest of the run (the listing
// finishing, the close) is not timed.
double StartToFirstWindow(const std::string& program) {
  // The close waits for the listing to end.
  StartedProgram started(program, 300000);
  started.WaitForWindow(300000);
  const double milliseconds = started.MillisecondsSinceStart();
  if (started.Failed()) failed = true;
  return milliseconds;
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: first_window_bench TARNWICK.exe EMPTY_FOLDER ENTRIES [REPETITIONS]\n");
    return 2;
  }
  using namespace tarnwick::bench;
  const std::string program = argv[1], empty = argv[2], entries = argv[3];
  const int repetitions = argc > 4 ? std::atoi(argv[4]) : 5;
  CreateDirectoryA(empty.c_str(), nullptr);
  CacheFolders folders;
  const std::string name = "start to first window shown, " + entries +
                           " entries, against the start over an empty cache plus 0.5 s";
  ReportTimedRatio(
      name.c_str(),
      [&] {
        folders.Restore();
        return StartToFirstWindow(program);
      },
      [&] {
        folders.PointAt(empty);
        return StartToFirstWindow(program) + kShownAfterMs;
      },
      repetitions, 1.0);
  return failed ? 1 : 0;
}
