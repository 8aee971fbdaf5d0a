#include "cache/HistoryTitle.h"

namespace tarnwick {
namespace {

constexpr uint32_t kTitleOffset = 20;

}  // namespace

std::u16string TrimAtNul(std::u16string_view text) {
  return std::u16string(text.substr(0, text.find(u'\0')));
}

std::u16string HistoryTitle(const char* block, uint32_t blockSize) {
  if (!block || blockSize < kTitleOffset) return {};
  // The block lies wherever the record's strings end, so the units are read byte by byte rather
  // than through a possibly misaligned char16_t pointer.
  const auto* bytes = reinterpret_cast<const unsigned char*>(block) + kTitleOffset;
  const uint32_t units = (blockSize - kTitleOffset) / 2;
  std::u16string title(units, u'\0');
  for (uint32_t i = 0; i < units; ++i)
    title[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  return TrimAtNul(title);
}

}  // namespace tarnwick
