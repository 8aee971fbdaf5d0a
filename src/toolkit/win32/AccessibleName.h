#pragma once
// Names a native control for assistive technology through the platform's dynamic annotation, so a
// control without a caption of its own is read by name, with no label window added beside it.
#include <windows.h>

#include <string>

namespace tarnwick {

// False where the platform cannot annotate (COM not started on this thread, or no annotation
// service, as under Wine); the control then keeps the platform's own name for it.
bool AnnotateAccessibleName(HWND window, const std::string& name);

}  // namespace tarnwick
