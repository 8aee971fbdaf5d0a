// A cache that changes under the program: while the form lists 20,000 entries and then clears
// them, a second process commits and deletes entries of its own. The listing must end, and Clear
// must delete nothing it did not list. Too slow for the default run (seeding alone takes about
// 25 s under Wine): scripts/stress runs it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>

#include "RealPlatform.h"
#include "cache/Columns.h"
#include "seed/Churn.h"
#include "seed/SeedSets.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

constexpr int kEntries = 20'000;

bool InCache(const std::string& key) {
  DWORD size = 0;
  return GetUrlCacheEntryInfoA(key.c_str(), nullptr, &size) ||
         GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

// seed-cache.exe --churn, its output going to a file the test reads when it has stopped.
class ChurnProcess {
 public:
  ChurnProcess() {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    stopFile_ = std::string(dir) + "tarnwick-churn.stop";
    outputFile_ = std::string(dir) + "tarnwick-churn.out";
    DeleteFileA(stopFile_.c_str());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    output_ = CreateFileA(outputFile_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                          CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output_;
    startup.hStdError = output_;
    std::string command = std::string(SEED_CACHE_EXE) + " --churn " + stopFile_;
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                              &startup, &process_);
  }
  ~ChurnProcess() {
    if (started_) {
      CloseHandle(process_.hThread);
      CloseHandle(process_.hProcess);
    }
    CloseHandle(output_);
  }
  bool Started() const { return started_; }

  // Asks it to stop and returns the steps it made, or -1 when it did not stop in time.
  int Stop() {
    CloseHandle(
        CreateFileA(stopFile_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (WaitForSingleObject(process_.hProcess, 30'000) != WAIT_OBJECT_0) return -1;
    int steps = -1;
    if (FILE* file = std::fopen(outputFile_.c_str(), "r")) {
      if (std::fscanf(file, "churned %d steps", &steps) != 1) steps = -1;
      std::fclose(file);
    }
    DeleteFileA(stopFile_.c_str());
    return steps;
  }

 private:
  std::string stopFile_;
  std::string outputFile_;
  HANDLE output_ = INVALID_HANDLE_VALUE;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(ChurnStressTest, ListingEndsAndClearDeletesOnlyListedEntries) {
  seed::CacheSeeder seeder;
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(seed::SeedSyntheticEntries(seeder, kEntries)) << seeder.Error();
  std::printf("seeded %d entries in %.1f s\n", kEntries, SecondsSince(start));

  testing::RealPlatform real;
  TForm1 form{real.platform};

  ChurnProcess churn;
  ASSERT_TRUE(churn.Started());
  Sleep(300);
  start = std::chrono::steady_clock::now();
  ASSERT_NO_THROW(form.FormCreate());
  std::set<std::string> listed;
  for (int row = 1; row < form.grd.RowCount(); ++row)
    listed.emplace(form.grd.Cell(kColSourceUrl, row));
  std::printf("listed %zu entries in %.1f s\n", listed.size(), SecondsSince(start));
  start = std::chrono::steady_clock::now();
  ASSERT_NO_THROW(form.bnt_ClearClick());
  std::printf("cleared them in %.1f s\n", SecondsSince(start));
  const int steps = churn.Stop();
  ASSERT_GE(steps, 0) << "the churn did not stop";
  std::printf("the churn made %d steps meanwhile\n", steps);

  int seededListed = 0;
  for (const seed::SeededEntry& entry : seeder.Entries()) {
    seededListed += listed.contains(entry.key);
    EXPECT_FALSE(InCache(entry.key)) << entry.key;
  }
  EXPECT_EQ(seededListed, kEntries);
  int survivors = 0;
  for (int step = 0; step < steps; ++step) {
    const std::string key = seed::ChurnKey(step);
    if (listed.contains(key) || seed::DeletedByChurn(step, steps)) continue;
    EXPECT_TRUE(InCache(key)) << key << " was deleted without being listed";
    ++survivors;
  }
  std::printf("%d churn entries came after the listing and were kept\n", survivors);
  for (int step = 0; step < steps; ++step) DeleteUrlCacheEntryA(seed::ChurnKey(step).c_str());
}

}  // namespace
}  // namespace tarnwick
