#pragma once
// The sets of entries that seed-cache.exe puts into the URL cache.
#include "CacheSeeder.h"

namespace tarnwick::seed {

// Content with local files and response headers, persistent cookies and visited pages, with
// the awkward cases a cache viewer meets: query strings, a record beyond 4 KiB, a 3 GiB file,
// a header block with a NUL inside, history titles that are empty, cut, short or not ASCII,
// and times at the edges of what a viewer can show.
bool SeedRealisticSet(CacheSeeder& seeder);

// `count` small content entries without local files, for timing a full listing.
bool SeedSyntheticEntries(CacheSeeder& seeder, int count);

}  // namespace tarnwick::seed
