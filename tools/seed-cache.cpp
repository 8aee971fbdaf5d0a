// seed-cache.exe: fills the URL cache of the current Windows user (under Wine, of the current
// prefix) with entries to list, through the same WinInet calls a browser makes.
//
//   seed-cache              a realistic set of content entries, cookies and visited pages
//   seed-cache --entries N  N small content entries, for timing a full listing
//   seed-cache --hostile    entries a careless or hostile program could leave; says which the
//                           cache refused
//   seed-cache --churn FILE commits and deletes entries of its own until FILE exists, then
//                           prints how many steps it made (see seed/Churn.h)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "seed/Churn.h"
#include "seed/SeedSets.h"

namespace {

using tarnwick::seed::CacheSeeder;
using tarnwick::seed::SeededEntry;

const char* KindOf(const SeededEntry& entry) {
  if (entry.type & COOKIE_CACHE_ENTRY) return "cookie ";
  if (entry.type & URLHISTORY_CACHE_ENTRY) return "history";
  return "content";
}

void PrintEntry(const SeededEntry& entry) {
  const std::string key = entry.key.size() > 100 ? entry.key.substr(0, 97) + "..." : entry.key;
  std::printf("%s  %s\n         type 0x%08lx, %llu bytes, header block %lu bytes%s%s\n",
              KindOf(entry), key.c_str(), entry.type, static_cast<unsigned long long>(entry.size),
              entry.headerSize, entry.localFile.empty() ? "" : ", file ", entry.localFile.c_str());
}

int Usage() {
  std::fprintf(stderr, "usage: seed-cache [--entries N | --hostile | --churn STOPFILE]\n");
  return 2;
}

// A count of 1 to 1,000,000; anything else is refused.
bool ParseCount(const char* text, int& count) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < 1 || value > 1000000) return false;
  count = static_cast<int>(value);
  return true;
}

int SeedHostile() {
  CacheSeeder seeder;
  std::vector<std::string> refused;
  tarnwick::seed::SeedHostileSet(seeder, refused);
  for (const SeededEntry& entry : seeder.Entries()) PrintEntry(entry);
  for (const std::string& why : refused) std::printf("refused  %s\n", why.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--hostile") == 0) return SeedHostile();
  if (argc == 3 && std::strcmp(argv[1], "--churn") == 0) {
    // An hour at most, in case whoever started it never asks it to stop.
    std::printf("churned %d steps\n", tarnwick::seed::Churn(argv[2], 3'600'000));
    return 0;
  }
  int synthetic = 0;
  if (argc == 3 && std::strcmp(argv[1], "--entries") == 0) {
    if (!ParseCount(argv[2], synthetic)) return Usage();
  } else if (argc != 1) {
    return Usage();
  }

  CacheSeeder seeder;
  const bool seeded = synthetic ? tarnwick::seed::SeedSyntheticEntries(seeder, synthetic)
                                : tarnwick::seed::SeedRealisticSet(seeder);
  if (synthetic)
    std::printf("created %zu synthetic content entries\n", seeder.Entries().size());
  else
    for (const SeededEntry& entry : seeder.Entries()) PrintEntry(entry);
  if (!seeded) {
    std::fprintf(stderr, "seed-cache: %s\n", seeder.Error().c_str());
    return 1;
  }
  return 0;
}
