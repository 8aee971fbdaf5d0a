// The URL cache adapter against Wine's real WinInet, over the entries seed-cache.exe makes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "CacheRecords.h"
#include "SeedSuites.h"
#include "WinInetCache.h"

namespace tarnwick {
namespace {

class Win32CacheTest : public testing::RealisticSeedSuite<::testing::Test> {
 protected:
  static std::vector<std::string> SeededKeys(DWORD kindBit) {
    std::vector<std::string> keys;
    for (const auto& entry : seeder_->Entries())
      if (entry.type & kindBit) keys.push_back(entry.key);
    return keys;
  }

  struct Listed {
    std::string key;
    uint32_t type;
  };

  // Every record the adapter delivers for `pattern`, copied out; the enumeration must end at
  // the last entry, not fail on the way.
  std::vector<Listed> List(const char* pattern) {
    std::vector<Listed> listed;
    testing::ForEachRecord(cache_, pattern, [&](const CacheEntryRecord& record) {
      listed.push_back({record.lpszSourceUrlName, record.CacheEntryType});
    });
    EXPECT_EQ(cache_.LastError(), kErrorNoMoreItems);
    return listed;
  }

  static bool Holds(const std::vector<Listed>& listed, const std::string& key) {
    for (const auto& each : listed)
      if (each.key == key) return true;
    return false;
  }

  WinInetCache cache_;
};

TEST_F(Win32CacheTest, LowerCasePatternsListTheCookieAndHistoryContainers) {
  ASSERT_EQ(SeededKeys(COOKIE_CACHE_ENTRY).size(), 2u);
  ASSERT_EQ(SeededKeys(URLHISTORY_CACHE_ENTRY).size(), 5u);
  const auto cookies = List("cookie:");
  for (const auto& key : SeededKeys(COOKIE_CACHE_ENTRY)) EXPECT_TRUE(Holds(cookies, key)) << key;
  for (const auto& each : cookies) EXPECT_TRUE(each.type & COOKIE_CACHE_ENTRY) << each.key;

  const auto history = List("visited:");
  for (const auto& key : SeededKeys(URLHISTORY_CACHE_ENTRY))
    EXPECT_TRUE(Holds(history, key)) << key;
  for (const auto& each : history) EXPECT_TRUE(each.type & URLHISTORY_CACHE_ENTRY) << each.key;
}

TEST_F(Win32CacheTest, NoPatternListsEveryContainer) {
  const auto all = List(nullptr);
  for (const auto& entry : seeder_->Entries()) EXPECT_TRUE(Holds(all, entry.key)) << entry.key;
}

TEST_F(Win32CacheTest, LowerCasePatternStillReportsTheSizeItNeeds) {
  // The retry with the container's spelling must get the caller's size, not what the first
  // call wrote back.
  CacheEntryRecord small{};
  uint32_t size = sizeof small;
  UrlCache::FindHandle find = cache_.FindFirst("cookie:", &small, size);
  EXPECT_EQ(find, nullptr);
  EXPECT_EQ(cache_.LastError(), kErrorInsufficientBuffer);
  EXPECT_GT(size, sizeof small);
  if (find) cache_.FindClose(find);
}

TEST_F(Win32CacheTest, TooSmallNextBufferDeliversTheSameRecordWhenGrown) {
  const auto expected = List(nullptr);
  ASSERT_GE(expected.size(), 2u);

  std::vector<char> buffer(8192);
  uint32_t size = static_cast<uint32_t>(buffer.size());
  UrlCache::FindHandle find = cache_.FindFirst(nullptr, buffer.data(), size);
  ASSERT_NE(find, nullptr);
  size = sizeof(CacheEntryRecord);
  EXPECT_FALSE(cache_.FindNext(find, buffer.data(), size));
  EXPECT_EQ(cache_.LastError(), kErrorInsufficientBuffer);
  EXPECT_GT(size, sizeof(CacheEntryRecord));
  ASSERT_LE(size, buffer.size());
  size = static_cast<uint32_t>(buffer.size());
  ASSERT_TRUE(cache_.FindNext(find, buffer.data(), size));
  EXPECT_STREQ(reinterpret_cast<CacheEntryRecord*>(buffer.data())->lpszSourceUrlName,
               expected[1].key.c_str());
  cache_.FindClose(find);
}

TEST_F(Win32CacheTest, RecordFieldsArriveAsTheCacheStoredThem) {
  std::vector<char> buffer(16384);
  uint32_t size = static_cast<uint32_t>(buffer.size());
  UrlCache::FindHandle find = cache_.FindFirst(nullptr, buffer.data(), size);
  ASSERT_NE(find, nullptr);
  bool sawLargeFile = false;
  bool sawNulHeader = false;
  do {
    const auto* record = reinterpret_cast<const CacheEntryRecord*>(buffer.data());
    // The builds differ here: the record is 80 bytes in the 32-bit one, 112 in the 64-bit one.
    EXPECT_EQ(record->dwStructSize, sizeof(void*) == 4 ? 80u : 112u);
    const std::string key = record->lpszSourceUrlName;
    if (key.find("disk.iso") != std::string::npos) {
      sawLargeFile = true;
      EXPECT_EQ(record->dwSizeLow, 3u << 30);
      EXPECT_EQ(record->dwSizeHigh, 0u);
      EXPECT_NE(std::strstr(record->lpszLocalFileName, "disk"), nullptr);
    }
    if (key == "http://api.example.com/v2/status") {
      sawNulHeader = true;
      const std::string header(record->lpHeaderInfo, record->dwHeaderInfoSize);
      EXPECT_NE(header.find(std::string("7f3a\0hidden", 11)), std::string::npos);
      EXPECT_EQ(header.substr(header.size() - 4), "\r\n\r\n");
    }
    size = static_cast<uint32_t>(buffer.size());
  } while (cache_.FindNext(find, buffer.data(), size));
  cache_.FindClose(find);
  EXPECT_TRUE(sawLargeFile);
  EXPECT_TRUE(sawNulHeader);
}

TEST_F(Win32CacheTest, DeleteReportsAMissingEntryAndKeepsTheCodeUntilTheNextFailure) {
  seed::CacheSeeder own;
  seed::ContentEntry entry;
  entry.url = "http://delete.example.com/once?x=1";
  entry.withFile = false;
  ASSERT_TRUE(own.AddContent(entry)) << own.Error();

  EXPECT_TRUE(cache_.Delete(entry.url.c_str()));
  EXPECT_FALSE(cache_.Delete(entry.url.c_str()));
  EXPECT_EQ(cache_.LastError(), kErrorFileNotFound);
  SetLastError(ERROR_SUCCESS);
  EXPECT_EQ(cache_.LastError(), kErrorFileNotFound) << "read right after the failing call";
  EXPECT_FALSE(Holds(List(nullptr), entry.url));
}

}  // namespace
}  // namespace tarnwick
