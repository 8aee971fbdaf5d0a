#include "Win32Locale.h"

#include <windows.h>

#include <string>
#include <utility>

namespace tarnwick {
namespace {

FILETIME ToNative(const FileTime& time) { return {time.dwLowDateTime, time.dwHighDateTime}; }

SYSTEMTIME ToNative(const SystemTime& f) {
  return {f.wYear, f.wMonth, f.wDayOfWeek, f.wDay, f.wHour, f.wMinute, f.wSecond, f.wMilliseconds};
}

// The formatting calls and GetLocaleInfoA report the length they need, NUL included, when given no
// buffer. Nearly every text fits a small buffer, so that is tried first and the length asked for
// only when it does not fit.
template <typename FormatCall>
bool FormatInto(std::string& text, FormatCall format) {
  char small[64];
  int written = format(small, sizeof small);
  if (written > 0) {
    text.assign(small, static_cast<size_t>(written - 1));
    return true;
  }
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
  const int needed = format(nullptr, 0);
  if (needed <= 0) return false;
  std::string buffer(static_cast<size_t>(needed), '\0');
  written = format(buffer.data(), needed);
  if (written <= 0) return false;
  buffer.resize(static_cast<size_t>(written - 1));
  text = std::move(buffer);
  return true;
}

// The first character of a locale setting, or `fallback` (the value Windows ships with for
// English) when the setting cannot be read.
char FirstCharOf(LCTYPE setting, char fallback) {
  char value[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, setting, value, sizeof value) <= 0 || !value[0])
    return fallback;
  return value[0];
}

// A text setting of the user's locale, in the same code page as the formatting calls' texts.
bool ReadSetting(LCTYPE setting, std::string& value) {
  return FormatInto(value, [&](char* buffer, int size) {
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, setting, buffer, size);
  });
}

}  // namespace

bool Win32Locale::FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) {
  const FILETIME in = ToNative(utc);
  FILETIME out{};
  if (!::FileTimeToLocalFileTime(&in, &out)) return false;
  local = {out.dwLowDateTime, out.dwHighDateTime};
  return true;
}

bool Win32Locale::FileTimeToSystemTime(const FileTime& time, SystemTime& fields) {
  const FILETIME in = ToNative(time);
  SYSTEMTIME out{};
  if (!::FileTimeToSystemTime(&in, &out)) return false;
  fields = {out.wYear, out.wMonth,  out.wDayOfWeek, out.wDay,
            out.wHour, out.wMinute, out.wSecond,    out.wMilliseconds};
  return true;
}

bool Win32Locale::FormatShortDate(const SystemTime& fields, std::string& text) {
  const SYSTEMTIME time = ToNative(fields);
  return FormatInto(text, [&](char* buffer, int size) {
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, buffer, size);
  });
}

bool Win32Locale::FormatLongTime(const SystemTime& fields, std::string& text) {
  const SYSTEMTIME time = ToNative(fields);
  // No flags and no picture: the user's long time format.
  return FormatInto(text, [&](char* buffer, int size) {
    return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, buffer, size);
  });
}

bool Win32Locale::ReadLongTimeFormat(LongTimeFormat& format) {
  return ReadSetting(LOCALE_STIMEFORMAT, format.picture) && ReadSetting(LOCALE_S1159, format.am) &&
         ReadSetting(LOCALE_S2359, format.pm);
}

NumberSeparators Win32Locale::ReadNumberSeparators() {
  return {FirstCharOf(LOCALE_STHOUSAND, ','), FirstCharOf(LOCALE_SDECIMAL, '.')};
}

}  // namespace tarnwick
