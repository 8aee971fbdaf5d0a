// The program's allocations, made to fail on purpose once tarnwick::testing::allocationsLeft runs
// out; freed by the matching delete.
#include "support/FailingAllocator.h"

#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
  using tarnwick::testing::allocationsLeft;
  if (allocationsLeft == 0) throw std::bad_alloc();
  if (allocationsLeft > 0) --allocationsLeft;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
// The compiler pairs the allocation with the library's own delete, not with this one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
#pragma GCC diagnostic pop
