#pragma once
// Puts entries into the URL cache of this Windows (or Wine) user through the real WinInet calls,
// and remembers their keys so they can be taken out again.
#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::seed {

struct ContentEntry {
  std::string url;
  std::string extension;    // of the local file the cache names; empty for none
  std::string body;         // written into the local file
  uint64_t sparseSize = 0;  // when set, the file is instead extended to this size, unwritten
  std::string headers;      // stored as is, NUL bytes included
  FILETIME expires{};
  FILETIME modified{};
  DWORD type = NORMAL_CACHE_ENTRY;
  bool withFile = true;
};

struct HistoryEntry {
  std::string url;          // the visited page; the key becomes "Visited: user@url"
  std::string headerBlock;  // stored as is
  FILETIME modified{};
};

// One entry as the cache holds it after the commit, read back from the cache.
struct SeededEntry {
  std::string key;
  DWORD type = 0;
  uint64_t size = 0;
  DWORD headerSize = 0;
  std::string localFile;
};

class CacheSeeder {
 public:
  CacheSeeder();

  // Each returns false, with Error() saying why, when the file system or the cache refuses.
  bool AddContent(const ContentEntry& entry);
  // A persistent cookie for `url`: `data` carries its value and attributes, expiry included.
  bool AddCookie(const std::string& url, const std::string& name, const std::string& data);
  bool AddHistory(const HistoryEntry& entry);

  const std::vector<SeededEntry>& Entries() const { return entries_; }
  const std::string& Error() const { return error_; }
  const std::string& UserName() const { return userName_; }

  // Deletes every entry added, newest first; returns how many deletions failed.
  int RemoveAll();

 private:
  bool WriteLocalFile(const char* path, const ContentEntry& entry);
  bool Commit(const std::string& key, const char* localFile, const ContentEntry& entry);
  bool Record(const std::string& key);
  bool Fail(const std::string& what, DWORD code);

  std::string userName_;
  std::vector<SeededEntry> entries_;
  std::string error_;
};

}  // namespace tarnwick::seed
