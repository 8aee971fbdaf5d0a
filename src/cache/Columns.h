#pragma once
// The entry table's columns, in the order they show: each one's caption in the header row, its
// width in the window's design at 96 dots per inch, and what its cells hold. A column is one row
// of this table; the rows' cell count, the header row, the grid's widths and the places where the
// actions read and write follow from it.
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

namespace tarnwick {

// What a column's cells hold, made from an entry's record as it is listed (see CellsOf).
enum class CellSource : uint8_t {
  kSourceUrl,
  kLocalFile,
  kType,
  kUseCount,
  kHitRate,
  kSize,
  kModified,
  kExpires,
  kLastAccess,
  kLastSync,
  // What the view shows last: the stored header, the history title, or nothing at all (see
  // LastColumn): so it is the last column.
  kViewsLast,
};

class Column {
 public:
  // Every part is given: a row without a width or a source does not compile.
  constexpr Column(std::string_view caption, int designWidth, CellSource source)
      : caption_(caption), designWidth_(designWidth), source_(source) {}

  constexpr std::string_view Caption() const { return caption_; }
  // The user may drag it wider or narrower.
  constexpr int DesignWidth() const { return designWidth_; }
  constexpr CellSource Source() const { return source_; }

 private:
  std::string_view caption_;
  int designWidth_;
  CellSource source_;
};

// The source URL and the local file wide, the others alike.
inline constexpr Column kColumns[] = {
    {"Source URL", 171, CellSource::kSourceUrl},
    {"Local file", 89, CellSource::kLocalFile},
    {"Type", 64, CellSource::kType},
    {"Use Count", 64, CellSource::kUseCount},
    {"Hit Rate", 64, CellSource::kHitRate},
    {"File Size", 64, CellSource::kSize},
    {"Modified", 64, CellSource::kModified},
    {"Expires", 64, CellSource::kExpires},
    {"Last access", 64, CellSource::kLastAccess},
    {"Last sync", 64, CellSource::kLastSync},
    {"Header", 64, CellSource::kViewsLast},
};

// Every row has a cell for each column.
inline constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// Their widths at 96 dots per inch, in order.
inline std::vector<int> ColumnDesignWidths() {
  std::vector<int> widths;
  for (const Column& column : kColumns) widths.push_back(column.DesignWidth());
  return widths;
}

// The column whose cells come from `source`; naming a source no column has does not compile.
consteval int ColumnOf(CellSource source) {
  for (int col = 0; col < kColumnCount; ++col) {
    if (kColumns[col].Source() == source) return col;
  }
  throw "no column holds this source";
}

// The columns the actions and the summary read and write.
inline constexpr int kColSourceUrl = ColumnOf(CellSource::kSourceUrl);
inline constexpr int kColLocalFile = ColumnOf(CellSource::kLocalFile);
inline constexpr int kColType = ColumnOf(CellSource::kType);
inline constexpr int kColUseCount = ColumnOf(CellSource::kUseCount);
inline constexpr int kColFileSize = ColumnOf(CellSource::kSize);
inline constexpr int kColModified = ColumnOf(CellSource::kModified);
inline constexpr int kColHeader = ColumnOf(CellSource::kViewsLast);
static_assert(kColHeader == kColumnCount - 1, "a view without a last column shows one cell less");

}  // namespace tarnwick
