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

// A form whose handlers only record what ran, with the values they saw.
class EventForm : public Form {
 public:
  EventForm() : Form("EventForm") {
    txtA.Change = [this] { log.Add("txtA_Change " + txtA.Text()); };
    txtB.Change = [this] {
      log.Add("txtB_Change begin " + txtB.Text());
      txtA.SetText(txtB.Text());
      log.Add("txtB_Change end");
    };
    opt.Add(0);
    opt.Add(1);
    opt.Handle(&OptionButton::Click, [this](int index) {
      log.Add("opt_Click " + std::to_string(index));
    });
    optOther.Click = [this] { log.Add("optOther_Click"); };
    chk.Click = [this] { log.Add("chk_Click " + std::to_string(chk.Value())); };
    cbo.Click = [this] { log.Add("cbo_Click " + std::to_string(cbo.ListIndex())); };
    lst.Click = [this] { log.Add("lst_Click " + std::to_string(lst.ListIndex())); };
    tabs.Click = [this](int previous) {
      log.Add("tabs_Click " + std::to_string(previous) + "->" + std::to_string(tabs.Tab()));
    };
    mke.Change = [this] { log.Add("mke_Change " + mke.Text()); };
    vsb.Change = [this] { log.Add("vsb_Change " + std::to_string(vsb.Value())); };
    lbl.Change = [this] { log.Add("lbl_Change " + lbl.Caption()); };
    for (Control* control : Controls()) {
      control->GotFocus = [this, control] { log.Add("GotFocus " + control->Name()); };
      control->LostFocus = [this, control] { log.Add("LostFocus " + control->Name()); };
    }
    mke.SetMask("99/99/9999");
    cbo.AddItem("uno");
    cbo.AddItem("dos");
    lst.AddItem("uno");
    lst.AddItem("dos");
  }

  EventLog log;
  TextBox txtA{*this, "txtA"};
  TextBox txtB{*this, "txtB"};
  ControlArray<OptionButton> opt{*this, "opt"};
  Frame fra{*this, "fra"};
  OptionButton optOther{fra, "optOther"};
  CheckBox chk{*this, "chk"};
  ComboBox cbo{*this, "cbo"};
  ListBox lst{*this, "lst"};
  TabControl tabs{*this, "tabs"};
  MaskedEdit mke{*this, "mke"};
  VScrollBar vsb{*this, "vsb"};
  Label lbl{*this, "lbl"};
};

class EventRules : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    form.log.Take();
  }
  TestDriver driver;
  EventForm form;
};

TEST_F(EventRules, TextWrittenFromCodeRunsChangeBeforeTheAssignmentReturns) {
  form.txtA.SetText("abc");
  form.log.Add("after");
  EXPECT_EQ(form.log.Take(), (Log{"txtA_Change abc", "after"}));
}

TEST_F(EventRules, WritingTheTextTheBoxHoldsRunsNothing) {
  form.txtA.SetText("");
  form.txtA.SetText("abc");
  form.txtA.SetText("abc");
  EXPECT_EQ(form.log.Take(), (Log{"txtA_Change abc"}));
}

TEST_F(EventRules, AWriteInsideAHandlerRunsItsHandlerNestedAndTheCascadeEndsOnAnUnchangedText) {
  form.txtB.SetText("7");
  form.txtB.SetText("7");
  EXPECT_EQ(form.log.Take(),
            (Log{"txtB_Change begin 7", "txtA_Change 7", "txtB_Change end"}));
}

TEST(EventRulesAtDesign, PropertiesSetBeforeTheFirstLoadRaiseNothing) {
  TestDriver driver;
  EventForm form;
  form.txtA.SetText("design");
  form.chk.SetValue(vbChecked);
  form.cbo.SetListIndex(0);
  EXPECT_TRUE(form.log.Take().empty());
  Load(form);
  form.txtA.SetText("run");
  EXPECT_EQ(form.log.Take(), (Log{"txtA_Change run"}));
}

