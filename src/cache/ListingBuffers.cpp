#include "cache/ListingBuffers.h"

#include <new>

namespace tarnwick {
namespace {

class HeapBuffers : public ListingBuffers {
 public:
  void* Take(uint32_t bytes) override { return ::operator new(bytes); }
  void Release(void* buffer) override { ::operator delete(buffer); }
};

}  // namespace

ListingBuffers& HeapListingBuffers() {
  // Stateless, so one instance serves every listing.
  static HeapBuffers heap;
  return heap;
}

}  // namespace tarnwick
