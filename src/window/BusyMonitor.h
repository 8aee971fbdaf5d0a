#pragma once
// Watching long work while it runs on the window's one thread: a listing or a Clear. A full cache
// takes tens of seconds to list or to clear, so the window keeps painting and shows how far the
// work got instead of freezing, and no handler runs until the work ends.
#include <cstdint>
#include <string>

#include "platform/Locale.h"

namespace tarnwick {

class BusyMonitor {
 public:
  virtual ~BusyMonitor() = default;
  virtual void BusyStarted() = 0;
  // After every record the cache delivered; `rowsListed` entries are in the table so far.
  virtual void ListingProgress(int rowsListed) = 0;
  // After every row that Clear has deleted: `done` of `total`.
  virtual void DeletionProgress(int done, int total) = 0;
  // Also after work that ended in an error.
  virtual void BusyFinished() = 0;
};

// Tells the monitor that the work ended, however it ended.
class BusyScope {
 public:
  explicit BusyScope(BusyMonitor* monitor);
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope();

 private:
  BusyMonitor* monitor_;
};

// The status line while a listing runs: "Listing... 12,345 entries".
std::string ListingProgressText(int rowsListed, NumberSeparators separators);
// The status line while Clear runs: "Deleting... 1,200 of 40,000".
std::string DeletionProgressText(int done, int total, NumberSeparators separators);

// Lets progress reach the screen a few times a second rather than for every record. The caller
// passes the clock's milliseconds in, so a wrap-around of the count does no harm.
class ProgressThrottle {
 public:
  explicit ProgressThrottle(uint32_t intervalMs) : interval_(intervalMs) {}
  void Restart(uint32_t now) { last_ = now; }
  // True once `interval` has passed since the start or the last time it was true.
  bool Due(uint32_t now);

 private:
  uint32_t interval_;
  uint32_t last_ = 0;
};

}  // namespace tarnwick
