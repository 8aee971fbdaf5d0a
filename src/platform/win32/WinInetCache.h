#pragma once
// The URL cache of WinInet, the platform's internet client library.
#include "platform/UrlCache.h"

namespace tarnwick {

class WinInetCache final : public UrlCache {
 public:
  // Wine names its containers "Cookie:" and "Visited:" and matches a pattern against them
  // exactly, so "cookie:" and "visited:" find nothing there (Windows ignores case). When such a
  // pattern reports nothing to list, the container's own spelling is asked once more.
  FindHandle FindFirst(const char* pattern, void* buffer, uint32_t& size) override;
  bool FindNext(FindHandle find, void* buffer, uint32_t& size) override;
  void FindClose(FindHandle find) override;
  bool Delete(const char* url) override;
  uint32_t LastError() const override { return lastError_; }

 private:
  FindHandle CallFindFirst(const char* pattern, void* buffer, uint32_t& size);

  uint32_t lastError_ = 0;
};

}  // namespace tarnwick
