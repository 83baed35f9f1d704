#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"

using namespace forms;
using Log = std::vector<std::string>;

namespace {

EventLog journal;

std::string Mouse(const std::string& what, int button, double x, double y) {
  return what + " " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + " " +
         std::to_string(static_cast<int>(y));
}

// Every control writes its person's events to the journal; Validate refuses
// while `refuse` names the control.
class FrmActions : public Form {
 public:
  FrmActions() : Form("FrmActions") {
    for (Control* control : Controls()) Watch(*control);
    lst.AddItem("Enero");
    lst.AddItem("Febrero");
    for (const char* item : {"TESORO", "ESSALUD", "ONP"}) cbo.AddItem(item);
    cbo.DropDown = [this] {
      journal.Add("cbo_DropDown " + std::to_string(cbo.ListCount()));
      cbo.AddItem("OTRA");
    };
    txtOtro.Change = [this] { journal.Add("txtOtro_Change " + txtOtro.Text()); };
    MouseDown = [](int button, int, double x, double y) {
      journal.Add(Mouse("Form_MouseDown", button, x, y));
    };
    MouseUp = [](int button, int, double x, double y) {
      journal.Add(Mouse("Form_MouseUp", button, x, y));
    };
    Click = [] { journal.Add("Form_Click"); };
    DblClick = [] { journal.Add("Form_DblClick"); };
    Activate = [] { journal.Add("FrmActions_Activate"); };
    Deactivate = [] { journal.Add("FrmActions_Deactivate"); };
  }

  std::string refuse;
  TextBox txt{*this, "txt"};
  ListBox lst{*this, "lst"};
  ComboBox cbo{*this, "cbo"};
  TextBox txtOtro{*this, "txtOtro"};

 private:
  void Watch(Control& control) {
    std::string name = control.Name();
    control.GotFocus = [name] { journal.Add(name + "_GotFocus"); };
    control.LostFocus = [name] { journal.Add(name + "_LostFocus"); };
    control.Validate = [this, name](bool& cancel) {
      cancel = name == refuse;
      journal.Add(name + (cancel ? "_Validate cancel" : "_Validate ok"));
    };
    control.Click = [name] { journal.Add(name + "_Click"); };
    control.DblClick = [name] { journal.Add(name + "_DblClick"); };
    control.MouseDown = [name](int button, int, double x, double y) {
      journal.Add(Mouse(name + "_MouseDown", button, x, y));
    };
    control.MouseUp = [name](int button, int, double x, double y) {
      journal.Add(Mouse(name + "_MouseUp", button, x, y));
    };
  }
};

class FrmOtra : public Form {
 public:
  FrmOtra() : Form("FrmOtra") {
    Activate = [] { journal.Add("FrmOtra_Activate"); };
    Deactivate = [this] {
      journal.Add("FrmOtra_Deactivate");
      if (tabOnDeactivate) SendKeys("{TAB}");
    };
  }
  bool tabOnDeactivate = false;
  CommandButton cmdCerrar{*this, "cmdCerrar"};
};

class PersonsActions : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    journal.Take();
  }

  // A double click as the mouse makes it: press, release (a whole click), the
  // second press, release.
  static void DoubleClick(Control& control) {
    user::MouseDown(control, vbLeftButton, 0, 30, 45);
    user::MouseUp(control, vbLeftButton, 0, 30, 45);
    user::Click(control);
    user::SecondPress(control);
    user::MouseUp(control, vbLeftButton, 0, 30, 45);
  }

  TestDriver driver;
  FrmActions form;
};

TEST_F(PersonsActions, TheSecondPressOfADoubleClickRunsDblClickOnceAndNoSecondClick) {
  DoubleClick(form.lst);
  EXPECT_EQ(journal.Take(),
            (Log{"txt_Validate ok", "txt_LostFocus", "lst_GotFocus", "lst_MouseDown 1 30 45",
                 "lst_MouseUp 1 30 45", "lst_Click", "lst_DblClick", "lst_MouseUp 1 30 45"}));
  driver.DblClick(form.lst);
  EXPECT_EQ(journal.Take(), (Log{"lst_Click", "lst_DblClick"}));
}

TEST_F(PersonsActions, ADoubleClickWhoseFirstClickValidateRefusedRunsNoDblClick) {
  form.refuse = "txt";
  EXPECT_FALSE(user::Click(form.lst));
  EXPECT_FALSE(user::SecondPress(form.lst));
  EXPECT_EQ(journal.Take(), (Log{"txt_Validate cancel"}));
  EXPECT_EQ(form.ActiveControl(), &form.txt);
}

