#pragma once
// The application's title, shown on its task bar button and as the caption of its error boxes.
#include <string_view>

namespace tarnwick {

// The executable's file name without its folder, cut at its first ".". The caller lower-cases
// all but its first character with the platform's rules for the ANSI code page.
std::string_view ApplicationTitleStem(std::string_view exePath);

}  // namespace tarnwick
