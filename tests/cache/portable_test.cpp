// The stand-ins must behave like the platform, or the tests built on them prove nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/FileTimeSplit.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

// The local date and time of `ticks` through the fields, or "failed".
std::string DateTime(uint64_t ticks, int utcOffsetMinutes = 0) {
  FixedLocale locale(utcOffsetMinutes);
  FileTime local{};
  SystemTime fields{};
  std::string date, time;
  locale.FileTimeToLocalFileTime(FileTimeOfTicks(ticks), local);
  if (!locale.FileTimeToSystemTime(local, fields) || !locale.FormatShortDate(fields, date) ||
      !locale.FormatLongTime(fields, time))
    return "failed";
  return date + " " + time + " " + std::to_string(fields.wDayOfWeek);
}

TEST(FixedLocale, SplitsFileTimesIntoGregorianFieldsLikeThePlatform) {
  EXPECT_EQ(DateTime(125962560000000000), "2/29/2000 12:00:00 AM 2");
  EXPECT_EQ(DateTime(94405824000000000), "3/1/1900 12:00:00 AM 4");  // 1900 has no 29 February
  EXPECT_EQ(DateTime(157520159999990000), "2/28/2100 11:59:59 PM 0");
  EXPECT_EQ(DateTime(125962560000000000, 12 * 60), "2/29/2000 12:00:00 PM 2");
  EXPECT_EQ(DateTime(0, -1), "failed");
  EXPECT_EQ(DateTime(uint64_t{1} << 63), "failed");
}

TEST(Cp1252Text, ConvertsAndUpperCasesLikeCodePage1252) {
  Cp1252Text text;
  EXPECT_EQ(text.FromUtf16(u"a\u00E9\u20AC\u0161\u4E2D\U0001F600"), "a\xE9\x80\x9A???");
  const std::array<unsigned char, 256> upper = text.ReadUpperCaseMap();
  EXPECT_EQ(upper['a'], 'A');
  EXPECT_EQ(upper['Z'], 'Z');
  EXPECT_EQ(upper[0xE9], 0xC9);  // e acute
  EXPECT_EQ(upper[0xE4], 0xC4);  // a umlaut
  EXPECT_EQ(upper[0x9A], 0x8A);  // s caron
  EXPECT_EQ(upper[0xFF], 0x9F);  // y umlaut
  EXPECT_EQ(upper[0xF7], 0xF7);  // division sign
  EXPECT_EQ(upper[0xDF], 0xDF);  // sharp s has no capital in the code page
}

TEST(MemoryUrlCache, LaysRecordsOutInTheBufferAndReportsDeletionCodes) {
  MemoryUrlCache cache;
  cache.Add({.sourceUrl = "http://a.test/", .header = std::string("ab\0", 3)});
  cache.Add({.sourceUrl = "Cookie:u@a.test/", .type = 0x0010'0000});
  cache.Add({.sourceUrl = "Visited:u@a.test", .locked = true});

  std::vector<char> buffer(4096);
  uint32_t size = 4096;
  void* find = cache.FindFirst(nullptr, buffer.data(), size);
  ASSERT_NE(find, nullptr);
  CacheEntryRecord record;
  std::memcpy(&record, buffer.data(), sizeof record);
  EXPECT_STREQ(record.lpszSourceUrlName, "http://a.test/");
  EXPECT_EQ(record.lpszLocalFileName, nullptr);
  EXPECT_EQ(record.lpHeaderInfo + record.dwHeaderInfoSize, buffer.data() + size);

  // Deleting during an enumeration is safe; it goes on with the next entry.
  EXPECT_TRUE(cache.Delete("Cookie:u@a.test/"));
  size = 4096;
  EXPECT_TRUE(cache.FindNext(find, buffer.data(), size));
  std::memcpy(&record, buffer.data(), sizeof record);
  EXPECT_STREQ(record.lpszSourceUrlName, "Visited:u@a.test");
  cache.FindClose(find);

  EXPECT_FALSE(cache.Delete("Visited:u@a.test"));
  EXPECT_EQ(cache.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(cache.Delete("http://missing.test/"));
  EXPECT_EQ(cache.LastError(), kErrorFileNotFound);
}

}  // namespace
}  // namespace tarnwick
