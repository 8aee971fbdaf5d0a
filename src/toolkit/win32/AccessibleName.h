#pragma once
// Annotates a native control for assistive technology through the platform's dynamic annotation:
// a control without a caption of its own is read by name, with no label window added beside it,
// and a status line is read out when its text changes, with no focus moved to it.
#include <windows.h>

#include <string>

namespace tarnwick {

// False where the platform cannot annotate (COM not started on this thread, or no annotation
// service, or one that does not keep this property, as under Wine); the control then keeps what
// the platform itself says of it.
bool AnnotateAccessibleName(HWND window, const std::string& name);
// Makes the control a polite live region: a screen reader reads its text when the control raises
// EVENT_OBJECT_LIVEREGIONCHANGED, once it has finished what it is saying.
bool AnnotatePoliteLiveRegion(HWND window);

}  // namespace tarnwick
