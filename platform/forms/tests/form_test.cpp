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

EventLog journal;

class FrmChild : public Form {
 public:
  FrmChild() : Form("FrmChild") {
    ++constructed;
    SetCaption("Design");
    txt.SetText("design text");
    Load = [this] {
      journal.Add("FrmChild_Load");
      ++loads;
    };
    Activate = [] { journal.Add("FrmChild_Activate"); };
    Resize = [] { journal.Add("FrmChild_Resize"); };
    QueryUnload = [this](int& cancel, int mode) {
      journal.Add("FrmChild_QueryUnload " + std::to_string(mode));
      cancel = refuseQuery ? 1 : 0;
    };
    Unload = [this](int& cancel) {
      journal.Add("FrmChild_Unload");
      cancel = refuseUnload ? 1 : 0;
    };
    txt.GotFocus = [] { journal.Add("txt_GotFocus"); };
    cmdSalir.Click = [this] {
      journal.Add("cmdSalir_Click");
      forms::Unload(*this);
      Release<FrmChild>();
      journal.Add("cmdSalir_Click end");
    };
  }
  ~FrmChild() override { journal.Add("~FrmChild"); }

  static inline int constructed = 0;
  int loads = 0;
  bool refuseQuery = false;
  bool refuseUnload = false;
  TextBox txt{*this, "txt"};
  CommandButton cmdSalir{*this, "cmdSalir"};
};

class FrmOwner : public Form {
 public:
  FrmOwner() : Form("FrmOwner") {
    Activate = [] { journal.Add("FrmOwner_Activate"); };
    Deactivate = [] { journal.Add("FrmOwner_Deactivate"); };
    cmdOpen.Click = [] {
      journal.Add("cmdOpen_Click");
      Instance<FrmChild>().Show(vbModal);
      journal.Add("cmdOpen_Click after Show");
    };
  }
  CommandButton cmdOpen{*this, "cmdOpen"};
};

class Forms : public ::testing::Test {
 protected:
  void SetUp() override { journal.Take(); }
  TestDriver driver;
};

TEST_F(Forms, ShowRunsLoadResizeActivateThenTheFirstControlsGotFocus) {
  Instance<FrmChild>().Show();
  EXPECT_EQ(journal.Take(), (Log{"FrmChild_Load", "FrmChild_Resize", "FrmChild_Activate",
                                 "txt_GotFocus"}));
}

TEST_F(Forms, InstanceLoadsOnFirstUseOnly) {
  FrmChild& child = Instance<FrmChild>();
  EXPECT_TRUE(child.IsLoaded());
  EXPECT_FALSE(child.Visible());
  Instance<FrmChild>().SetTag("x");
  EXPECT_EQ(child.loads, 1);
  EXPECT_EQ(&Instance<FrmChild>(), &child);
}

TEST_F(Forms, UnloadRaisesQueryUnloadWithItsModeThenUnload) {
  FrmChild& child = Instance<FrmChild>();
  child.Show();
  journal.Take();
  EXPECT_TRUE(forms::Unload(child));
  EXPECT_EQ(journal.Take(), (Log{"FrmChild_QueryUnload 1", "FrmChild_Unload"}));
  EXPECT_FALSE(child.IsLoaded());
  Instance<FrmChild>().Show();
  journal.Take();
  driver.Close(child);
  EXPECT_EQ(journal.Take(), (Log{"FrmChild_QueryUnload 0", "FrmChild_Unload"}));
}

TEST_F(Forms, QueryUnloadOrUnloadCanRefuseToUnload) {
  FrmChild& child = Instance<FrmChild>();
  child.Show();
  child.refuseQuery = true;
  EXPECT_FALSE(forms::Unload(child));
  child.refuseQuery = false;
  child.refuseUnload = true;
  EXPECT_FALSE(forms::Unload(child));
  EXPECT_TRUE(child.IsLoaded());
  EXPECT_TRUE(child.Visible());
  child.refuseUnload = false;
  EXPECT_TRUE(forms::Unload(child));
}

TEST_F(Forms, UnloadingBringsTheControlsBackToTheDesignButKeepsTheObjectsMembers) {
  FrmChild& child = Instance<FrmChild>();
  child.txt.SetText("typed");
  child.txt.SetVisible(false);
  child.SetCaption("Changed");
  child.refuseQuery = false;
  forms::Unload<FrmChild>();
  FrmChild& again = Instance<FrmChild>();
  EXPECT_EQ(&again, &child);
  EXPECT_EQ(again.loads, 2);
  EXPECT_EQ(again.txt.Text(), "design text");
  EXPECT_TRUE(again.txt.Visible());
  EXPECT_EQ(again.Caption(), "Design");
}

