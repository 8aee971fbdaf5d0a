#pragma once
// Work that must be done however a block is left, an exception included, written once.
#include <exception>
#include <utility>

namespace tarnwick {

// Runs `action` when the scope ends. Left normally, whatever `action` throws goes on; left by an
// exception, that exception goes on and one from `action` is dropped, since two at once would
// end the program.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action)
      : action_(std::move(action)), exceptions_(std::uncaught_exceptions()) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() noexcept(false) {
    if (std::uncaught_exceptions() == exceptions_) {
      action_();
      return;
    }
    try {
      action_();
    } catch (...) {
    }
  }

 private:
  Action action_;
  int exceptions_;
};

}  // namespace tarnwick
