#pragma once
// Stand-ins that record what the entry actions ask of the platform.
#include <map>
#include <string>
#include <vector>

#include "actions/Search.h"
#include "cache/Columns.h"
#include "cache/EntryTable.h"
#include "platform/UrlCache.h"
#include "support/RecordingShell.h"

namespace tarnwick::testing {

// Records every deletion; answers with the code scripted for the URL (0 = deleted).
class RecordingCache : public UrlCache {
 public:
  std::vector<std::string> deleted;
  std::map<std::string, uint32_t> failures;

  FindHandle FindFirst(const char*, void*, uint32_t&) override { return nullptr; }
  bool FindNext(FindHandle, void*, uint32_t&) override { return false; }
  void FindClose(FindHandle) override {}
  bool Delete(const char* url) override {
    deleted.emplace_back(url);
    auto failure = failures.find(url);
    lastError_ = failure == failures.end() ? 0 : failure->second;
    return lastError_ == 0;
  }
  uint32_t LastError() const override { return lastError_; }

 private:
  uint32_t lastError_ = 0;
};

// ASCII letters upper-cased, plus e-acute -> E-acute as Windows-1252 does.
inline UpperCaseMap TestUpperCaseMap() {
  UpperCaseMap table{};
  for (int c = 0; c < 256; ++c) table[static_cast<size_t>(c)] = static_cast<unsigned char>(c);
  for (int c = 'a'; c <= 'z'; ++c)
    table[static_cast<size_t>(c)] = static_cast<unsigned char>(c - 32);
  table[0xE9] = 0xC9;
  return table;
}

// The lead bytes of code page 932 (Japanese Shift-JIS), whose trail bytes include a-z and A-Z.
inline LeadByteSet TestCp932LeadBytes() {
  LeadByteSet leads{};
  for (int byte = 0x81; byte <= 0xFC; ++byte)
    leads[static_cast<size_t>(byte)] = byte <= 0x9F || byte >= 0xE0;
  return leads;
}

// A listed table: captions in row 0, `rows` entry rows whose URL is "http://host/<row>", with
// no local file, a type and a use count of 1.
inline void FillTable(EntryTable& table, int rows) {
  table.SetRowCount(rows + 1);
  table.SetFixedRows(1);
  for (int col = 0; col < kColumnCount; ++col) table.SetCell(col, 0, kColumns[col].Caption());
  for (int row = 1; row <= rows; ++row) {
    table.ClearRow(row);
    table.SetCell(kColSourceUrl, row, "http://host/" + std::to_string(row));
    table.SetCell(kColLocalFile, row, " ");
    table.SetCell(kColType, row, "NORMAL_CACHE_ENTRY");
    table.SetCell(kColUseCount, row, "1");
  }
}

}  // namespace tarnwick::testing