TEST_F(Forms, AReleasedInstanceComesBackFresh) {
  int before = FrmChild::constructed;
  Instance<FrmChild>().loads = 41;
  Release<FrmChild>();
  EXPECT_EQ(LoadedInstance<FrmChild>(), nullptr);
  EXPECT_EQ(Instance<FrmChild>().loads, 1);
  EXPECT_EQ(FrmChild::constructed, before + 2);
}

TEST_F(Forms, AFormReleasedByItsOwnHandlerLivesUntilTheHandlerHasReturned) {
  FrmChild& child = Instance<FrmChild>();
  child.Show();
  journal.Take();
  driver.Click(child.cmdSalir);
  EXPECT_EQ(journal.Take(), (Log{"cmdSalir_Click", "FrmChild_QueryUnload 1", "FrmChild_Unload",
                                 "cmdSalir_Click end", "~FrmChild"}));
}

// The double click's first click released the form: there is no control left
// for its second press, and the loaded forms no longer hold the form.
TEST_F(Forms, ADoubleClickWhoseClickReleasedTheFormEndsWithTheClick) {
  FrmChild& child = Instance<FrmChild>();
  child.Show();
  child.cmdSalir.DblClick = [] { journal.Add("cmdSalir_DblClick"); };
  const Form* released = &child;
  EXPECT_TRUE(IsLoaded(released));
  journal.Take();
  EXPECT_FALSE(user::DblClick(child.cmdSalir));
  EXPECT_EQ(journal.Take(), (Log{"cmdSalir_Click", "FrmChild_QueryUnload 1", "FrmChild_Unload",
                                 "cmdSalir_Click end", "~FrmChild"}));
  EXPECT_FALSE(IsLoaded(released));
}

TEST_F(Forms, AModalShowReturnsWhenTheFormUnloadsAndTheOwnerIsActivatedAgain) {
  FrmOwner owner;
  owner.Show();
  driver.OnModal<FrmChild>([](FrmChild& child) {
    journal.Add("script");
    child.txt.SetText("seen by the script");
    TestDriver* d = static_cast<TestDriver*>(CurrentHost());
    d->Click(child.cmdSalir);
  });
  journal.Take();
  driver.Click(owner.cmdOpen);
  EXPECT_EQ(journal.Take(),
            (Log{"cmdOpen_Click", "FrmChild_Load", "FrmChild_Resize", "FrmOwner_Deactivate",
                 "FrmChild_Activate", "txt_GotFocus", "script", "cmdSalir_Click",
                 "FrmChild_QueryUnload 1", "FrmChild_Unload", "FrmOwner_Activate",
                 "cmdSalir_Click end", "cmdOpen_Click after Show", "~FrmChild"}));
  EXPECT_EQ(driver.ModalForms(), (Log{"FrmChild"}));
  EXPECT_EQ(Screen.ActiveForm(), &owner);
}

// What a person could use is a form fully loaded and the program back in its
// message loop: not while Load runs (a DoEvents there lets other code see the
// form), nor inside a handler, nor while the form unloads.
TEST_F(Forms, APersonsTurnComesOnceTheFormIsFullyLoadedAndItsLoopRuns) {
  FrmChild child;
  auto state = [&child](const std::string& moment) {
    journal.Add(moment + (child.IsFullyLoaded() ? " loaded" : "") + (InMessageLoop() ? " in loop" : ""));
  };
  child.Load = [&] { state("Load"); };
  child.Activate = [&] { state("Activate"); };
  child.Unload = [&](int&) { state("Unload"); };
  child.txt.GotFocus = [&] { state("GotFocus"); };
  child.cmdSalir.Click = [&] {
    state("Click");
    forms::Unload(child);
  };
  driver.OnModal<FrmChild>([&](FrmChild& shown) {
    state("modal");
    driver.Click(shown.cmdSalir);
  });
  state("before");
  child.Show(vbModal);
  state("after");
  EXPECT_EQ(journal.Take(),
            (Log{"before in loop", "Load", "FrmChild_Resize", "Activate loaded", "GotFocus loaded",
                 "modal loaded in loop", "Click loaded", "FrmChild_QueryUnload 1", "Unload",
                 "after in loop"}));
}

TEST_F(Forms, HidingAModalFormEndsItsLoopAndLeavesItLoaded) {
  driver.OnModal<FrmChild>([](FrmChild& child) { child.Hide(); });
  Instance<FrmChild>().Show(vbModal);
  EXPECT_TRUE(LoadedInstance<FrmChild>() != nullptr);
  EXPECT_FALSE(Instance<FrmChild>().Visible());
}

