#include "actions/Deletion.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ActionFakes.h"
#include "cache/Columns.h"

namespace tarnwick {

// Every allocation fails while this is set, as when memory has run out.
std::atomic<bool> outOfMemory = false;

namespace {

using testing::FillTable;
using testing::RecordingCache;

TEST(DeletionTest, EachOutcomeIsWrittenIntoTheUseCountCell) {
  EntryTable table;
  FillTable(table, 4);
  RecordingCache cache;
  cache.failures = {{"http://host/2", kErrorFileNotFound},
                    {"http://host/3", kErrorAccessDenied},
                    {"http://host/4", 32}};

  for (int row = 1; row <= 4; ++row) DeleteEntryOfRow(table, row, cache);

  EXPECT_EQ(table.Cell(kColUseCount, 1), "DELETED");
  EXPECT_EQ(table.Cell(kColUseCount, 2), "FILE_NOT_FOUND");
  EXPECT_EQ(table.Cell(kColUseCount, 3), "ACCESS_DENIED");
  EXPECT_EQ(table.Cell(kColUseCount, 4), "1") << "an unknown failure leaves the cell as it was";
  EXPECT_EQ(table.RowCount(), 5) << "rows stay until the next listing";
}

TEST(DeletionTest, ClearDeletesEveryEntryRowInOrderWithoutStopping) {
  EntryTable table;
  FillTable(table, 3);
  RecordingCache cache;
  cache.failures = {{"http://host/1", 32}};

  DeleteEntriesOfAllRows(table, cache);

  EXPECT_EQ(cache.deleted,
            (std::vector<std::string>{"http://host/1", "http://host/2", "http://host/3"}));
  EXPECT_EQ(table.Cell(kColUseCount, 3), "DELETED");
}

// After a listing that found nothing only the caption row is left, and it is current: its
// "Source URL" is no key that was listed, and its "Use Count" is a caption.
TEST(DeletionTest, TheSingleCaptionRowIsNeverDeleted) {
  EntryTable table;
  FillTable(table, 1);
  table.SetRowCount(1);
  RecordingCache cache;

  DeleteEntriesOfAllRows(table, cache);
  DeleteEntryOfRow(table, table.Row(), cache);
  EXPECT_TRUE(cache.deleted.empty());
  EXPECT_EQ(table.Cell(kColUseCount, 0), "Use Count");
}

// Memory runs out once the cache has deleted the entry: the row shows the deletion all the same.
TEST(DeletionTest, ADeletionThatHappenedIsShownWhenMemoryRunsOutAfterIt) {
  EntryTable table;
  FillTable(table, 1);
  struct CacheTakingTheLastMemory : RecordingCache {
    bool Delete(const char* url) override {
      const bool gone = RecordingCache::Delete(url);
      outOfMemory = true;
      return gone;
    }
  } cache;
  DeleteEntryOfRow(table, 1, cache);
  outOfMemory = false;
  EXPECT_EQ(table.Cell(kColUseCount, 1), "DELETED");
}

TEST(DeletionTest, KeyIsCutAtItsFirstNul) {
  using namespace std::string_literals;
  EntryTable table;
  FillTable(table, 1);
  table.SetCell(kColSourceUrl, 1, "http://host/a\0http://host/b"s);
  RecordingCache cache;
  DeleteEntryOfRow(table, 1, cache);
  EXPECT_EQ(cache.deleted, std::vector<std::string>{"http://host/a"});
}

}  // namespace
}  // namespace tarnwick

// The program's allocations, made to fail on purpose while tarnwick::outOfMemory is set; freed
// by the matching delete.
void* operator new(std::size_t size) {
  void* memory = tarnwick::outOfMemory ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}
// The compiler pairs the allocation with the library's own delete, not with this one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop
