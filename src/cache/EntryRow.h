#pragma once
// Turning one delivered cache record into one row of the entry table.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cache/Columns.h"
#include "cache/DeliveredRecord.h"
#include "cache/EntryTable.h"
#include "cache/FileTimeText.h"
#include "cache/HistoryTitle.h"
#include "cache/TypeText.h"
#include "cache/ViewMode.h"
#include "platform/AnsiText.h"
#include "platform/Locale.h"
#include "platform/UrlCache.h"

namespace tarnwick {

// Whether an entry of this type shows in the view: see ViewTraits::ownFlag.
bool BelongsToView(uint32_t cacheEntryType, TViewMode view);

class EntryRowFormatter {
 public:
  EntryRowFormatter(Locale& locale, AnsiText& text);
  ~EntryRowFormatter();

  // A new listing: what the formatter kept from the rows of the one before (the texts of the
  // dates and times it formatted) goes, so that a setting changed between listings shows in the
  // next one. Rows added before the first call are of one listing too. It takes no memory: what
  // the new listing keeps is made with its first row.
  void StartListing() const noexcept;

  // Adds the record's row to the table's listed rows. An entry of another view adds nothing.
  void AddEntryRow(EntryTable& table, const DeliveredRecord& delivered, TViewMode view) const;

  // The row's texts: a text for each column, the view's last one only if it has one. A string or
  // header block that does not lie within the record's bytes is absent, an empty text.
  std::vector<std::string> RowItems(const DeliveredRecord& delivered, TViewMode view) const;

 private:
  struct ListingMemo;
  struct Cells {
    std::array<std::string_view, kColumnCount> texts;
    size_t count;
  };
  // The row's texts, one for each column in kColumns that the view shows, as views into the
  // record and into `listing`, valid until its next use.
  Cells CellsOf(const DeliveredRecord& delivered, TViewMode view, ListingMemo& listing) const;
  // The text of a cell of column `col`, whose cells come from `source`.
  std::string_view CellText(CellSource source, const DeliveredRecord& delivered, TViewMode view,
                            ListingMemo& listing, size_t col) const;
  // The view's last column: the header block as stored, or the history title made in `text`.
  std::string_view LastCellText(const DeliveredRecord& delivered, TViewMode view,
                                std::string& text) const;

  Locale& locale_;
  AnsiText& text_;
  // Kept from row to row of one listing; dropped at its start, made at its first row.
  mutable std::unique_ptr<ListingMemo> listing_;
};

}  // namespace tarnwick
