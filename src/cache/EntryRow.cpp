#include "cache/EntryRow.h"

#include <charconv>

namespace tarnwick {
namespace {

constexpr size_t kTimeCells = 4;

// Room for the longest decimal number a row shows, a signed 64-bit one.
using NumberText = std::array<char, 24>;

template <typename Number>
std::string_view DecimalText(Number number, NumberText& text) {
  const auto written = std::to_chars(text.data(), text.data() + text.size(), number);
  return {text.data(), static_cast<size_t>(written.ptr - text.data())};
}

}  // namespace

// What a row's texts point into besides the record: the texts made for the row, and what one
// listing keeps from row to row.
struct EntryRowFormatter::ListingMemo {
  explicit ListingMemo(Locale& locale) : times(locale) {}

  FileTimeMemo times;
  // A listing's entries mostly share a few type flag sets: the last one's text is kept.
  bool hasType = false;
  uint32_t type = 0;
  std::string typeText;
  std::array<NumberText, 3> numbers{};
  std::array<std::string, kTimeCells> timeTexts;
  std::string title;
};

bool BelongsToView(uint32_t cacheEntryType, TViewMode view) {
  uint32_t othersFlags = 0;
  for (const ViewTraits& other : kViews) othersFlags |= other.ownFlag;
  othersFlags &= ~TraitsOf(view).ownFlag;
  return (cacheEntryType & othersFlags) == 0;
}

EntryRowFormatter::EntryRowFormatter(Locale& locale, AnsiText& text)
    : locale_(locale), text_(text) {}

EntryRowFormatter::~EntryRowFormatter() = default;

void EntryRowFormatter::StartListing() const noexcept { listing_.reset(); }

void EntryRowFormatter::AddEntryRow(EntryTable& table, const DeliveredRecord& delivered,
                                    TViewMode view) const {
  if (!BelongsToView(delivered.record->CacheEntryType, view)) return;
  if (!listing_) listing_ = std::make_unique<ListingMemo>(locale_);
  const Cells cells = CellsOf(delivered, view, *listing_);
  table.AddListedRow(std::span(cells.texts.data(), cells.count));
}

std::vector<std::string> EntryRowFormatter::RowItems(const DeliveredRecord& delivered,
                                                     TViewMode view) const {
  ListingMemo listing(locale_);
  const Cells cells = CellsOf(delivered, view, listing);
  return {cells.texts.begin(), cells.texts.begin() + static_cast<ptrdiff_t>(cells.count)};
}

EntryRowFormatter::Cells EntryRowFormatter::CellsOf(const DeliveredRecord& delivered,
                                                    TViewMode view, ListingMemo& listing) const {
  const CacheEntryRecord& record = *delivered.record;
  Cells cells{};
  const auto add = [&](std::string_view text) { cells.texts[cells.count++] = text; };
  add(TextInRecord(delivered, record.lpszSourceUrlName));
  add(TextInRecord(delivered, record.lpszLocalFileName));
  if (!listing.hasType || listing.type != record.CacheEntryType) {
    listing.typeText = TypeText(record.CacheEntryType);
    listing.type = record.CacheEntryType;
    listing.hasType = true;
  }
  add(listing.typeText);
  add(DecimalText(record.dwUseCount, listing.numbers[0]));
  add(DecimalText(record.dwHitRate, listing.numbers[1]));
  // Shown as the signed number the platform's 64-bit size field holds.
  const uint64_t size = uint64_t{record.dwSizeHigh} << 32 | record.dwSizeLow;
  add(DecimalText(static_cast<int64_t>(size), listing.numbers[2]));
  const FileTime times[kTimeCells] = {record.LastModifiedTime, record.ExpireTime,
                                      record.LastAccessTime, record.LastSyncTime};
  for (size_t i = 0; i < kTimeCells; ++i) {
    listing.times.Write(times[i], listing.timeTexts[i]);
    add(listing.timeTexts[i]);
  }
  const LastColumn last = TraitsOf(view).lastColumn;
  if (last == LastColumn::kNone) return cells;
  const std::string_view header =
      BlockInRecord(delivered, record.lpHeaderInfo, record.dwHeaderInfoSize)
          .value_or(std::string_view());
  if (last == LastColumn::kHeader) {
    // The whole block as stored: it is not NUL-terminated and may hold NULs and line breaks.
    add(header);
  } else {
    const auto bytes = static_cast<uint32_t>(header.size());
    listing.title = text_.FromUtf16(HistoryTitle(header.data(), bytes));
    add(listing.title);
  }
  return cells;
}

}  // namespace tarnwick
