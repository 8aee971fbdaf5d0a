#pragma once
// A file time split into calendar fields the way the platform's FileTimeToSystemTime splits it:
// the proleptic Gregorian calendar from 1 January 1601, milliseconds kept, the day of the week
// counted from Sunday. The program's own time formatting and the portable locale share it.
#include <cstdint>

#include "platform/Locale.h"

namespace tarnwick {

inline constexpr uint64_t kTicksPerMillisecond = 10'000;
inline constexpr uint64_t kTicksPerDay = 864'000'000'000;

inline uint64_t TicksOf(const FileTime& time) {
  return uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
}

inline FileTime FileTimeOfTicks(uint64_t ticks) {
  return {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
}

inline bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// `month` from 1 to 12.
inline int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The clock fields are those of a time within a day.
inline bool ValidTimeOfDay(const SystemTime& f) {
  return f.wHour <= 23 && f.wMinute <= 59 && f.wSecond <= 59 && f.wMilliseconds <= 999;
}

// Splits a day count since 1 January 1601 into a Gregorian date. Counting from 1 March makes
// the leap day the last day of its year, so every 400-year cycle has the same shape.
inline void SplitDays(int64_t days, SystemTime& fields) {
  // Days from 1 March 0000 of the proleptic calendar to 1 January 1601.
  constexpr int64_t kDaysFrom0000March1To1601 = 584'694;
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

// False for values with the top bit set, which the platform refuses too.
inline bool SplitFileTime(uint64_t ticks, SystemTime& fields) {
  if (ticks >> 63) return false;
  const uint64_t ofDay = ticks % kTicksPerDay / kTicksPerMillisecond;
  SplitDays(static_cast<int64_t>(ticks / kTicksPerDay), fields);
  fields.wHour = static_cast<uint16_t>(ofDay / 3'600'000);
  fields.wMinute = static_cast<uint16_t>(ofDay / 60'000 % 60);
  fields.wSecond = static_cast<uint16_t>(ofDay / 1000 % 60);
  fields.wMilliseconds = static_cast<uint16_t>(ofDay % 1000);
  return true;
}

}  // namespace tarnwick
