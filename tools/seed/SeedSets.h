#pragma once
// The sets of entries that seed-cache.exe puts into the URL cache.
#include <string>
#include <vector>

#include "CacheSeeder.h"

namespace tarnwick::seed {

// Content with local files and response headers, persistent cookies and visited pages, with
// the awkward cases a cache viewer meets: query strings, a record beyond 4 KiB, a 3 GiB file,
// a header block with a NUL inside, history titles that are empty, cut, short or not ASCII,
// and times at the edges of what a viewer can show.
bool SeedRealisticSet(CacheSeeder& seeder);

// `count` small content entries without local files, for timing a full listing.
bool SeedSyntheticEntries(CacheSeeder& seeder, int count);

// Keys and headers of the hostile set that its tests look up.
inline constexpr const char* kHostileLargeHeaderUrl = "http://hostile.example/header-1mib";
inline constexpr const char* kHostileBytesUrl = "http://hostile.example/bytes";
inline constexpr char kHostileBytesHeader[] =
    "HTTP/1.1 200 OK\r\nX-Latin: caf\xE9 \xFF\x80\r\nX-Nul: before\0after\r\n\r\n";
inline constexpr const char* kHostileBrokenTimesUrl = "http://hostile.example/time-top-bit";
inline constexpr const char* kHostileNeverUrl = "http://hostile.example/time-never";
inline constexpr const char* kHostileHugeUrl = "http://hostile.example/3gib.iso";
// A cookie whose name and value carry bytes with the high bit set.
inline constexpr const char* kHostileCookieUrl = "http://hostile.example/jar/";
// Followed by the size of the entry's header block: 0, 19, 20 or 21.
inline constexpr const char* kHostileHistoryUrl = "http://hostile.example/history-block-";

// What any program may leave in the cache: a 64 KiB URL, a 1 MiB header block, bytes with the
// high bit set and NULs, times with the top bit set and at the largest signed value, a 3 GiB file,
// a cookie of such bytes, history blocks of 0, 19, 20 and 21 bytes. Entries the cache refuses are
// described in `refused` and the rest is still seeded; true when it took them all.
bool SeedHostileSet(CacheSeeder& seeder, std::vector<std::string>& refused);

}  // namespace tarnwick::seed
