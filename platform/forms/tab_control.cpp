#include "platform/forms/tab_control.h"

#include "platform/forms/errors.h"

namespace forms {

TabControl::TabControl(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->width = 4800;
  common_->height = 3600;
}

TabControl::TabInfo& TabControl::At(int tab) {
  if (tab < 0 || tab >= Tabs()) detail::Fail(381);
  return props_->tabs[tab];
}

const TabControl::TabInfo& TabControl::At(int tab) const {
  if (tab < 0 || tab >= Tabs()) detail::Fail(381);
  return props_->tabs[tab];
}

long TabControl::HelpContext() const {
  long own = props_->tabs.empty() ? 0 : At(Tab()).helpContextID;
  return own != 0 ? own : Control::HelpContext();
}

void TabControl::SetTabs(int count) {
  if (count < 1) detail::Fail(380);
  props_->tabs.resize(count);
  Changed(ControlProperty::Tabs);
  if (props_->tab >= count) SetTab(count - 1);
}

void TabControl::SetTab(int tab) {
  if (tab < 0 || tab >= Tabs()) detail::Fail(380);
  int previous = props_->tab;
  if (Assign(props_->tab, tab, ControlProperty::Tab)) Fire(Click, previous);
}

std::string TabControl::TabCaption(int tab) const { return At(tab).caption; }

void TabControl::SetTabCaption(int tab, std::string caption) {
  At(tab).caption = std::move(caption);
  Changed(ControlProperty::TabCaption);
}

bool TabControl::TabEnabled(int tab) const { return At(tab).enabled; }

void TabControl::SetTabEnabled(int tab, bool enabled) {
  At(tab).enabled = enabled;
  Changed(ControlProperty::TabEnabled);
}

bool TabControl::TabVisible(int tab) const { return At(tab).visible; }

void TabControl::SetTabVisible(int tab, bool visible) {
  At(tab).visible = visible;
  Changed(ControlProperty::TabVisible);
}

long TabControl::TabHelpContextID(int tab) const { return At(tab).helpContextID; }

void TabControl::SetTabHelpContextID(int tab, long id) { At(tab).helpContextID = id; }

// The arrow keys move to the next or previous tab a person may choose.
void TabControl::OnUserKey(int keyCode, int /*shift*/) {
  int step = keyCode == vbKeyRight ? 1 : keyCode == vbKeyLeft ? -1 : 0;
  if (step == 0) return;
  for (int tab = Tab() + step; tab >= 0 && tab < Tabs(); tab += step) {
    if (TabEnabled(tab) && TabVisible(tab)) return SetTab(tab);
  }
}

}  // namespace forms
