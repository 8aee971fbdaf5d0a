// Time conversion, date and number settings and ANSI text, read from Wine under the test
// session's locale: English (United States), code page 1252. ctest runs the cell time texts'
// test again for German and for Japanese users.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Win32AnsiText.h"
#include "Win32Locale.h"
#include "cache/FileTimeText.h"
#include "common/ScopeExit.h"
#include "platform/FileTimeSplit.h"

namespace tarnwick {
namespace {

// 2024-03-05 14:07:09.123 UTC, a Tuesday.
constexpr uint64_t kKnownUtc = 133541212291230000ull;

TEST(Win32Locale, SplitsATimeIntoCalendarFieldsAndRefusesOutOfRangeValues) {
  Win32Locale locale;
  SystemTime fields{};
  ASSERT_TRUE(locale.FileTimeToSystemTime(FileTimeOfTicks(kKnownUtc), fields));
  EXPECT_EQ(fields.wYear, 2024);
  EXPECT_EQ(fields.wMonth, 3);
  EXPECT_EQ(fields.wDay, 5);
  EXPECT_EQ(fields.wDayOfWeek, 2);
  EXPECT_EQ(fields.wHour, 14);
  EXPECT_EQ(fields.wMinute, 7);
  EXPECT_EQ(fields.wSecond, 9);
  EXPECT_EQ(fields.wMilliseconds, 123);

  EXPECT_FALSE(locale.FileTimeToSystemTime({0xFFFFFFFF, 0xFFFFFFFF}, fields));
}

// ctest runs this one again with TZ=Asia/Kolkata (UTC+5:30 all year), where Wine takes its time
// zone from; the session's own zone is UTC, where the conversion could be left out unnoticed.
TEST(Win32Locale, CellTimesAreInTheUsersTimeZone) {
  if (!std::getenv("TARNWICK_TEST_KOLKATA")) GTEST_SKIP() << "needs TZ=Asia/Kolkata";
  Win32Locale locale;
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(kKnownUtc), locale), "3/5/2024 7:37:09 PM");
  // 18:30 UTC is local midnight: the date alone, of the next day.
  constexpr uint64_t kTicksPerSecond = 10'000'000;
  const uint64_t midnight = kKnownUtc - 123 * 10'000 + (4 * 3600 + 22 * 60 + 51) * kTicksPerSecond;
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(midnight), locale), "3/6/2024");
}

// A cell's time text made by the platform's own calls, one after the other, for every stamp:
// what the program's own conversion and rendering must give, byte for byte.
std::string PlatformText(uint64_t ticks) {
  if (ticks == 0) return "";
  if (ticks == 0x7FFF'FFFF'FFFF'FFFF) return "NEVER";
  const FILETIME utc{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  FILETIME local{};
  SYSTEMTIME fields{};
  char date[128] = {};
  char time[128] = {};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields) ||
      fields.wYear > 9999 ||
      !GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &fields, nullptr, date, sizeof date) ||
      !GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &fields, nullptr, time, sizeof time)) {
    char error[32];
    std::snprintf(error, sizeof error, "#ERROR# %08lX%08lX", utc.dwHighDateTime, utc.dwLowDateTime);
    return error;
  }
  if (fields.wHour == 0 && fields.wMinute == 0 && fields.wSecond == 0) return date;
  return std::string(date) + " " + time;
}

