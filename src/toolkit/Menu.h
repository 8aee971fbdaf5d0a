#pragma once
// A popup menu: items with a caption, in order, each with its click event.
#include <functional>
#include <string>
#include <vector>

namespace tarnwick {

struct MenuItem {
  std::string caption;
  std::function<void()> OnClick;

  void Click() const {
    if (OnClick) OnClick();
  }
};

class PopupMenu {
 public:
  void Add(MenuItem& item) { items_.push_back(&item); }
  const std::vector<MenuItem*>& Items() const { return items_; }

 private:
  std::vector<MenuItem*> items_;
};

}  // namespace tarnwick
