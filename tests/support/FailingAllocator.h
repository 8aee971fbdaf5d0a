#pragma once
// Memory made to run out on purpose. A test program built with FailingAllocator.cpp has every
// allocation fail once the allocations it still allows are used up.
#include <atomic>

namespace tarnwick::testing {

// Allocations that may still succeed: 0 fails every one from now on; negative never runs out.
inline std::atomic<int> allocationsLeft = -1;

}  // namespace tarnwick::testing
