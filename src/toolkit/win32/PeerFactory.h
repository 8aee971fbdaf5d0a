#pragma once
// The native peer of a control model, chosen by the model's kind, so that a window makes its
// native controls from its list of models alone.
#include <memory>

#include "toolkit/win32/NativePeer.h"

namespace tarnwick {

// A button, radio button, label, edit box or memo gets its own kind of peer; any other control
// (the grid) a plain peer that shows a window made elsewhere once it is attached.
std::unique_ptr<NativePeer> MakePeer(Control& model);

}  // namespace tarnwick
