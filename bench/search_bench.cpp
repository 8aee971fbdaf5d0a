// A search with no hit over 100,000 listed rows, against a plain byte scan of the same cell texts.
#include <cstring>
#include <string>
#include <vector>

#include "Ratio.h"
#include "actions/Search.h"
#include "cache/Columns.h"
#include "cache/EntryTable.h"
#include "platform/portable/Cp1252Text.h"

namespace {

using tarnwick::EntryTable;

// A cell's text in row `n` of a Content listing of news pages.
std::string CellText(tarnwick::CellSource source, int n) {
  using tarnwick::CellSource;
  const std::string id = std::to_string(n);
  switch (source) {
    case CellSource::kSourceUrl:
      return "http://www.example.com/articles/2026/12/story-" + id + ".html?ref=front&page=2";
    case CellSource::kLocalFile:
      return "C:\\users\\user\\Local Settings\\Temporary Internet "
             "Files\\Content.IE5\\AB12CD34\\story-" +
             id + "[1].htm";
    case CellSource::kType:
      return "NORMAL_CACHE_ENTRY";
    case CellSource::kUseCount:
      return "3";
    case CellSource::kHitRate:
      return "1";
    case CellSource::kSize:
      return std::to_string(5000 + n);
    case CellSource::kModified:
      return "3/5/2024 2:07:09 PM";
    case CellSource::kExpires:
      return "12/8/2026 8:00:00 AM";
    case CellSource::kViewsLast:
      return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
             "5120\r\nCache-Control: max-age=3600\r\nETag: \"5d8c72a5edda8d6a\"\r\nServer: "
             "nginx\r\n\r\n";
    default:
      return "12/8/2026 7:59:12 AM";
  }
}

void FillRealisticRows(EntryTable& table, int rows) {
  table.SetRowCount(rows + 1);
  for (int row = 1; row <= rows; ++row) {
    std::vector<std::string> texts;
    for (const tarnwick::Column& column : tarnwick::kColumns)
      texts.push_back(CellText(column.Source(), row));
    table.ClearRow(row);
    table.AppendToRow(row, texts);
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
