#include "platform/portable/Cp1252Text.h"

namespace tarnwick {
namespace {

// The characters of bytes 0x80 to 0x9F; the rest of the code page is the same as Latin-1. The five
// bytes with no character of their own stand for the control characters of the same value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToByte(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  // The trade mark sign is the highest of them; above it no search is needed.
  if (unit > 0x2122) return '?';
  for (unsigned byte = 0; byte < 32; ++byte)
    if (kHighControls[byte] == unit) return static_cast<char>(0x80 + byte);
  return '?';
}

}  // namespace

std::string Cp1252Text::FromUtf16(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (char16_t unit : text) bytes.push_back(ToByte(unit));
  return bytes;
}

std::array<unsigned char, 256> Cp1252Text::ReadUpperCaseMap() {
  std::array<unsigned char, 256> table{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    // ASCII and Latin-1 lower-case letters lie 0x20 above their capitals; 0xF7 is the division
    // sign, not a letter.
    const bool lower =
        (byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7);
    table[byte] = static_cast<unsigned char>(lower ? byte - 32 : byte);
  }
  table[0x9A] = 0x8A;  // s with caron
  table[0x9C] = 0x8C;  // oe ligature
  table[0x9E] = 0x8E;  // z with caron
  table[0xFF] = 0x9F;  // y with diaeresis
  return table;
}

}  // namespace tarnwick
