#pragma once
// 8-bit text in the system's ANSI code page.
#include <array>
#include <string>
#include <string_view>

namespace tarnwick {

class AnsiText {
 public:
  virtual ~AnsiText() = default;

  // UTF-16 text converted to the ANSI code page; unmappable characters become the code page's
  // default character.
  virtual std::string FromUtf16(std::u16string_view text) = 0;
  // For every byte, its upper-case form under the user's locale.
  virtual std::array<unsigned char, 256> UpperCaseTable() = 0;
};

}  // namespace tarnwick
