#include "cache/Listing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "actions/Deletion.h"
#include "cache/Columns.h"
#include "cache/EntryRow.h"
#include "cache/StatusTexts.h"
#include "platform/FileTimeSplit.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"
#include "support/ListedUrls.h"
#include "support/TestEntries.h"

namespace tarnwick {
namespace {

using testing::TestEntry;

// Counts buffers and records a second buffer taken while one is still held.
class CountingBuffers : public ListingBuffers {
 public:
  void* Take(uint32_t bytes) override {
    if (sizes.size() + 1 == failingTake) throw std::bad_alloc();
    if (live > 0) ++overlapping;
    ++live;
    sizes.push_back(bytes);
    void* buffer = std::malloc(bytes);
    if (!buffer) throw std::bad_alloc();
    return buffer;
  }
  void Release(void* buffer) override {
    --live;
    std::free(buffer);
  }
  int live = 0;
  int overlapping = 0;
  std::vector<uint32_t> sizes;
  // Counted from 1 over every buffer taken; 0 fails none.
  size_t failingTake = 0;
};

class ListingTest : public ::testing::Test {
 protected:
  ListingTest() : formatter(locale, text) {
    table.OnClick = [this] { ++clicks; };
  }
  ~ListingTest() override {
    EXPECT_EQ(buffers.live, 0) << "a buffer was not released";
    EXPECT_EQ(buffers.overlapping, 0) << "two buffers were held at once";
    EXPECT_EQ(cache.OpenFinds(), 0) << "the enumeration was not closed";
  }

  ListingSummary List(TViewMode view) {
    int records = 0;
    return RefreshEntryTable(
        table, cache, view, formatter,
        [&] {
          if (++records == failingRecord) throw std::runtime_error("go on? failed");
          return true;
        },
        buffers);
  }
  std::vector<std::string> Urls() const { return testing::ListedUrls(table); }

