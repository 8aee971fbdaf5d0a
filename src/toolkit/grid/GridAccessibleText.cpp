#include "toolkit/grid/GridAccessibleText.h"

namespace tarnwick {
namespace {

// An empty item is stored as a single blank, so that the next one goes to the next column: it
// shows nothing, and a screen reader should not read it out.
bool ShowsNothing(std::string_view text) { return text.empty() || text == " "; }

}  // namespace

std::string_view ColumnCaption(const GridModel& table, int col) {
  return table.FixedRows() > 0 ? table.ShownText(col, 0) : std::string_view{};
}

std::string RowDescription(const GridModel& table, int row) {
  std::string description;
  if (row < table.FixedRows()) return description;
  for (int col = 1; col < table.ColCount(); ++col) {
    const std::string_view text = table.ShownText(col, row);
    if (ShowsNothing(text)) continue;
    if (!description.empty()) description += ", ";
    const std::string_view caption = ColumnCaption(table, col);
    if (!caption.empty()) {
      description += caption;
      description += ": ";
    }
    description += text;
  }
  return description;
}

}  // namespace tarnwick
