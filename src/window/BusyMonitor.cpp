#include "window/BusyMonitor.h"

namespace tarnwick {
namespace {

std::string Grouped(int count, NumberSeparators separators) {
  const std::string digits = std::to_string(count < 0 ? 0 : count);
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separators.thousands;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace

BusyScope::BusyScope(BusyMonitor* monitor) : monitor_(monitor) {
  if (monitor_) monitor_->BusyStarted();
}

BusyScope::~BusyScope() {
  if (monitor_) monitor_->BusyFinished();
}

std::string ListingProgressText(int rowsListed, NumberSeparators separators) {
  return "Listing... " + Grouped(rowsListed, separators) +
         (rowsListed == 1 ? " entry" : " entries");
}

std::string DeletionProgressText(int done, int total, NumberSeparators separators) {
  return "Deleting... " + Grouped(done, separators) + " of " + Grouped(total, separators);
}

bool ProgressThrottle::Due(uint32_t now) {
  if (now - last_ < interval_) return false;
  last_ = now;
  return true;
}

}  // namespace tarnwick
