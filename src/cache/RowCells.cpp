#include "cache/RowCells.h"

#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace tarnwick {
namespace {

constexpr size_t kOffsetBytes = sizeof(uint32_t) * kColumnCount;

// A block for a row of `textBytes` bytes of cell text. From the same allocator as every other
// object, so that running out of memory here is reported, and tested, like anywhere else.
uint32_t* NewBlock(uint64_t textBytes) {
  if (textBytes > std::numeric_limits<uint32_t>::max() ||
      textBytes > std::numeric_limits<size_t>::max() - kOffsetBytes)
    throw std::length_error("row text too long");
  return static_cast<uint32_t*>(::operator new(kOffsetBytes + static_cast<size_t>(textBytes)));
}

}  // namespace

RowCells::RowCells(RowCells&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}

RowCells& RowCells::operator=(RowCells&& other) noexcept {
  if (this != &other) {
    ::operator delete(block_);
    block_ = std::exchange(other.block_, nullptr);
  }
  return *this;
}

RowCells::~RowCells() { ::operator delete(block_); }

std::string_view RowCells::Cell(int col) const {
  if (!block_) return {};
  const uint32_t begin = End(col - 1);
  return {Bytes() + begin, block_[col] - begin};
}

bool RowCells::SetCell(int col, std::string_view text) {
  if (Cell(col) == text) return false;
  Replace(col, col, {&text, 1});
  return true;
}

bool RowCells::Clear() {
  if (!block_) return false;
  ::operator delete(block_);
  block_ = nullptr;
  return true;
}

void RowCells::SetCells(int firstCol, std::span<const std::string_view> texts) {
  if (texts.empty()) return;
  Replace(firstCol, firstCol + static_cast<int>(texts.size()) - 1, texts);
}

uint64_t RowCells::TextBytesWith(int firstCol, int lastCol,
                                 std::span<const std::string_view> texts) const {
  const uint64_t head = block_ ? End(firstCol - 1) : 0;
  const uint64_t tail = block_ ? TextBytes() - End(lastCol) : 0;
  uint64_t total = head + tail;
  for (std::string_view text : texts) total += text.size();
  return total;
}

void RowCells::Replace(int firstCol, int lastCol, std::span<const std::string_view> texts) {
  const uint64_t total = TextBytesWith(firstCol, lastCol, texts);
  if (total == 0) {
    Clear();
    return;
  }
  Rebuild(NewBlock(total), firstCol, lastCol, texts);
}

// Builds the new block from the old one: the cells before `firstCol`, the new texts, then the
// cells after `lastCol`. The old block stays intact until the new one is complete.
void RowCells::Rebuild(uint32_t* fresh, int firstCol, int lastCol,
                       std::span<const std::string_view> texts) noexcept {
  char* bytes = reinterpret_cast<char*>(fresh + kColumnCount);
  uint32_t end = 0;
  for (int col = 0; col < kColumnCount; ++col) {
    std::string_view text;
    if (col < firstCol || col > lastCol)
      text = Cell(col);
    else
      text = texts[static_cast<size_t>(col - firstCol)];
    if (!text.empty()) std::memcpy(bytes + end, text.data(), text.size());
    end += static_cast<uint32_t>(text.size());
    fresh[col] = end;
  }
  ::operator delete(block_);
  block_ = fresh;
}

RowCells::Reserved::Reserved(Reserved&& other) noexcept
    : col_(other.col_),
      textBytes_(other.textBytes_),
      block_(std::exchange(other.block_, nullptr)) {}

RowCells::Reserved::~Reserved() { ::operator delete(block_); }

RowCells::Reserved RowCells::Reserve(int col, size_t capacity) const {
  const std::string_view none;
  const uint64_t textBytes = TextBytesWith(col, col, {&none, 1}) + capacity;
  return Reserved(col, textBytes, NewBlock(textBytes));
}

bool RowCells::Store(Reserved& room, std::string_view text) {
  if (Cell(room.col_) == text) return false;
  const uint64_t total = TextBytesWith(room.col_, room.col_, {&text, 1});
  if (room.block_ && total > 0 && total <= room.textBytes_) {
    Rebuild(std::exchange(room.block_, nullptr), room.col_, room.col_, {&text, 1});
  } else {
    Replace(room.col_, room.col_, {&text, 1});
  }
  return true;
}

}  // namespace tarnwick
