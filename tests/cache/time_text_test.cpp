// The texts of the four time columns: a stamp in the user's local time, through the locale, or
// the texts of stamps that show no time; the user's time format rendered here; and what one
// listing keeps of the texts it made.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "TestTimes.h"
#include "cache/FileTimeText.h"
#include "cache/TimePicture.h"
#include "platform/FileTimeSplit.h"
#include "platform/portable/FixedLocale.h"
#include "support/FailingAllocator.h"

namespace tarnwick {
namespace {

using testing::k14h07m09s;
using testing::k23h30m;
using testing::kMidnightAnd500ms;
using testing::kYear10000;

TEST(FileTimeToText, EmptyNeverDatesAndTimes) {
  FixedLocale locale;
  EXPECT_EQ(FileTimeToText({0, 0}, locale), "");
  EXPECT_EQ(FileTimeToText({0xFFFF'FFFF, 0x7FFF'FFFF}, locale), "NEVER");
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(k14h07m09s), locale), "3/5/2024 2:07:09 PM");
  // Milliseconds past midnight still show the date alone.
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(kMidnightAnd500ms), locale), "3/5/2024");
  EXPECT_EQ(FileTimeToText({1, 0}, locale), "1/1/1601");
}

TEST(FileTimeToText, ConvertsToLocalTimeFirst) {
  FixedLocale east(60);
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(k23h30m), east), "3/6/2024 12:30:00 AM");
  FixedLocale west(-(23 * 60 + 30));
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(k23h30m), west), "3/5/2024");
  west.SetUtcOffsetMinutes(-(23 * 60 + 31));
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(k23h30m), west), "3/4/2024 11:59:00 PM");
}

TEST(FileTimeToText, TimesThatDoNotConvertGiveTheErrorText) {
  FixedLocale locale;
  EXPECT_EQ(FileTimeToText({0, 0x7FFF'0000}, locale), "#ERROR# 7FFF000000000000");
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(kYear10000), locale), "#ERROR# 24C85A5ED1C04000");
  EXPECT_EQ(FileTimeToText({0x12, 0x8000'0000}, locale), "#ERROR# 8000000000000012");
  // West of UTC, the first moments of 1601 turn into a value with the top bit set.
  FixedLocale west(-60);
  EXPECT_EQ(FileTimeToText({5, 0}, west), "#ERROR# 0000000000000005");
}

// What the platform's long time formatting gives for each picture that is rendered here; null
// where the picture is left to the platform.
TEST(TimePicture, RendersThePicturesItTakesAndLeavesTheRest) {
  const struct {
    LongTimeFormat format;
    SystemTime fields;
    const char* text;
  } cases[] = {
      {{"h:mm:ss tt", "AM", "PM"}, {2024, 3, 2, 5, 0, 5, 9, 0}, "12:05:09 AM"},
      {{"h:mm:ss tt", "AM", "PM"}, {2024, 3, 2, 5, 12, 0, 1, 0}, "12:00:01 PM"},
      {{"h:mm:ss tt", "AM", "PM"}, {2024, 3, 2, 5, 23, 59, 59, 999}, "11:59:59 PM"},
      {{"HH' h 'mm", "", ""}, {2024, 3, 2, 5, 9, 7, 0, 0}, "09 h 07"},
      {{"H.m.s t", "vorm.", "nachm."}, {2024, 3, 2, 5, 23, 7, 9, 0}, "23.7.9 n"},
      {{"hh:mm tt", "", ""}, {2024, 3, 2, 5, 14, 7, 9, 0}, "02:07 "},
      {{"tt h:mm", "\x8C\xDF\x91\x4F", "\x8C\xDF\x8C\xE3"},
       {2024, 3, 2, 5, 14, 7, 9, 0},
       "\x8C\xDF\x8C\xE3 2:07"},
      {{"hhh:mm", "AM", "PM"}, {}, nullptr},
      {{"h:mm:ss ttt", "AM", "PM"}, {}, nullptr},
      {{"h 'o''clock'", "AM", "PM"}, {}, nullptr},
      {{"h:mm 'h", "AM", "PM"}, {}, nullptr},
      {{"h:mm:ss z", "AM", "PM"}, {}, nullptr},
      {{"H\x8Fm", "", ""}, {}, nullptr},
      {{"h:mm t", "\x8C\xDF\x91\x4F", "\x8C\xDF\x8C\xE3"}, {}, nullptr},
      {{"", "AM", "PM"}, {}, nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<TimePicture> picture = TimePicture::Parse(c.format);
    ASSERT_EQ(picture.has_value(), c.text != nullptr) << c.format.picture;
    if (!picture) continue;
    std::string text = "x";
    picture->AppendTo(c.fields, text);
    EXPECT_EQ(text, std::string("x") + c.text) << c.format.picture;
  }
}

// A picture not rendered here is the platform's to format.
TEST(FileTimeToText, LeavesAnUnknownTimePictureToThePlatform) {
  struct OtherPicture : FixedLocale {
    bool ReadLongTimeFormat(LongTimeFormat& format) override {
      format = {"h:mm:ss z", "AM", "PM"};
      return true;
    }
  } locale;
  EXPECT_EQ(FileTimeToText(FileTimeOfTicks(k14h07m09s), locale), "3/5/2024 2:07:09 PM");
}

// Memory running out at any allocation of a time text: the text a stamp was kept with is its own.
TEST(FileTimeMemo, AStampIsKeptOnlyWithItsOwnTextWhenMemoryRunsOut) {
  FixedLocale locale;
  const FileTime stamp = FileTimeOfTicks(k14h07m09s);
  for (int allocations = 0;; ++allocations) {
    FileTimeMemo texts(locale);
    std::string text;
    bool written = false;
    testing::allocationsLeft = allocations;
    try {
      texts.Write(stamp, text);
      written = true;
    } catch (const std::bad_alloc&) {
    }
    testing::allocationsLeft = -1;
    texts.Write(stamp, text);
    EXPECT_EQ(text, "3/5/2024 2:07:09 PM") << "memory ran out after " << allocations;
    if (written) break;
  }
}

}  // namespace
}  // namespace tarnwick
