#pragma once
// Time conversion and the user's date, time and number settings.
#include <cstdint>
#include <string>

#include "platform/UrlCache.h"

namespace tarnwick {

// Calendar fields of a time (the platform's SYSTEMTIME).
struct SystemTime {
  uint16_t wYear;
  uint16_t wMonth;
  uint16_t wDayOfWeek;
  uint16_t wDay;
  uint16_t wHour;
  uint16_t wMinute;
  uint16_t wSecond;
  uint16_t wMilliseconds;
};

// The user's long time format: its picture ("h:mm:ss tt") and the two time markers it shows.
struct LongTimeFormat {
  std::string picture;
  std::string am;
  std::string pm;
};

struct NumberSeparators {
  char thousands;
  char decimal;
};

class Locale {
 public:
  virtual ~Locale() = default;

  // Each returns false when the platform reports the conversion as failed.
  virtual bool FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) = 0;
  virtual bool FileTimeToSystemTime(const FileTime& time, SystemTime& fields) = 0;
  // The date in the user's short date format and the time in the user's long time format.
  virtual bool FormatShortDate(const SystemTime& fields, std::string& text) = 0;
  virtual bool FormatLongTime(const SystemTime& fields, std::string& text) = 0;
  // The settings FormatLongTime follows, read now; false when they cannot be read.
  virtual bool ReadLongTimeFormat(LongTimeFormat& format) = 0;

  // The first character of the user's thousands and decimal separator settings, read now.
  virtual NumberSeparators ReadNumberSeparators() = 0;
};

}  // namespace tarnwick
