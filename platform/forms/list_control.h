#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// The list shared by combo and list boxes: items with their ItemData, the
// selection as ListIndex (-1 for none). Adding, removing and clearing items runs
// no handler, even when the selection goes with them.
class ListControl : public Control {
 public:
  ListControl(Place place, std::string name, int index);
  bool CanTakeFocus() const override { return true; }

  // Appends, or inserts at `index` (error 5 beyond the end); a sorted list puts
  // the item in its place whatever `index` says.
  void AddItem(std::string item, int index = -1);
  // Error 5 for an index outside the list.
  void RemoveItem(int index);
  void Clear();
  int ListCount() const { return static_cast<int>(props_->items.size()); }
  // The text of item `index`; "" outside the list.
  std::string List(int index) const;
  // Error 381 for an index outside the list, as for ItemData.
  void SetList(int index, std::string text);
  long ItemData(int index) const;
  void SetItemData(int index, long data);
  // The index of the item added last.
  int NewIndex() const { return props_->newIndex; }
  int ListIndex() const { return props_->listIndex; }
  // Selects item `index`, or none with -1; other values raise error 380.
  virtual void SetListIndex(int index) = 0;
  bool Sorted() const { return props_->sorted; }
  void SetSorted(bool sorted);
  // The first item in view; removing items keeps it on an item of the list.
  int TopIndex() const { return props_->topIndex; }
  void SetTopIndex(int index);

 protected:
  // Stores a valid selection; answers whether it differs from the one before.
  bool StoreListIndex(int index);
  // The item after the selection whose text starts with `keyAscii`, or -1.
  int FindByInitial(int keyAscii) const;
  // The arrow keys move the selection by one.
  int StepFor(int keyCode) const;

 private:
  struct Item {
    std::string text;
    long data = 0;
    friend bool operator==(const Item&, const Item&) = default;
  };
  struct Props {
    std::vector<Item> items;
    int listIndex = -1;
    int newIndex = -1;
    int topIndex = 0;
    bool sorted = false;
  };

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
