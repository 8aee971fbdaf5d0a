#pragma once
// Watching long work while it runs on the window's one thread: a listing or a Clear. A full cache
// takes tens of seconds to list or to clear, so the window keeps painting, answering other
// programs and moving with its frame, and shows how far the work got instead of freezing; no
// handler of the form runs until the work ends.
#include <cstdint>
#include <functional>

namespace tarnwick {

enum class BusyWork : uint8_t { kListing, kDeletion };

// What the status line says while the work runs.
enum class BusyCaption : uint8_t { kProgress, kClosing };

class BusyMonitor {
 public:
  virtual ~BusyMonitor() = default;
  virtual void BusyStarted(BusyWork work) = 0;
  // After every record a listing was given and every row Clear deleted. When the status line is
  // due it calls `writeStatus`, and the form writes it. False when the work should stop: a
  // listing whose window is to close.
  virtual bool BusyStep(const std::function<void(BusyCaption)>& writeStatus) = 0;
  // Also after work that ended in an error.
  virtual void BusyFinished() = 0;
};

// Tells the monitor that the work ended, however it ended.
class BusyScope {
 public:
  BusyScope(BusyMonitor* monitor, BusyWork work);
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;
  ~BusyScope();

 private:
  BusyMonitor* monitor_;
};

// What is due between two records of long work.
struct BusyDue {
  // Answer the messages other programs sent and let the frame move, size and close.
  bool answer = false;
  // Write the status line and paint.
  bool status = false;
  // Show the window that a long first listing has kept hidden so far.
  bool show = false;

  bool operator==(const BusyDue&) const = default;
};

// The rules of the busy state, decided from the clock alone, so that a record costs one reading
// of it when nothing is due. The caller passes the clock's milliseconds in, so a wrap-around of
// the count does no harm.
class BusyState {
 public:
  // Other programs wait at most about this long for an answer, a little more on a clock that
  // ticks in steps of 16 ms.
  static constexpr uint32_t kAnswerIntervalMs = 10;
  // The status line counts on a few times a second, not for every record.
  static constexpr uint32_t kStatusIntervalMs = 250;
  // A first listing keeps the window hidden this long before it is shown with its progress; a
  // shorter one is over before the window appears.
  static constexpr uint32_t kHiddenListingMs = 500;

  // `hidden`: the window is not shown yet and should be once the work runs long.
  void Start(BusyWork work, uint32_t now, bool hidden = false);
  bool Busy() const { return busy_; }
  BusyDue Step(uint32_t now);
  BusyCaption Status() const {
    return closeRequested_ ? BusyCaption::kClosing : BusyCaption::kProgress;
  }

  // A close request. True when the window may close at once: nothing runs. A listing stops at
  // its next record (it changes nothing, so nothing is lost); a Clear goes on to its end, as the
  // user asked for those deletions, and says so in the status line.
  bool CloseRequested();
  // The listing should end now.
  bool Stopping() const { return closeRequested_ && work_ == BusyWork::kListing; }
  // The work ended. True when a close request waits to be carried out.
  bool Finish();

 private:
  bool busy_ = false;
  bool closeRequested_ = false;
  bool hidden_ = false;
  BusyWork work_ = BusyWork::kListing;
  uint32_t started_ = 0;
  uint32_t lastAnswer_ = 0;
  uint32_t lastStatus_ = 0;
};

}  // namespace tarnwick
