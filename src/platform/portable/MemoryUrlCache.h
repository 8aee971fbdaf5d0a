#pragma once
// A URL cache held in memory that honours the platform's buffer protocol: each record is laid
// out in the caller's buffer, its strings and header block after the fixed part; a buffer too
// small fails with code 122 and the size needed written back; the end is code 259. Tests inject
// answers that a real cache gives rarely (a size of 0, endless 122, any other code).
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/UrlCache.h"

namespace tarnwick {

struct MemoryCacheEntry {
  // An absent text or header is delivered as a null pointer.
  std::optional<std::string> sourceUrl = std::nullopt;
  std::optional<std::string> localFile = std::nullopt;
  uint32_t type = 0x0000'0001;
  uint32_t useCount = 0;
  uint32_t hitRate = 0;
  uint64_t size = 0;
  FileTime lastModified{};
  FileTime expire{};
  FileTime lastAccess{};
  FileTime lastSync{};
  std::optional<std::string> header = std::nullopt;
  // Deleting a locked entry fails with code 5, as for a file in use.
  bool locked = false;
};

// What a find call answers instead of its own result.
struct InjectedAnswer {
  // True: the call delivers the next record as usual and only the size it writes back is
  // replaced. False: it fails with `error` and delivers nothing.
  bool result = false;
  uint32_t error = kErrorInsufficientBuffer;
  // The size written back; unset, the bytes the next record needs (0 when none is left).
  std::optional<uint32_t> size = std::nullopt;
  // The call throws std::runtime_error instead, as an adapter failing inside would.
  bool throws = false;
};

class MemoryUrlCache : public UrlCache {
 public:
  MemoryUrlCache();
  ~MemoryUrlCache() override;

  void Add(MemoryCacheEntry entry);
  bool Contains(const std::string& sourceUrl) const;
  size_t EntryCount() const { return entries_.size(); }
  // The bytes a buffer needs to hold the entry's record.
  static uint32_t RecordSize(const MemoryCacheEntry& entry);
  // Lays the entry's record out in `buffer` (RecordSize bytes) as the platform does: the fixed
  // part, then the strings, then the header block, which ends the record.
  static void WriteRecord(const MemoryCacheEntry& entry, void* buffer);

  // Find calls are numbered from 1, FindFirst and FindNext together. Calls `firstCall` to
  // `firstCall + count - 1` give `answer`.
  void InjectAnswer(int firstCall, int count, InjectedAnswer answer);
  int FindCalls() const { return findCalls_; }
  // The buffer size passed in on each find call, in order.
  const std::vector<uint32_t>& SizesGiven() const { return sizesGiven_; }
  int OpenFinds() const { return static_cast<int>(finds_.size()); }

  FindHandle FindFirst(const char* pattern, void* buffer, uint32_t& size) override;
  bool FindNext(FindHandle find, void* buffer, uint32_t& size) override;
  void FindClose(FindHandle find) override;
  bool Delete(const char* url) override;
  uint32_t LastError() const override { return lastError_; }

 private:
  struct Find;
  struct Injection {
    int firstCall;
    int lastCall;
    InjectedAnswer answer;
  };

  using Entries = std::map<uint64_t, MemoryCacheEntry>;

  Entries::const_iterator NextMatch(const Find& find) const;
  bool Deliver(Find& find, void* buffer, uint32_t& size);
  std::optional<InjectedAnswer> InjectedFor(int call) const;
  bool Fail(uint32_t error);

  // Keyed by the order of adding, so an enumeration keeps its place when entries are deleted.
  Entries entries_;
  uint64_t nextKey_ = 0;
  std::vector<std::unique_ptr<Find>> finds_;
  std::vector<Injection> injections_;
  std::vector<uint32_t> sizesGiven_;
  int findCalls_ = 0;
  uint32_t lastError_ = 0;
};

}  // namespace tarnwick
