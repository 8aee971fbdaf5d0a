#pragma once
// Virtual-key codes and modifier states of keyboard events, as the platform numbers them.
#include <cstdint>

namespace tarnwick {

constexpr uint16_t kKeyTab = 0x09;
constexpr uint16_t kKeyLeft = 0x25;
constexpr uint16_t kKeyUp = 0x26;
constexpr uint16_t kKeyRight = 0x27;
constexpr uint16_t kKeyDown = 0x28;
constexpr uint16_t kKeyF3 = 0x72;

// Modifier keys held during a key event.
enum ShiftFlag : uint8_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
};
using ShiftState = uint8_t;

}  // namespace tarnwick
