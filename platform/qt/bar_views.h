#pragma once
// The views of the toolbar, the status bar and the data control.
#include <vector>

#include "platform/forms/data_control.h"
#include "platform/forms/status_bar.h"
#include "platform/forms/toolbar.h"
#include "platform/qt/control_view.h"

class QAction;
class QLabel;
class QStatusBar;
class QToolBar;

namespace formsqt {

// A toolbar: its buttons with their captions (the tool tip where a button has
// only a picture), tool tips, separators and pressed state; pressing one runs
// ButtonClick through the control. Placed on the form it spans the form's
// width, as a toolbar aligned to the top does.
class ToolbarView final : public ControlView {
 public:
  ToolbarView(FormWindow& window, forms::Toolbar& toolbar);
  QAction* ActionOf(int index) const;

 protected:
  void SyncOwn() override;
  QRect Placement() const override;
  bool WidgetTakesMouse() const override { return true; }
  bool ClicksOnRelease() const override { return false; }

 private:
  forms::Toolbar& Model() const { return static_cast<forms::Toolbar&>(*control_); }
  void Pressed(int index);
  QToolBar* bar_;
  std::vector<QAction*> actions_;
};

// The suite's status bar: the document number, the name, the period and the
// form code in panels. Placed on the form it sits along its bottom edge.
class StatusBarView final : public ControlView {
 public:
  StatusBarView(FormWindow& window, forms::StatusBar& bar);

 protected:
  void SyncOwn() override;
  QRect Placement() const override;
  bool WidgetTakesMouse() const override { return true; }

 private:
  forms::StatusBar& Model() const { return static_cast<forms::StatusBar&>(*control_); }
  QStatusBar* bar_;
  QLabel* numdoc_;
  QLabel* razonsocial_;
  QLabel* periodo_;
  QLabel* formulario_;
};

// A data control: its caption between the buttons that move its recordset to
// the first, previous, next and last row.
class DataControlView final : public ControlView {
 public:
  DataControlView(FormWindow& window, forms::DataControl& data);

 protected:
  void SyncOwn() override;
  void Placed() override;
  bool WidgetTakesMouse() const override { return true; }
  bool ClicksOnRelease() const override { return false; }

 private:
  forms::DataControl& Model() const { return static_cast<forms::DataControl&>(*control_); }
  void Step(int step);
  QLabel* caption_;
  std::vector<QWidget*> buttons_;
};

}  // namespace formsqt