TEST_F(EventRules, ChoosingAnOptionRunsItsClickAndClearsTheOthersSilently) {
  form.opt(0).SetValue(true);
  form.opt(1).SetValue(true);
  form.log.Add("after");
  EXPECT_EQ(form.log.Take(), (Log{"opt_Click 0", "opt_Click 1", "after"}));
  EXPECT_FALSE(form.opt(0).Value());
  EXPECT_TRUE(form.opt(1).Value());
}

TEST_F(EventRules, ClearingAnOptionOrChoosingTheChosenOneRunsNothing) {
  form.opt(1).SetValue(true);
  form.log.Take();
  form.opt(1).SetValue(true);
  form.opt(1).SetValue(false);
  EXPECT_TRUE(form.log.Take().empty());
  EXPECT_FALSE(form.opt(0).Value());
  EXPECT_FALSE(form.opt(1).Value());
}

TEST_F(EventRules, OptionsInAnotherContainerFormAnotherGroup) {
  form.opt(0).SetValue(true);
  form.optOther.SetValue(true);
  EXPECT_TRUE(form.opt(0).Value());
  EXPECT_TRUE(form.optOther.Value());
  EXPECT_EQ(form.log.Take(), (Log{"opt_Click 0", "optOther_Click"}));
}

TEST_F(EventRules, ACheckBoxRunsClickOnlyWhenItsValueChanges) {
  form.chk.SetValue(vbChecked);
  form.chk.SetValue(vbChecked);
  form.chk.SetValue(vbUnchecked);
  form.chk.SetValue(vbUnchecked);
  EXPECT_EQ(form.log.Take(), (Log{"chk_Click 1", "chk_Click 0"}));
  EXPECT_EQ(ErrorOf([&] { form.chk.SetValue(3); }), 380);
}

TEST_F(EventRules, ANewComboSelectionRunsClickIncludingNoSelection) {
  form.cbo.SetListIndex(1);
  form.cbo.SetListIndex(1);
  form.cbo.SetListIndex(-1);
  form.cbo.SetListIndex(-1);
  form.cbo.SetText("UNO");
  form.cbo.SetText("uno");
  EXPECT_EQ(form.log.Take(), (Log{"cbo_Click 1", "cbo_Click -1", "cbo_Click 0"}));
}

TEST_F(EventRules, EmptyingOrRebuildingAListRunsNothingEvenWhenTheSelectionGoes) {
  form.cbo.SetListIndex(1);
  form.lst.SetListIndex(0);
  form.log.Take();
  form.cbo.RemoveItem(1);
  form.cbo.AddItem("tres", 0);
  form.cbo.Clear();
  form.lst.AddItem("cero", 0);
  EXPECT_EQ(form.lst.ListIndex(), 1);
  form.lst.Clear();
  EXPECT_TRUE(form.log.Take().empty());
  EXPECT_EQ(form.cbo.ListIndex(), -1);
  EXPECT_EQ(form.lst.ListIndex(), -1);
}

TEST_F(EventRules, AListBoxRunsClickOnlyWhenTheSelectionChanges) {
  form.lst.SetListIndex(1);
  form.lst.SetListIndex(1);
  form.lst.SetListIndex(-1);
  EXPECT_EQ(form.log.Take(), (Log{"lst_Click 1", "lst_Click -1"}));
}

TEST_F(EventRules, AComboTextThatIsNoItemRaises383AndSelectsNothing) {
  form.cbo.SetListIndex(0);
  form.log.Take();
  EXPECT_EQ(ErrorOf([&] { form.cbo.SetText("cuatro"); }), 383);
  EXPECT_EQ(form.cbo.ListIndex(), 0);
  EXPECT_TRUE(form.log.Take().empty());
}

