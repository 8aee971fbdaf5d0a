#include "actions/Deletion.h"

#include <gtest/gtest.h>

#include "ActionFakes.h"
#include "cache/Columns.h"
#include "support/FailingAllocator.h"

namespace tarnwick {
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
      testing::allocationsLeft = 0;
      return gone;
    }
  } cache;
  DeleteEntryOfRow(table, 1, cache);
  testing::allocationsLeft = -1;
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
