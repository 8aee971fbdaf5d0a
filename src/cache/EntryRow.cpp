#include "cache/EntryRow.h"

#include <charconv>

namespace tarnwick {
namespace {

// Room for the longest decimal number a row shows, a signed 64-bit one.
using NumberText = std::array<char, 24>;

template <typename Number>
std::string_view DecimalText(Number number, NumberText& text) {
  const auto written = std::to_chars(text.data(), text.data() + text.size(), number);
  return {text.data(), static_cast<size_t>(written.ptr - text.data())};
}

std::string_view TimeText(const FileTime& time, FileTimeMemo& times, std::string& text) {
  times.Write(time, text);
  return text;
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
  // The texts made for the row, each in its column's place.
  std::array<NumberText, kColumnCount> numbers{};
  std::array<std::string, kColumnCount> texts;
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
  Cells cells{};
  for (size_t col = 0; col < std::size(kColumns); ++col) {
    const CellSource source = kColumns[col].Source();
    if (source == CellSource::kViewsLast && TraitsOf(view).lastColumn == LastColumn::kNone) break;
    cells.texts[col] = CellText(source, delivered, view, listing, col);
    cells.count = col + 1;
  }
  return cells;
}

std::string_view EntryRowFormatter::CellText(CellSource source, const DeliveredRecord& delivered,
                                             TViewMode view, ListingMemo& listing,
                                             size_t col) const {
  const CacheEntryRecord& record = *delivered.record;
  NumberText& number = listing.numbers[col];
  std::string& text = listing.texts[col];
  switch (source) {
    case CellSource::kSourceUrl:
      return TextInRecord(delivered, record.lpszSourceUrlName);
    case CellSource::kLocalFile:
      return TextInRecord(delivered, record.lpszLocalFileName);
    case CellSource::kType:
      if (!listing.hasType || listing.type != record.CacheEntryType) {
        listing.typeText = TypeText(record.CacheEntryType);
        listing.type = record.CacheEntryType;
        listing.hasType = true;
      }
      return listing.typeText;
    case CellSource::kUseCount:
      return DecimalText(record.dwUseCount, number);
    case CellSource::kHitRate:
      return DecimalText(record.dwHitRate, number);
    case CellSource::kSize:
      // Shown as the signed number the platform's 64-bit size field holds.
      return DecimalText(static_cast<int64_t>(uint64_t{record.dwSizeHigh} << 32 | record.dwSizeLow),
                         number);
    case CellSource::kModified:
      return TimeText(record.LastModifiedTime, listing.times, text);
    case CellSource::kExpires:
      return TimeText(record.ExpireTime, listing.times, text);
    case CellSource::kLastAccess:
      return TimeText(record.LastAccessTime, listing.times, text);
    case CellSource::kLastSync:
      return TimeText(record.LastSyncTime, listing.times, text);
    case CellSource::kViewsLast:
      return LastCellText(delivered, view, text);
  }
  return {};
}

std::string_view EntryRowFormatter::LastCellText(const DeliveredRecord& delivered, TViewMode view,
                                                 std::string& text) const {
  const CacheEntryRecord& record = *delivered.record;
  const std::string_view header =
      BlockInRecord(delivered, record.lpHeaderInfo, record.dwHeaderInfoSize)
          .value_or(std::string_view());
  // The whole block as stored: it is not NUL-terminated and may hold NULs and line breaks.
  if (TraitsOf(view).lastColumn == LastColumn::kHeader) return header;
  text = text_.FromUtf16(HistoryTitle(header.data(), static_cast<uint32_t>(header.size())));
  return text;
}

}  // namespace tarnwick