TEST_F(PersonsActions, OpeningAComboFocusesItThenRunsDropDownOnceBeforeTheListShows) {
  EXPECT_TRUE(user::DropDown(form.cbo));
  EXPECT_EQ(form.cbo.ListCount(), 4);
  EXPECT_TRUE(user::DropDown(form.cbo));
  EXPECT_EQ(journal.Take(), (Log{"txt_Validate ok", "txt_LostFocus", "cbo_GotFocus",
                                 "cbo_DropDown 3", "cbo_DropDown 4"}));
  EXPECT_EQ(form.cbo.List(3), "OTRA");
}

TEST_F(PersonsActions, AComboWhoseFocusValidateRefusedDoesNotOpen) {
  form.refuse = "txt";
  EXPECT_FALSE(user::DropDown(form.cbo));
  EXPECT_EQ(journal.Take(), (Log{"txt_Validate cancel"}));
  EXPECT_EQ(form.cbo.ListCount(), 3);
}

TEST_F(PersonsActions, ADoubleClickOnTheFormsSurfaceRunsItsEventsOnceAndLeavesTheFocus) {
  EXPECT_TRUE(user::MouseDown(form, vbLeftButton, 0, 120, 240));
  EXPECT_TRUE(user::MouseUp(form, vbLeftButton, 0, 120, 240));
  EXPECT_TRUE(user::ClickForm(form));
  EXPECT_TRUE(user::SecondPress(form));
  EXPECT_TRUE(user::MouseUp(form, vbLeftButton, 0, 120, 240));
  EXPECT_EQ(journal.Take(), (Log{"Form_MouseDown 1 120 240", "Form_MouseUp 1 120 240",
                                 "Form_Click", "Form_DblClick", "Form_MouseUp 1 120 240"}));
  EXPECT_EQ(form.ActiveControl(), &form.txt);
}

TEST_F(PersonsActions, PegarPastesOnceWithoutRaisingTheMouseAgain) {
  Clipboard.SetText("ANA");
  user::MouseDown(form.txtOtro, vbRightButton);
  user::MouseUp(form.txtOtro, vbRightButton);
  EXPECT_TRUE(user::PasteFromMenu(form.txtOtro));
  EXPECT_EQ(form.txtOtro.Text(), "ANA");
  EXPECT_EQ(journal.Take(),
            (Log{"txt_Validate ok", "txt_LostFocus", "txtOtro_GotFocus", "txtOtro_MouseDown 2 0 0",
                 "txtOtro_MouseUp 2 0 0", "txtOtro_Change ANA"}));
  driver.ContextPaste(form.txtOtro);
  EXPECT_EQ(journal.Take(),
            (Log{"txtOtro_MouseDown 2 0 0", "txtOtro_MouseUp 2 0 0", "txtOtro_Change ANAANA"}));
}

TEST_F(PersonsActions, ALockedBoxOffersNoPegar) {
  Clipboard.SetText("ANA");
  form.txtOtro.SetLocked(true);
  EXPECT_FALSE(user::PasteFromMenu(form.txtOtro));
  EXPECT_EQ(form.txtOtro.Text(), "");
  EXPECT_EQ(journal.Take(), Log{});
}

// Keys sent while the windows change places reach the form in front once both
// handlers have run.
TEST_F(PersonsActions, BringingAFormToTheFrontActivatesItOnceAndThenDeliversTheKeysSent) {
  FrmOtra other;
  other.Show();
  other.tabOnDeactivate = true;
  journal.Take();
  driver.BringToFront(form);
  EXPECT_EQ(Screen.ActiveForm(), &form);
  driver.BringToFront(form);
  EXPECT_EQ(journal.Take(), (Log{"FrmOtra_Deactivate", "FrmActions_Activate", "txt_Validate ok",
                                 "txt_LostFocus", "lst_GotFocus"}));
}

TEST_F(PersonsActions, AFormBehindAModalOneTakesNoMouseAndStaysBehind) {
  FrmOtra other;
  driver.OnModal<FrmOtra>([this](FrmOtra& modal) {
    journal.Take();
    EXPECT_FALSE(user::MouseDown(form, vbLeftButton));
    EXPECT_FALSE(user::MouseUp(form, vbLeftButton));
    EXPECT_FALSE(user::SecondPress(form));
    EXPECT_FALSE(user::SecondPress(form.lst));
    EXPECT_FALSE(user::DropDown(form.cbo));
    EXPECT_FALSE(user::PasteFromMenu(form.txtOtro));
    EXPECT_FALSE(user::BringToFront(form));
    EXPECT_EQ(journal.Take(), Log{});
    EXPECT_EQ(Screen.ActiveForm(), &modal);
    forms::Unload(modal);
  });
  other.Show(vbModal);
}

}  // namespace
