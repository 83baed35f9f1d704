#include <gtest/gtest.h>

#include <filesystem>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

using namespace forms;
using Log = std::vector<std::string>;
using testsupport::ErrorOf;
using testsupport::TempFolder;

namespace {

class FrmMain : public Form {
 public:
  FrmMain() : Form("FrmMain") {
    mnuDeclara.SetCaption("&Declaraciones");
    mnuNueva.SetCaption("&Nueva");
    mnuNueva.SetVisible(false);
    mnuNueva.SetEnabled(false);
    Rayita1.SetCaption("-");
    mnuCopiar.SetCaption("&Copiar");
    mnuCopiar.SetEnabled(false);
    mnuModificar.SetCaption("&Actualizar");
    mnuModificar.Click = [this] { log.Add("mnuModificar_Click"); };
    Toolbar1.AddButton("", "", tbrDefault, "actualizar", "Actualizar");
    Toolbar1.AddButton("", "", tbrDefault, "eliminar", "Eliminar");
    Toolbar1.AddButton("", "", tbrSeparator);
    Toolbar1.ButtonClick = [this](ToolbarButton button) {
      log.Add("Toolbar1_ButtonClick " + std::to_string(button.Index()) + " " +
              button.ToolTipText());
    };
    Picture1.MouseMove = [this](int, int, double, double) { log.Add("Picture1_MouseMove"); };
    MouseMove = [this](int, int, double, double) {
      BarradeEstadoZEP1.set_razonsocial("");
      log.Add("Form_MouseMove");
    };
    CMDlgHlp.SetHelpFile("Korva.hlp");
    CMDlgHlp.SetHelpCommand(cdlHelpContents);
  }

