#include "window/BusyMonitor.h"

#include "cache/Summary.h"

namespace tarnwick {
namespace {

// A count as the status line shows it; a negative one is shown as 0.
std::string Grouped(int count, char separator) {
  return GroupedDigits(count < 0 ? 0 : static_cast<uint64_t>(count), separator);
}

}  // namespace

BusyScope::BusyScope(BusyMonitor* monitor) : monitor_(monitor) {
  if (monitor_) monitor_->BusyStarted();
}

BusyScope::~BusyScope() {
  if (monitor_) monitor_->BusyFinished();
}

std::string ListingProgressText(int rowsListed, NumberSeparators separators) {
  return "Listing... " + Grouped(rowsListed, separators.thousands) +
         (rowsListed == 1 ? " entry" : " entries");
}

std::string DeletionProgressText(int done, int total, NumberSeparators separators) {
  return "Deleting... " + Grouped(done, separators.thousands) + " of " +
         Grouped(total, separators.thousands);
}

bool ProgressThrottle::Due(uint32_t now) {
  if (now - last_ < interval_) return false;
  last_ = now;
  return true;
}

}  // namespace tarnwick
