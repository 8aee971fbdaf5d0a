#include "CacheSeeder.h"

#include <wininet.h>

#include <vector>

namespace tarnwick::seed {
namespace {

std::string CurrentUserName() {
  char name[256] = {};
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? name : "user";
}

// The host and path of an http URL, as the cookie container writes them into its keys.
std::string HostAndPath(const std::string& url) {
  const size_t start = url.find("://");
  std::string rest = start == std::string::npos ? url : url.substr(start + 3);
  if (rest.find('/') == std::string::npos) rest += '/';
  return rest;
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

CacheSeeder::CacheSeeder() : userName_(CurrentUserName()) {}

bool CacheSeeder::AddContent(const ContentEntry& entry) {
  if (!entry.withFile) return Commit(entry.url, nullptr, entry) && Record(entry.url);
  char path[MAX_PATH] = {};
  const char* extension = entry.extension.empty() ? nullptr : entry.extension.c_str();
  if (!CreateUrlCacheEntryA(entry.url.c_str(), 0, extension, path, 0))
    return Fail("CreateUrlCacheEntryA refused " + entry.url, GetLastError());
  if (!WriteLocalFile(path, entry)) {
    DeleteFileA(path);
    return false;
  }
  return Commit(entry.url, path, entry) && Record(entry.url);
}

bool CacheSeeder::WriteLocalFile(const char* path, const ContentEntry& entry) {
  FileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  if (!file.Valid()) return Fail(std::string("cannot open ") + path, GetLastError());
  if (entry.sparseSize) {
    // Extending a file without writing it leaves a hole: the file system holds no data for it,
    // yet the cache reads the full size from the file.
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(entry.sparseSize);
    if (!SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.Get()))
      return Fail(std::string("cannot extend ") + path, GetLastError());
    return true;
  }
  DWORD written = 0;
  const auto length = static_cast<DWORD>(entry.body.size());
  if (!WriteFile(file.Get(), entry.body.data(), length, &written, nullptr) || written != length)
    return Fail(std::string("cannot write ") + path, GetLastError());
  return true;
}

bool CacheSeeder::Commit(const std::string& key, const char* localFile, const ContentEntry& entry) {
  std::string headers = entry.headers;
  auto* headerBytes = headers.empty() ? nullptr : reinterpret_cast<BYTE*>(headers.data());
  const char* extension = entry.extension.empty() ? nullptr : entry.extension.c_str();
  if (!CommitUrlCacheEntryA(key.c_str(), localFile, entry.expires, entry.modified, entry.type,
                            headerBytes, static_cast<DWORD>(headers.size()), extension, nullptr))
    return Fail("CommitUrlCacheEntryA refused " + key, GetLastError());
  return true;
}

bool CacheSeeder::AddCookie(const std::string& url, const std::string& name,
                            const std::string& data) {
  if (!InternetSetCookieA(url.c_str(), name.c_str(), data.c_str()))
    return Fail("InternetSetCookieA refused " + name + " for " + url, GetLastError());
  // The cookie container keeps all cookies of one host and path under one key; a second cookie
  // for the same place rewrites that entry, so its record is read again.
  const std::string key = "Cookie:" + userName_ + "@" + HostAndPath(url);
  std::erase_if(entries_, [&](const SeededEntry& each) { return each.key == key; });
  return Record(key);
}

bool CacheSeeder::AddHistory(const HistoryEntry& entry) {
  ContentEntry commit;
  commit.headers = entry.headerBlock;
  commit.modified = entry.modified;
  commit.type = URLHISTORY_CACHE_ENTRY;
  const std::string key = "Visited: " + userName_ + "@" + entry.url;
  return Commit(key, nullptr, commit) && Record(key);
}

// Reads the entry back, so that what is reported is what the cache kept, not what was asked.
bool CacheSeeder::Record(const std::string& key) {
  std::vector<char> buffer(sizeof(INTERNET_CACHE_ENTRY_INFOA) + 1024);
  DWORD size = static_cast<DWORD>(buffer.size());
  auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  if (!GetUrlCacheEntryInfoA(key.c_str(), info, &size)) {
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
      return Fail("the cache does not hold " + key + " after the commit", GetLastError());
    buffer.resize(size);
    info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    if (!GetUrlCacheEntryInfoA(key.c_str(), info, &size))
      return Fail("cannot read back " + key, GetLastError());
  }
  SeededEntry seeded;
  seeded.key = key;
  seeded.type = info->CacheEntryType;
  seeded.size = (static_cast<uint64_t>(info->dwSizeHigh) << 32) | info->dwSizeLow;
  seeded.headerSize = info->dwHeaderInfoSize;
  if (info->lpszLocalFileName) seeded.localFile = info->lpszLocalFileName;
  entries_.push_back(std::move(seeded));
  return true;
}

int CacheSeeder::RemoveAll() {
  int failures = 0;
  for (auto each = entries_.rbegin(); each != entries_.rend(); ++each)
    if (!DeleteUrlCacheEntryA(each->key.c_str())) ++failures;
  entries_.clear();
  return failures;
}

bool CacheSeeder::Fail(const std::string& what, DWORD code) {
  error_ = what + " (error " + std::to_string(code) + ")";
  return false;
}

}  // namespace tarnwick::seed
