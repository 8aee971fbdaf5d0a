#include "platform/portable/FixedLocale.h"

#include <cstdio>

namespace tarnwick {
namespace {

constexpr int64_t kTicksPerMinute = 600'000'000;
constexpr uint64_t kTicksPerMillisecond = 10'000;
constexpr uint64_t kMillisecondsPerDay = 86'400'000;
// Days from 1 January 1601 (the start of file time) to 1 March 0000 of the proleptic calendar.
constexpr int64_t kDaysFrom0000March1To1601 = 584'694;

uint64_t ToTicks(const FileTime& time) {
  return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Splits a day count since 1 January 1601 into a Gregorian date. Counting from 1 March makes
// the leap day the last day of its year, so every cycle has a fixed shape.
void SplitDays(int64_t days, SystemTime& fields) {
  const int64_t fromMarch = days + kDaysFrom0000March1To1601;
  const int64_t era = fromMarch / 146'097;
  const int64_t dayOfEra = fromMarch - era * 146'097;
  const int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  fields.wYear = static_cast<uint16_t>(year);
  fields.wMonth = static_cast<uint16_t>(month);
  fields.wDay = static_cast<uint16_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  // 1 January 1601 was a Monday; Sunday is 0.
  fields.wDayOfWeek = static_cast<uint16_t>((days + 1) % 7);
}

bool ValidDate(const SystemTime& f) {
  return f.wYear >= 1601 && f.wYear <= 30827 && f.wMonth >= 1 && f.wMonth <= 12 && f.wDay >= 1 &&
         f.wDay <= DaysInMonth(f.wYear, f.wMonth);
}

bool ValidTime(const SystemTime& f) {
  return f.wHour <= 23 && f.wMinute <= 59 && f.wSecond <= 59 && f.wMilliseconds <= 999;
}

}  // namespace

FixedLocale::FixedLocale(int utcOffsetMinutes, NumberSeparators separators)
    : utcOffsetMinutes_(utcOffsetMinutes), separators_(separators) {}

bool FixedLocale::FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) {
  const uint64_t offset = static_cast<uint64_t>(int64_t{utcOffsetMinutes_} * kTicksPerMinute);
  const uint64_t ticks = ToTicks(utc) + offset;
  local = {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
  return true;
}

bool FixedLocale::FileTimeToSystemTime(const FileTime& time, SystemTime& fields) {
  if (time.dwHighDateTime & 0x8000'0000u) return false;
  const uint64_t milliseconds = ToTicks(time) / kTicksPerMillisecond;
  const uint64_t ofDay = milliseconds % kMillisecondsPerDay;
  SplitDays(static_cast<int64_t>(milliseconds / kMillisecondsPerDay), fields);
  fields.wHour = static_cast<uint16_t>(ofDay / 3'600'000);
  fields.wMinute = static_cast<uint16_t>(ofDay / 60'000 % 60);
  fields.wSecond = static_cast<uint16_t>(ofDay / 1000 % 60);
  fields.wMilliseconds = static_cast<uint16_t>(ofDay % 1000);
  return true;
}

bool FixedLocale::FormatShortDate(const SystemTime& fields, std::string& text) {
  if (!ValidDate(fields)) return false;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%u/%u/%04u", unsigned{fields.wMonth}, unsigned{fields.wDay},
                unsigned{fields.wYear});
  text = buffer;
  return true;
}

bool FixedLocale::FormatLongTime(const SystemTime& fields, std::string& text) {
  if (!ValidTime(fields)) return false;
  const unsigned hour12 = fields.wHour % 12 == 0 ? 12u : unsigned{fields.wHour} % 12u;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%u:%02u:%02u %s", hour12, unsigned{fields.wMinute},
                unsigned{fields.wSecond}, fields.wHour < 12 ? "AM" : "PM");
  text = buffer;
  return true;
}

}  // namespace tarnwick
