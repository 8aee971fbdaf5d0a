#include "toolkit/win32/ErrorBox.h"

#include <algorithm>
#include <array>

#include "toolkit/AppTitle.h"

namespace tarnwick {
namespace {

// Longer than any message the program raises; a longer one is cut short.
constexpr size_t kMaxErrorText = 4096;

}  // namespace

// Built on the stack, not the heap: the error being reported may be that memory ran out.
void ShowErrorBox(HWND owner, std::string_view message) noexcept {
  std::array<char, kMaxErrorText> text{};
  const size_t length = std::min(message.size(), text.size() - 2);
  std::copy_n(message.data(), length, text.data());
  text[length] = '.';

  std::array<char, MAX_PATH + 1> path{};
  const DWORD pathLength = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
  const std::string_view stem = ApplicationTitleStem(std::string_view(path.data(), pathLength));
  std::array<char, MAX_PATH + 1> title{};
  std::copy(stem.begin(), stem.end(), title.data());
  if (stem.size() > 1) CharLowerBuffA(title.data() + 1, static_cast<DWORD>(stem.size() - 1));

  MessageBoxA(owner, text.data(), title.data(), MB_OK | MB_ICONSTOP);
}

}  // namespace tarnwick
