#include "Churn.h"

#include <windows.h>
#include <wininet.h>

namespace tarnwick::seed {

int Churn(const std::string& stopFile, int maxSteps) {
  static char headers[] = "HTTP/1.1 200 OK\r\n\r\n";
  int step = 0;
  for (; step < maxSteps; ++step) {
    // Checked every few steps only: the point is to change the cache as fast as it allows.
    if (step % 16 == 0 && GetFileAttributesA(stopFile.c_str()) != INVALID_FILE_ATTRIBUTES) break;
    CommitUrlCacheEntryA(ChurnKey(step).c_str(), nullptr, {}, {}, NORMAL_CACHE_ENTRY,
                         reinterpret_cast<BYTE*>(headers), sizeof headers - 1, nullptr, nullptr);
    if (step % 2 == 0 && step >= 6) DeleteUrlCacheEntryA(ChurnKey(step - 5).c_str());
  }
  return step;
}

}  // namespace tarnwick::seed
