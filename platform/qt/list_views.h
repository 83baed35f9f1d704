#pragma once
// The views of combo and list boxes.
#include "platform/forms/combo_box.h"
#include "platform/forms/list_box.h"
#include "platform/qt/control_view.h"

class QComboBox;
class QListWidget;

namespace formsqt {

// A combo box, a drop-down list unless the control is editable. Choosing an
// item in the opened list selects it in the control (Click runs when it is
// another one); the closed box shows the control's selection.
class ComboBoxView final : public ControlView {
 public:
  ComboBoxView(FormWindow& window, forms::ComboBox& combo);
  void Changed(forms::ControlProperty property) override;
  bool Wheel(QWidget* target, QWheelEvent* event) override;

 protected:
  void SyncOwn() override;
  bool WidgetTakesMouse() const override { return true; }
  bool ClicksOnRelease() const override { return false; }
  void Pressing() override;

 private:
  forms::ComboBox& Model() const { return static_cast<forms::ComboBox&>(*control_); }
  void ShowItems();
  void ShowListWidth();
  void ShowSelection();
  void Chosen(int index);
  QComboBox* combo_;
};

// A list box: a click on an item selects it in the control, and scrolling the
// list moves the control's TopIndex to the first item in view.
class ListBoxView final : public ControlView {
 public:
  ListBoxView(FormWindow& window, forms::ListBox& list);
  void Changed(forms::ControlProperty property) override;
  bool Wheel(QWidget* target, QWheelEvent* event) override;

 protected:
  void SyncOwn() override;
  bool ClicksOnRelease() const override { return false; }
  void Pressed(QWidget* target, QPoint pos) override;

 private:
  forms::ListBox& Model() const { return static_cast<forms::ListBox&>(*control_); }
  void ShowItems();
  void ShowSelection();
  void Scrolled();
  QListWidget* list_;
};

}  // namespace formsqt
