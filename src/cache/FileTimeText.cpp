#include "cache/FileTimeText.h"

#include <cstdio>
#include <limits>

#include "platform/FileTimeSplit.h"

namespace tarnwick {
namespace {

// A cache spread over more days than this starts its date texts afresh, so that a hostile one
// cannot make them grow with every row. The times of day are bounded by the seconds of a day.
constexpr size_t kMaxKeptDates = 1 << 14;
constexpr size_t kMinutesPerDay = 24 * 60;
// Stamps this close to either end of the range are converted by the platform, which decides
// whether they wrap; so is every stamp where the offset itself is larger.
constexpr int64_t kEdge = 2 * static_cast<int64_t>(kTicksPerDay);
constexpr int64_t kLargestTicks = std::numeric_limits<int64_t>::max();

// The fields must make a real Gregorian date from year 1 to 9999 and a time within a day.
bool ValidFields(const SystemTime& f) {
  if (f.wYear < 1 || f.wYear > 9999 || f.wMonth < 1 || f.wMonth > 12) return false;
  return f.wDay >= 1 && f.wDay <= DaysInMonth(f.wYear, f.wMonth) && ValidTimeOfDay(f);
}

// Where a stamp is kept: the top bits of its value scattered by Fibonacci hashing, so that the
// stamps of neighbouring seconds fall apart.
size_t StampSlot(const FileTime& time, int slotBits) {
  return static_cast<size_t>((TicksOf(time) * 0x9E37'79B9'7F4A'7C15u) >> (64 - slotBits));
}

void WriteErrorText(const FileTime& time, std::string& text) {
  char error[32];
  const int length = std::snprintf(error, sizeof error, "#ERROR# %08X%08X",
                                   unsigned{time.dwHighDateTime}, unsigned{time.dwLowDateTime});
  text.assign(error, static_cast<size_t>(length));
}

}  // namespace

std::string FileTimeToText(const FileTime& time, Locale& locale) {
  std::string text;
  FileTimeMemo(locale).Write(time, text);
  return text;
}

FileTimeMemo::FileTimeMemo(Locale& locale) : locale_(locale) {
  if (LongTimeFormat format; locale_.ReadLongTimeFormat(format))
    picture_ = TimePicture::Parse(format);
}

void FileTimeMemo::Write(const FileTime& time, std::string& text) {
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return text.clear();
  if (time.dwLowDateTime == 0xFFFF'FFFF && time.dwHighDateTime == 0x7FFF'FFFF) {
    text = "NEVER";
    return;
  }
  KeptStamp& stamp = stamps_[StampSlot(time, kStampSlotBits)];
  if (stamp.kept && stamp.time.dwLowDateTime == time.dwLowDateTime &&
      stamp.time.dwHighDateTime == time.dwHighDateTime) {
    text = stamp.text;
    return;
  }
  if (!WriteLocal(time, text)) WriteErrorText(time, text);
  // The text first: should copying it fail, the slot still pairs the old stamp with its text.
  stamp.text = text;
  stamp.kept = true;
  stamp.time = time;
}

bool FileTimeMemo::ToLocalFields(const FileTime& time, SystemTime& fields) {
  const uint64_t ticks = TicksOf(time);
  const bool inside = ticks >= uint64_t{kEdge} && ticks <= uint64_t{kLargestTicks - kEdge};
  if (inside && offset_) return SplitFileTime(ticks + static_cast<uint64_t>(*offset_), fields);
  FileTime local{};
  if (!locale_.FileTimeToLocalFileTime(time, local)) return false;
  if (inside) {
    const int64_t offset = static_cast<int64_t>(TicksOf(local) - ticks);
    if (offset > -kEdge && offset < kEdge) offset_ = offset;
  }
  return locale_.FileTimeToSystemTime(local, fields);
}

bool FileTimeMemo::WriteLocal(const FileTime& time, std::string& text) {
  SystemTime fields{};
  if (!ToLocalFields(time, fields) || !ValidFields(fields)) return false;

  const std::string* date = DateText(fields);
  if (!date) return false;
  // Milliseconds are never shown, so they do not keep midnight from being shown as a date alone.
  if (fields.wHour == 0 && fields.wMinute == 0 && fields.wSecond == 0) {
    text = *date;
    return true;
  }
  if (picture_) {
    text.assign(*date).append(1, ' ');
    picture_->AppendTo(fields, text);
    return true;
  }
  const std::string* clock = ClockText(fields);
  if (!clock) return false;
  text.assign(*date).append(1, ' ').append(*clock);
  return true;
}

const std::string* FileTimeMemo::DateText(const SystemTime& fields) {
  const uint32_t day = uint32_t{fields.wYear} << 9 | uint32_t{fields.wMonth} << 5 | fields.wDay;
  if (const auto kept = dates_.find(day); kept != dates_.end()) return &kept->second;
  std::string text;
  if (!locale_.FormatShortDate(fields, text)) return nullptr;
  if (dates_.size() >= kMaxKeptDates) dates_.clear();
  return &dates_.emplace(day, std::move(text)).first->second;
}

const std::string* FileTimeMemo::ClockText(const SystemTime& fields) {
  if (clocks_.empty()) clocks_.resize(kMinutesPerDay);
  auto& minute = clocks_[fields.wHour * 60u + fields.wMinute];
  if (!minute) minute = std::make_unique<std::array<std::string, 60>>();
  std::string& text = (*minute)[fields.wSecond];
  if (text.empty() && !locale_.FormatLongTime(fields, text)) return nullptr;
  return &text;
}

}  // namespace tarnwick
