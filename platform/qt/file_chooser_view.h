#pragma once
#include "platform/forms/file_chooser.h"
#include "platform/qt/control_view.h"

class QLineEdit;
class QListWidget;
class QToolButton;

namespace formsqt {

// A folder and file chooser: the folder's path with a button that opens a
// folder dialog, and the folder's files matching the pattern. A folder chosen
// in the dialog and a file clicked in the list are chosen in the control.
class FileChooserView final : public ControlView {
 public:
  FileChooserView(FormWindow& window, forms::FileChooser& chooser);
  bool Mouse(QWidget* target, QMouseEvent* event) override;
  bool Wheel(QWidget* target, QWheelEvent* event) override;
  QToolButton* BrowseButton() const { return browse_; }

 protected:
  void SyncOwn() override;
  void Placed() override;
  bool ClicksOnRelease() const override { return false; }
  void Pressed(QWidget* target, QPoint pos) override;

 private:
  forms::FileChooser& Model() const { return static_cast<forms::FileChooser&>(*control_); }
  void Browse();
  QLineEdit* path_;
  QToolButton* browse_;
  QListWidget* files_;
};

}  // namespace formsqt
