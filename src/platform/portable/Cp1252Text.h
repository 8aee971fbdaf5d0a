#pragma once
// ANSI text as code page 1252 (Western European), the code page of an English Windows.
#include "platform/AnsiText.h"

namespace tarnwick {

class Cp1252Text : public AnsiText {
 public:
  // One byte per UTF-16 code unit; a unit with no byte in the code page becomes '?'.
  std::string FromUtf16(std::u16string_view text) override;
  std::array<unsigned char, 256> ReadUpperCaseMap() override;
};

}  // namespace tarnwick
