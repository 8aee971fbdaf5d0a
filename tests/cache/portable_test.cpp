// The stand-ins must behave like the platform, or the tests built on them prove nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

SystemTime Fields(uint64_t ticks) {
  FixedLocale locale;
  SystemTime fields{};
  EXPECT_TRUE(locale.FileTimeToSystemTime(
      {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)}, fields));
  return fields;
}

TEST(FixedLocale, SplitsFileTimesIntoGregorianFields) {
  const SystemTime leapDay = Fields(125962560000000000);  // 29 February 2000, a Tuesday
  EXPECT_EQ(leapDay.wYear, 2000);
  EXPECT_EQ(leapDay.wMonth, 2);
  EXPECT_EQ(leapDay.wDay, 29);
  EXPECT_EQ(leapDay.wDayOfWeek, 2);
  const SystemTime noLeapDay = Fields(94405824000000000);  // 1900 has no 29 February
  EXPECT_EQ(noLeapDay.wMonth, 3);
  EXPECT_EQ(noLeapDay.wDay, 1);
  EXPECT_EQ(noLeapDay.wDayOfWeek, 4);
  const SystemTime last = Fields(157520159990000000 + 9990000);
  EXPECT_EQ(last.wYear, 2100);
  EXPECT_EQ(last.wDay, 28);
  EXPECT_EQ(last.wHour, 23);
  EXPECT_EQ(last.wSecond, 59);
  EXPECT_EQ(last.wMilliseconds, 999);

  FixedLocale locale;
  SystemTime fields{};
  EXPECT_FALSE(locale.FileTimeToSystemTime({0, 0x8000'0000}, fields));
  std::string text;
  EXPECT_TRUE(locale.FormatLongTime({2024, 1, 0, 1, 0, 5, 9, 0}, text));
  EXPECT_EQ(text, "12:05:09 AM");
  EXPECT_TRUE(locale.FormatLongTime({2024, 1, 0, 1, 12, 0, 0, 0}, text));
  EXPECT_EQ(text, "12:00:00 PM");
}

TEST(Cp1252Text, ConvertsAndUpperCasesLikeCodePage1252) {
  Cp1252Text text;
  EXPECT_EQ(text.FromUtf16(u"a\u00E9\u20AC\u0161\u4E2D\U0001F600"), "a\xE9\x80\x9A???");
  const std::array<unsigned char, 256> upper = text.UpperCaseTable();
  EXPECT_EQ(upper['a'], 'A');
  EXPECT_EQ(upper['Z'], 'Z');
  EXPECT_EQ(upper[0xE9], 0xC9);  // e acute
  EXPECT_EQ(upper[0xE4], 0xC4);  // a umlaut
  EXPECT_EQ(upper[0x9A], 0x8A);  // s caron
  EXPECT_EQ(upper[0xFF], 0x9F);  // y umlaut
  EXPECT_EQ(upper[0xF7], 0xF7);  // division sign
  EXPECT_EQ(upper[0xDF], 0xDF);  // sharp s has no capital in the code page
}

TEST(MemoryUrlCache, HonoursTheBufferProtocolPatternsAndDeletionCodes) {
  MemoryUrlCache cache;
  cache.Add({.sourceUrl = "http://a.test/", .header = std::string("ab\0", 3)});
  cache.Add({.sourceUrl = "Cookie:u@a.test/", .type = 0x0010'0000});
  cache.Add({.sourceUrl = "Visited:u@a.test", .locked = true});

  std::vector<char> buffer(4096);
  uint32_t size = 10;
  EXPECT_EQ(cache.FindFirst(nullptr, buffer.data(), size), nullptr);
  EXPECT_EQ(cache.LastError(), kErrorInsufficientBuffer);
  EXPECT_EQ(size, MemoryUrlCache::RecordSize({.sourceUrl = "http://a.test/",
                                              .header = std::string("ab\0", 3)}));
  size = 4096;
  void* find = cache.FindFirst(nullptr, buffer.data(), size);
  ASSERT_NE(find, nullptr);
  CacheEntryRecord record;
  std::memcpy(&record, buffer.data(), sizeof record);
  EXPECT_STREQ(record.lpszSourceUrlName, "http://a.test/");
  EXPECT_EQ(record.lpszLocalFileName, nullptr);
  EXPECT_EQ(std::string(record.lpHeaderInfo, record.dwHeaderInfoSize), std::string("ab\0", 3));
  EXPECT_LE(record.lpHeaderInfo + record.dwHeaderInfoSize, buffer.data() + size);

  EXPECT_TRUE(cache.Delete("Cookie:u@a.test/"));  // deleting during an enumeration is safe
  size = 4096;
  EXPECT_TRUE(cache.FindNext(find, buffer.data(), size));
  std::memcpy(&record, buffer.data(), sizeof record);
  EXPECT_STREQ(record.lpszSourceUrlName, "Visited:u@a.test");
  EXPECT_FALSE(cache.FindNext(find, buffer.data(), size));
  EXPECT_EQ(cache.LastError(), kErrorNoMoreItems);
  cache.FindClose(find);
  EXPECT_EQ(cache.OpenFinds(), 0);

  size = 4096;
  EXPECT_EQ(cache.FindFirst("cookie:", buffer.data(), size), nullptr);
  EXPECT_EQ(cache.LastError(), kErrorNoMoreItems);
  find = cache.FindFirst("visited:", buffer.data(), size);
  EXPECT_NE(find, nullptr);
  cache.FindClose(find);

  EXPECT_FALSE(cache.Delete("Visited:u@a.test"));
  EXPECT_EQ(cache.LastError(), kErrorAccessDenied);
  EXPECT_FALSE(cache.Delete("http://missing.test/"));
  EXPECT_EQ(cache.LastError(), kErrorFileNotFound);
}

}  // namespace
}  // namespace tarnwick
