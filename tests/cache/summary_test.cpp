// The status line: its texts, and the sizes its summary adds up.
#include "cache/Summary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "cache/Columns.h"
#include "cache/StatusTexts.h"

namespace tarnwick {
namespace {

constexpr NumberSeparators kUs{',', '.'};

TEST(FormatSummary, GroupsBytesAndRoundsMegabytesHalfAwayFromZero) {
  EXPECT_EQ(FormatSummary(2, 1049576, kUs), "2 entries in 1,049,576 bytes (1.00 MB)");
  EXPECT_EQ(FormatSummary(0, 0, kUs), "0 entries in 0 bytes (0.00 MB)");
  EXPECT_EQ(FormatSummary(1, 131072, kUs), "1 entries in 131,072 bytes (0.13 MB)");
  EXPECT_EQ(FormatSummary(1, 393216, kUs), "1 entries in 393,216 bytes (0.38 MB)");
  EXPECT_EQ(FormatSummary(1, 131071, kUs), "1 entries in 131,071 bytes (0.12 MB)");
  EXPECT_EQ(FormatSummary(1, 999, kUs), "1 entries in 999 bytes (0.00 MB)");
  EXPECT_EQ(FormatSummary(1, -131072, kUs), "1 entries in -131,072 bytes (-0.13 MB)");
  EXPECT_EQ(FormatSummary(1, 1049576, {'.', ','}), "1 entries in 1.049.576 bytes (1,00 MB)");
  EXPECT_EQ(FormatSummary(1, 1049576, {' ', ','}), "1 entries in 1 049 576 bytes (1,00 MB)");
}

TEST(FormatSummary, LocaleWithoutSeparatorsGivesAWholeText) {
  // No NUL may reach the status line, where it would cut the text short.
  EXPECT_EQ(FormatSummary(1, 1049576, {'\0', '\0'}), "1 entries in 1049576 bytes (1.00 MB)");
}

TEST(FormatSummary, LargeTotalsAreExact) {
  EXPECT_EQ(FormatSummary(3, int64_t{3} << 30, kUs),
            "3 entries in 3,221,225,472 bytes (3,072.00 MB)");
  // 2^53 + 1 has no exact double; the text must still show its last digit.
  EXPECT_EQ(FormatSummary(1, (int64_t{1} << 53) + 1, kUs),
            "1 entries in 9,007,199,254,740,993 bytes (8,589,934,592.00 MB)");
  EXPECT_EQ(FormatSummary(1, std::numeric_limits<int64_t>::max(), kUs),
            "1 entries in 9,223,372,036,854,775,807 bytes (8,796,093,022,208.00 MB)");
  EXPECT_EQ(FormatSummary(1, std::numeric_limits<int64_t>::min(), kUs),
            "1 entries in -9,223,372,036,854,775,808 bytes (-8,796,093,022,208.00 MB)");
}

TEST(ProgressText, GroupsTheCountsByThrees) {
  EXPECT_EQ(ListingProgressText(0, {',', '.'}), "Listing... 0 entries");
  EXPECT_EQ(ListingProgressText(1, {',', '.'}), "Listing... 1 entry");
  EXPECT_EQ(ListingProgressText(12345, {',', '.'}), "Listing... 12,345 entries");
  EXPECT_EQ(ListingProgressText(1234567, {'.', ','}), "Listing... 1.234.567 entries");
  EXPECT_EQ(DeletionProgressText(1200, 40000, {',', '.'}), "Deleting... 1,200 of 40,000");
  // A locale with no thousands separator set: no NUL that would cut the status line short.
  EXPECT_EQ(ListingProgressText(12345, {'\0', '.'}), "Listing... 12345 entries");
}

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