TEST_F(Forms, ShowingModallyAFormAlreadyShownRaises400) {
  Instance<FrmChild>().Show();
  EXPECT_EQ(ErrorOf([&] { Instance<FrmChild>().Show(vbModal); }), 400);
}

TEST_F(Forms, AFormThatUnloadsItselfWhileActivatingIsNeverRunModally) {
  FrmChild& child = Instance<FrmChild>();
  child.Activate = [&child] { forms::Unload(child); };
  child.Show(vbModal);
  EXPECT_FALSE(child.IsLoaded());
  EXPECT_TRUE(driver.ModalForms().empty());
}

class FrmFrame : public Form {
 public:
  FrmFrame() : Form("FrmFrame") {
    SetWindowState(vbNormal);
    Move(-50, -50, 9720, 7320);
    Resize = [this] {
      journal.Add("Resize " + std::to_string(WindowState()));
      if (WindowState() != vbNormal) {
        SetWindowState(vbNormal);
      } else {
        Move(-50, -50, 9720, 7320);
      }
    };
  }
};

TEST_F(Forms, AResizeHandlerCanPutTheWindowStraightBack) {
  FrmFrame frame;
  frame.Show();
  journal.Take();
  user::SetWindowState(frame, vbMaximized);
  EXPECT_EQ(journal.Take(), (Log{"Resize 2", "Resize 0"}));
  EXPECT_EQ(frame.WindowState(), vbNormal);
  user::Resize(frame, 5000, 4000);
  EXPECT_EQ(journal.Take(), (Log{"Resize 0", "Resize 0"}));
  EXPECT_EQ(frame.Width(), 9720);
  EXPECT_EQ(frame.Height(), 7320);
}

class FrmArrays : public Form {
 public:
  FrmArrays() : Form("FrmArrays") {
    mnuCons.Add(0).SetCaption("Tipo de documento");
    for (int i = 4; i <= 9; ++i) mnuCons.Add(i).SetCaption("item " + std::to_string(i));
    mnuCons.Handle(&Menu::Click, [](int index) { journal.Add("mnuCons_Click " + std::to_string(index)); });
    picPrevia.Add(0).Move(100, 200, 11000, 15000);
    picPrevia(0).SetBackColor(RGB(255, 255, 192));
    picPrevia.Handle(&PictureBox::Click, [](int index) {
      journal.Add("picPrevia_Click " + std::to_string(index));
    });
    txtValor.Add(505, fraA);
    txtValor.Add(512, fraB);
    txtValor.Handle(&TextBox::KeyPress, [](int index, int& keyAscii) {
      journal.Add("txtValor_KeyPress " + std::to_string(index) + " " + std::to_string(keyAscii));
      keyAscii = 0;
    });
  }
  Menu mnuConsultas{*this, "mnuConsultas"};
  ControlArray<Menu> mnuCons{mnuConsultas, "mnuCons"};
  ControlArray<PictureBox> picPrevia{*this, "picPrevia"};
  Frame fraA{*this, "fraA"};
  Frame fraB{*this, "fraB"};
  ControlArray<TextBox> txtValor{*this, "txtValor"};
};

TEST_F(Forms, AControlArrayKeepsSparseIndexesAndOneHandlerGetsTheIndex) {
  FrmArrays form;
  form.Show();
  EXPECT_EQ(form.mnuCons.Indexes(), (std::vector<int>{0, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(form.mnuCons.LBound(), 0);
  EXPECT_EQ(form.mnuCons.UBound(), 9);
  driver.ChooseMenu(form.mnuCons(4));
  driver.Type(form.txtValor(512), "7");
  EXPECT_EQ(journal.Take(), (Log{"mnuCons_Click 4", "txtValor_KeyPress 512 55"}));
  EXPECT_EQ(form.txtValor(512).Container(), &form.fraB);
  EXPECT_EQ(ErrorOf([&] { form.mnuCons(2); }), 340);
}

TEST_F(Forms, ElementsLoadedAtRunTimeCopyTheFirstStartHiddenAndGoWhenTheFormUnloads) {
  FrmArrays form;
  form.Show();
  PictureBox& page = form.picPrevia.Load(1);
  EXPECT_FALSE(page.Visible());
  EXPECT_EQ(page.Width(), 11000);
  EXPECT_EQ(page.BackColor(), RGB(255, 255, 192));
  page.SetVisible(true);
  driver.Click(page);
  EXPECT_EQ(journal.Take(), (Log{"picPrevia_Click 1"}));
  EXPECT_THROW(form.picPrevia.Load(1), vb::Error);
  EXPECT_EQ(ErrorOf([&] { form.picPrevia.Unload(0); }), 362);
  forms::Unload(form);
  EXPECT_EQ(form.picPrevia.Count(), 1);
}

}  // namespace
