#include "Win32AnsiText.h"

#include <windows.h>

#include <climits>

namespace tarnwick {

std::string Win32AnsiText::FromUtf16(std::u16string_view text) {
  // A title comes from a header block of at most 4 GiB; anything past INT_MAX code units
  // cannot be handed to Windows in one call and is cut there.
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  if (length == 0) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string ansi(static_cast<size_t>(needed), '\0');
  const int written =
      WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), needed, nullptr, nullptr);
  ansi.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return ansi;
}

LeadByteSet Win32AnsiText::LeadBytes() {
  LeadByteSet leads{};
  CPINFO info{};
  if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize < 2) return leads;
  // Pairs of first and last lead byte, ended by a pair of zeros.
  for (size_t pair = 0; pair + 1 < MAX_LEADBYTES && info.LeadByte[pair] != 0; pair += 2)
    for (unsigned byte = info.LeadByte[pair]; byte <= info.LeadByte[pair + 1]; ++byte)
      leads[byte] = true;
  return leads;
}

std::array<unsigned char, 256> Win32AnsiText::ReadUpperCaseMap() {
  std::array<unsigned char, 256> table{};
  // One byte per call: each byte is upper-cased on its own, never as half of a pair.
  for (size_t byte = 0; byte < table.size(); ++byte) {
    char single = static_cast<char>(byte);
    CharUpperBuffA(&single, 1);
    table[byte] = static_cast<unsigned char>(single);
  }
  return table;
}

}  // namespace tarnwick
