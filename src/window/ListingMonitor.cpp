#include "window/ListingMonitor.h"

namespace tarnwick {

std::string ListingProgressText(int rowsListed, NumberSeparators separators) {
  const std::string digits = std::to_string(rowsListed < 0 ? 0 : rowsListed);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separators.thousands;
    grouped += digits[i];
  }
  return "Listing... " + grouped + (rowsListed == 1 ? " entry" : " entries");
}

}  // namespace tarnwick
