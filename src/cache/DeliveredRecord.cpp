#include "cache/DeliveredRecord.h"

#include <cstring>

namespace tarnwick {
namespace {

// Compared as addresses: a pointer the cache made up need not point into any object, so it is
// never compared or offset as a pointer.
uintptr_t Address(const void* pointer) { return reinterpret_cast<uintptr_t>(pointer); }

// The bytes from `at` to the end of the record, or nothing when `at` lies outside.
std::optional<uintptr_t> BytesFrom(const DeliveredRecord& delivered, const char* at) {
  const uintptr_t begin = Address(delivered.record);
  const uintptr_t where = Address(at);
  if (!at || where < begin || where - begin > delivered.bytes) return std::nullopt;
  return delivered.bytes - (where - begin);
}

}  // namespace

std::string_view TextInRecord(const DeliveredRecord& delivered, const char* text) {
  const std::optional<uintptr_t> room = BytesFrom(delivered, text);
  if (!room || *room == 0) return {};
  const void* nul = std::memchr(text, '\0', *room);
  if (!nul) return {};
  return {text, static_cast<size_t>(static_cast<const char*>(nul) - text)};
}

std::optional<std::string_view> BlockInRecord(const DeliveredRecord& delivered, const char* block,
                                              uint32_t size) {
  const std::optional<uintptr_t> room = BytesFrom(delivered, block);
  if (!room || size > *room) return std::nullopt;
  return std::string_view(block, size);
}

}  // namespace tarnwick
