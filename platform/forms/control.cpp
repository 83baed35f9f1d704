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

void Control::SetLeft(int left) { Assign(common_->left, left, ControlProperty::Left); }
void Control::SetTop(int top) { Assign(common_->top, top, ControlProperty::Top); }
void Control::SetWidth(int width) { Assign(common_->width, width, ControlProperty::Width); }
void Control::SetHeight(int height) { Assign(common_->height, height, ControlProperty::Height); }

void Control::Move(int left, int top, int width, int height) {
  SetLeft(left);
  SetTop(top);
  SetWidth(width);
  SetHeight(height);
}

void Control::SetVisible(bool visible) {
  Assign(common_->visible, visible, ControlProperty::Visible);
}
void Control::SetEnabled(bool enabled) {
  Assign(common_->enabled, enabled, ControlProperty::Enabled);
}
void Control::SetTabIndex(int tabIndex) {
  Assign(common_->tabIndex, tabIndex, ControlProperty::TabIndex);
}
void Control::SetTabStop(bool tabStop) {
  Assign(common_->tabStop, tabStop, ControlProperty::TabStop);
}

void Control::SetCausesValidation(bool causes) {
  Assign(common_->causesValidation, causes, ControlProperty::CausesValidation);
}

void Control::SetTag(std::string tag) {
  Assign(common_->tag, std::move(tag), ControlProperty::Tag);
}
void Control::SetHelpContextID(long id) {
  Assign(common_->helpContextID, id, ControlProperty::HelpContextID);
}

void Control::SetToolTipText(std::string text) {
  Assign(common_->toolTipText, std::move(text), ControlProperty::ToolTipText);
}

void Control::SetBackColor(Color color) {
  Assign(common_->backColor, color, ControlProperty::BackColor);
}
void Control::SetForeColor(Color color) {
  Assign(common_->foreColor, color, ControlProperty::ForeColor);
}
void Control::SetFont(const forms::Font& font) {
  Assign(common_->font, font, ControlProperty::Font);
}

void Control::SetFontName(std::string name) {
  Assign(common_->font.name, std::move(name), ControlProperty::Font);
}

void Control::SetFontSize(double size) { Assign(common_->font.size, size, ControlProperty::Font); }
void Control::SetFontBold(bool bold) { Assign(common_->font.bold, bold, ControlProperty::Font); }

void Control::SetMousePointer(int pointer) {
  Assign(common_->mousePointer, pointer, ControlProperty::MousePointer);
}

void Control::SetFocus() {
  if (!form_->IsLoaded() || !form_->Visible() || !CanTakeFocus() || !IsShown() ||
      !IsEnabledInContext()) {
    detail::Fail(5);
  }
  detail::Input::MoveFocus(*form_, this);
}

void Control::Refresh() { Changed(ControlProperty::Refresh); }

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

void Control::Changed(ControlProperty property) {
  if (!form_->IsLoaded()) return;
  if (Host* host = detail::App().host) host->Changed(*this, property);
}

void Control::RestoreDesign() { slots_.Restore(); }

}  // namespace forms
