#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "cache/TimePicture.h"
#include "platform/Locale.h"
#include "platform/UrlCache.h"

namespace tarnwick {

// A cache time stamp as the table shows it: empty for 0, "NEVER" for the largest signed value,
// otherwise the local short date and long time (the date alone at midnight). A time that does not
// convert to a valid date and time gives "#ERROR# " and its two halves in hexadecimal.
std::string FileTimeToText(const FileTime& time, Locale& locale);

// The same texts for the many stamps of one listing. A listing's locale and time zone do not
// change while it runs, so equal inputs give equal texts and the platform is asked as little as
// it can be:
// - a stamp equal to a recent one (kept by its exact value) takes that one's text again;
// - local time is the stamp plus the zone's offset, which the platform applies alike to every
//   value (the offset in force now, not the one of the stamp's date): the offset is learnt from
//   the platform's conversion of the first stamp, and the platform converts and splits only the
//   stamps within two days of either end of the range, where a value may wrap;
// - the date texts are the platform's, formatted once for each local year, month and day;
// - the times of day are rendered from the user's long time format read when the listing
//   starts, or, for a picture that is not rendered here, formatted by the platform once for
//   each local hour, minute and second.
// Make one for each listing, so that a setting changed between listings shows in the next one.
class FileTimeMemo {
 public:
  explicit FileTimeMemo(Locale& locale);

  // Writes FileTimeToText(time, locale) into `text`, reusing its storage.
  void Write(const FileTime& time, std::string& text);

 private:
  bool WriteLocal(const FileTime& time, std::string& text);
  bool ToLocalFields(const FileTime& time, SystemTime& fields);
  const std::string* DateText(const SystemTime& fields);
  const std::string* ClockText(const SystemTime& fields);

  Locale& locale_;
  // Local time minus UTC in ticks, once learnt.
  std::optional<int64_t> offset_;
  std::optional<TimePicture> picture_;
  // By year << 9 | month << 5 | day.
  std::unordered_map<uint32_t, std::string> dates_;
  // By minute of the day, then second, each minute made when a stamp first falls in it; an empty
  // text is not formatted yet.
  std::vector<std::unique_ptr<std::array<std::string, 60>>> clocks_;
  // Recent stamps and their texts, each in the slot its value hashes to.
  struct KeptStamp {
    bool kept = false;
    FileTime time{};
    std::string text;
  };
  static constexpr int kStampSlotBits = 8;
  std::array<KeptStamp, size_t{1} << kStampSlotBits> stamps_;
};

}  // namespace tarnwick
