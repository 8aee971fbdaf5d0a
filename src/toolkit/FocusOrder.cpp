#include "toolkit/FocusOrder.h"

#include <algorithm>
#include <vector>

namespace tarnwick {

Control* NextInTabOrder(std::span<Control* const> controls, const Control* current, bool forward,
                        bool tabStopsOnly) {
  std::vector<Control*> ring;
  for (Control* control : controls) {
    if (!control->TakesFocus()) continue;
    if (tabStopsOnly && !control->TabStop() && control != current) continue;
    ring.push_back(control);
  }
  if (ring.empty()) return nullptr;
  const auto found = std::find(ring.begin(), ring.end(), current);
  if (found == ring.end()) return forward ? ring.front() : ring.back();
  const auto size = static_cast<std::ptrdiff_t>(ring.size());
  const std::ptrdiff_t index = found - ring.begin();
  const std::ptrdiff_t next = (index + (forward ? 1 : size - 1)) % size;
  return ring[static_cast<size_t>(next)];
}

Control* TabKeyTarget(std::span<Control* const> controls, const Control* focused,
                      ShiftState shift) {
  return NextInTabOrder(controls, focused, (shift & ssShift) == 0, true);
}

Control* ArrowKeyTarget(std::span<Control* const> controls, const Control& focused, uint16_t key) {
  if (!focused.ArrowKeysMoveFocus()) return nullptr;
  switch (key) {
    case kKeyRight:
    case kKeyDown:
      return NextInTabOrder(controls, &focused, true, false);
    case kKeyLeft:
    case kKeyUp:
      return NextInTabOrder(controls, &focused, false, false);
    default:
      return nullptr;
  }
}

}  // namespace tarnwick
