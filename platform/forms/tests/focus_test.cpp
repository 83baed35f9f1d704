#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/testsupport/error_of.h"
#include "platform/vb/error.h"

using namespace forms;
using Log = std::vector<std::string>;
using testsupport::ErrorOf;

namespace {

// Controls deliberately created out of tab order, in a frame and on tabs.
class FocusForm : public Form {
 public:
  FocusForm() : Form("FocusForm") {
    txtThird.SetTabIndex(3);
    txtFirst.SetTabIndex(1);
    lblCaption.SetTabIndex(2);
    txtInFrame.SetTabIndex(4);
    tabs.SetTabIndex(5);
    txtOnTab0.SetTabIndex(6);
    txtOnTab1.SetTabIndex(7);
    cmdOk.SetTabIndex(8);
    for (Control* control : Controls()) {
      std::string name = control->Name();
      control->GotFocus = [this, name] { log.Add("GotFocus " + name); };
      control->LostFocus = [this, name] { log.Add("LostFocus " + name); };
      control->Validate = [this, name](bool& cancel) {
        log.Add("Validate " + name);
        cancel = name == refuse;
      };
    }
    cmdOk.Click = [this] { log.Add("cmdOk_Click"); };
  }

  EventLog log;
  std::string refuse;
  TextBox txtThird{*this, "txtThird"};
  TextBox txtFirst{*this, "txtFirst"};
  Label lblCaption{*this, "lblCaption"};
  Frame fra{*this, "fra"};
  TextBox txtInFrame{fra, "txtInFrame"};
  TabControl tabs{*this, "tabs"};
  TextBox txtOnTab0{tabs.Page(0), "txtOnTab0"};
  TextBox txtOnTab1{tabs.Page(1), "txtOnTab1"};
  CommandButton cmdOk{*this, "cmdOk"};
};

class Focus : public ::testing::Test {
 protected:
  void SetUp() override { form.Show(); }

  std::vector<std::string> TabWalk(int steps) {
    std::vector<std::string> visited;
    for (int i = 0; i < steps; ++i) {
      driver.Key(form, vbKeyTab);
      visited.push_back(form.ActiveControl()->Name());
    }
    return visited;
  }

