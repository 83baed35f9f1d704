#include "platform/forms/list_box.h"

namespace forms {

ListBox::ListBox(Place place, std::string name, int index)
    : ListControl(place, std::move(name), index) {
  common_->height = 1035;
}

void ListBox::SetListIndex(int index) {
  if (StoreListIndex(index)) Fire(Click);
}

void ListBox::OnUserChar(int keyAscii) {
  if (keyAscii < 32) return;
  int found = FindByInitial(keyAscii);
  if (found >= 0) SetListIndex(found);
}

void ListBox::OnUserKey(int keyCode, int /*shift*/) { SetListIndex(StepFor(keyCode)); }

}  // namespace forms
