#pragma once
#include <string>

#include "platform/forms/list_control.h"

namespace forms {

// A combo box, by default in the drop-down list style the windows use. Selecting
// another item from code runs Click at once, and so does clearing the selection
// (ListIndex -1): the debt windows' cascades rely on both. Setting the selection
// it already has runs nothing; the non-notified debt window's reset relies on
// that to leave its amount boxes open.
class ComboBox : public ListControl {
 public:
  ComboBox(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "ComboBox"; }

  void SetListIndex(int index) override;
  // The selected item's text (drop-down list) or the typed text.
  std::string Text() const;
  // In a drop-down list, selects the item with that text (error 383 when there is
  // none); in an editable combo, writes the text and runs Change when it differs.
  void SetText(std::string text);
  int Style() const { return props_->style; }
  void SetStyle(int style);
  // The width of the opened list in pixels; 0 is the combo's own width.
  int DropDownWidth() const { return props_->dropDownWidth; }
  void SetDropDownWidth(int pixels);

  Event<> Change;
  Event<> DropDown;

 protected:
  void OnUserChar(int keyAscii) override;
  void OnUserKey(int keyCode, int shift) override;

 private:
  struct Props {
    int style = vbComboDropdownList;
    std::string text;
    int dropDownWidth = 0;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