// Every second of a day, a spread of dates over the whole range and the values at its ends, in
// the order of one listing, so that its first stamps teach it the offset.
std::vector<uint64_t> StampsToCompare() {
  constexpr uint64_t kSecond = 10'000'000, kHour = 3600 * kSecond, kDay = 24 * kHour;
  constexpr uint64_t kLargest = 0x7FFF'FFFF'FFFF'FFFF, kYear10000 = 0x24C8'5A5E'D1C0'4000;
  std::vector<uint64_t> stamps;
  for (uint64_t second = 0; second <= 86'400; ++second)
    stamps.push_back(kKnownUtc + second * kSecond);
  for (uint64_t stamp = 1; stamp < kLargest - kLargest / 40'000; stamp += kLargest / 40'000 + 7'777)
    stamps.push_back(stamp);
  for (uint64_t hour = 0; hour <= 72; ++hour) {
    stamps.push_back(hour * kHour);
    stamps.push_back(hour * kHour + 1);
    stamps.push_back(kLargest - hour * kHour);
    stamps.push_back(kYear10000 + hour * kHour - 3 * kDay / 2);
  }
  for (const uint64_t odd : {kLargest - 1, kLargest + 1, ~uint64_t{0}, uint64_t{1} << 62})
    stamps.push_back(odd);
  return stamps;
}

void ExpectThePlatformsTexts(const std::vector<uint64_t>& stamps) {
  Win32Locale locale;
  FileTimeMemo texts(locale);
  int mismatches = 0;
  std::string ours;
  for (const uint64_t stamp : stamps) {
    texts.Write(FileTimeOfTicks(stamp), ours);
    const std::string platforms = PlatformText(stamp);
    if (ours == platforms) continue;
    ADD_FAILURE() << std::hex << stamp << ": \"" << ours << "\" instead of \"" << platforms << '"';
    if (++mismatches == 10) return;
  }
}

// TARNWICK_TEST_LOCALE_DATE names how the locale being tested begins the known time's text, so
// that a locale the platform did not take fails instead of testing English again.
TEST(Win32Locale, CellTimesAreThePlatformsOwnTexts) {
  const char* date = std::getenv("TARNWICK_TEST_LOCALE_DATE");
  const std::string known = PlatformText(kKnownUtc);
  EXPECT_TRUE(date ? known.starts_with(date) : known == "3/5/2024 2:07:09 PM") << known;
  ExpectThePlatformsTexts(StampsToCompare());
}

// A listing reads the user's time format as it starts: a change made before the next listing
// shows there, as the platform's own formatting shows it.
TEST(Win32Locale, ATimeFormatChangedBetweenListingsShowsInTheNext) {
  char saved[80] = {};
  ASSERT_GT(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, saved, sizeof saved), 0);
  const ScopeExit restore([&] { SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, saved); });
  for (const char* picture : {"HH' h 'mm", "hh:mm:ss t", "h.m.s tt"}) {
    ASSERT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, picture));
    ExpectThePlatformsTexts({kKnownUtc, kKnownUtc + 36'000'000'000});
  }
  Win32Locale locale;
  std::string text;
  FileTimeMemo(locale).Write(FileTimeOfTicks(kKnownUtc), text);
  EXPECT_EQ(text, "3/5/2024 2.7.9 PM");
}

TEST(Win32Locale, FormatsShortDateAndLongTimeOfTheUser) {
  Win32Locale locale;
  const SystemTime afternoon{2024, 3, 2, 5, 14, 7, 9, 123};
  std::string date;
  std::string time;
  ASSERT_TRUE(locale.FormatShortDate(afternoon, date));
  ASSERT_TRUE(locale.FormatLongTime(afternoon, time));
  EXPECT_EQ(date + " " + time, "3/5/2024 2:07:09 PM");

  const SystemTime midnight{1999, 12, 5, 31, 0, 0, 0, 0};
  ASSERT_TRUE(locale.FormatLongTime(midnight, time));
  EXPECT_EQ(time, "12:00:00 AM");
}

TEST(Win32Locale, ReportsFieldsThePlatformCannotFormatAndKeepsTheText) {
  Win32Locale locale;
  std::string text = "kept";
  EXPECT_FALSE(locale.FormatShortDate({2024, 13, 0, 5, 0, 0, 0, 0}, text));
  EXPECT_FALSE(locale.FormatLongTime({2024, 3, 2, 5, 24, 0, 0, 0}, text));
  EXPECT_EQ(text, "kept");
}

TEST(Win32Locale, ReadsTheUsersSeparators) {
  const NumberSeparators separators = Win32Locale().ReadNumberSeparators();
  EXPECT_EQ(separators.thousands, ',');
  EXPECT_EQ(separators.decimal, '.');
}

TEST(Win32AnsiText, UpperCasesEachByteOfCodePage1252) {
  const auto upper = Win32AnsiText().ReadUpperCaseMap();
  EXPECT_EQ(upper['a'], 'A');
  EXPECT_EQ(upper['5'], '5');
  EXPECT_EQ(upper[0], 0);
  EXPECT_EQ(upper[0xE9], 0xC9);  // e acute
  EXPECT_EQ(upper[0xFF], 0x9F);  // y diaeresis: its capital lies outside the Latin-1 range
  EXPECT_EQ(upper[0xDF], 0xDF);  // sharp s has no one-byte capital
}

// None on code page 1252; on a double-byte code page (932 under a Japanese Unix locale), the
// same bytes the platform's own test names.
TEST(Win32AnsiText, LeadBytesAreThoseOfTheAnsiCodePage) {
  const LeadByteSet leads = Win32AnsiText().LeadBytes();
  for (unsigned byte = 0; byte < 256; ++byte)
    EXPECT_EQ(leads[byte], IsDBCSLeadByteEx(GetACP(), static_cast<BYTE>(byte)) != FALSE) << byte;
}

TEST(Win32AnsiText, ConvertsUtf16WithTheDefaultCharacterForWhatCannotBeShown) {
  Win32AnsiText text;
  EXPECT_EQ(text.FromUtf16(u"Example Domain"), "Example Domain");
  EXPECT_EQ(text.FromUtf16(u"Cr\u00e8me br\u00fbl\u00e9e \u2013 \u2605"),
            "Cr\xE8me br\xFBl\xE9"
            "e \x96 ?");
  EXPECT_EQ(text.FromUtf16(u""), "");
  EXPECT_EQ(text.FromUtf16(std::u16string_view(u"a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace tarnwick
