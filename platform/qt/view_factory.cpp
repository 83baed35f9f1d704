#include "platform/qt/view_factory.h"

#include <QWidget>

#include "platform/forms/forms.h"
#include "platform/qt/bar_views.h"
#include "platform/qt/button_views.h"
#include "platform/qt/data_grid_view.h"
#include "platform/qt/file_chooser_view.h"
#include "platform/qt/frame_view.h"
#include "platform/qt/label_view.h"
#include "platform/qt/list_views.h"
#include "platform/qt/masked_edit_view.h"
#include "platform/qt/menu_bar.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/range_views.h"
#include "platform/qt/tab_control_view.h"
#include "platform/qt/text_box_view.h"

namespace formsqt {

namespace {

// A control shown as nothing.
class UnseenView final : public ControlView {
 public:
  UnseenView(FormWindow& window, forms::Control& control) : ControlView(window, control) {}
};

// A kind of control with no widget of its own yet: an empty area of its size.
class PlainView final : public ControlView {
 public:
  PlainView(FormWindow& window, forms::Control& control) : ControlView(window, control) {
    Adopt(new QWidget);
  }
};

template <class View, class Model>
ControlView* Try(FormWindow& window, forms::Control& control) {
  auto* model = dynamic_cast<Model*>(&control);
  return model ? new View(window, *model) : nullptr;
}

}  // namespace

ControlView* MakeView(FormWindow& window, forms::Control& control) {
  using Maker = ControlView* (*)(FormWindow&, forms::Control&);
  static const Maker makers[] = {
      Try<TextBoxView, forms::TextBox>,
      Try<MaskedEditView, forms::MaskedEdit>,
      Try<LabelView, forms::Label>,
      Try<CommandButtonView, forms::CommandButton>,
      Try<CheckBoxView, forms::CheckBox>,
      Try<OptionButtonView, forms::OptionButton>,
      Try<FrameView, forms::Frame>,
      Try<ComboBoxView, forms::ComboBox>,
      Try<ListBoxView, forms::ListBox>,
      Try<PictureBoxView, forms::PictureBox>,
      Try<ProgressBarView, forms::ProgressBar>,
      Try<ScrollBarView, forms::ScrollBar>,
      Try<TabControlView, forms::TabControl>,
      Try<DataGridView, forms::DataGrid>,
      Try<FileChooserView, forms::FileChooser>,
      Try<ToolbarView, forms::Toolbar>,
      Try<StatusBarView, forms::StatusBar>,
      Try<DataControlView, forms::DataControl>,
      Try<MenuView, forms::Menu>,
      Try<UnseenView, forms::CommonDialog>,
  };
  for (Maker make : makers) {
    if (ControlView* view = make(window, control)) return view;
  }
  return new PlainView(window, control);
}

}  // namespace formsqt
