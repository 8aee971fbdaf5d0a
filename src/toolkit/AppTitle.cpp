#include "toolkit/AppTitle.h"

namespace tarnwick {

std::string_view ApplicationTitleStem(std::string_view exePath) {
  const size_t folderEnd = exePath.find_last_of("\\/:");
  std::string_view name =
      folderEnd == std::string_view::npos ? exePath : exePath.substr(folderEnd + 1);
  return name.substr(0, name.find('.'));
}

}  // namespace tarnwick
