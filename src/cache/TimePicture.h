#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/Locale.h"

namespace tarnwick {

// The user's long time format, rendered here from its picture: a listing shows a new second of
// the day in nearly every row, and one platform formatting call a row would cost more than all
// the rest of the row.
//
// Only pictures whose every part has one meaning on every version of the platform are taken:
// hours (h, hh, H, HH), minutes (m, mm), seconds (s, ss), the time marker (t, tt), text in
// single quotes, and characters that are neither letters nor outside ASCII (a byte above 127 may
// be part of a double-byte character). Any other picture is left to the platform's own call.
class TimePicture {
 public:
  static std::optional<TimePicture> Parse(const LongTimeFormat& format);

  // Appends the time of day of `fields`, which must be a valid one, as the platform formats it.
  void AppendTo(const SystemTime& fields, std::string& text) const;

 private:
  enum class Field { kText, kHour12, kHour24, kMinute, kSecond, kMarker };
  // What a letter of the picture stands for, or nothing for a letter of no time field.
  static std::optional<Field> FieldOf(char letter);

  struct Part {
    Field field;
    // Digits at least, for numbers; 1 for the marker's first character alone, 2 for all of it.
    int width;
    std::string text;
  };

  std::vector<Part> parts_;
  std::string am_;
  std::string pm_;
};

}  // namespace tarnwick
