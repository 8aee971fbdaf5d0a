#pragma once
// Moving the focus between a window's controls with the keyboard.
#include <cstdint>
#include <span>

#include "toolkit/Control.h"
#include "toolkit/Keys.h"

namespace tarnwick {

// The control after (or before) `current` in tab order, wrapping around, among `controls`, which
// are in tab order; those that never take the focus are passed over. With `tabStopsOnly` controls
// that are no tab stop are passed over too. A `current` that is not among them counts as sitting
// before the first. Null when no control qualifies.
Control* NextInTabOrder(std::span<Control* const> controls, const Control* current, bool forward,
                        bool tabStopsOnly);

// Where the Tab key takes the focus: the next tab stop, the previous one with Shift.
Control* TabKeyTarget(std::span<Control* const> controls, const Control* focused, ShiftState shift);

// Where an arrow key takes the focus from a button or radio button: the next control in tab order
// for Right and Down, the previous one for Left and Up, tab stops or not. Null for other keys and
// other controls, which keep the key.
Control* ArrowKeyTarget(std::span<Control* const> controls, const Control& focused, uint16_t key);

}  // namespace tarnwick
