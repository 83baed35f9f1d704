#pragma once
#include <string>

#include "platform/forms/list_control.h"

namespace forms {

// A list box, shown or hidden (the windows also keep lists as hidden storage).
// Selecting another item runs Click at once; selecting the one already selected
// runs nothing.
class ListBox : public ListControl {
 public:
  ListBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "ListBox"; }

  void SetListIndex(int index) override;
  // The selected item's text, "" with none.
  std::string Text() const { return List(ListIndex()); }
  bool Selected(int index) const { return index >= 0 && index == ListIndex(); }

 protected:
  void OnUserChar(int keyAscii) override;
  void OnUserKey(int keyCode, int shift) override;
};

}  // namespace forms
