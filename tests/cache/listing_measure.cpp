// Run by hand, not by ctest: the time to list a large in-memory cache and the heap the entry
// table then holds per row, against the bytes of text in its cells. Build without sanitizers
// (they change both numbers):
//   cmake -S . -B build/native-cache-release -DCMAKE_BUILD_TYPE=Release
//   cmake --build build/native-cache-release --target listing_measure
//   build/native-cache-release/tests/cache/listing_measure 100000
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

// A content entry shaped like a real one: a URL with a query, a path in the cache folder, a
// response header of a few hundred bytes and four time stamps.
MemoryCacheEntry ContentEntry(int n) {
  const std::string id = std::to_string(n);
  const uint64_t time = 133'541'212'290'000'000 + static_cast<uint64_t>(n) * 10'000'000;
  const FileTime stamp{static_cast<uint32_t>(time), static_cast<uint32_t>(time >> 32)};
  return {.sourceUrl = "https://static.example-cdn.test/assets/img/" + id + "/photo.jpg?v=3",
          .localFile = "C:\\users\\user\\Temp\\Temporary Internet Files\\Content.IE5\\AB12CD34\\"
                       "photo[" + id + "].jpg",
          .type = 0x0000'0001,
          .useCount = 1,
          .hitRate = 3,
          .size = 20'000 + static_cast<uint64_t>(n),
          .lastModified = stamp,
          .expire = {0xFFFF'FFFF, 0x7FFF'FFFF},
          .lastAccess = stamp,
          .lastSync = stamp,
          .header = "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " + id +
                    "\r\nETag: \"5f2a" + id + "\"\r\nCache-Control: max-age=31536000\r\n"
                    "Last-Modified: Tue, 05 Mar 2024 14:07:09 GMT\r\n\r\n"};
}

size_t HeapInUse() { return mallinfo2().uordblks; }

uint64_t TextBytes(const EntryTable& table) {
  uint64_t bytes = 0;
  for (int row = 0; row < table.RowCount(); ++row)
    for (int col = 0; col < table.ColCount(); ++col) bytes += table.Cell(col, row).size();
  return bytes;
}

int Measure(int entries) {
  MemoryUrlCache cache;
  for (int n = 0; n < entries; ++n) cache.Add(ContentEntry(n));
  FixedLocale locale;
  Cp1252Text text;
  const EntryRowFormatter formatter(locale, text);

  std::vector<double> milliseconds;
  for (int run = 0; run < 5; ++run) {
    EntryTable table;
    const auto start = std::chrono::steady_clock::now();
    RefreshEntryTable(table, cache, vmContent, [&](const CacheEntryRecord& record) {
      formatter.AddEntryRow(table, record, vmContent);
    });
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    milliseconds.push_back(took.count());
  }
  std::sort(milliseconds.begin(), milliseconds.end());

  const size_t before = HeapInUse();
  auto* table = new EntryTable();
  RefreshEntryTable(*table, cache, vmContent, [&](const CacheEntryRecord& record) {
    formatter.AddEntryRow(*table, record, vmContent);
  });
  const double heap = static_cast<double>(HeapInUse() - before);
  const double rows = table->RowCount();
  const double textBytes = static_cast<double>(TextBytes(*table));
  std::printf("listed %d entries: median %.1f ms, fastest %.1f ms (of %zu runs)\n",
              table->RowCount() - 1, milliseconds[milliseconds.size() / 2], milliseconds.front(),
              milliseconds.size());
  std::printf("table heap %.0f bytes for %.0f bytes of text: %.1f bytes a row for %.1f bytes of "
              "text (limit 1.5 x text + 64 = %.1f)\n",
              heap, textBytes, heap / rows, textBytes / rows, 1.5 * textBytes / rows + 64);
  delete table;
  return 0;
}

}  // namespace
}  // namespace tarnwick

int main(int argc, char** argv) {
  const int entries = argc > 1 ? std::atoi(argv[1]) : 100'000;
  return tarnwick::Measure(entries);
}
