#pragma once
// The view that shows each kind of control.

namespace forms {
class Control;
}

namespace formsqt {

class ControlView;
class FormWindow;

// The view of a control by its kind: a widget for each kind a person sees, none
// for menus (the form's menu bar shows them) and the common dialog.
ControlView* MakeView(FormWindow& window, forms::Control& control);

}  // namespace formsqt
