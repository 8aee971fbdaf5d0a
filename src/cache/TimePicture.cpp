#include "cache/TimePicture.h"

#include <string_view>
#include <utility>

namespace tarnwick {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// The leading character of a time marker, which 't' shows; a marker that starts outside ASCII
// may start with a double-byte character, whose first byte alone would be no character.
bool HasAsciiLead(std::string_view marker) { return marker.empty() || IsAscii(marker[0]); }

void AppendNumber(unsigned value, int width, std::string& text) {
  if (value >= 10 || width == 2) text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::optional<TimePicture::Field> TimePicture::FieldOf(char letter) {
  static constexpr std::pair<char, Field> kLetters[] = {{'h', Field::kHour12},
                                                        {'H', Field::kHour24},
                                                        {'m', Field::kMinute},
                                                        {'s', Field::kSecond},
                                                        {'t', Field::kMarker}};
  for (const auto& [known, field] : kLetters)
    if (letter == known) return field;
  return std::nullopt;
}

std::optional<TimePicture> TimePicture::Parse(const LongTimeFormat& format) {
  TimePicture picture;
  picture.am_ = format.am;
  picture.pm_ = format.pm;
  const std::string_view text = format.picture;
  if (text.empty()) return std::nullopt;
  const auto addText = [&](std::string_view literal) {
    if (picture.parts_.empty() || picture.parts_.back().field != Field::kText)
      picture.parts_.push_back({Field::kText, 0, {}});
    picture.parts_.back().text.append(literal);
  };
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (!IsAscii(c)) return std::nullopt;
    if (c == '\'') {
      const size_t end = text.find('\'', i + 1);
      // An unclosed quote and a doubled one (a quote character itself) are read differently by
      // different versions of the platform.
      if (end == std::string_view::npos || end == i + 1) return std::nullopt;
      if (end + 1 < text.size() && text[end + 1] == '\'') return std::nullopt;
      const std::string_view quoted = text.substr(i + 1, end - i - 1);
      for (const char q : quoted)
        if (!IsAscii(q)) return std::nullopt;
      addText(quoted);
      i = end + 1;
      continue;
    }
    if (!IsLetter(c)) {
      addText(text.substr(i, 1));
      ++i;
      continue;
    }
    size_t run = 1;
    while (i + run < text.size() && text[i + run] == c) ++run;
    if (run > 2) return std::nullopt;
    const int width = static_cast<int>(run);
    const std::optional<Field> field = FieldOf(c);
    if (!field) return std::nullopt;
    if (*field == Field::kMarker && width == 1 &&
        !(HasAsciiLead(format.am) && HasAsciiLead(format.pm)))
      return std::nullopt;
    picture.parts_.push_back({*field, width, {}});
    i += run;
  }
  return picture;
}

void TimePicture::AppendTo(const SystemTime& fields, std::string& text) const {
  for (const Part& part : parts_) {
    switch (part.field) {
      case Field::kText:
        text.append(part.text);
        break;
      case Field::kHour12:
        AppendNumber(fields.wHour % 12 == 0 ? 12 : fields.wHour % 12, part.width, text);
        break;
      case Field::kHour24:
        AppendNumber(fields.wHour, part.width, text);
        break;
      case Field::kMinute:
        AppendNumber(fields.wMinute, part.width, text);
        break;
      case Field::kSecond:
        AppendNumber(fields.wSecond, part.width, text);
        break;
      case Field::kMarker: {
        const std::string_view marker = fields.wHour < 12 ? am_ : pm_;
        text.append(part.width == 1 ? marker.substr(0, 1) : marker);
        break;
      }
    }
  }
}

}  // namespace tarnwick
