#pragma once
// Text in the system's ANSI code page, converted and upper-cased by Windows.
#include "platform/AnsiText.h"

namespace tarnwick {

class Win32AnsiText final : public AnsiText {
 public:
  std::string FromUtf16(std::u16string_view text) override;
  std::array<unsigned char, 256> ReadUpperCaseMap() override;
  LeadByteSet LeadBytes() override;
};

}  // namespace tarnwick
