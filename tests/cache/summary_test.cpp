#include "cache/Summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "cache/Columns.h"

namespace tarnwick {
namespace {

TEST(SumFileSizes, CountsSizesOf2GiBAndMoreAndTreatsOtherTextsAsZero) {
  EXPECT_EQ(FileSizeOfCell("2147483648"), 2147483648);
  EXPECT_EQ(FileSizeOfCell("  -12"), -12);
  EXPECT_EQ(FileSizeOfCell("+7"), 7);
  EXPECT_EQ(FileSizeOfCell("9223372036854775807"), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(FileSizeOfCell("-9223372036854775808"), std::numeric_limits<int64_t>::min());
  for (const char* text : {"", " ", "-", "12 ", "1x", "0x10", "9223372036854775808", "DELETED"})
    EXPECT_EQ(FileSizeOfCell(text), 0) << text;

  EntryTable table;
  table.SetRowCount(5);
  table.SetCell(kColFileSize, 0, "1000000");  // the header row is not counted
  table.SetCell(kColFileSize, 1, "3221225472");
  table.SetCell(kColFileSize, 2, "2147483648");
  table.SetCell(kColFileSize, 3, " ");
  table.SetCell(kColFileSize, 4, "100");
  EXPECT_EQ(SumFileSizes(table), 5368709220);
}

}  // namespace
}  // namespace tarnwick
