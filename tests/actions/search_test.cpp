#include "actions/Search.h"

#include <gtest/gtest.h>

#include "ActionFakes.h"
#include "cache/Columns.h"

namespace tarnwick {
namespace {

using testing::FillTable;
using testing::TestCp932LeadBytes;
using testing::TestUpperCaseMap;

class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override { FillTable(table, 9); }
  std::optional<int> Find(std::string_view text) { return FindNextRow(table, text, upper); }

  EntryTable table;
  UpperCaseMap upper = TestUpperCaseMap();
};

TEST_F(SearchTest, AlternatesBetweenTwoHitsAndWraps) {
  table.SetCell(kColType, 3, "needle in column two");
  table.SetCell(kColHeader, 7, "header with a NeEdLe");
  table.SelectRow(3);
  EXPECT_EQ(Find("needle"), 7);
  table.SelectRow(7);
  EXPECT_EQ(Find("needle"), 3);
}

TEST_F(SearchTest, CurrentRowIsTestedLastAndAHitThereKeepsIt) {
  table.SetCell(kColLocalFile, 5, "only here");
  table.SelectRow(5);
  EXPECT_EQ(Find("only"), 5);

  table.SetCell(kColLocalFile, 2, "only here too");
  EXPECT_EQ(Find("only"), 2);
}

TEST_F(SearchTest, NoHitEmptyTextAndHeaderRowFindNothing) {
  EXPECT_EQ(Find("absent"), std::nullopt);
  EXPECT_EQ(Find(""), std::nullopt);
  EXPECT_EQ(Find("Source URL"), std::nullopt);
  EXPECT_EQ(Find("Hit Rate"), std::nullopt);
}

TEST_F(SearchTest, RowsNeverWrittenAreSearchedAsEmpty) {
  table.SetRowCount(table.RowCount() + 2);
  table.SelectRow(table.RowCount() - 1);
  EXPECT_EQ(Find("absent"), std::nullopt);
  EXPECT_EQ(Find("normal_cache"), 1);
}

TEST_F(SearchTest, IgnoresCaseThroughTheLocaleTable) {
  EXPECT_EQ(Find("normal_cache"), 2);
  table.SetCell(kColSourceUrl, 4, "http://caf\xC9.example/");
  EXPECT_EQ(Find("caf\xE9"), 4);
}

TEST_F(SearchTest, TextsCountOnlyUpToTheirFirstNul) {
  using namespace std::string_literals;
  table.SetCell(kColHeader, 6, "HTTP/1.1 200 OK\0secret-after-nul"s);
  EXPECT_EQ(Find("secret"), std::nullopt);
  EXPECT_EQ(Find("200 OK\0ignored"s), 6);
  EXPECT_EQ(Find("\0anything"s), std::nullopt);
}

TEST_F(SearchTest, NeedleLongerThanCellOrAtItsEnd) {
  table.SetCell(kColLocalFile, 8, "abc");
  EXPECT_EQ(Find("abcd"), std::nullopt);
  EXPECT_EQ(Find("bc"), 8);
  EXPECT_EQ(Find(std::string(100000, 'x')), std::nullopt);
}

TEST_F(SearchTest, DoubleByteCharactersAreNeitherUpperCasedNorSplit) {
  // "\x83\x61" and "\x83\x41" are katakana: lead byte 0x83, trail bytes 'a' and 'A'.
  const struct {
    const char* cell;
    const char* search;
    bool hit;
  } cases[] = {
      {"\x83\x61", "A", false},             // a trail byte is no letter
      {"\x83\x41", "a", false},             // nor does a hit start on one
      {"\x83\x83\x61", "\x83\x61", false},  // a trail byte 0x83, then a single 'a'
      {"\x83\x83\x61", "A", true},
      {"x\x83\x61", "\x83\x61", true},
      {"ab\x83\x61"
       "cd",
       "B\x83\x61"
       "C",
       true},
      {"\x83\x61", "\x83\x41", false},
  };
  const LeadByteSet leads = TestCp932LeadBytes();
  EntryTable one;
  one.SetRowCount(2);
  for (const auto& each : cases) {
    one.SetCell(kColSourceUrl, 1, each.cell);
    EXPECT_EQ(FindNextRow(one, each.search, upper, leads).has_value(), each.hit)
        << "search " << ::testing::PrintToString(std::string(each.search)) << " in "
        << ::testing::PrintToString(std::string(each.cell));
  }
}

TEST_F(SearchTest, SingleCaptionRowIsNeverSearched) {
  table.SetRowCount(1);
  EXPECT_EQ(table.Row(), 0);
  EXPECT_EQ(Find("Source"), std::nullopt);
}

}  // namespace
}  // namespace tarnwick