  TestDriver driver;
  FocusForm form;
};

TEST_F(Focus, ShowingAFormFocusesTheFirstControlInTabOrder) {
  EXPECT_EQ(form.ActiveControl(), &form.txtFirst);
  EXPECT_EQ(form.log.Take(), (Log{"GotFocus txtFirst"}));
}

TEST_F(Focus, TabFollowsTabIndexOverVisibleEnabledControlsOnTheShownTab) {
  EXPECT_EQ(TabWalk(6),
            (Log{"txtThird", "txtInFrame", "tabs", "txtOnTab0", "cmdOk", "txtFirst"}));
}

TEST_F(Focus, ShiftTabGoesBackwards) {
  driver.Key(form, vbKeyTab, vbShiftMask);
  EXPECT_EQ(form.ActiveControl(), &form.cmdOk);
}

TEST_F(Focus, AHiddenOrDisabledFrameTakesItsContentsOutOfTheTabOrder) {
  form.fra.SetEnabled(false);
  EXPECT_EQ(TabWalk(2), (Log{"txtThird", "tabs"}));
  form.fra.SetEnabled(true);
  form.fra.SetVisible(false);
  EXPECT_EQ(TabWalk(2), (Log{"txtOnTab0", "cmdOk"}));
}

TEST_F(Focus, OnlyTheControlsOfTheShownTabAreReachable) {
  form.tabs.SetTab(1);
  EXPECT_FALSE(form.txtOnTab0.IsShown());
  EXPECT_TRUE(form.txtOnTab1.IsShown());
  EXPECT_EQ(TabWalk(5), (Log{"txtThird", "txtInFrame", "tabs", "txtOnTab1", "cmdOk"}));
}

TEST_F(Focus, MovingTheFocusRunsValidateLostFocusGotFocusInThatOrder) {
  form.log.Take();
  driver.Focus(form.txtThird);
  EXPECT_EQ(form.log.Take(), (Log{"Validate txtFirst", "LostFocus txtFirst", "GotFocus txtThird"}));
}

TEST_F(Focus, ValidateCancelKeepsTheFocusAndRunsNothingElse) {
  form.log.Take();
  form.refuse = "txtFirst";
  EXPECT_FALSE(driver.Focus(form.txtThird));
  driver.Key(form, vbKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.txtFirst);
  EXPECT_EQ(form.log.Take(), (Log{"Validate txtFirst", "Validate txtFirst"}));
}

TEST_F(Focus, AControlThatCausesNoValidationIsEnteredWithoutValidate) {
  form.txtThird.SetCausesValidation(false);
  form.refuse = "txtFirst";
  form.log.Take();
  EXPECT_TRUE(driver.Focus(form.txtThird));
  EXPECT_EQ(form.log.Take(), (Log{"LostFocus txtFirst", "GotFocus txtThird"}));
}

TEST_F(Focus, ClickingAButtonMovesTheFocusBeforeClickAndValidateCanStopTheClick) {
  form.log.Take();
  driver.Click(form.cmdOk);
  EXPECT_EQ(form.log.Take(),
            (Log{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cmdOk", "cmdOk_Click"}));
  driver.Focus(form.txtFirst);
  form.refuse = "txtFirst";
  form.log.Take();
  driver.Click(form.cmdOk);
  EXPECT_EQ(form.log.Take(), (Log{"Validate txtFirst"}));
}

TEST_F(Focus, SetFocusWorksLikeAClickIntoTheControl) {
  form.log.Take();
  form.txtOnTab0.SetFocus();
  EXPECT_EQ(form.log.Take(), (Log{"Validate txtFirst", "LostFocus txtFirst", "GotFocus txtOnTab0"}));
}

TEST_F(Focus, SetFocusOnAControlThatCannotTakeItRaisesError5) {
  struct Case {
    const char* what;
    std::function<void(FocusForm&)> arrange;
    Control& (*target)(FocusForm&);
  };
  std::vector<Case> cases = {
      {"hidden", [](FocusForm& f) { f.txtThird.SetVisible(false); },
       [](FocusForm& f) -> Control& { return f.txtThird; }},
      {"disabled", [](FocusForm& f) { f.txtThird.SetEnabled(false); },
       [](FocusForm& f) -> Control& { return f.txtThird; }},
      {"in a hidden frame", [](FocusForm& f) { f.fra.SetVisible(false); },
       [](FocusForm& f) -> Control& { return f.txtInFrame; }},
      {"in a disabled frame", [](FocusForm& f) { f.fra.SetEnabled(false); },
       [](FocusForm& f) -> Control& { return f.txtInFrame; }},
      {"on a tab not shown", [](FocusForm&) {},
       [](FocusForm& f) -> Control& { return f.txtOnTab1; }},
      {"on a disabled form", [](FocusForm& f) { f.SetEnabled(false); },
       [](FocusForm& f) -> Control& { return f.txtThird; }},
      {"on a hidden form", [](FocusForm& f) { f.Hide(); },
       [](FocusForm& f) -> Control& { return f.txtThird; }},
  };
  for (const Case& c : cases) {
    FocusForm other;
    other.Show();
    c.arrange(other);
    EXPECT_EQ(ErrorOf([&] { c.target(other).SetFocus(); }), 5) << c.what;
    EXPECT_EQ(other.ActiveControl(), &other.txtFirst) << c.what;
    Unload(other);
  }
}

TEST_F(Focus, AFocusMoveAskedForDuringLostFocusFollowsOnceTheFirstMoveEnds) {
  form.txtFirst.LostFocus = [this] {
    form.log.Add("LostFocus txtFirst");
    form.txtOnTab0.SetFocus();
  };
  form.log.Take();
  driver.Focus(form.txtThird);
  EXPECT_EQ(form.log.Take(),
            (Log{"Validate txtFirst", "LostFocus txtFirst", "GotFocus txtThird", "Validate txtThird",
                 "LostFocus txtThird", "GotFocus txtOnTab0"}));
  EXPECT_EQ(form.ActiveControl(), &form.txtOnTab0);
}

TEST_F(Focus, ClickingATabFocusesTheTabControlFirst) {
  form.tabs.Click = [this](int previous) { form.log.Add("tabs_Click " + std::to_string(previous)); };
  form.log.Take();
  driver.ChooseTab(form.tabs, 2);
  EXPECT_EQ(form.log.Take(),
            (Log{"Validate txtFirst", "LostFocus txtFirst", "GotFocus tabs", "tabs_Click 0"}));
}

TEST_F(Focus, ADisabledTabCannotBeChosenByAPerson) {
  form.tabs.SetTabEnabled(1, false);
  EXPECT_FALSE(user::ChooseTab(form.tabs, 1));
  EXPECT_EQ(form.tabs.Tab(), 0);
  form.tabs.SetTab(1);
  EXPECT_EQ(form.tabs.Tab(), 1);
}

class OptionForm : public Form {
 public:
  OptionForm() : Form("OptionForm") {
    opt.Add(0);
    opt.Add(1);
    opt.Add(2);
    cmd.SetTabIndex(10);
  }
  TextBox txt{*this, "txt"};
  ControlArray<OptionButton> opt{*this, "opt"};
  CommandButton cmd{*this, "cmd"};
};

TEST(FocusOnOptions, TabEntersAGroupAtItsChosenOptionAndArrowsChooseTheNext) {
  TestDriver driver;
  OptionForm form;
  form.Show();
  form.opt(1).SetValue(true);
  driver.Key(form, vbKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.opt(1));
  driver.Key(form, vbKeyTab);
  EXPECT_EQ(form.ActiveControl(), &form.cmd);
  driver.Focus(form.opt(1));
  driver.Key(form, vbKeyDown);
  EXPECT_EQ(form.ActiveControl(), &form.opt(2));
  EXPECT_TRUE(form.opt(2).Value());
  EXPECT_FALSE(form.opt(1).Value());
}

}  // namespace
