#pragma once
#include <cstdint>

namespace tarnwick {

// Which part of the URL cache is listed. It selects the enumeration pattern, which entries become
// rows and what the last column holds.
enum TViewMode : uint8_t {
  vmContent = 0,
  vmCookies = 1,
  vmHistory = 2,
};

}  // namespace tarnwick
