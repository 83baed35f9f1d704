#include "platform/forms/form.h"

#include <algorithm>

#include "platform/forms/application.h"
#include "platform/forms/control_array.h"
#include "platform/forms/errors.h"
#include "platform/forms/host.h"
#include "platform/forms/input.h"
#include "platform/forms/menu.h"
#include "platform/forms/scope_exit.h"

namespace forms {

namespace {

// Window frame sizes in twips: border, caption bar and menu bar.
constexpr int kBorder = 60;
constexpr int kCaption = 345;
constexpr int kMenuBar = 285;

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

// A form destroyed while loaded is withdrawn from the host like an unloaded one.
Form::~Form() {
  auto& app = detail::App();
  if (IsLoaded() && app.host) app.host->FormUnloaded(*this);
  app.Forget(this);
  std::erase(app.modal, this);
  if (app.active == this) app.active = nullptr;
}

void Form::Changed(FormProperty property) {
  if (!IsLoaded()) return;
  if (Host* host = detail::App().host) host->Changed(*this, property);
}

void Form::SetCaption(std::string caption) {
  if (props_->caption == caption) return;
  props_->caption = std::move(caption);
  Changed(FormProperty::Caption);
}

void Form::SetLeft(int left) { SetGeometry(left, props_->top, props_->width, props_->height); }
void Form::SetTop(int top) { SetGeometry(props_->left, top, props_->width, props_->height); }
void Form::SetWidth(int width) { SetGeometry(props_->left, props_->top, width, props_->height); }
void Form::SetHeight(int height) { SetGeometry(props_->left, props_->top, props_->width, height); }
void Form::Move(int left, int top, int width, int height) { SetGeometry(left, top, width, height); }

// A change of size on a loaded form raises Resize at once, as a person's
// resizing does.
void Form::SetGeometry(int left, int top, int width, int height) {
  Props& p = *props_;
  bool moved = p.left != left || p.top != top;
  bool resized = p.width != width || p.height != height;
  if (!moved && !resized) return;
  p.left = left;
  p.top = top;
  p.width = width;
  p.height = height;
  Changed(FormProperty::Geometry);
  if (resized) Fire(Resize);
}

int Form::ScaleWidth() const { return std::max(0, props_->width - 2 * kBorder); }

int Form::ScaleHeight() const {
  return std::max(0, props_->height - 2 * kBorder - kCaption - (HasMenus() ? kMenuBar : 0));
}

void Form::SetTag(std::string tag) {
  if (props_->tag == tag) return;
  props_->tag = std::move(tag);
  Changed(FormProperty::Tag);
}

void Form::SetEnabled(bool enabled) {
  if (props_->enabled == enabled) return;
  props_->enabled = enabled;
  Changed(FormProperty::Enabled);
}

void Form::SetVisible(bool visible) {
  if (visible) {
    Show();
  } else {
    Hide();
  }
}

void Form::SetWindowState(int state) {
  if (props_->windowState == state) return;
  props_->windowState = state;
  Changed(FormProperty::WindowState);
  Fire(Resize);
}

void Form::SetKeyPreview(bool preview) { props_->keyPreview = preview; }

void Form::SetHelpContextID(long id) {
  if (props_->helpContextID == id) return;
  props_->helpContextID = id;
  Changed(FormProperty::HelpContextID);
}

void Form::SetMousePointer(int pointer) {
  if (props_->mousePointer == pointer) return;
  props_->mousePointer = pointer;
  Changed(FormProperty::MousePointer);
}

void Form::SetBackColor(Color color) {
  if (props_->backColor == color) return;
  props_->backColor = color;
  Changed(FormProperty::BackColor);
}

void Form::SetBorderStyle(int style) {
  if (props_->borderStyle == style) return;
  props_->borderStyle = style;
  Changed(FormProperty::BorderStyle);
}

void Form::SetControlBox(bool box) {
  if (props_->controlBox == box) return;
  props_->controlBox = box;
  Changed(FormProperty::ControlBox);
}

void Form::SetMinButton(bool button) {
  if (props_->minButton == button) return;
  props_->minButton = button;
  Changed(FormProperty::MinButton);
}

void Form::SetMaxButton(bool button) {
  if (props_->maxButton == button) return;
  props_->maxButton = button;
  Changed(FormProperty::MaxButton);
}

void Form::Show(int modal) {
  detail::Dispatch scope;
  forms::Load(*this);
  if (!IsLoaded()) return;
  if (modal == vbModal && props_->visible) detail::Fail(400);
  modal_ = modal == vbModal;
  BecomeVisible();
  detail::App().Activate(this);
  if (IsLoaded() && Visible() && !active_) FocusFirstControl();
  if (!modal_ || !IsLoaded() || !Visible()) return;
  auto& app = detail::App();
  app.modal.push_back(this);
  app.loopDepth.push_back(app.depth);
  detail::ScopeExit endLoop([&app, this] {
    app.loopDepth.pop_back();
    std::erase(app.modal, this);
    modal_ = false;
  });
  detail::RequireHost().RunModal(*this);
}

// The first display after a load raises Resize, between Load and Activate.
void Form::BecomeVisible() {
  if (props_->visible) return;
  props_->visible = true;
  Changed(FormProperty::Visible);
  if (!resized_) {
    resized_ = true;
    Fire(Resize);
  }
}

void Form::FocusFirstControl() {
  std::vector<Control*> order = detail::Input::TabOrder(*this);
  if (!order.empty()) detail::Input::MoveFocus(*this, order.front());
}

void Form::Hide() {
  if (!IsLoaded() || !props_->visible) return;
  detail::Dispatch scope;
  props_->visible = false;
  Changed(FormProperty::Visible);
  auto& app = detail::App();
  std::erase(app.shown, this);
  app.ActivateTopmost();
}

void Form::Refresh() { Changed(FormProperty::Refresh); }

bool Form::HasMenus() const {
  return std::any_of(controls_.begin(), controls_.end(), [](const Control* c) {
    return dynamic_cast<const Menu*>(c) && !c->Container();
  });
}

Control* Form::FindControl(std::string_view name, int index) const {
  for (Control* control : controls_) {
    if (control->Name() == name && control->Index() == index) return control;
  }
  return nullptr;
}

void Form::Register(Control* control) {
  control->order_ = nextOrder_++;
  control->common_->tabIndex = static_cast<int>(controls_.size());
  controls_.push_back(control);
}

void Form::Unregister(Control* control) {
  std::erase(controls_, control);
  if (active_ == control) active_ = nullptr;
}

void Form::AddArray(detail::ArrayBase* array) { arrays_.push_back(array); }
void Form::RemoveArray(detail::ArrayBase* array) { std::erase(arrays_, array); }

// What is left after the Unload event: the window goes, the controls return to
// their design values, elements loaded at run time are removed, and the form
// that was active before this one becomes active again.
void Form::Close() {
  auto& app = detail::App();
  if (props_->visible) {
    props_->visible = false;
    Changed(FormProperty::Visible);
  }
  app.Forget(this);
  state_ = State::Unloaded;
  active_ = nullptr;
  resized_ = false;
  for (detail::ArrayBase* array : std::vector<detail::ArrayBase*>(arrays_)) {
    array->RemoveRuntimeElements();
  }
  slots_.Restore();
  for (Control* control : controls_) control->RestoreDesign();
  if (Host* host = app.host) host->FormUnloaded(*this);
  app.ActivateTopmost();
}

// What the form and its controls hold when it first loads is its design.
void Form::SaveDesign() {
  everLoaded_ = true;
  slots_.Save();
  for (Control* control : controls_) control->slots_.Save();
}

void Load(Form& form) {
  if (form.state_ != Form::State::Unloaded) return;
  detail::Dispatch scope;
  if (!form.everLoaded_) form.SaveDesign();
  form.state_ = Form::State::Loading;
  auto& app = detail::App();
  app.loaded.push_back(&form);
  if (Host* host = app.host) host->FormLoaded(form);
  detail::ScopeExit loaded([&form] {
    if (form.state_ == Form::State::Loading) form.state_ = Form::State::Loaded;
  });
  form.Fire(form.Load);
}

bool Unload(Form& form, int mode) {
  if (form.state_ == Form::State::Unloaded) return true;
  if (form.state_ == Form::State::Unloading) return false;
  detail::Dispatch scope;
  int cancel = 0;
  form.Fire(form.QueryUnload, cancel, mode);
  if (cancel != 0) return false;
  if (form.state_ == Form::State::Unloaded) return true;
  form.state_ = Form::State::Unloading;
  cancel = 0;
  try {
    form.Fire(form.Unload, cancel);
  } catch (...) {
    form.state_ = Form::State::Loaded;
    throw;
  }
  if (cancel != 0) {
    form.state_ = Form::State::Loaded;
    return false;
  }
  form.Close();
  return true;
}

}  // namespace forms
