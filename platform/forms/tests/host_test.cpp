#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"

using namespace forms;
using Log = std::vector<std::string>;

namespace {

// A host that also writes down every notification a renderer would get.
class WatchingHost : public TestDriver {
 public:
  void FormLoaded(Form& form) override { seen.push_back("FormLoaded " + form.Name()); }
  void FormUnloaded(Form& form) override { seen.push_back("FormUnloaded " + form.Name()); }
  void ControlAdded(Control& control) override {
    seen.push_back("ControlAdded " + control.Name() + "(" + std::to_string(control.Index()) + ")");
  }
  void ControlRemoved(Control& control) override {
    seen.push_back("ControlRemoved " + control.Name() + "(" + std::to_string(control.Index()) + ")");
  }
  void Changed(Form& form, std::string_view property) override {
    seen.push_back("Changed " + form.Name() + "." + std::string(property));
  }
  void Changed(Control& control, std::string_view property) override {
    seen.push_back("Changed " + control.Name() + "." + std::string(property));
  }
  void FocusChanged(Form&, Control* focused) override {
    seen.push_back("FocusChanged " + (focused ? focused->Name() : std::string("none")));
  }
  void ActiveFormChanged(Form* form) override {
    seen.push_back("ActiveFormChanged " + (form ? form->Name() : std::string("none")));
  }
  Log seen;
};

class FrmSeen : public Form {
 public:
  FrmSeen() : Form("FrmSeen") {
    pic.Add(0);
    txt.SetText("design");
  }
  TextBox txt{*this, "txt"};
  ControlArray<PictureBox> pic{*this, "pic"};
};

TEST(HostNotifications, TellARendererWhatWasLoadedShownChangedAndRemoved) {
  WatchingHost host;
  FrmSeen form;
  form.txt.SetText("still design");
  form.Show();
  form.txt.SetText("abc");
  form.txt.SetText("abc");
  PictureBox& page = form.pic.Load(1);
  page.Print("x");
  form.pic.Unload(1);
  forms::Unload(form);
  EXPECT_EQ(host.seen,
            (Log{"FormLoaded FrmSeen", "Changed FrmSeen.Visible", "ActiveFormChanged FrmSeen",
                 "FocusChanged txt", "Changed txt.Text", "ControlAdded pic(1)",
                 "Changed pic.Drawing", "ControlRemoved pic(1)", "Changed FrmSeen.Visible",
                 "FormUnloaded FrmSeen", "ActiveFormChanged none"}));
}

TEST(HostNotifications, AFormDestroyedWhileLoadedIsWithdrawn) {
  WatchingHost host;
  {
    FrmSeen form;
    Load(form);
    host.seen.clear();
  }
  EXPECT_EQ(host.seen, (Log{"ControlRemoved pic(0)", "ControlRemoved txt(-1)",
                            "FormUnloaded FrmSeen"}));
}

class FrmFecha : public Form {
 public:
  FrmFecha() : Form("FrmFecha") { mskFecha.SetMask("99/99/9999"); }
  MaskedEdit mskFecha{*this, "mskFecha"};
};

// The renderer shows the caret where the box says it is, and learns of a move
// only from these notifications.
TEST(HostNotifications, AKeyThatLeavesAMaskedTextAsItWasStillTellsWhereTheCaretWent) {
  WatchingHost host;
  FrmFecha form;
  form.Show();
  host.Type(form.mskFecha, "31");
  host.Key(form, vbKeyHome);
  host.seen.clear();
  host.Keys(form, "3");
  EXPECT_EQ(form.mskFecha.SelStart(), 1);
  EXPECT_EQ(host.seen, (Log{"Changed mskFecha.SelStart"}));
}

TEST(HostNotifications, WithoutAHostMessageBoxesAndModalFormsRefuseToRun) {
  SetHost(nullptr);
  EXPECT_THROW(MsgBox("x"), std::logic_error);
  FrmSeen form;
  EXPECT_THROW(form.Show(vbModal), std::logic_error);
}

}  // namespace
