// One delivered record to one row of the entry table: the type text, which view shows the entry,
// every cell's text, the history title, and records whose pointers and sizes are wrong.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestTimes.h"
#include "cache/Columns.h"
#include "cache/EntryRow.h"
#include "platform/FileTimeSplit.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

using testing::k14h07m09s;
using testing::kMidnightAnd500ms;

TEST(TypeText, NamesKnownFlagsInFixedOrderAndIgnoresOthers) {
  EXPECT_EQ(TypeText(0x0000'0001), "NORMAL_CACHE_ENTRY");
  EXPECT_EQ(TypeText(0x0010'0001), "COOKIE_CACHE_ENTRY|NORMAL_CACHE_ENTRY");
  EXPECT_EQ(TypeText(0x0000'0008), "");
  EXPECT_EQ(TypeText(0xFFFF'FFFF),
            "COOKIE_CACHE_ENTRY|NORMAL_CACHE_ENTRY|URLHISTORY_CACHE_ENTRY|STABLE_CACHE_ENTRY|"
            "SPARSE_CACHE_ENTRY|STICKY_CACHE_ENTRY|TRACK_OFFLINE_CACHE_ENTRY|"
            "TRACK_ONLINE_CACHE_ENTRY|OCX_CACHE_ENTRY");
  // Each bit by itself, as the platform numbers them: the all-bits text alone would not catch two
  // names swapped between their bits.
  const std::pair<uint32_t, const char*> single[] = {{0x0010'0000, "COOKIE_CACHE_ENTRY"},
                                                     {0x0000'0001, "NORMAL_CACHE_ENTRY"},
                                                     {0x0020'0000, "URLHISTORY_CACHE_ENTRY"},
                                                     {0x0000'0002, "STABLE_CACHE_ENTRY"},
                                                     {0x0001'0000, "SPARSE_CACHE_ENTRY"},
                                                     {0x0000'0004, "STICKY_CACHE_ENTRY"},
                                                     {0x0000'0010, "TRACK_OFFLINE_CACHE_ENTRY"},
                                                     {0x0000'0020, "TRACK_ONLINE_CACHE_ENTRY"},
                                                     {0x0002'0000, "OCX_CACHE_ENTRY"}};
  for (const auto& [bit, name] : single) EXPECT_EQ(TypeText(bit), name) << std::hex << bit;
}

// A history header block: 20 bytes of other data, then the title as UTF-16LE.
std::string HistoryBlock(std::u16string_view title) {
  std::string block(20, '\x7F');
  for (char16_t unit : title) {
    block.push_back(static_cast<char>(unit & 0xFF));
    block.push_back(static_cast<char>(unit >> 8));
  }
  return block;
}

class AddEntryRowTest : public ::testing::Test {
 protected:
  AddEntryRowTest() : formatter(locale, text) { table.SetRowCount(2); }

  // The record as the cache lays it out, so the header block is at an unaligned offset.
  std::vector<std::string> Row(const MemoryCacheEntry& entry, TViewMode view) {
    std::vector<char> buffer(MemoryUrlCache::RecordSize(entry) + 64);
    MemoryUrlCache cache;
    cache.Add(entry);
    uint32_t size = static_cast<uint32_t>(buffer.size());
    void* find = cache.FindFirst(nullptr, buffer.data(), size);
    EXPECT_NE(find, nullptr);
    const int rows = table.RowCount();
    formatter.AddEntryRow(table, {reinterpret_cast<const CacheEntryRecord*>(buffer.data()), size},
                          view);
    cache.FindClose(find);
    if (table.RowCount() == rows) return {};
    EXPECT_EQ(table.RowCount(), rows + 1);
    return table.CopyRow(rows - 1);
  }

  FixedLocale locale;
  Cp1252Text text;
  EntryRowFormatter formatter;
  EntryTable table;
};

TEST_F(AddEntryRowTest, ContentRowHoldsEveryFieldAndTheWholeHeaderBlock) {
  const std::string header("HTTP/1.1 200 OK\r\n\0after", 24);
  MemoryCacheEntry entry{.sourceUrl = "http://a.test/",
                         .localFile = "C:\\cache\\a.htm",
                         .type = 0x0000'0009,
                         .useCount = 4294967295u,
                         .hitRate = 7,
                         .size = uint64_t{1} << 32,
                         .lastModified = FileTimeOfTicks(k14h07m09s),
                         .expire = {0xFFFF'FFFF, 0x7FFF'FFFF},
                         .lastAccess = {0, 0},
                         .lastSync = FileTimeOfTicks(kMidnightAnd500ms),
                         .header = header};
  const std::map<CellSource, std::string> expected = {
      {CellSource::kSourceUrl, "http://a.test/"},
      {CellSource::kLocalFile, "C:\\cache\\a.htm"},
      {CellSource::kType, "NORMAL_CACHE_ENTRY"},
      {CellSource::kUseCount, "4294967295"},
      {CellSource::kHitRate, "7"},
      {CellSource::kSize, "4294967296"},
      {CellSource::kModified, "3/5/2024 2:07:09 PM"},
      {CellSource::kExpires, "NEVER"},
      {CellSource::kLastAccess, " "},
      {CellSource::kLastSync, "3/5/2024"},
      {CellSource::kViewsLast, header}};
  const std::vector<std::string> row = Row(entry, vmContent);
  ASSERT_EQ(row.size(), std::size(kColumns));
  for (size_t col = 0; col < row.size(); ++col)
    EXPECT_EQ(row[col], expected.at(kColumns[col].Source())) << kColumns[col].Caption();
}

// The texts a listing keeps of the times it formatted are its own: a setting changed before the
// next listing (here the user's time zone) shows in that listing.
TEST_F(AddEntryRowTest, TimesOfALaterRowAndOfTheNextListing) {
  const MemoryCacheEntry afternoon{.lastModified = FileTimeOfTicks(k14h07m09s)};
  const MemoryCacheEntry midnight{.lastModified = FileTimeOfTicks(kMidnightAnd500ms),
                                  .lastAccess = FileTimeOfTicks(k14h07m09s)};
  constexpr int kColLastAccess = ColumnOf(CellSource::kLastAccess);
  EXPECT_EQ(Row(afternoon, vmCookies)[kColModified], "3/5/2024 2:07:09 PM");
  const std::vector<std::string> later = Row(midnight, vmCookies);
  EXPECT_EQ(later[kColModified] + "|" + later[kColLastAccess], "3/5/2024|3/5/2024 2:07:09 PM");

  locale.SetUtcOffsetMinutes(60);
  formatter.StartListing();
  EXPECT_EQ(Row(afternoon, vmCookies)[kColModified], "3/5/2024 3:07:09 PM");
}

TEST_F(AddEntryRowTest, ViewFilterDecidesWhetherARowIsAdded) {
  const MemoryCacheEntry cookie{.sourceUrl = "Cookie:u@a.test/", .type = 0x0010'0001};
  const MemoryCacheEntry visit{.sourceUrl = "Visited:u@a.test", .type = 0x0020'0001};
  const MemoryCacheEntry both{.sourceUrl = "x", .type = 0x0030'0000};
  const MemoryCacheEntry plain{.sourceUrl = "y", .type = 0x0000'0008};
  EXPECT_TRUE(Row(cookie, vmContent).empty());
  EXPECT_TRUE(Row(cookie, vmHistory).empty());
  EXPECT_TRUE(Row(visit, vmCookies).empty());
  for (TViewMode view : {vmContent, vmCookies, vmHistory}) EXPECT_TRUE(Row(both, view).empty());
  EXPECT_EQ(table.RowCount(), 2);

  const std::vector<std::string> cookieRow = Row(cookie, vmCookies);
  ASSERT_EQ(cookieRow.size(), std::size(kColumns));
  EXPECT_EQ(cookieRow[kColType], "COOKIE_CACHE_ENTRY|NORMAL_CACHE_ENTRY");
  EXPECT_EQ(cookieRow[kColHeader], "");
  for (TViewMode view : {vmContent, vmCookies, vmHistory})
    EXPECT_EQ(Row(plain, view)[kColType], " ");
}

TEST_F(AddEntryRowTest, HistoryTitleIsReadFromByte20AndConverted) {
  MemoryCacheEntry visit{.sourceUrl = "Visited:u@a.test", .type = 0x0020'0000};
  visit.header = HistoryBlock(std::u16string_view(u"Caf\u00E9 \u4E2D\0junk", 11));
  EXPECT_EQ(Row(visit, vmHistory)[kColHeader], "Caf\xE9 ?");
  visit.header = HistoryBlock(u"Title") + "\x41";  // an odd last byte is no code unit
  EXPECT_EQ(Row(visit, vmHistory)[kColHeader], "Title");
  for (size_t size : {0u, 1u, 19u, 20u, 21u}) {
    visit.header = std::string(size, 'A');
    EXPECT_EQ(Row(visit, vmHistory)[kColHeader], " ") << size;
  }
  visit.header.reset();
  EXPECT_EQ(Row(visit, vmHistory)[kColHeader], " ");
}

TEST_F(AddEntryRowTest, AbsentTextsGiveBlanksAndSizesKeepTheirSign) {
  const std::vector<std::string> row = Row({.size = 0xFFFF'FFFF'FFFF'FFFEu}, vmContent);
  EXPECT_EQ(row[kColSourceUrl] + row[kColLocalFile], "  ");
  EXPECT_EQ(row[kColFileSize], "-2");
  EXPECT_EQ(row[kColHeader], " ");
}

TEST_F(AddEntryRowTest, OldTextsOfTheLastRowAreClearedFirst) {
  table.SetRowCount(3);
  table.AppendToRow(2, std::vector<std::string>(std::size(kColumns), "old"));
  table.SetRowCount(2);
  table.AppendToRow(1, std::vector<std::string>{"filled"});
  Row({.sourceUrl = "first"}, vmCookies);
  const std::vector<std::string> row = Row({.sourceUrl = "second"}, vmCookies);
  EXPECT_EQ(row[kColSourceUrl], "second");
  EXPECT_EQ(row[kColHeader], "");
  EXPECT_EQ(table.Cell(kColSourceUrl, 1), "first");
  EXPECT_EQ(table.RowCount(), 4);
}

// A record whose pointers or sizes the cache got wrong, in a buffer that ends where the record's
// bytes end, so that a read past them is caught.
struct Malformed {
  const char* what;
  void (*spoil)(CacheEntryRecord& record, char* end);
  TViewMode view;
  std::vector<std::string> urlFileHeader;
};

void PrintTo(const Malformed& malformed, std::ostream* out) { *out << malformed.what; }

class MalformedRecordTest : public AddEntryRowTest,
                            public ::testing::WithParamInterface<Malformed> {};

TEST_P(MalformedRecordTest, ReadsNothingOutsideTheRecordAndShowsWhatDoesNotFitAsAbsent) {
  const Malformed& malformed = GetParam();
  const MemoryCacheEntry entry{
      .sourceUrl = "http://a.test/",
      .localFile = "C:\\f",
      .header = malformed.view == vmHistory ? HistoryBlock(u"Title") : std::string("HTTP/1.1")};
  const uint32_t bytes = MemoryUrlCache::RecordSize(entry);
  const auto buffer = std::make_unique<char[]>(bytes);
  MemoryUrlCache::WriteRecord(entry, buffer.get());
  auto& record = *reinterpret_cast<CacheEntryRecord*>(buffer.get());
  malformed.spoil(record, buffer.get() + bytes);

  const std::vector<std::string> items = formatter.RowItems({&record, bytes}, malformed.view);
  EXPECT_EQ(
      (std::vector<std::string>{items[kColSourceUrl], items[kColLocalFile], items[kColHeader]}),
      malformed.urlFileHeader);
}

// Each writes a pointer or size that the platform's own record would never hold. The header block
// ends the record and holds no NUL.
INSTANTIATE_TEST_SUITE_P(
    EachFault, MalformedRecordTest,
    ::testing::Values(
        Malformed{"UrlJustPastTheEnd",
                  [](CacheEntryRecord& r, char* end) { r.lpszSourceUrlName = end; },
                  vmContent,
                  {"", "C:\\f", "HTTP/1.1"}},
        Malformed{"UrlAFewBytesPastTheEnd",
                  [](CacheEntryRecord& r, char* end) {
                    r.lpszSourceUrlName =
                        reinterpret_cast<char*>(reinterpret_cast<uintptr_t>(end) + 4);
                  },
                  vmContent,
                  {"", "C:\\f", "HTTP/1.1"}},
        Malformed{"UrlBeforeTheRecord",
                  [](CacheEntryRecord& r, char*) {
                    r.lpszSourceUrlName = reinterpret_cast<char*>(&r) - 4096;
                  },
                  vmContent,
                  {"", "C:\\f", "HTTP/1.1"}},
        Malformed{"FileWithNoNulBeforeTheEnd",
                  [](CacheEntryRecord& r, char*) { r.lpszLocalFileName = r.lpHeaderInfo; },
                  vmContent,
                  {"http://a.test/", "", "HTTP/1.1"}},
        Malformed{"HeaderOneByteTooLong",
                  [](CacheEntryRecord& r, char*) { ++r.dwHeaderInfoSize; },
                  vmContent,
                  {"http://a.test/", "C:\\f", ""}},
        Malformed{"HeaderOfFourGiB",
                  [](CacheEntryRecord& r, char*) { r.dwHeaderInfoSize = 0xFFFF'FFFF; },
                  vmContent,
                  {"http://a.test/", "C:\\f", ""}},
        Malformed{"HeaderJustPastTheEnd",
                  [](CacheEntryRecord& r, char* end) { r.lpHeaderInfo = end; },
                  vmContent,
                  {"http://a.test/", "C:\\f", ""}},
        Malformed{"HistoryBlockTooLong",
                  [](CacheEntryRecord& r, char*) { r.dwHeaderInfoSize += 2; },
                  vmHistory,
                  {"http://a.test/", "C:\\f", ""}}),
    [](const ::testing::TestParamInfo<Malformed>& each) { return std::string(each.param.what); });

}  // namespace
}  // namespace tarnwick
