#include "cache/FileTimeText.h"

#include <cstdio>
#include <optional>

namespace tarnwick {
namespace {

bool IsLeapYear(unsigned year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// The fields must make a real Gregorian date from year 1 to 9999 and a time within a day.
bool ValidFields(const SystemTime& f) {
  static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (f.wYear < 1 || f.wYear > 9999 || f.wMonth < 1 || f.wMonth > 12) return false;
  const unsigned days = f.wMonth == 2 && IsLeapYear(f.wYear) ? 29 : kDays[f.wMonth - 1];
  if (f.wDay < 1 || f.wDay > days) return false;
  return f.wHour <= 23 && f.wMinute <= 59 && f.wSecond <= 59 && f.wMilliseconds <= 999;
}

std::optional<std::string> LocalDateTimeText(const FileTime& time, Locale& locale) {
  FileTime local{};
  SystemTime fields{};
  if (!locale.FileTimeToLocalFileTime(time, local)) return std::nullopt;
  if (!locale.FileTimeToSystemTime(local, fields) || !ValidFields(fields)) return std::nullopt;

  std::string text;
  if (!locale.FormatShortDate(fields, text)) return std::nullopt;
  // Milliseconds are never shown, so they do not keep midnight from being shown as a date alone.
  if (fields.wHour == 0 && fields.wMinute == 0 && fields.wSecond == 0) return text;
  std::string clock;
  if (!locale.FormatLongTime(fields, clock)) return std::nullopt;
  return text + ' ' + clock;
}

}  // namespace

std::string FileTimeToText(const FileTime& time, Locale& locale) {
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return {};
  if (time.dwLowDateTime == 0xFFFF'FFFF && time.dwHighDateTime == 0x7FFF'FFFF) return "NEVER";
  if (std::optional<std::string> text = LocalDateTimeText(time, locale)) return *std::move(text);
  char error[32];
  std::snprintf(error, sizeof error, "#ERROR# %08X%08X", unsigned{time.dwHighDateTime},
                unsigned{time.dwLowDateTime});
  return error;
}

}  // namespace tarnwick
