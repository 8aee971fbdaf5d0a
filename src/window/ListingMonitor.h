#pragma once
// Watching a listing while it runs. A full cache takes tens of seconds to list, so the window
// keeps painting and shows how far the listing got instead of freezing.
#include <string>

#include "platform/Locale.h"

namespace tarnwick {

class ListingMonitor {
 public:
  virtual ~ListingMonitor() = default;
  virtual void ListingStarted() = 0;
  // After every record the cache delivered; `rowsListed` entries are in the table so far.
  virtual void ListingProgress(int rowsListed) = 0;
  // Also after a listing that ended in an error.
  virtual void ListingFinished() = 0;
};

// The status line while a listing runs: "Listing... 12,345 entries".
std::string ListingProgressText(int rowsListed, NumberSeparators separators);

}  // namespace tarnwick
