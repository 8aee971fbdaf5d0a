#include "SeedSets.h"

#include <wininet.h>

#include <string>
#include <string_view>

namespace tarnwick::seed {
namespace {

using namespace std::string_literals;

constexpr uint64_t kThreeGiB = 3ull << 30;

FILETIME FromUtc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  const SYSTEMTIME fields{year, month, 0, day, hour, minute, second, 0};
  FILETIME time{};
  SystemTimeToFileTime(&fields, &time);
  return time;
}

// Midnight of the given day in this machine's time zone, as UTC.
FILETIME LocalMidnight(WORD year, WORD month, WORD day) {
  const FILETIME local = FromUtc(year, month, day, 0, 0, 0);
  FILETIME utc{};
  LocalFileTimeToFileTime(&local, &utc);
  return utc;
}

FILETIME Raw(DWORD high, DWORD low) { return {low, high}; }

std::string HttpHeaders(const std::string& contentType, size_t length) {
  return "HTTP/1.1 200 OK\r\nContent-Type: " + contentType +
         "\r\nContent-Length: " + std::to_string(length) +
         "\r\nCache-Control: max-age=86400\r\nServer: nginx\r\n\r\n";
}

ContentEntry Page(std::string url, std::string extension, std::string contentType,
                  std::string body) {
  ContentEntry entry;
  entry.url = std::move(url);
  entry.extension = std::move(extension);
  entry.headers = HttpHeaders(contentType, body.size());
  entry.body = std::move(body);
  entry.modified = FromUtc(2024, 3, 5, 14, 7, 9);
  entry.expires = FromUtc(2031, 1, 1, 0, 0, 0);
  return entry;
}

std::string LongQuery() {
  std::string query = "http://tracker.example.org/collect?v=1&tid=UA-000000-1";
  for (int i = 0; query.size() < 4300; ++i) query += "&cd" + std::to_string(i) + "=segment-value";
  return query;
}

bool SeedContent(CacheSeeder& seeder) {
  ContentEntry home = Page("http://www.example.com/", "htm", "text/html; charset=UTF-8",
                           "<!doctype html><title>Example Domain</title><p>Hello.</p>\n");
  ContentEntry search = Page("http://www.example.com/search?q=url+cache&lang=en&page=2", "json",
                             "application/json", R"({"results":[],"page":2})");
  ContentEntry logo = Page("https://static.example.net/img/logo.png?v=3", "png", "image/png",
                           "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s);
  logo.modified = LocalMidnight(2024, 3, 5);
  ContentEntry oddHeader = Page("http://api.example.com/v2/status", "txt", "text/plain", "ok\n");
  oddHeader.headers =
      "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nX-Trace: 7f3a"
      "\0hidden after the NUL\r\n\r\n"s;
  ContentEntry tracker = Page(LongQuery(), "gif", "image/gif", "GIF89a");
  ContentEntry never =
      Page("http://www.example.com/fonts/sans.woff2", "woff2", "font/woff2", "wOF2");
  never.modified = Raw(0x7FFFFFFF, 0xFFFFFFFF);
  never.type = NORMAL_CACHE_ENTRY | STICKY_CACHE_ENTRY;
  ContentEntry pastYear9999 =
      Page("http://www.example.com/broken-date.css", "css", "text/css", "body{}");
  pastYear9999.modified = Raw(0x7FFF0000, 0);
  ContentEntry noFile = Page("http://www.example.com/moved", "", "text/html", "");
  noFile.headers = "HTTP/1.1 301 Moved Permanently\r\nLocation: /new\r\n\r\n";
  noFile.withFile = false;
  noFile.modified = {};
  noFile.expires = {};
  // Last: a 3 GiB file takes the cache past its size limit, and the cleanup that starts
  // then may remove older entries (though none younger than ten minutes).
  ContentEntry image = Page("http://downloads.example.com/images/disk.iso?mirror=2", "iso",
                            "application/octet-stream", "");
  image.sparseSize = kThreeGiB;
  image.headers = HttpHeaders("application/octet-stream", kThreeGiB);
  for (const ContentEntry* entry :
       {&home, &search, &logo, &oddHeader, &tracker, &never, &pastYear9999, &noFile, &image})
    if (!seeder.AddContent(*entry)) return false;
  return true;
}

// A cookie expiry one year from now, in the form a Set-Cookie header carries.
std::string NextYear() {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  ++now.wYear;
  if (now.wMonth == 2 && now.wDay == 29) now.wDay = 28;
  char text[INTERNET_RFC1123_BUFSIZE + 1] = {};
  InternetTimeFromSystemTimeA(&now, INTERNET_RFC1123_FORMAT, text, sizeof text);
  return text;
}

bool SeedCookies(CacheSeeder& seeder) {
  const std::string expires = "; expires=" + NextYear();
  return seeder.AddCookie("http://www.example.com/", "session", "a81f3c" + expires) &&
         seeder.AddCookie("http://www.example.com/", "theme", "dark" + expires) &&
         seeder.AddCookie("http://shop.example.net/cart/", "basket", "3:17:42" + expires);
}

// A history header block: 20 leading bytes, then the page title as UTF-16LE code units.
std::string TitleBlock(std::u16string_view title) {
  std::string block(20, '\0');
  for (char16_t unit : title) {
    block += static_cast<char>(unit & 0xFF);
    block += static_cast<char>(unit >> 8);
  }
  return block;
}

bool SeedHistory(CacheSeeder& seeder) {
  const FILETIME visited = FromUtc(2024, 3, 5, 14, 7, 9);
  const HistoryEntry pages[] = {
      {"http://www.example.com/", TitleBlock(u"Example Domain"), visited},
      {"http://www.example.com/search?q=url+cache", TitleBlock(u"url cache - Search\0stale tail"s),
       visited},
      {"http://www.example.com/untitled", std::string(20, '\0'), visited},
      {"http://recettes.example.fr/creme-brulee",
       TitleBlock(u"Cr\u00e8me br\u00fbl\u00e9e \u2013 Recettes \u2605"), visited},
      {"http://www.example.com/short-block", "\x01\0\0\0\x02\0"s, {}},
  };
  for (const HistoryEntry& page : pages)
    if (!seeder.AddHistory(page)) return false;
  return true;
}

}  // namespace

bool SeedRealisticSet(CacheSeeder& seeder) {
  return SeedContent(seeder) && SeedCookies(seeder) && SeedHistory(seeder);
}

bool SeedSyntheticEntries(CacheSeeder& seeder, int count) {
  for (int i = 0; i < count; ++i) {
    ContentEntry entry;
    entry.url =
        "http://bench.example.com/item/" + std::to_string(i) + "?page=" + std::to_string(i % 97);
    entry.headers = HttpHeaders("text/html", 1024);
    entry.modified = FromUtc(2024, 3, 5, 14, 7, 9);
    entry.withFile = false;
    if (!seeder.AddContent(entry)) return false;
  }
  return true;
}

}  // namespace tarnwick::seed
