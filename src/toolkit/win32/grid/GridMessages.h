#pragma once
// The grid window's private message and timer.
#include <windows.h>

namespace tarnwick {

// Posted to the grid itself: bring the scroll bars up to date with the table and tell assistive
// technology what changed.
constexpr UINT kCatchUpMessage = WM_USER + 1;
// Repeats the drag step while the pointer is held above or below the rows.
constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMilliseconds = 50;

}  // namespace tarnwick
