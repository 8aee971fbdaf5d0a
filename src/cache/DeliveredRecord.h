#pragma once
// A cache record as the cache delivered it, and reading what it points to without trusting it.
//
// The record begins the buffer the cache wrote it into; its strings and header block should lie
// in the same buffer, within the bytes the cache says it wrote. A record from a faulty or hostile
// cache may point anywhere, so every pointer and size is checked against those bytes first.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/UrlCache.h"

namespace tarnwick {

struct DeliveredRecord {
  // The start of the buffer; it holds at least the record's fixed part.
  const CacheEntryRecord* record;
  // The bytes of the buffer the record may point into: the size the cache wrote back, at most
  // the buffer's size.
  uint32_t bytes;
};

// The NUL-terminated text at `text`; empty when it starts outside the record's bytes or has no
// NUL before their end.
std::string_view TextInRecord(const DeliveredRecord& delivered, const char* text);

// The `size` bytes at `block`, or nothing when they do not all lie within the record's bytes.
std::optional<std::string_view> BlockInRecord(const DeliveredRecord& delivered, const char* block,
                                              uint32_t size);

}  // namespace tarnwick
