#pragma once
// A locale with the formats of English (United States), for the native build and its tests:
// short date "M/d/yyyy", long time "h:mm:ss tt". The UTC offset and the number separators are
// set by the test rather than read from the machine.
#include "platform/Locale.h"

namespace tarnwick {

class FixedLocale : public Locale {
 public:
  explicit FixedLocale(int utcOffsetMinutes = 0, NumberSeparators separators = {',', '.'});

  void SetUtcOffsetMinutes(int minutes) { utcOffsetMinutes_ = minutes; }
  void SetNumberSeparators(NumberSeparators separators) { separators_ = separators; }

  // Adds the offset modulo 2^64, as the platform does; it never fails.
  bool FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) override;
  // Fails for values with the top bit set, as the platform does.
  bool FileTimeToSystemTime(const FileTime& time, SystemTime& fields) override;
  // Both fail for fields out of their ranges.
  bool FormatShortDate(const SystemTime& fields, std::string& text) override;
  bool FormatLongTime(const SystemTime& fields, std::string& text) override;
  bool ReadLongTimeFormat(LongTimeFormat& format) override;
  NumberSeparators ReadNumberSeparators() override { return separators_; }

 private:
  int utcOffsetMinutes_;
  NumberSeparators separators_;
};

}  // namespace tarnwick
