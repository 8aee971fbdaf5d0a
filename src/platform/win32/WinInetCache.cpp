#include "WinInetCache.h"

#include <windows.h>
#include <wininet.h>

#include <cstddef>

namespace tarnwick {
namespace {

// The record is handed to WinInet as its own type, so both must agree byte for byte.
#define TARNWICK_SAME_FIELD(field)                                                        \
  static_assert(                                                                          \
      offsetof(CacheEntryRecord, field) == offsetof(INTERNET_CACHE_ENTRY_INFOA, field) && \
          sizeof(CacheEntryRecord::field) == sizeof(INTERNET_CACHE_ENTRY_INFOA::field),   \
      "CacheEntryRecord differs from INTERNET_CACHE_ENTRY_INFOA in " #field)
TARNWICK_SAME_FIELD(dwStructSize);
TARNWICK_SAME_FIELD(lpszSourceUrlName);
TARNWICK_SAME_FIELD(lpszLocalFileName);
TARNWICK_SAME_FIELD(CacheEntryType);
TARNWICK_SAME_FIELD(dwUseCount);
TARNWICK_SAME_FIELD(dwHitRate);
TARNWICK_SAME_FIELD(dwSizeLow);
TARNWICK_SAME_FIELD(dwSizeHigh);
TARNWICK_SAME_FIELD(LastModifiedTime);
TARNWICK_SAME_FIELD(ExpireTime);
TARNWICK_SAME_FIELD(LastAccessTime);
TARNWICK_SAME_FIELD(LastSyncTime);
TARNWICK_SAME_FIELD(lpHeaderInfo);
TARNWICK_SAME_FIELD(dwHeaderInfoSize);
TARNWICK_SAME_FIELD(lpszFileExtension);
TARNWICK_SAME_FIELD(dwExemptDelta);
#undef TARNWICK_SAME_FIELD
static_assert(sizeof(CacheEntryRecord) == sizeof(INTERNET_CACHE_ENTRY_INFOA));
static_assert(offsetof(FileTime, dwLowDateTime) == offsetof(FILETIME, dwLowDateTime) &&
              offsetof(FileTime, dwHighDateTime) == offsetof(FILETIME, dwHighDateTime) &&
              sizeof(FileTime) == sizeof(FILETIME));

static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
              kErrorAccessDenied == ERROR_ACCESS_DENIED &&
              kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER &&
              kErrorNoMoreItems == ERROR_NO_MORE_ITEMS);
// The type bits the rows name. mingw-w64's header lacks STABLE_CACHE_ENTRY (2) and
// OCX_CACHE_ENTRY (0x20000); Microsoft's documentation gives those values.
static_assert(kNormalCacheEntry == NORMAL_CACHE_ENTRY && kStickyCacheEntry == STICKY_CACHE_ENTRY &&
              kTrackOfflineCacheEntry == TRACK_OFFLINE_CACHE_ENTRY &&
              kTrackOnlineCacheEntry == TRACK_ONLINE_CACHE_ENTRY &&
              kSparseCacheEntry == SPARSE_CACHE_ENTRY && kCookieCacheEntry == COOKIE_CACHE_ENTRY &&
              kUrlHistoryCacheEntry == URLHISTORY_CACHE_ENTRY);

INTERNET_CACHE_ENTRY_INFOA* AsEntryInfo(void* buffer) {
  return static_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer);
}

}  // namespace

UrlCache::FindHandle WinInetCache::FindFirst(const char* pattern, void* buffer, uint32_t& size) {
  const uint32_t givenSize = size;
  FindHandle find = CallFindFirst(pattern, buffer, size);
  const char* spelling = ContainerSpelling(pattern);
  if (find || lastError_ != kErrorNoMoreItems || !spelling) return find;
  size = givenSize;
  return CallFindFirst(spelling, buffer, size);
}

UrlCache::FindHandle WinInetCache::CallFindFirst(const char* pattern, void* buffer,
                                                 uint32_t& size) {
  DWORD inOut = size;
  HANDLE find = FindFirstUrlCacheEntryA(pattern, AsEntryInfo(buffer), &inOut);
  if (!find) lastError_ = GetLastError();
  size = inOut;
  return find;
}

bool WinInetCache::FindNext(FindHandle find, void* buffer, uint32_t& size) {
  DWORD inOut = size;
  const bool found = FindNextUrlCacheEntryA(find, AsEntryInfo(buffer), &inOut) != FALSE;
  if (!found) lastError_ = GetLastError();
  size = inOut;
  return found;
}

void WinInetCache::FindClose(FindHandle find) { FindCloseUrlCache(find); }

bool WinInetCache::Delete(const char* url) {
  const bool deleted = DeleteUrlCacheEntryA(url) != FALSE;
  if (!deleted) lastError_ = GetLastError();
  return deleted;
}

}  // namespace tarnwick
