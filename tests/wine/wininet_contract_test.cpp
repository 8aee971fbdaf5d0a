// What the program relies on from the platform's URL cache, checked against the real one.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <string>
#include <vector>

namespace {

const char kUrl[] = "http://contract.test.invalid/page?id=1";

bool CommitEntry(const char* url) {
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(url, 0, "html", file, 0)) return false;
  HANDLE handle = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(handle, "<html></html>", 13, &written, nullptr);
  CloseHandle(handle);
  FILETIME zero{};
  char headers[] = "HTTP/1.1 200 OK\r\n\r\n";
  return CommitUrlCacheEntryA(url, file, zero, zero, NORMAL_CACHE_ENTRY,
                              reinterpret_cast<BYTE*>(headers), sizeof headers - 1, "html",
                              nullptr);
}

// Every source URL the enumeration delivers for `pattern`, growing the buffer on code 122.
std::vector<std::string> Enumerate(const char* pattern) {
  std::vector<std::string> urls;
  std::vector<char> buffer(4096);
  DWORD size = static_cast<DWORD>(buffer.size());
  auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  HANDLE find = FindFirstUrlCacheEntryA(pattern, info, &size);
  if (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    buffer.resize(size);
    info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    find = FindFirstUrlCacheEntryA(pattern, info, &size);
  }
  if (!find) return urls;
  for (;;) {
    urls.emplace_back(info->lpszSourceUrlName);
    size = static_cast<DWORD>(buffer.size());
    if (FindNextUrlCacheEntryA(find, info, &size)) continue;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    buffer.resize(size);
    info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    if (!FindNextUrlCacheEntryA(find, info, &size)) break;
    urls.emplace_back(info->lpszSourceUrlName);
  }
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_ITEMS));
  FindCloseUrlCache(find);
  return urls;
}

bool Contains(const std::vector<std::string>& urls, const std::string& url) {
  for (const auto& each : urls)
    if (each == url) return true;
  return false;
}

TEST(WinInetContract, CommittedEntryIsEnumeratedDeletedAndThenMissing) {
  ASSERT_TRUE(CommitEntry(kUrl)) << GetLastError();
  EXPECT_TRUE(Contains(Enumerate(nullptr), kUrl));

  ASSERT_TRUE(DeleteUrlCacheEntryA(kUrl));
  EXPECT_FALSE(Contains(Enumerate(nullptr), kUrl));

  EXPECT_FALSE(DeleteUrlCacheEntryA(kUrl));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(WinInetContract, TooSmallBufferReportsTheBytesNeeded) {
  ASSERT_TRUE(CommitEntry(kUrl));
  INTERNET_CACHE_ENTRY_INFOA small{};
  DWORD size = sizeof small - 1;
  HANDLE find = FindFirstUrlCacheEntryA(nullptr, &small, &size);
  EXPECT_EQ(find, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_GT(size, sizeof small);
  if (find) FindCloseUrlCache(find);
  DeleteUrlCacheEntryA(kUrl);
}

}  // namespace
