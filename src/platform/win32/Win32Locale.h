#pragma once
// Time conversion and the user's date, time and number settings, read from Windows.
#include "platform/Locale.h"

namespace tarnwick {

class Win32Locale final : public Locale {
 public:
  bool FileTimeToLocalFileTime(const FileTime& utc, FileTime& local) override;
  bool FileTimeToSystemTime(const FileTime& time, SystemTime& fields) override;
  bool FormatShortDate(const SystemTime& fields, std::string& text) override;
  bool FormatLongTime(const SystemTime& fields, std::string& text) override;
  bool ReadLongTimeFormat(LongTimeFormat& format) override;
  NumberSeparators ReadNumberSeparators() override;
};

}  // namespace tarnwick