  EventLog log;
  Menu mnuDeclara{*this, "mnuDeclara"};
  Menu mnuNueva{mnuDeclara, "mnuNueva"};
  Menu mnuModificar{mnuDeclara, "mnuModificar"};
  Menu Rayita1{mnuDeclara, "Rayita1"};
  Menu mnuCopiar{mnuDeclara, "mnuCopiar"};
  Toolbar Toolbar1{*this, "Toolbar1"};
  StatusBar BarradeEstadoZEP1{*this, "BarradeEstadoZEP1"};
  CommonDialog CMDlgHlp{*this, "CMDlgHlp"};
  PictureBox Picture1{*this, "Picture1"};
};

TEST(MainWindowPieces, MenusAnswerOnlyWhenVisibleEnabledAndNoSeparator) {
  TestDriver driver;
  FrmMain form;
  form.Show();
  EXPECT_TRUE(form.HasMenus());
  EXPECT_TRUE(user::ChooseMenu(form.mnuModificar));
  EXPECT_FALSE(user::ChooseMenu(form.mnuNueva));
  EXPECT_FALSE(user::ChooseMenu(form.mnuCopiar));
  EXPECT_FALSE(user::ChooseMenu(form.Rayita1));
  EXPECT_TRUE(form.Rayita1.IsSeparator());
  form.mnuDeclara.SetEnabled(false);
  EXPECT_FALSE(user::ChooseMenu(form.mnuModificar));
  EXPECT_EQ(form.log.Take(), (Log{"mnuModificar_Click"}));
}

TEST(MainWindowPieces, ToolbarButtonsAreFoundByIndexAndSeparatorsDoNothing) {
  TestDriver driver;
  FrmMain form;
  form.Show();
  EXPECT_EQ(form.Toolbar1.ButtonCount(), 3);
  EXPECT_EQ(form.Toolbar1.Buttons(2).ToolTipText(), "Eliminar");
  driver.PressToolbarButton(form.Toolbar1, 2);
  EXPECT_FALSE(user::PressToolbarButton(form.Toolbar1, 3));
  form.Toolbar1.Buttons(1).SetEnabled(false);
  EXPECT_FALSE(user::PressToolbarButton(form.Toolbar1, 1));
  EXPECT_EQ(form.log.Take(), (Log{"Toolbar1_ButtonClick 2 Eliminar"}));
  EXPECT_EQ(ErrorOf([&] { form.Toolbar1.Buttons(13); }), 35600);
}

TEST(MainWindowPieces, TheStatusBarKeepsItsTextsAndTheMouseOverTheFormReachesItsHandler) {
  TestDriver driver;
  FrmMain form;
  form.Show();
  form.BarradeEstadoZEP1.set_numdoc("20100066603");
  form.BarradeEstadoZEP1.set_razonsocial("EMPRESA SAC");
  form.BarradeEstadoZEP1.set_periodo_ejercicio("/");
  form.BarradeEstadoZEP1.set_formulario("0942");
  form.BarradeEstadoZEP1.set_esruc(1);
  driver.MouseMove(form);
  driver.MouseMove(form.Picture1);
  EXPECT_EQ(form.log.Take(), (Log{"Form_MouseMove", "Picture1_MouseMove"}));
  EXPECT_EQ(form.BarradeEstadoZEP1.numdoc(), "20100066603");
  EXPECT_EQ(form.BarradeEstadoZEP1.razonsocial(), "");
  EXPECT_EQ(form.BarradeEstadoZEP1.periodo_ejercicio(), "/");
  EXPECT_EQ(form.BarradeEstadoZEP1.formulario(), "0942");
  EXPECT_EQ(form.BarradeEstadoZEP1.esruc(), 1);
}

TEST(Help, TheCommonDialogAndF1AskTheHostForTheHelpFile) {
  TestDriver driver;
  FrmMain form;
  form.Show();
  form.CMDlgHlp.SetAction(6);
  vb::App::SetHelpFile("Korva.hlp");
  form.SetHelpContextID(1007);
  driver.Focus(form.Picture1);
  driver.Key(form, vbKeyF1);
  form.Picture1.SetHelpContextID(1014);
  driver.Key(form, vbKeyF1);
  EXPECT_EQ(driver.HelpRequests(),
            (std::vector<HelpRequest>{{"Korva.hlp", cdlHelpContents, 0},
                                      {"Korva.hlp", cdlHelpContext, 1007},
                                      {"Korva.hlp", cdlHelpContext, 1014}}));
  vb::App::SetHelpFile("");
}

class FrmPreview : public Form {
 public:
  FrmPreview() : Form("FrmPreview") {
    picPrevia.Add(0).Move(0, 0, 11900, 16840);
    vsbPic.Add(0);
    vsbPic.Add(1);
    vsbPic.Handle(&ScrollBar::Change, [this](int index) {
      picPrevia(0).SetTop(-vsbPic(0).Value());
      vsbPic(1).SetValue(vsbPic(index).Value());
      vsbPic(0).SetValue(vsbPic(index).Value());
      ++changes;
    });
  }
  int changes = 0;
  ControlArray<PictureBox> picPrevia{*this, "picPrevia"};
  ControlArray<VScrollBar> vsbPic{*this, "vsbPic"};
  ProgressBar pbar1{*this, "pbar1"};
};

TEST(PictureBoxes, RecordTextLinesAndBoxesWithTheirFont) {
  TestDriver driver;
  FrmPreview form;
  form.Show();
  PictureBox& page = form.picPrevia.Load(1);
  page.SetFontName("Courier New");
  page.SetFontBold(true);
  page.SetFontSize(10);
  page.SetCurrentX(1000);
  page.SetCurrentY(1500);
  page.Print("Consulta de Tributos");
  EXPECT_EQ(page.CurrentX(), 0);
  EXPECT_EQ(page.CurrentY(), 1500 + 230);
  page.Line(100, 200, 100, 900);
  page.Box(100, 200, 5000, 900);
  ASSERT_EQ(page.Drawing().size(), 3u);
  Font courier{"Courier New", 10, true};
  EXPECT_EQ(page.Drawing()[0],
            (DrawCommand{DrawCommand::Type::Text, 1000, 1500, 0, 0, "Consulta de Tributos", courier,
                         page.ForeColor(), 1}));
  EXPECT_EQ(page.Drawing()[2].type, DrawCommand::Type::Box);
  EXPECT_EQ(page.TextWidth("abcd"), 480);
  EXPECT_TRUE(form.picPrevia(0).Drawing().empty());
  page.Cls();
  EXPECT_TRUE(page.Drawing().empty());
}

TEST(ScrollBars, TwoBarsKeptEqualByTheirHandlerSettleAfterOneRound) {
  TestDriver driver;
  FrmPreview form;
  form.Show();
  driver.Scroll(form.vsbPic(1), 300);
  EXPECT_EQ(form.vsbPic(0).Value(), 300);
  EXPECT_EQ(form.vsbPic(1).Value(), 300);
  EXPECT_EQ(form.picPrevia(0).Top(), -300);
  EXPECT_EQ(form.changes, 2);
}

TEST(ProgressBars, RefuseAValueOutsideTheirRange) {
  TestDriver driver;
  FrmPreview form;
  form.pbar1.SetMax(12);
  form.pbar1.SetValue(12);
  EXPECT_EQ(form.pbar1.Value(), 12);
  EXPECT_EQ(ErrorOf([&] { form.pbar1.SetValue(13); }), 380);
}

TEST(Lists, KeepItemDataSortOnRequestAndRefuseBadIndexes) {
  TestDriver driver;
  FrmMain form;
  ComboBox cbo{form, "cbo"};
  cbo.AddItem("1                   TESORO");
  cbo.SetItemData(cbo.NewIndex(), 1);
  cbo.AddItem("8                   FONCOMUN");
  cbo.SetItemData(cbo.NewIndex(), 8);
  cbo.AddItem("2                   ESSALUD", 1);
  cbo.SetItemData(cbo.NewIndex(), 2);
  EXPECT_EQ(cbo.ListCount(), 3);
  EXPECT_EQ(cbo.ItemData(1), 2);
  EXPECT_EQ(cbo.ItemData(2), 8);
  EXPECT_EQ(cbo.List(3), "");
  EXPECT_THROW(cbo.ItemData(3), vb::Error);
  EXPECT_THROW(cbo.RemoveItem(3), vb::Error);
  EXPECT_THROW(cbo.SetListIndex(3), vb::Error);
  ListBox sorted{form, "sorted"};
  sorted.SetSorted(true);
  for (const char* item : {"beta", "Alfa", "gamma", "Ñandú", "delta"}) sorted.AddItem(item);
  EXPECT_EQ(sorted.List(0), "Alfa");
  EXPECT_EQ(sorted.List(1), "beta");
  EXPECT_EQ(sorted.NewIndex(), 2);
  EXPECT_EQ(sorted.List(4), "Ñandú");
}

// A person's scroll sets TopIndex within the list and leaves the selection;
// removing items never leaves TopIndex past the last one, so code that selects
// the item at the top after a removal finds one.
TEST(Lists, APersonsScrollSetsTopIndexAndRemovalsKeepItOnAnItem) {
  TestDriver driver;
  FrmMain form;
  ListBox pagos{form, "pagos"};
  form.Show();
  for (const char* item : {"a", "b", "c", "d", "e"}) pagos.AddItem(item);
  pagos.SetListIndex(1);
  struct Caso {
    int pedido;
    int top;
  } casos[] = {{3, 3}, {9, 4}, {-2, 0}, {2, 2}};
  for (const Caso& c : casos) {
    driver.Scroll(pagos, c.pedido);
    EXPECT_EQ(pagos.TopIndex(), c.top) << c.pedido;
  }
  EXPECT_EQ(pagos.ListIndex(), 1);
  pagos.SetTopIndex(4);
  pagos.RemoveItem(4);
  EXPECT_EQ(pagos.TopIndex(), 3);
  pagos.RemoveItem(0);
  EXPECT_EQ(pagos.TopIndex(), 2);
  pagos.SetListIndex(pagos.TopIndex());
  EXPECT_EQ(pagos.Text(), "d");
  while (pagos.ListCount() > 0) pagos.RemoveItem(0);
  EXPECT_EQ(pagos.TopIndex(), 0);
  pagos.SetEnabled(false);
  EXPECT_FALSE(user::Scroll(pagos, 0));
}

class FrmImport : public Form {
 public:
  FrmImport() : Form("FrmImport") {
    flListaFiles.SetPattern("*.zip");
    flListaFiles.PathChange = [this] { log.Add("PathChange"); };
    flListaFiles.Click = [this] { log.Add("Click " + flListaFiles.FileName()); };
  }
  EventLog log;
  FileChooser flListaFiles{*this, "flListaFiles"};
};

TEST(FileChooser, ListsTheFolderFilesThatMatchThePatternWithoutRegardToCase) {
  TempFolder folder;
  folder.Write("094220100066603" "1.zip", "x");
  folder.Write("094220100066603" "2.ZIP", "x");
  folder.Write("notas.txt", "x");
  std::filesystem::create_directory(folder.Path() + "/sub.zip");
  TestDriver driver;
  FrmImport form;
  form.Show();
  driver.ChooseFolder(form.flListaFiles, folder.Path());
  EXPECT_EQ(form.flListaFiles.ListCount(), 2);
  form.flListaFiles.SetPattern("0942" "20100066603" "2.zip");
  EXPECT_EQ(form.flListaFiles.ListCount(), 1);
  driver.ChooseFile(form.flListaFiles, "0942201000666032.ZIP");
  EXPECT_EQ(form.flListaFiles.FilePath(), folder.Path() + "/0942201000666032.ZIP");
  form.flListaFiles.SetPattern(".zip");
  EXPECT_EQ(form.flListaFiles.ListCount(), 0);
  EXPECT_EQ(form.flListaFiles.FileName(), "");
  EXPECT_EQ(form.log.Take(), (Log{"PathChange", "Click 0942201000666032.ZIP"}));
}

TEST(FileChooser, AFolderThatDoesNotExistRaises76AndKeepsThePath) {
  TempFolder folder;
  TestDriver driver;
  FrmImport form;
  form.flListaFiles.SetPath(folder.Path());
  EXPECT_EQ(ErrorOf([&] { form.flListaFiles.SetPath(folder.Path() + "/no-existe"); }), 76);
  EXPECT_EQ(form.flListaFiles.Path(), folder.Path());
}

TEST(FilePatterns, MatchWithStarsQuestionMarksAndSeveralPatterns) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  for (Case c : {Case{"a.zip", "*.zip", true}, Case{"A.ZIP", "*.zip", true},
                 Case{"a.zipx", "*.zip", false}, Case{"sinpunto", "*.*", true},
                 Case{"abc.txt", "a?c.*", true}, Case{"ac.txt", "a?c.*", false},
                 Case{"x.txt", "*.zip;*.txt", true}, Case{".zip", ".zip", true},
                 Case{"0942.zip", ".zip", false}}) {
    EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.matches) << c.name << " " << c.pattern;
  }
}

}  // namespace
