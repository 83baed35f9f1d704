#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// A tabbed container: controls are placed on one of its pages (Page(i)) and show
// only while that tab is the one shown. Setting Tab to another tab, from code or
// by a click, runs Click(previousTab) at once; setting the tab already shown runs
// nothing. A person cannot choose a disabled or hidden tab.
class TabControl : public Control {
 public:
  TabControl(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "TabControl"; }
  bool CanTakeFocus() const override { return true; }
  bool IsContainer() const override { return true; }
  bool ShowsPage(int page) const override { return page < 0 || page == Tab(); }
  // F1 on the tab control opens the shown tab's topic when it has one.
  long HelpContext() const override;

  // Where a control goes to sit on tab `tab`.
  Place Page(int tab) { return Place(*this, tab); }

  int Tabs() const { return static_cast<int>(props_->tabs.size()); }
  void SetTabs(int count);
  int Tab() const { return props_->tab; }
  // A tab outside 0..Tabs-1 raises error 380.
  void SetTab(int tab);
  // For the per-tab properties an index outside the tabs raises error 381.
  std::string TabCaption(int tab) const;
  void SetTabCaption(int tab, std::string caption);
  bool TabEnabled(int tab) const;
  void SetTabEnabled(int tab, bool enabled);
  bool TabVisible(int tab) const;
  void SetTabVisible(int tab, bool visible);
  long TabHelpContextID(int tab) const;
  void SetTabHelpContextID(int tab, long id);

  Event<int> Click;

 protected:
  void OnUserKey(int keyCode, int shift) override;

 private:
  struct TabInfo {
    std::string caption;
    bool enabled = true;
    bool visible = true;
    long helpContextID = 0;
    friend bool operator==(const TabInfo&, const TabInfo&) = default;
  };
  struct Props {
    std::vector<TabInfo> tabs = std::vector<TabInfo>(3);
    int tab = 0;
  };

  TabInfo& At(int tab);
  const TabInfo& At(int tab) const;

  Persistent<Props> props_{Slots()};
};

}  // namespace forms
