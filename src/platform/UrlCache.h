#pragma once
// The URL cache of the platform's internet client library, as the program sees it: the three
// calls it makes and the codes it tells apart. The Win32 adapter forwards to WinInet; the
// portable stand-in keeps its entries in memory and honours the same buffer protocol.
#include <cstdint>
#include <string_view>

namespace tarnwick {

// Last-error codes of the cache calls that the program tells apart.
enum CacheError : uint32_t {
  kErrorFileNotFound = 2,
  kErrorAccessDenied = 5,
  kErrorInsufficientBuffer = 122,
  kErrorNoMoreItems = 259,
};

// Bits of CacheEntryType that the program names. Cookies and history entries also decide the view
// an entry shows in.
inline constexpr uint32_t kNormalCacheEntry = 0x0000'0001;
inline constexpr uint32_t kStableCacheEntry = 0x0000'0002;
inline constexpr uint32_t kStickyCacheEntry = 0x0000'0004;
inline constexpr uint32_t kTrackOfflineCacheEntry = 0x0000'0010;
inline constexpr uint32_t kTrackOnlineCacheEntry = 0x0000'0020;
inline constexpr uint32_t kSparseCacheEntry = 0x0001'0000;
inline constexpr uint32_t kOcxCacheEntry = 0x0002'0000;
inline constexpr uint32_t kCookieCacheEntry = 0x0010'0000;
inline constexpr uint32_t kUrlHistoryCacheEntry = 0x0020'0000;

// The search patterns of the Cookies and History views. The cache's containers carry the same
// names with a capital letter, which is how their entries' keys begin; Windows matches a pattern
// without regard to case, Wine only as the container spells it.
inline constexpr char kCookiePattern[] = "cookie:";
inline constexpr char kHistoryPattern[] = "visited:";

// The container's own spelling of `pattern` ("Cookie:" for "cookie:", "Visited:" for
// "visited:"), or null for any other pattern, null included.
constexpr const char* ContainerSpelling(const char* pattern) {
  if (!pattern) return nullptr;
  const std::string_view text(pattern);
  if (text == kCookiePattern) return "Cookie:";
  if (text == kHistoryPattern) return "Visited:";
  return nullptr;
}

// 100-nanosecond intervals since 1 January 1601 UTC, low half first (the platform's FILETIME).
struct FileTime {
  uint32_t dwLowDateTime;
  uint32_t dwHighDateTime;
};

// Field for field the platform's INTERNET_CACHE_ENTRY_INFOA, so that the Win32 adapter hands the
// buffer the platform filled straight through. The strings and the header block it points to lie
// in the same buffer and live as long as it does.
struct CacheEntryRecord {
  uint32_t dwStructSize;
  char* lpszSourceUrlName;
  char* lpszLocalFileName;
  uint32_t CacheEntryType;
  uint32_t dwUseCount;
  uint32_t dwHitRate;
  uint32_t dwSizeLow;
  uint32_t dwSizeHigh;
  FileTime LastModifiedTime;
  FileTime ExpireTime;
  FileTime LastAccessTime;
  FileTime LastSyncTime;
  char* lpHeaderInfo;
  uint32_t dwHeaderInfoSize;
  char* lpszFileExtension;
  uint32_t dwExemptDelta;
};

class UrlCache {
 public:
  using FindHandle = void*;

  virtual ~UrlCache() = default;

  // `pattern` is null (every entry), kCookiePattern or kHistoryPattern. Returns null on failure;
  // with kErrorInsufficientBuffer, `size` then holds the bytes the first record needs.
  virtual FindHandle FindFirst(const char* pattern, void* buffer, uint32_t& size) = 0;
  // False on failure: kErrorInsufficientBuffer (call again with a larger buffer for the same
  // record) or kErrorNoMoreItems at the end. `size` is written back.
  virtual bool FindNext(FindHandle find, void* buffer, uint32_t& size) = 0;
  virtual void FindClose(FindHandle find) = 0;
  virtual bool Delete(const char* url) = 0;
  // The code of the last failing call, read right after it.
  virtual uint32_t LastError() const = 0;
};

}  // namespace tarnwick
