#pragma once
#include <string>

#include "platform/forms/control.h"

namespace forms {

// A caption on the form; it takes no focus.
class Label : public Control {
 public:
  Label(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "Label"; }

  const std::string& Caption() const { return props_->caption; }
  // A new caption raises Change.
  void SetCaption(std::string caption);
  int Alignment() const { return props_->alignment; }
  void SetAlignment(int alignment);
  bool AutoSize() const { return props_->autoSize; }
  void SetAutoSize(bool autoSize);
  bool WordWrap() const { return props_->wordWrap; }
  void SetWordWrap(bool wordWrap);
  // vbTransparent or vbOpaque.
  int BackStyle() const { return props_->backStyle; }
  void SetBackStyle(int style);
  int BorderStyle() const { return props_->borderStyle; }
  void SetBorderStyle(int style);

  Event<> Change;

 private:
  struct Props {
    std::string caption;
    int alignment = vbLeftJustify;
    bool autoSize = false;
    bool wordWrap = false;
    int backStyle = vbOpaque;
    int borderStyle = vbBSNone;
  };
  Persistent<Props> props_{Slots()};
};

}  // namespace forms
