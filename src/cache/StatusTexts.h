#pragma once
// Every text of the status line under the table: the summary a listing ends with, the progress
// of long work and the closing text, with the digit grouping they share.
#include <cstdint>
#include <string>

#include "platform/Locale.h"

namespace tarnwick {

// The digits of `value` with `separator` before every group of three from the right. A NUL
// separator (a locale with none set) adds nothing, so the text is not cut short.
std::string GroupedDigits(uint64_t value, char separator);

// After a listing: "<count> entries in <bytes> bytes (<megabytes> MB)", "entries" whatever the
// count; the bytes with no decimals, the megabytes (2^20 bytes) with two, both rounded half away
// from zero and grouped by threes.
std::string FormatSummary(int32_t count, int64_t totalBytes, NumberSeparators separators);

// While a listing runs: "Listing... 12,345 entries", "entry" for one; a negative count shows 0.
std::string ListingProgressText(int rowsListed, NumberSeparators separators);
// While Clear runs: "Deleting... 1,200 of 40,000".
std::string DeletionProgressText(int done, int total, NumberSeparators separators);
// Once the window was asked to close during a Clear.
inline constexpr char kClosingAfterDeletionText[] = "Closing when the deletion ends...";

}  // namespace tarnwick
