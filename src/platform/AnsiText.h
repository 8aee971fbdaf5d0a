#pragma once
// 8-bit text in the system's ANSI code page.
#include <array>
#include <string>
#include <string_view>

namespace tarnwick {

// Which bytes lead a two-byte character of a double-byte code page; none on other code pages.
using LeadByteSet = std::array<bool, 256>;

class AnsiText {
 public:
  virtual ~AnsiText() = default;

  // UTF-16 text converted to the ANSI code page; unmappable characters become the code page's
  // default character.
  virtual std::string FromUtf16(std::u16string_view text) = 0;
  // For every byte, its upper-case form under the user's locale.
  virtual std::array<unsigned char, 256> ReadUpperCaseMap() = 0;
  // The lead bytes of the code page; a single-byte code page has none.
  virtual LeadByteSet LeadBytes() { return {}; }
};

}  // namespace tarnwick
