#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick {

// The code units up to, not including, the first NUL; the whole text when there is none.
std::u16string TrimAtNul(std::u16string_view text);

// The page title that a history entry keeps in its header block: UTF-16LE code units from byte
// 20 on, cut at the first NUL. A block too short to reach byte 20, or absent, holds no title.
std::u16string HistoryTitle(const char* block, uint32_t blockSize);

}  // namespace tarnwick
