#include "platform/forms/control.h"

#include "platform/forms/application.h"
#include "platform/forms/errors.h"
#include "platform/forms/form.h"
#include "platform/forms/host.h"
#include "platform/forms/input.h"

namespace forms {

Place::Place(Control& container) : form(&container.Parent()), container(&container) {}

Place::Place(Control& container, int page)
    : form(&container.Parent()), container(&container), page(page) {}

Control::Control(Place place, std::string name, int index)
    : form_(place.form),
      container_(place.container),
      page_(place.page),
      name_(std::move(name)),
      index_(index),
      order_(0) {
  form_->Register(this);
}

// A control that goes while its form is loaded (an element unloaded at run time)
// is withdrawn from the host.
Control::~Control() {
  if (form_->IsLoaded()) {
    if (Host* host = detail::App().host) host->ControlRemoved(*this);
  }
  form_->Unregister(this);
}

void Control::SetLeft(int left) { Assign(common_->left, left, "Left"); }
void Control::SetTop(int top) { Assign(common_->top, top, "Top"); }
void Control::SetWidth(int width) { Assign(common_->width, width, "Width"); }
void Control::SetHeight(int height) { Assign(common_->height, height, "Height"); }

void Control::Move(int left, int top, int width, int height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

void Control::SetVisible(bool visible) { Assign(common_->visible, visible, "Visible"); }
void Control::SetEnabled(bool enabled) { Assign(common_->enabled, enabled, "Enabled"); }
void Control::SetTabIndex(int tabIndex) { Assign(common_->tabIndex, tabIndex, "TabIndex"); }
void Control::SetTabStop(bool tabStop) { Assign(common_->tabStop, tabStop, "TabStop"); }

void Control::SetCausesValidation(bool causes) {
  Assign(common_->causesValidation, causes, "CausesValidation");
}

void Control::SetTag(std::string tag) { Assign(common_->tag, std::move(tag), "Tag"); }
void Control::SetHelpContextID(long id) { Assign(common_->helpContextID, id, "HelpContextID"); }

void Control::SetToolTipText(std::string text) {
  Assign(common_->toolTipText, std::move(text), "ToolTipText");
}

void Control::SetBackColor(Color color) { Assign(common_->backColor, color, "BackColor"); }
void Control::SetForeColor(Color color) { Assign(common_->foreColor, color, "ForeColor"); }
void Control::SetFont(const forms::Font& font) { Assign(common_->font, font, "Font"); }

void Control::SetFontName(std::string name) {
  Assign(common_->font.name, std::move(name), "Font");
}

void Control::SetFontSize(double size) { Assign(common_->font.size, size, "Font"); }
void Control::SetFontBold(bool bold) { Assign(common_->font.bold, bold, "Font"); }

void Control::SetMousePointer(int pointer) {
  Assign(common_->mousePointer, pointer, "MousePointer");
}

void Control::SetFocus() {
  if (!form_->IsLoaded() || !form_->Visible() || !CanTakeFocus() || !IsShown() ||
      !IsEnabledInContext()) {
    detail::Fail(5);
  }
  detail::Input::MoveFocus(*form_, this);
}

void Control::Refresh() { Changed("Refresh"); }

long Control::HelpContext() const {
  if (HelpContextID() != 0) return HelpContextID();
  return container_ ? container_->HelpContext() : 0;
}

bool Control::IsShown() const {
  if (!Visible()) return false;
  if (!container_) return true;
  return container_->ShowsPage(page_) && container_->IsShown();
}

bool Control::IsEnabledInContext() const {
  if (!Enabled() || !form_->Enabled()) return false;
  return !container_ || container_->IsEnabledInContext();
}

bool Control::RaisesEvents() const { return form_->state_ != Form::State::Unloaded; }

void Control::Changed(std::string_view property) {
  if (!form_->IsLoaded()) return;
  if (Host* host = detail::App().host) host->Changed(*this, property);
}

void Control::RestoreDesign() { slots_.Restore(); }

}  // namespace forms
