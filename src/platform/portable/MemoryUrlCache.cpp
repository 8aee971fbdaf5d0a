#include "platform/portable/MemoryUrlCache.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace tarnwick {

struct MemoryUrlCache::Find {
  // The key prefix of the entries listed; empty lists every entry.
  std::string prefix;
  uint64_t nextKey = 0;
};

namespace {

std::string PrefixForPattern(const char* pattern) {
  if (!pattern) return {};
  if (const char* container = ContainerSpelling(pattern)) return container;
  // Any other pattern names no container, so it lists nothing.
  return std::string(1, '\0');
}

uint32_t TextSize(const std::optional<std::string>& text) {
  return text ? static_cast<uint32_t>(text->size() + 1) : 0;
}

// Copies the text, NUL-terminated, to `at` and returns where it went, or null for no text.
char* Place(const std::optional<std::string>& text, char*& at) {
  if (!text) return nullptr;
  char* placed = at;
  std::memcpy(at, text->data(), text->size());
  at[text->size()] = '\0';
  at += text->size() + 1;
  return placed;
}

}  // namespace

MemoryUrlCache::MemoryUrlCache() = default;
MemoryUrlCache::~MemoryUrlCache() = default;

void MemoryUrlCache::Add(MemoryCacheEntry entry) { entries_.emplace(nextKey_++, std::move(entry)); }

bool MemoryUrlCache::Contains(const std::string& sourceUrl) const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [&](const auto& each) { return each.second.sourceUrl == sourceUrl; });
}

uint32_t MemoryUrlCache::RecordSize(const MemoryCacheEntry& entry) {
  const uint32_t header = entry.header ? static_cast<uint32_t>(entry.header->size()) : 0;
  return static_cast<uint32_t>(sizeof(CacheEntryRecord)) + TextSize(entry.sourceUrl) +
         TextSize(entry.localFile) + header;
}

void MemoryUrlCache::WriteRecord(const MemoryCacheEntry& entry, void* buffer) {
  char* bytes = static_cast<char*>(buffer);
  char* at = bytes + sizeof(CacheEntryRecord);
  CacheEntryRecord record{};
  record.dwStructSize = sizeof(CacheEntryRecord);
  record.lpszSourceUrlName = Place(entry.sourceUrl, at);
  record.lpszLocalFileName = Place(entry.localFile, at);
  record.CacheEntryType = entry.type;
  record.dwUseCount = entry.useCount;
  record.dwHitRate = entry.hitRate;
  record.dwSizeLow = static_cast<uint32_t>(entry.size);
  record.dwSizeHigh = static_cast<uint32_t>(entry.size >> 32);
  record.LastModifiedTime = entry.lastModified;
  record.ExpireTime = entry.expire;
  record.LastAccessTime = entry.lastAccess;
  record.LastSyncTime = entry.lastSync;
  // The header block follows the strings at whatever offset they end, as the platform's does:
  // it is neither aligned nor NUL-terminated.
  if (entry.header) {
    record.lpHeaderInfo = at;
    record.dwHeaderInfoSize = static_cast<uint32_t>(entry.header->size());
    if (!entry.header->empty()) std::memcpy(at, entry.header->data(), entry.header->size());
  }
  std::memcpy(bytes, &record, sizeof record);
}

void MemoryUrlCache::InjectAnswer(int firstCall, int count, InjectedAnswer answer) {
  const int lastCall = count > INT32_MAX - firstCall ? INT32_MAX : firstCall + count - 1;
  injections_.push_back({firstCall, lastCall, answer});
}

UrlCache::FindHandle MemoryUrlCache::FindFirst(const char* pattern, void* buffer, uint32_t& size) {
  auto find = std::make_unique<Find>();
  find->prefix = PrefixForPattern(pattern);
  if (!Deliver(*find, buffer, size)) return nullptr;
  finds_.push_back(std::move(find));
  return finds_.back().get();
}

bool MemoryUrlCache::FindNext(FindHandle handle, void* buffer, uint32_t& size) {
  const auto open = std::find_if(finds_.begin(), finds_.end(),
                                 [&](const auto& each) { return each.get() == handle; });
  if (open == finds_.end()) {
    ++findCalls_;
    return Fail(6);  // the platform's code for an invalid handle
  }
  return Deliver(**open, buffer, size);
}

void MemoryUrlCache::FindClose(FindHandle handle) {
  std::erase_if(finds_, [&](const auto& each) { return each.get() == handle; });
}

bool MemoryUrlCache::Delete(const char* url) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(), [&](const auto& each) {
    return url && each.second.sourceUrl == std::string_view(url);
  });
  if (entry == entries_.end()) return Fail(kErrorFileNotFound);
  if (entry->second.locked) return Fail(kErrorAccessDenied);
  entries_.erase(entry);
  return true;
}

MemoryUrlCache::Entries::const_iterator MemoryUrlCache::NextMatch(const Find& find) const {
  auto each = entries_.lower_bound(find.nextKey);
  for (; each != entries_.end(); ++each) {
    const auto& url = each->second.sourceUrl;
    if (find.prefix.empty() || (url && url->starts_with(find.prefix))) break;
  }
  return each;
}

// One find call: the next matching record into `buffer`, or a failure with its code.
bool MemoryUrlCache::Deliver(Find& find, void* buffer, uint32_t& size) {
  const int call = ++findCalls_;
  sizesGiven_.push_back(size);
  const auto match = NextMatch(find);
  const MemoryCacheEntry* entry = match == entries_.end() ? nullptr : &match->second;
  const uint32_t needed = entry ? RecordSize(*entry) : 0;
  const std::optional<InjectedAnswer> injected = InjectedFor(call);
  if (injected && injected->throws) throw std::runtime_error("the cache call failed");
  if (injected && !injected->result) {
    size = injected->size.value_or(needed);
    return Fail(injected->error);
  }

  if (!entry) return Fail(kErrorNoMoreItems);
  if (needed > size || !buffer) {
    size = needed;
    return Fail(kErrorInsufficientBuffer);
  }
  WriteRecord(*entry, buffer);

  find.nextKey = match->first + 1;
  size = injected ? injected->size.value_or(needed) : needed;
  return true;
}

std::optional<InjectedAnswer> MemoryUrlCache::InjectedFor(int call) const {
  for (const Injection& each : injections_)
    if (call >= each.firstCall && call <= each.lastCall) return each.answer;
  return std::nullopt;
}

bool MemoryUrlCache::Fail(uint32_t error) {
  lastError_ = error;
  return false;
}

}  // namespace tarnwick
