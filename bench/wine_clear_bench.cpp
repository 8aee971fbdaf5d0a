// Clear of every listed entry of a real Wine cache, through the program's deletion code, against
// a bare DeleteUrlCacheEntryA loop over the same URLs. Each side deletes from a freshly seeded
// cache: the seeded index file is kept aside and put back before every run, and every run is a
// process of its own, which lists the Content view (untimed) and times only the deleting. Seed
// the prefix first: seed-cache --entries N.
//   wine_clear_bench [REPETITIONS [TARGET]]
//   wine_clear_bench --run ours|bare RESULT_FILE   one run; writes its milliseconds and counts
#include <shlobj.h>
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Ratio.h"
#include "actions/Deletion.h"
#include "cache/Columns.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/WinInetCache.h"

namespace tarnwick::bench {
namespace {

struct RunResult {
  double milliseconds = 0;
  int listed = 0;
  int deleted = 0;
};

// One side: list the Content view as the program does, then delete every listed entry.
RunResult DeleteListed(bool ours) {
  WinInetCache cache;
  Win32Locale locale;
  Win32AnsiText text;
  const EntryRowFormatter formatter(locale, text);
  EntryTable table;
  RefreshEntryTable(table, cache, vmContent, formatter);
  RunResult result;
  result.listed = table.RowCount() - kFirstEntryRow;
  if (ours) {
    result.milliseconds = MillisecondsOf([&] { DeleteEntriesOfAllRows(table, cache); });
    for (int row = kFirstEntryRow; row < table.RowCount(); ++row)
      if (table.Cell(kColUseCount, row) == "DELETED") ++result.deleted;
  } else {
    std::vector<std::string> urls;
    for (int row = kFirstEntryRow; row < table.RowCount(); ++row)
      urls.emplace_back(TextUpToNul(table.Cell(kColSourceUrl, row)));
    result.milliseconds = MillisecondsOf([&] {
      for (const std::string& url : urls)
        if (DeleteUrlCacheEntryA(url.c_str())) ++result.deleted;
    });
  }
  return result;
}

std::string ContentIndexFile() {
  char folder[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_INTERNET_CACHE, nullptr, SHGFP_TYPE_CURRENT, folder);
  return std::string(folder) + "\\Content.IE5\\index.dat";
}

std::string TempFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// Runs one side in a process of its own, on the seeded index put back first.
class Runner {
 public:
  Runner(std::string self, std::string index, std::string seeded)
      : self_(std::move(self)), index_(std::move(index)), seeded_(std::move(seeded)) {}

  RunResult Run(const char* side) {
    RunResult result;
    if (!CopyFileA(seeded_.c_str(), index_.c_str(), FALSE)) return Fail(result);
    const std::string resultFile = TempFile("wine_clear_bench.result");
    DeleteFileA(resultFile.c_str());
    std::string commandLine = "\"" + self_ + "\" --run " + side + " \"" + resultFile + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
      return Fail(result);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    FILE* file = std::fopen(resultFile.c_str(), "r");
    if (!file ||
        std::fscanf(file, "%lf %d %d", &result.milliseconds, &result.listed, &result.deleted) != 3)
      Fail(result);
    if (file) std::fclose(file);
    if (result.listed == 0 || result.deleted != result.listed) failed_ = true;
    listed_ = result.listed;
    return result;
  }
  bool Failed() const { return failed_; }
  int Listed() const { return listed_; }

 private:
  RunResult Fail(RunResult result) {
    failed_ = true;
    return result;
  }

  std::string self_, index_, seeded_;
  bool failed_ = false;
  int listed_ = 0;
};

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  using namespace tarnwick::bench;
  if (argc == 4 && std::strcmp(argv[1], "--run") == 0) {
    const RunResult result = DeleteListed(std::strcmp(argv[2], "ours") == 0);
    FILE* file = std::fopen(argv[3], "w");
    if (!file) return 1;
    std::fprintf(file, "%f %d %d\n", result.milliseconds, result.listed, result.deleted);
    std::fclose(file);
    return 0;
  }
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 7;
  const double target = argc > 2 ? std::atof(argv[2]) : 1.05;
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string index = ContentIndexFile(), seeded = TempFile("wine_clear_bench.index.dat");
  if (!CopyFileA(index.c_str(), seeded.c_str(), FALSE)) {
    std::fprintf(stderr, "wine_clear_bench: no index file at %s\n", index.c_str());
    return 1;
  }
  Runner runner(self, index, seeded);
  // One run of each first, unmeasured, so both find the program and the index in the page cache.
  runner.Run("ours");
  runner.Run("bare");
  const std::string name = "clear of " + std::to_string(runner.Listed()) +
                           " listed entries of a Wine cache vs a bare DeleteUrlCacheEntry loop";
  ReportTimedRatio(
      name.c_str(), [&] { return runner.Run("ours").milliseconds; },
      [&] { return runner.Run("bare").milliseconds; }, repetitions, target);
  // The prefix keeps its seeded cache.
  CopyFileA(seeded.c_str(), index.c_str(), FALSE);
  DeleteFileA(seeded.c_str());
  return runner.Failed() ? 1 : 0;
}
