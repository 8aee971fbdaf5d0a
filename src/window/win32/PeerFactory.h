#pragma once
// The native peer of a control model, chosen by the model's kind, so that a window makes its
// native controls from its list of models alone.
#include <memory>

#include "toolkit/win32/NativePeer.h"

namespace tarnwick {

// A button, radio button, label, edit box, memo or grid box gets its own kind of peer.
std::unique_ptr<NativePeer> MakePeer(Control& model);

}  // namespace tarnwick
