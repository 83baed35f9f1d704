#include <gtest/gtest.h>

#include <functional>

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
  void Changed(Form& form, FormProperty property) override {
    seen.push_back("Changed " + form.Name() + "." + std::string(PropertyName(property)));
  }
  void Changed(Control& control, ControlProperty property) override {
    seen.push_back("Changed " + control.Name() + "." + std::string(PropertyName(property)));
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

class FrmTodos : public Form {
 public:
  FrmTodos() : Form("FrmTodos") {
    msk.SetMask("99");
    tab.SetTabs(2);
  }
  TextBox txt{*this, "txt"};
  MaskedEdit msk{*this, "msk"};
  Label lbl{*this, "lbl"};
  CheckBox chk{*this, "chk"};
  OptionButton opt{*this, "opt"};
  CommandButton cmd{*this, "cmd"};
  Frame fra{*this, "fra"};
  ComboBox cbo{*this, "cbo"};
  ListBox lst{*this, "lst"};
  FileChooser fil{*this, "fil"};
  PictureBox pic{*this, "pic"};
  VScrollBar vsb{*this, "vsb"};
  ProgressBar prg{*this, "prg"};
  TabControl tab{*this, "tab"};
  DataGrid grd{*this, "grd"};
  Toolbar tlb{*this, "tlb"};
  StatusBar sbr{*this, "sbr"};
  Menu mnu{*this, "mnu"};
};

struct Announced {
  std::function<void(FrmTodos&)> set;
  Log seen;
};

// Each setter tells the host the property it set, by the getter's name: a
// renderer that missed it would show the old value.
TEST(HostNotifications, EachSetterTellsTheHostThePropertyItSet) {
  const Announced cases[] = {
      {[](FrmTodos& f) { f.SetCaption("x"); }, {"Changed FrmTodos.Caption"}},
      {[](FrmTodos& f) { f.Move(15, 30, 4500, 3000); }, {"Changed FrmTodos.Geometry"}},
      {[](FrmTodos& f) { f.SetEnabled(false); }, {"Changed FrmTodos.Enabled"}},
      {[](FrmTodos& f) { f.SetWindowState(vbMaximized); }, {"Changed FrmTodos.WindowState"}},
      {[](FrmTodos& f) { f.SetTag("x"); }, {"Changed FrmTodos.Tag"}},
      {[](FrmTodos& f) { f.SetHelpContextID(7); }, {"Changed FrmTodos.HelpContextID"}},
      {[](FrmTodos& f) { f.SetMousePointer(vbHourglass); }, {"Changed FrmTodos.MousePointer"}},
      {[](FrmTodos& f) { f.SetBackColor(vbWhite); }, {"Changed FrmTodos.BackColor"}},
      {[](FrmTodos& f) { f.SetBorderStyle(vbFixedDouble); }, {"Changed FrmTodos.BorderStyle"}},
      {[](FrmTodos& f) { f.SetControlBox(false); }, {"Changed FrmTodos.ControlBox"}},
      {[](FrmTodos& f) { f.SetMinButton(false); }, {"Changed FrmTodos.MinButton"}},
      {[](FrmTodos& f) { f.SetMaxButton(false); }, {"Changed FrmTodos.MaxButton"}},
      {[](FrmTodos& f) { f.Refresh(); }, {"Changed FrmTodos.Refresh"}},
      {[](FrmTodos& f) { f.cmd.SetLeft(15); }, {"Changed cmd.Left"}},
      {[](FrmTodos& f) { f.cmd.SetTop(15); }, {"Changed cmd.Top"}},
      {[](FrmTodos& f) { f.cmd.SetWidth(15); }, {"Changed cmd.Width"}},
      {[](FrmTodos& f) { f.cmd.SetHeight(15); }, {"Changed cmd.Height"}},
      {[](FrmTodos& f) { f.lbl.SetVisible(false); }, {"Changed lbl.Visible"}},
      {[](FrmTodos& f) { f.lbl.SetEnabled(false); }, {"Changed lbl.Enabled"}},
      {[](FrmTodos& f) { f.cmd.SetTabIndex(0); }, {"Changed cmd.TabIndex"}},
      {[](FrmTodos& f) { f.cmd.SetTabStop(false); }, {"Changed cmd.TabStop"}},
      {[](FrmTodos& f) { f.cmd.SetCausesValidation(false); }, {"Changed cmd.CausesValidation"}},
      {[](FrmTodos& f) { f.cmd.SetTag("x"); }, {"Changed cmd.Tag"}},
      {[](FrmTodos& f) { f.cmd.SetHelpContextID(7); }, {"Changed cmd.HelpContextID"}},
      {[](FrmTodos& f) { f.cmd.SetToolTipText("x"); }, {"Changed cmd.ToolTipText"}},
      {[](FrmTodos& f) { f.lbl.SetBackColor(vbWhite); }, {"Changed lbl.BackColor"}},
      {[](FrmTodos& f) { f.lbl.SetForeColor(vbWhite); }, {"Changed lbl.ForeColor"}},
      {[](FrmTodos& f) { f.lbl.SetFontBold(true); }, {"Changed lbl.Font"}},
      {[](FrmTodos& f) { f.lbl.SetMousePointer(vbIbeam); }, {"Changed lbl.MousePointer"}},
      {[](FrmTodos& f) { f.lbl.Refresh(); }, {"Changed lbl.Refresh"}},
      {[](FrmTodos& f) { f.lbl.SetCaption("x"); }, {"Changed lbl.Caption"}},
      {[](FrmTodos& f) { f.lbl.SetAlignment(vbCenter); }, {"Changed lbl.Alignment"}},
      {[](FrmTodos& f) { f.lbl.SetAutoSize(true); }, {"Changed lbl.AutoSize"}},
      {[](FrmTodos& f) { f.lbl.SetWordWrap(true); }, {"Changed lbl.WordWrap"}},
      {[](FrmTodos& f) { f.lbl.SetBackStyle(vbTransparent); }, {"Changed lbl.BackStyle"}},
      {[](FrmTodos& f) { f.lbl.SetBorderStyle(vbFixedSingle); }, {"Changed lbl.BorderStyle"}},
      {[](FrmTodos& f) { f.chk.SetCaption("x"); }, {"Changed chk.Caption"}},
      {[](FrmTodos& f) { f.chk.SetValue(vbChecked); }, {"Changed chk.Value"}},
      {[](FrmTodos& f) { f.chk.SetAlignment(vbRightJustify); }, {"Changed chk.Alignment"}},
      {[](FrmTodos& f) { f.opt.SetCaption("x"); }, {"Changed opt.Caption"}},
      {[](FrmTodos& f) { f.opt.SetValue(true); }, {"Changed opt.Value"}},
      {[](FrmTodos& f) { f.opt.SetAlignment(vbRightJustify); }, {"Changed opt.Alignment"}},
      {[](FrmTodos& f) { f.cmd.SetCaption("x"); }, {"Changed cmd.Caption"}},
      {[](FrmTodos& f) { f.cmd.SetDefault(true); }, {"Changed cmd.Default"}},
      {[](FrmTodos& f) { f.cmd.SetCancel(true); }, {"Changed cmd.Cancel"}},
      {[](FrmTodos& f) { f.cmd.SetPicture("x.bmp"); }, {"Changed cmd.Picture"}},
      {[](FrmTodos& f) { f.fra.SetCaption("x"); }, {"Changed fra.Caption"}},
      {[](FrmTodos& f) { f.fra.SetBorderStyle(vbBSNone); }, {"Changed fra.BorderStyle"}},
      {[](FrmTodos& f) { f.txt.SetText("x"); }, {"Changed txt.Text"}},
      {[](FrmTodos& f) {
         f.txt.SetText("abc");
         f.txt.SetSelLength(2);
       },
       {"Changed txt.Text", "Changed txt.SelLength"}},
      {[](FrmTodos& f) { f.txt.SetLocked(true); }, {"Changed txt.Locked"}},
      {[](FrmTodos& f) { f.txt.SetAlignment(vbRightJustify); }, {"Changed txt.Alignment"}},
      {[](FrmTodos& f) { f.txt.SetMaxLength(3); }, {"Changed txt.MaxLength"}},
      {[](FrmTodos& f) { f.txt.SetMultiLine(true); }, {"Changed txt.MultiLine"}},
      {[](FrmTodos& f) { f.txt.SetScrollBars(vbBoth); }, {"Changed txt.ScrollBars"}},
      {[](FrmTodos& f) { f.txt.SetPasswordChar("*"); }, {"Changed txt.PasswordChar"}},
      {[](FrmTodos& f) { f.msk.SetMask("999"); }, {"Changed msk.Mask", "Changed msk.Text"}},
      {[](FrmTodos& f) { f.msk.SetPromptChar("#"); },
       {"Changed msk.PromptChar", "Changed msk.Text"}},
      {[](FrmTodos& f) { f.cbo.SetStyle(vbComboDropdown); }, {"Changed cbo.Style"}},
      {[](FrmTodos& f) { f.cbo.SetDropDownWidth(200); }, {"Changed cbo.DropDownWidth"}},
      {[](FrmTodos& f) { f.lst.AddItem("x"); }, {"Changed lst.List"}},
      {[](FrmTodos& f) {
         f.cbo.AddItem("x");
         f.cbo.SetListIndex(0);
       },
       {"Changed cbo.List", "Changed cbo.ListIndex"}},
      {[](FrmTodos& f) {
         f.lst.AddItem("x");
         f.lst.AddItem("y");
         f.lst.SetTopIndex(1);
       },
       {"Changed lst.List", "Changed lst.List", "Changed lst.TopIndex"}},
      {[](FrmTodos& f) { f.lst.SetSorted(true); }, {"Changed lst.Sorted"}},
      {[](FrmTodos& f) { f.fil.SetPattern("*.txt"); }, {"Changed fil.Pattern", "Changed fil.List"}},
      {[](FrmTodos& f) { f.pic.SetDrawWidth(2); }, {"Changed pic.DrawWidth"}},
      {[](FrmTodos& f) { f.pic.SetAutoRedraw(true); }, {"Changed pic.AutoRedraw"}},
      {[](FrmTodos& f) { f.pic.SetBorderStyle(vbBSNone); }, {"Changed pic.BorderStyle"}},
      {[](FrmTodos& f) { f.pic.SetPicture("x.bmp"); }, {"Changed pic.Picture"}},
      {[](FrmTodos& f) { f.pic.Cls(); }, {"Changed pic.Drawing"}},
      {[](FrmTodos& f) { f.vsb.SetMax(10); }, {"Changed vsb.Max"}},
      {[](FrmTodos& f) { f.vsb.SetMin(-10); }, {"Changed vsb.Min"}},
      {[](FrmTodos& f) { f.vsb.SetSmallChange(2); }, {"Changed vsb.SmallChange"}},
      {[](FrmTodos& f) { f.vsb.SetLargeChange(5); }, {"Changed vsb.LargeChange"}},
      {[](FrmTodos& f) { f.vsb.SetValue(10); }, {"Changed vsb.Value"}},
      {[](FrmTodos& f) { f.prg.SetMax(50); }, {"Changed prg.Max"}},
      {[](FrmTodos& f) { f.prg.SetMin(10); }, {"Changed prg.Min", "Changed prg.Value"}},
      {[](FrmTodos& f) { f.prg.SetValue(50); }, {"Changed prg.Value"}},
      {[](FrmTodos& f) { f.tab.SetTabs(3); }, {"Changed tab.Tabs"}},
      {[](FrmTodos& f) { f.tab.SetTab(1); }, {"Changed tab.Tab"}},
      {[](FrmTodos& f) { f.tab.SetTabCaption(1, "x"); }, {"Changed tab.TabCaption"}},
      {[](FrmTodos& f) { f.tab.SetTabEnabled(1, false); }, {"Changed tab.TabEnabled"}},
      {[](FrmTodos& f) { f.tab.SetTabVisible(1, false); }, {"Changed tab.TabVisible"}},
      {[](FrmTodos& f) { f.grd.SetRowHeight(300); }, {"Changed grd.RowHeight"}},
      {[](FrmTodos& f) { f.grd.AddColumn("a"); }, {"Changed grd.Columns"}},
      {[](FrmTodos& f) { f.tlb.AddButton("a"); }, {"Changed tlb.Buttons"}},
      {[](FrmTodos& f) { f.mnu.SetCaption("x"); }, {"Changed mnu.Caption"}},
      {[](FrmTodos& f) { f.mnu.SetChecked(true); }, {"Changed mnu.Checked"}},
      {[](FrmTodos& f) { f.sbr.set_numdoc("x"); }, {"Changed sbr.numdoc"}},
      {[](FrmTodos& f) { f.sbr.set_razonsocial("x"); }, {"Changed sbr.razonsocial"}},
      {[](FrmTodos& f) { f.sbr.set_periodo_ejercicio("x"); }, {"Changed sbr.periodo_ejercicio"}},
      {[](FrmTodos& f) { f.sbr.set_formulario("x"); }, {"Changed sbr.formulario"}},
      {[](FrmTodos& f) { f.sbr.set_esruc(1); }, {"Changed sbr.esruc"}},
  };
  for (const Announced& c : cases) {
    WatchingHost host;
    FrmTodos form;
    Load(form);
    host.seen.clear();
    c.set(form);
    EXPECT_EQ(host.seen, c.seen);
  }
}
