// A search with no hit over 100,000 listed rows, against a plain byte scan of the same cell texts.
#include <cstring>
#include <string>

#include "Ratio.h"
#include "actions/Search.h"
#include "cache/EntryTable.h"
#include "platform/portable/Cp1252Text.h"

namespace {

using tarnwick::EntryTable;

void FillRealisticRows(EntryTable& table, int rows) {
  table.SetRowCount(rows + 1);
  const std::string header =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: 5120\r\n"
      "Cache-Control: max-age=3600\r\nETag: \"5d8c72a5edda8d6a\"\r\nServer: nginx\r\n\r\n";
  for (int row = 1; row <= rows; ++row) {
    const std::string n = std::to_string(row);
    table.ClearRow(row);
    table.AppendToRow(
        row, std::vector<std::string>{
                 "http://www.example.com/articles/2026/12/story-" + n + ".html?ref=front&page=2",
                 "C:\\users\\user\\Local Settings\\Temporary Internet "
                 "Files\\Content.IE5\\AB12CD34\\story-" +
                     n + "[1].htm",
                 "NORMAL_CACHE_ENTRY", "3", "1", std::to_string(5000 + row), "3/5/2024 2:07:09 PM",
                 "12/8/2026 8:00:00 AM", "12/8/2026 7:59:12 AM", "12/8/2026 7:59:12 AM", header});
  }
}

}  // namespace

int main() {
  constexpr int kRows = 100000;
  EntryTable table;
  FillRealisticRows(table, kRows);
  tarnwick::Cp1252Text text;
  const tarnwick::UpperCaseMap upper = text.ReadUpperCaseMap();
  const std::string needle = "NOT-IN-ANY-CELL";

  volatile bool sink = false;
  const auto search = [&] { sink = tarnwick::FindNextRow(table, needle, upper).has_value(); };
  const auto byteScan = [&] {
    bool found = false;
    for (int row = 1; row < table.RowCount() && !found; ++row)
      for (int col = 0; col < table.ColCount() && !found; ++col) {
        const std::string_view cell = table.Cell(col, row);
        found = memmem(cell.data(), cell.size(), needle.data(), needle.size()) != nullptr;
      }
    sink = found;
  };
  tarnwick::bench::ReportRatio("search, no hit, 100,000 rows vs memmem", search, byteScan, 21, 3.0);
  return 0;
}