  FixedLocale locale;
  Cp1252Text text;
  EntryRowFormatter formatter;
  EntryTable table;
  MemoryUrlCache cache;
  CountingBuffers buffers;
  int clicks = 0;
  // The record, counted from 1 in each listing, after whose row "go on?" throws; 0: none.
  int failingRecord = 0;
};

TEST_F(ListingTest, EachViewListsItsEntriesUnderTheCaptionsAndSumsTheirSizes) {
  cache.Add(TestEntry("Cookie:u@a.test/", 0x0010'0001, 100));
  MemoryCacheEntry a = TestEntry("http://a.test/", 0x0000'0001, 1000);
  a.lastModified = FileTimeOfTicks(133541212290000000);  // 5 March 2024, 14:07:09 UTC
  cache.Add(a);
  cache.Add(TestEntry("Visited:u@a.test", 0x0020'0001, 7));
  cache.Add(TestEntry("http://b.test/", 0x0000'0001, 1048576));
  table.SetRowCount(40);
  table.SetRow(30);
  clicks = 0;

  const ListingSummary content = List(vmContent);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"http://a.test/", "http://b.test/"}));
  EXPECT_EQ(table.Cell(kColSourceUrl, 0), "Source URL");
  EXPECT_EQ(table.Cell(kColHeader, 0), "Header");
  EXPECT_EQ(table.FixedRows(), 1);
  EXPECT_EQ(table.Row(), 1);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(FormatSummary(content.count, content.totalBytes, {',', '.'}),
            "2 entries in 1,049,576 bytes (1.00 MB)");

  EXPECT_EQ(List(vmCookies).count, 1);
  EXPECT_EQ(Urls(), std::vector<std::string>{"Cookie:u@a.test/"});
  EXPECT_EQ(List(vmHistory).totalBytes, 7);
  EXPECT_EQ(Urls(), std::vector<std::string>{"Visited:u@a.test"});
  // Each listing starts afresh: a time zone changed since the last one shows.
  locale.SetUtcOffsetMinutes(60);
  EXPECT_EQ(List(vmContent).count, 2);
  EXPECT_EQ(Urls(), (std::vector<std::string>{"http://a.test/", "http://b.test/"}));
  EXPECT_EQ(table.Cell(kColModified, 1), "3/5/2024 3:07:09 PM");
}

TEST_F(ListingTest, EmptyViewEndsLikeAViewWhoseEntriesWereAllFilteredOut) {
  cache.Add(TestEntry("Cookie:u@a.test/", 0x0010'0001, 100));
  for (TViewMode view : {vmHistory, vmContent}) {
    const ListingSummary summary = List(view);
    EXPECT_EQ(summary.count, 0);
    EXPECT_EQ(summary.totalBytes, 0);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(table.FixedRows(), 0);
    EXPECT_EQ(table.Row(), 0);
    EXPECT_EQ(table.Cell(kColSourceUrl, 0), "Source URL");
  }
  EXPECT_EQ(List(vmCookies).count, 1);
  EXPECT_EQ(table.FixedRows(), 1);
}

TEST_F(ListingTest, FirstBufferGrowsToTwiceTheNeedAndNextBufferDoublesAndStaysDoubled) {
  const MemoryCacheEntry large = TestEntry("http://large.test/", 1, 1, std::string(5000, 'h'));
  cache.Add(large);
  cache.Add(TestEntry("http://small.test/", 1, 1));
  cache.Add(TestEntry("http://huge.test/", 1, 1, std::string(10000, 'h')));
  cache.Add(TestEntry("http://last.test/", 1, 1));

  EXPECT_EQ(List(vmContent).count, 4);
  const uint32_t need = MemoryUrlCache::RecordSize(large);
  EXPECT_EQ(cache.SizesGiven(),
            (std::vector<uint32_t>{4096, 2 * need, 4096, 4096, 8192, 16384, 16384, 16384}));
  EXPECT_EQ(buffers.sizes, (std::vector<uint32_t>{4096, 2 * need, 4096, 8192, 16384}));
}

TEST_F(ListingTest, WrittenBackSizeOfZeroEndsBeforeTheResultIsLookedAt) {
  for (const char* url : {"http://1.test/", "http://2.test/", "http://3.test/"})
    cache.Add(TestEntry(url, 1, 1));
  cache.InjectAnswer(2, 1, {.result = false, .error = kErrorInsufficientBuffer, .size = 0});
  EXPECT_EQ(List(vmContent).count, 1);
  EXPECT_EQ(cache.FindCalls(), 2);

  cache.InjectAnswer(4, 1, {.result = true, .error = 0, .size = 0});
  EXPECT_EQ(List(vmContent).count, 1);
  EXPECT_EQ(cache.FindCalls(), 4);
}

TEST_F(ListingTest, OtherFailuresEndTheListingWithTheRowsSoFar) {
  for (const char* url : {"http://1.test/", "http://2.test/", "http://3.test/"})
    cache.Add(TestEntry(url, 1, 10));
  cache.InjectAnswer(3, 1, {.result = false, .error = 6, .size = 4096});
  EXPECT_EQ(List(vmContent).count, 2);

  // A retry after code 122 that fails otherwise has no record to show.
  cache.InjectAnswer(5, 1, {.result = false, .error = kErrorInsufficientBuffer});
  cache.InjectAnswer(6, 1, {.result = false, .error = kErrorAccessDenied, .size = 100});
  const ListingSummary summary = List(vmContent);
  EXPECT_EQ(summary.count, 1);
  EXPECT_EQ(summary.totalBytes, 10);

  cache.InjectAnswer(7, 1, {.result = false, .error = kErrorAccessDenied});
  EXPECT_EQ(List(vmContent).count, 0);
  EXPECT_EQ(table.RowCount(), 1);
}

TEST_F(ListingTest, ACacheThatKeepsAskingForMoreStopsAt64MiB) {
  cache.Add(TestEntry("http://1.test/", 1, 1));
  cache.Add(TestEntry("http://2.test/", 1, 1));
  // The next-entry call: doubled up to the limit, then given up.
  cache.InjectAnswer(2, 15, {.result = false, .error = kErrorInsufficientBuffer});
  EXPECT_EQ(List(vmContent).count, 1);
  EXPECT_EQ(buffers.sizes.back(), kMaxListingBuffer);
  EXPECT_EQ(cache.FindCalls(), 2 + 14);

  // The first call, asking for no more than it was given: every try still grows.
  buffers.sizes.clear();
  cache.InjectAnswer(17, 15, {.result = false, .error = kErrorInsufficientBuffer, .size = 10});
  EXPECT_EQ(List(vmContent).count, 0);
  EXPECT_EQ(buffers.sizes.back(), kMaxListingBuffer);
  EXPECT_EQ(buffers.sizes.size(), 15u);

  // A first record of more than half the limit gets the largest buffer; one beyond it, none.
  cache.InjectAnswer(32, 1, {.result = false, .error = kErrorInsufficientBuffer, .size = 40 << 20});
  EXPECT_EQ(List(vmContent).count, 2);
  EXPECT_EQ(cache.SizesGiven()[32], kMaxListingBuffer);
  cache.InjectAnswer(36, 1, {.result = false, .error = kErrorInsufficientBuffer, .size = 65 << 20});
  EXPECT_EQ(List(vmContent).count, 0);
  EXPECT_EQ(cache.FindCalls(), 36);
}

// A Content listing that fails at one step, and the URLs it delivered before.
struct Failure {
  const char* step;
  int throwingCall = 0;
  size_t failingTake = 0;
  int failingRecord = 0;
  std::vector<std::string> delivered;
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.step; }

class FailedListingTest : public ListingTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(FailedListingTest, LeavesOnlyTheRowsItDeliveredForClear) {
  const Failure& failure = GetParam();
  cache.Add(TestEntry("http://1.test/", 1, 1));
  cache.Add(TestEntry("http://2.test/", 1, 1, std::string(5000, 'h')));
  cache.Add(TestEntry("http://3.test/", 1, 1));
  for (const char* url : {"Cookie:u@1/", "Cookie:u@2/", "Cookie:u@3/", "Cookie:u@4/"})
    cache.Add(TestEntry(url, 0x0010'0001, 1));
  // A longer listing of another view leaves its rows hidden, texts and all, past the next one.
  EXPECT_EQ(List(vmCookies).count, 4);
  if (failure.throwingCall)
    cache.InjectAnswer(cache.FindCalls() + failure.throwingCall, 1, {.throws = true});
  if (failure.failingTake) buffers.failingTake = buffers.sizes.size() + failure.failingTake;
  failingRecord = failure.failingRecord;

  EXPECT_ANY_THROW(List(vmContent));
  EXPECT_EQ(Urls(), failure.delivered);
  DeleteEntriesOfAllRows(table, cache);
  EXPECT_EQ(cache.EntryCount(), 7 - failure.delivered.size());
  for (const std::string& url : failure.delivered) EXPECT_FALSE(cache.Contains(url));
}

// In the Content listing call 1 delivers 1.test; 2.test outgrows the next-entry buffer (take 2),
// so call 2 answers 122 and call 3 delivers it in a larger one (take 3).
INSTANTIATE_TEST_SUITE_P(
    EachStep, FailedListingTest,
    ::testing::Values(Failure{.step = "FirstCall", .throwingCall = 1, .delivered = {}},
                      Failure{.step = "Growth", .failingTake = 3, .delivered = {"http://1.test/"}},
                      Failure{.step = "NextCall",
                              .throwingCall = 4,
                              .delivered = {"http://1.test/", "http://2.test/"}},
                      Failure{.step = "GoOn",
                              .failingRecord = 2,
                              .delivered = {"http://1.test/", "http://2.test/"}}),
    [](const ::testing::TestParamInfo<Failure>& each) { return std::string(each.param.step); });

}  // namespace
}  // namespace tarnwick
