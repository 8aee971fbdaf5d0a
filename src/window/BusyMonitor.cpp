#include "window/BusyMonitor.h"

namespace tarnwick {

BusyScope::BusyScope(BusyMonitor* monitor, BusyWork work) : monitor_(monitor) {
  if (monitor_) monitor_->BusyStarted(work);
}

BusyScope::~BusyScope() {
  if (monitor_) monitor_->BusyFinished();
}

void BusyState::Start(BusyWork work, uint32_t now, bool hidden) {
  busy_ = true;
  work_ = work;
  hidden_ = hidden;
  started_ = lastAnswer_ = lastStatus_ = now;
}

BusyDue BusyState::Step(uint32_t now) {
  if (!busy_) return {};
  BusyDue due;
  due.show = hidden_ && now - started_ >= kHiddenListingMs;
  // Shown at last, the window paints its first picture with the count in it.
  due.status = now - lastStatus_ >= kStatusIntervalMs || due.show;
  due.answer = now - lastAnswer_ >= kAnswerIntervalMs || due.status;
  if (!due.answer) return due;
  lastAnswer_ = now;
  if (due.status) lastStatus_ = now;
  if (due.show) hidden_ = false;
  return due;
}

bool BusyState::CloseRequested() {
  if (!busy_) return true;
  // The waiting Clear says so at its next step.
  if (!closeRequested_) lastStatus_ -= kStatusIntervalMs;
  closeRequested_ = true;
  return false;
}

bool BusyState::Finish() {
  const bool closePending = closeRequested_;
  busy_ = closeRequested_ = hidden_ = false;
  return closePending;
}

}  // namespace tarnwick
