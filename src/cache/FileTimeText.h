#pragma once
#include <string>

#include "platform/Locale.h"
#include "platform/UrlCache.h"

namespace tarnwick {

// A cache time stamp as the table shows it: empty for 0, "NEVER" for the largest signed value,
// otherwise the local short date and long time (the date alone at midnight). A time that does not
// convert to a valid date and time gives "#ERROR# " and its two halves in hexadecimal.
std::string FileTimeToText(const FileTime& time, Locale& locale);

}  // namespace tarnwick
