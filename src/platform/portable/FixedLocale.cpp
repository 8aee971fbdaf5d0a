#include "platform/portable/FixedLocale.h"

#include <cstdio>

#include "platform/FileTimeSplit.h"

namespace tarnwick {
namespace {

constexpr int64_t kTicksPerMinute = 600'000'000;

bool ValidDate(const SystemTime& f) {
  return f.wYear >= 1601 && f.wYear <= 30827 && f.wMonth >= 1 && f.wMonth <= 12 && f.wDay >= 1 &&
         f.wDay <= DaysInMonth(f.wYear, f.wMonth);
}

}  // namespace

FixedLocale::FixedLocale(int utcOffsetMinutes, NumberSeparators separators)
    : utcOffsetMinutes_(utcOffsetMinutes), separators_(separators) {}

bool FixedLocale::FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) {
  const uint64_t offset = static_cast<uint64_t>(int64_t{utcOffsetMinutes_} * kTicksPerMinute);
  local = FileTimeOfTicks(TicksOf(utc) + offset);
  return true;
}

bool FixedLocale::FileTimeToSystemTime(const FileTime& time, SystemTime& fields) {
  return SplitFileTime(TicksOf(time), fields);
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
  if (!ValidTimeOfDay(fields)) return false;
  const unsigned hour12 = fields.wHour % 12 == 0 ? 12u : unsigned{fields.wHour} % 12u;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%u:%02u:%02u %s", hour12, unsigned{fields.wMinute},
                unsigned{fields.wSecond}, fields.wHour < 12 ? "AM" : "PM");
  text = buffer;
  return true;
}

bool FixedLocale::ReadLongTimeFormat(LongTimeFormat& format) {
  format = {"h:mm:ss tt", "AM", "PM"};
  return true;
}

}  // namespace tarnwick
