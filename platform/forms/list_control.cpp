#include "platform/forms/list_control.h"

#include <algorithm>

#include "platform/forms/errors.h"
#include "platform/vb/encoding.h"
#include "platform/vb/strings.h"

namespace forms {

namespace {

// Sorted lists order their items without regard to case.
std::u32string Folded(const std::string& text) { return vb::DecodeUtf8(vb::LCase(text)); }

}  // namespace

ListControl::ListControl(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->backColor = vbWindowBackground;
  common_->foreColor = vbWindowText;
}

void ListControl::AddItem(std::string item, int index) {
  auto& items = props_->items;
  int count = static_cast<int>(items.size());
  if (index < -1 || index > count) detail::Fail(5);
  int at = index < 0 ? count : index;
  if (props_->sorted) {
    std::u32string key = Folded(item);
    at = static_cast<int>(std::upper_bound(items.begin(), items.end(), key,
                                           [](const std::u32string& k, const Item& it) {
                                             return k < Folded(it.text);
                                           }) -
                          items.begin());
  }
  items.insert(items.begin() + at, Item{std::move(item), 0});
  if (props_->listIndex >= at) ++props_->listIndex;
  props_->newIndex = at;
  Changed(ControlProperty::List);
}

void ListControl::RemoveItem(int index) {
  auto& items = props_->items;
  if (index < 0 || index >= static_cast<int>(items.size())) detail::Fail(5);
  items.erase(items.begin() + index);
  if (props_->listIndex == index) {
    props_->listIndex = -1;
  } else if (props_->listIndex > index) {
    --props_->listIndex;
  }
  props_->topIndex = std::min(props_->topIndex, std::max(0, static_cast<int>(items.size()) - 1));
  Changed(ControlProperty::List);
}

void ListControl::Clear() {
  props_->items.clear();
  props_->listIndex = -1;
  props_->newIndex = -1;
  props_->topIndex = 0;
  Changed(ControlProperty::List);
}

std::string ListControl::List(int index) const {
  if (index < 0 || index >= ListCount()) return "";
  return props_->items[index].text;
}

void ListControl::SetList(int index, std::string text) {
  if (index < 0 || index >= ListCount()) detail::Fail(381);
  props_->items[index].text = std::move(text);
  Changed(ControlProperty::List);
}

long ListControl::ItemData(int index) const {
  if (index < 0 || index >= ListCount()) detail::Fail(381);
  return props_->items[index].data;
}

void ListControl::SetItemData(int index, long data) {
  if (index < 0 || index >= ListCount()) detail::Fail(381);
  props_->items[index].data = data;
}

void ListControl::SetSorted(bool sorted) {
  Assign(props_->sorted, sorted, ControlProperty::Sorted);
}

void ListControl::SetTopIndex(int index) {
  if (index < 0 || index >= std::max(1, ListCount())) detail::Fail(380);
  Assign(props_->topIndex, index, ControlProperty::TopIndex);
}

bool ListControl::StoreListIndex(int index) {
  if (index < -1 || index >= ListCount()) detail::Fail(380);
  return Assign(props_->listIndex, index, ControlProperty::ListIndex);
}

int ListControl::FindByInitial(int keyAscii) const {
  std::u32string initial = Folded(vb::EncodeUtf8(vb::Cp1252Char(static_cast<unsigned char>(keyAscii))));
  int count = ListCount();
  for (int step = 1; step <= count; ++step) {
    int at = (props_->listIndex + step) % count;
    if (Folded(props_->items[at].text).starts_with(initial)) return at;
  }
  return -1;
}

int ListControl::StepFor(int keyCode) const {
  int last = ListCount() - 1;
  switch (keyCode) {
    case vbKeyDown:
    case vbKeyRight:
      return std::min(props_->listIndex + 1, last);
    case vbKeyUp:
    case vbKeyLeft:
      return std::max(props_->listIndex - 1, last < 0 ? -1 : 0);
    case vbKeyHome:
      return last < 0 ? -1 : 0;
    case vbKeyEnd:
      return last;
    default:
      return props_->listIndex;
  }
}

}  // namespace forms