TEST_F(EventRules, HidingDisablingOrRecolouringTheFocusedControlRunsNothing) {
  form.txtA.SetFocus();
  form.log.Take();
  form.txtA.SetBackColor(RGB(192, 192, 192));
  form.txtA.SetForeColor(vbBlack);
  form.txtA.SetEnabled(false);
  form.txtA.SetVisible(false);
  EXPECT_TRUE(form.log.Take().empty());
}

TEST_F(EventRules, SettingAnotherTabRunsClickWithThePreviousTab) {
  form.tabs.SetTab(2);
  form.tabs.SetTab(2);
  form.tabs.SetTab(0);
  EXPECT_EQ(form.log.Take(), (Log{"tabs_Click 0->2", "tabs_Click 2->0"}));
  EXPECT_THROW(form.tabs.SetTab(3), vb::Error);
}

TEST_F(EventRules, ScrollBarsAndLabelsRunChangeOnlyForANewValue) {
  form.vsb.SetValue(5);
  form.vsb.SetValue(5);
  form.lbl.SetCaption("Total");
  form.lbl.SetCaption("Total");
  EXPECT_EQ(form.log.Take(), (Log{"vsb_Change 5", "lbl_Change Total"}));
  EXPECT_THROW(form.vsb.SetValue(-1), vb::Error);
}

struct MaskCase {
  const char* mask;
  const char* empty;
};

// CTest names each case by its printed value: the mask, not the struct's bytes,
// which change from one build to the next.
void PrintTo(const MaskCase& c, std::ostream* out) { *out << c.mask; }

class MaskedEditMasks : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskedEditMasks, AnEmptyBoxShowsItsLiteralsAndPromptCharacters) {
  TestDriver driver;
  EventForm form;
  form.mke.SetMask(GetParam().mask);
  EXPECT_EQ(form.mke.Text(), GetParam().empty);
  EXPECT_EQ(form.mke.ClipText(), "");
}

INSTANTIATE_TEST_SUITE_P(Masks, MaskedEditMasks,
                         ::testing::Values(MaskCase{"99/99/9999", "__/__/____"},
                                           MaskCase{"##/####", "__/____"},
                                           MaskCase{"\\9\\9-##", "99-__"},
                                           MaskCase{">AAA", "___"}));

TEST_F(EventRules, AMaskedTextMustFitTheMask) {
  form.mke.SetText("15/03/2010");
  form.mke.SetText("__/__/____");
  form.mke.SetText("__/__/____");
  EXPECT_EQ(form.log.Take(), (Log{"mke_Change 15/03/2010", "mke_Change __/__/____"}));
  for (const char* bad : {"", "1/3/2010", "15-03-2010", "aa/bb/cccc", "15/03/20100"}) {
    EXPECT_EQ(ErrorOf([&] { form.mke.SetText(bad); }), 380) << bad;
  }
  EXPECT_EQ(form.mke.Text(), "__/__/____");
}

TEST_F(EventRules, ClipTextLeavesOutLiteralsAndPrompts) {
  form.mke.SetText("15/03/2___");
  EXPECT_EQ(form.mke.ClipText(), "15032");
}

}  // namespace

namespace {

// An allocation that fails in a handler comes out of the event as the runtime's
// error 7, for the handler that set it off (here txtB's Change, which writes
// txtA) to take by number like any other.
TEST_F(EventRules, AnAllocationThatFailsInAHandlerLeavesItAsOutOfMemory) {
  form.txtA.Change = [] { throw std::bad_alloc(); };
  int taken = 0;
  form.txtB.Change = [&] {
    try {
      form.txtA.SetText(form.txtB.Text());
    } catch (const vb::Error& error) {
      taken = error.Number();
    }
  };
  form.txtB.SetText("7");
  EXPECT_EQ(taken, vb::kErrOutOfMemory);
  EXPECT_EQ(ErrorOf([&] { form.txtA.SetText("8"); }), vb::kErrOutOfMemory);
}

}  // namespace
