// Entries that a careless or hostile program could leave in the URL cache: every one is legal for
// the cache calls, and each stresses a different part of the listing.
#include <string>
#include <vector>

#include "SeedSets.h"

namespace tarnwick::seed {
namespace {

using namespace std::string_literals;

constexpr size_t kLongUrlBytes = 64 << 10;
constexpr size_t kLargeHeaderBytes = 1 << 20;

FILETIME Raw(DWORD high, DWORD low) { return {low, high}; }

ContentEntry Content(std::string url, std::string headers) {
  return {.url = std::move(url),
          .extension = "bin",
          .body = "x",
          .headers = std::move(headers),
          .modified = Raw(0x01DA'6F0B, 0x5C2E'A880)};
}

std::string LongUrl() {
  std::string url = "http://hostile.example/long?";
  url.resize(kLongUrlBytes - 1, 'q');
  return url;
}

std::string LargeHeader() {
  std::string header = "HTTP/1.1 200 OK\r\n";
  for (int line = 0; header.size() < kLargeHeaderBytes - 64; ++line)
    header += "X-Filler-" + std::to_string(line) + ": " + std::string(40, 'f') + "\r\n";
  header.resize(kLargeHeaderBytes - 2, 'f');
  return header + "\r\n";
}

std::vector<ContentEntry> HostileContent() {
  std::vector<ContentEntry> entries;
  entries.push_back(Content(LongUrl(), "HTTP/1.1 200 OK\r\n\r\n"));
  entries.push_back(Content(kHostileLargeHeaderUrl, LargeHeader()));
  entries.push_back(
      Content(kHostileBytesUrl, std::string(kHostileBytesHeader, sizeof kHostileBytesHeader - 1)));
  entries.push_back(Content("http://hostile.example/caf\xE9-\xFF\x80", "HTTP/1.1 200 OK\r\n\r\n"));
  ContentEntry broken = Content(kHostileBrokenTimesUrl, "HTTP/1.1 200 OK\r\n\r\n");
  broken.modified = Raw(0x8000'0000, 0);
  broken.expires = Raw(0xFFFF'FFFF, 0xFFFF'FFFF);
  entries.push_back(broken);
  ContentEntry never = Content(kHostileNeverUrl, "HTTP/1.1 200 OK\r\n\r\n");
  never.modified = Raw(0x7FFF'FFFF, 0xFFFF'FFFF);
  never.expires = Raw(0x7FFF'FFFF, 0xFFFF'FFFF);
  entries.push_back(never);
  ContentEntry huge = Content(kHostileHugeUrl, "HTTP/1.1 200 OK\r\n\r\n");
  huge.sparseSize = 3ull << 30;
  entries.push_back(huge);
  return entries;
}

}  // namespace

bool SeedHostileSet(CacheSeeder& seeder, std::vector<std::string>& refused) {
  for (const ContentEntry& entry : HostileContent())
    if (!seeder.AddContent(entry)) refused.push_back(seeder.Error());
  if (!seeder.AddCookie(kHostileCookieUrl, "caf\xE9",
                        "\xFF\x80; expires=Fri, 31 Dec 2037 23:59:59 GMT"))
    refused.push_back(seeder.Error());
  for (const char* bytes : {"0", "19", "20", "21"}) {
    // Twenty leading bytes, then "T" as one UTF-16LE code unit, cut where the block ends.
    const std::string block = "\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1\1T\0"s.substr(
        0, static_cast<size_t>(std::stoi(bytes)));
    const HistoryEntry page{kHostileHistoryUrl + std::string(bytes), block, {}};
    if (!seeder.AddHistory(page)) refused.push_back(seeder.Error());
  }
  return refused.empty();
}

}  // namespace tarnwick::seed
