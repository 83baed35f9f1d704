#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"

using namespace forms;

namespace {

class FrmAsk : public Form {
 public:
  FrmAsk() : Form("FrmAsk") {
    SetCaption("Eliminar Declaraciones");
    cmdEliminar.Click = [this] {
      answer = MsgBox("¿Confirma que va a eliminar la declaración seleccionada?",
                      vbYesNo + vbQuestion + vbDefaultButton2, Caption());
      if (answer == vbYes) MsgBox("Eliminada", vbInformation, "Información");
    };
    cmdSalir.Click = [this] { forms::Unload(*this); };
  }
  int answer = 0;
  CommandButton cmdEliminar{*this, "cmdEliminar"};
  CommandButton cmdSalir{*this, "cmdSalir"};
};

class FrmDetail : public Form {
 public:
  FrmDetail() : Form("FrmDetail") {
    cmdAceptar.Click = [this] {
      MsgBox("Grabado", vbInformation, "Mensaje");
      forms::Unload(*this);
    };
  }
  TextBox txtMonto{*this, "txtMonto"};
  CommandButton cmdAceptar{*this, "cmdAceptar"};
};

class FrmList : public Form {
 public:
  FrmList() : Form("FrmList") {
    cmdEdit.Click = [this] {
      Instance<FrmDetail>().Show(vbModal);
      result = "back with " + detailText;
    };
  }
  std::string detailText;
  std::string result;
  CommandButton cmdEdit{*this, "cmdEdit"};
};

// A cascade: choosing a kind selects an answer in code, whose handler asks a
// question and relabels; the box's Change and the form's Load run too.
class FrmCascade : public Form {
 public:
  FrmCascade() : Form("FrmCascade") {
    Load = [this] { cboKind.AddItem("uno"); };
    cboKind.Click = [this] { optAnswer(0).SetValue(true); };
    optAnswer.Add(0);
    optAnswer.Add(1);
    optAnswer.Handle(&Control::Click, [this](int index) {
      MsgBox("Elegido", vbInformation, "Mensaje");
      lblAnswer.SetCaption(std::to_string(index));
    });
    lblAnswer.Change = [this] { txtEcho.SetText(lblAnswer.Caption()); };
    txtEcho.Change = [] {};
  }
  ComboBox cboKind{*this, "cboKind"};
  ControlArray<OptionButton> optAnswer{*this, "optAnswer"};
  Label lblAnswer{*this, "lblAnswer"};
  TextBox txtEcho{*this, "txtEcho"};
  TextBox txtQuiet{*this, "txtQuiet"};
};

// Runs `action` under a reporter that keeps the test's failures, and answers
// their messages without the "Failed" line ADD_FAILURE puts first.
template <class F>
std::vector<std::string> Failures(F action) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    action();
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) {
    std::string message = results.GetTestPartResult(i).message();
    if (message.starts_with("Failed\n")) message.erase(0, 7);
    messages.push_back(message);
  }
  return messages;
}

TEST(Driver, MessageBoxesAreRecordedWholeAndAnsweredFromTheQueue) {
  TestDriver driver;
  FrmAsk form;
  form.Show();
  driver.Answer(vbYes);
  driver.Expect({"Eliminada", vbInformation, "Información"});
  driver.Click(form.cmdEliminar);
  EXPECT_EQ(form.answer, vbYes);
  EXPECT_EQ(driver.MessageBoxes(),
            (std::vector<MessageBoxCall>{
                {"¿Confirma que va a eliminar la declaración seleccionada?", 292,
                 "Eliminar Declaraciones"},
                {"Eliminada", vbInformation, "Información"}}));
  EXPECT_EQ(driver.PendingAnswers(), 0u);
}

TEST(Driver, AnUnexpectedMessageBoxFailsTheTestLoudly) {
  TestDriver driver;
  FrmAsk form;
  form.Show();
  auto failures = Failures([&] {
    EXPECT_THROW(driver.Click(form.cmdEliminar), ScriptFailure);
  });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0],
            "unexpected message box \"¿Confirma que va a eliminar la declaración seleccionada?\" "
            "(style 292, title \"Eliminar Declaraciones\")");
}

TEST(Driver, ABoxOtherThanTheOneExpectedOrAnAnswerItDoesNotOfferFails) {
  TestDriver driver;
  FrmAsk form;
  form.Show();
  driver.Expect({"Otra cosa", vbYesNo, "Eliminar Declaraciones"}, vbYes);
  auto mismatch = Failures([&] { EXPECT_THROW(driver.Click(form.cmdEliminar), ScriptFailure); });
  EXPECT_EQ(mismatch.size(), 1u);
  driver.Answer(vbOK);
  auto badAnswer = Failures([&] { EXPECT_THROW(driver.Click(form.cmdEliminar), ScriptFailure); });
  ASSERT_EQ(badAnswer.size(), 1u);
  EXPECT_EQ(badAnswer[0],
            "answer 1 is no button of message box \"¿Confirma que va a eliminar la declaración "
            "seleccionada?\" (style 292, title \"Eliminar Declaraciones\")");
}

TEST(Driver, AModalFormWithNoScriptFailsTheTestLoudly) {
  TestDriver driver;
  FrmList list;
  list.Show();
  auto failures = Failures([&] { EXPECT_THROW(driver.Click(list.cmdEdit), ScriptFailure); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0], "form FrmDetail shown modally with no script");
}

TEST(Driver, AModalScriptThatLeavesItsFormOpenFails) {
  TestDriver driver;
  FrmList list;
  list.Show();
  driver.OnModal<FrmDetail>([](FrmDetail&) {});
  auto failures = Failures([&] { EXPECT_THROW(driver.Click(list.cmdEdit), ScriptFailure); });
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0], "form FrmDetail still shown after its modal script");
}

TEST(Driver, ScriptsRunEachTimeTheirFormIsShownModallyAndTheShowReturnsAfterwards) {
  TestDriver driver;
  FrmList list;
  list.Show();
  int shown = 0;
  driver.OnModal<FrmDetail>([&](FrmDetail& detail) {
    ++shown;
    driver.Type(detail.txtMonto, std::to_string(shown * 100));
    list.detailText = detail.txtMonto.Text();
    driver.Answer(vbOK);
    driver.Click(detail.cmdAceptar);
  });
  driver.Click(list.cmdEdit);
  EXPECT_EQ(list.result, "back with 100");
  driver.Click(list.cmdEdit);
  EXPECT_EQ(list.result, "back with 200");
  EXPECT_EQ(driver.ModalForms(), (std::vector<std::string>{"FrmDetail", "FrmDetail"}));
}

// The mode for random actions: queued answers go first, any other box is
// answered by the chooser (an answer it does not offer still fails), and a
// modal form of a class with no script of its own runs the fallback script.
TEST(Driver, AnyBoxAndAnyModalFormAreLeftToTheirFallbacksOnlyWhenNothingIsScripted) {
  TestDriver driver;
  FrmAsk form;
  form.Show();
  std::vector<std::vector<int>> offered;
  driver.AnswerAnyBox([&](const MessageBoxCall& box) {
    offered.push_back(ButtonsOf(box.style));
    return offered.back().front();
  });
  driver.Answer(vbNo);
  driver.Click(form.cmdEliminar);
  EXPECT_EQ(form.answer, vbNo);
  driver.Click(form.cmdEliminar);
  EXPECT_EQ(form.answer, vbYes);
  EXPECT_EQ(offered, (std::vector<std::vector<int>>{{vbYes, vbNo}, {vbOK}}));
  driver.AnswerAnyBox([](const MessageBoxCall&) { return vbCancel; });
  EXPECT_EQ(Failures([&] { EXPECT_THROW(driver.Click(form.cmdEliminar), ScriptFailure); }).size(), 1u);

  FrmList list;
  list.Show();
  std::vector<std::string> fallback;
  driver.AnswerAnyBox([](const MessageBoxCall&) { return vbOK; });
  driver.OnAnyModal([&](Form& modal) {
    fallback.push_back(modal.Name());
    driver.Click(static_cast<FrmDetail&>(modal).cmdAceptar);
  });
  driver.Click(list.cmdEdit);
  driver.OnModal<FrmDetail>([](FrmDetail& detail) { detail.Hide(); });
  driver.Click(list.cmdEdit);
  EXPECT_EQ(fallback, (std::vector<std::string>{"FrmDetail"}));
  driver.AnswerAnyBox({});
  driver.OnAnyModal({});
}

TEST(Driver, ButtonsOfEachStyleInTheirOrder) {
  const std::pair<int, std::vector<int>> casos[] = {
      {vbOKOnly + vbCritical, {vbOK}},
      {vbOKCancel, {vbOK, vbCancel}},
      {vbAbortRetryIgnore, {vbAbort, vbRetry, vbIgnore}},
      {vbYesNoCancel + vbQuestion, {vbYes, vbNo, vbCancel}},
      {vbYesNo + vbDefaultButton2, {vbYes, vbNo}},
      {vbRetryCancel, {vbRetry, vbCancel}},
      {6, {}},
  };
  for (const auto& [style, buttons] : casos) EXPECT_EQ(ButtonsOf(style), buttons) << style;
}

TEST(Driver, FormsBehindAModalFormCannotBeReached) {
  TestDriver driver;
  FrmList list;
  list.Show();
  driver.OnModal<FrmDetail>([&](FrmDetail& detail) {
    EXPECT_FALSE(user::CanReach(list.cmdEdit));
    auto failures = Failures([&] { EXPECT_THROW(driver.Click(list.cmdEdit), ScriptFailure); });
    EXPECT_EQ(failures, (std::vector<std::string>{
                            "cannot click FrmList.cmdEdit: a person could not reach it"}));
    forms::Unload(detail);
  });
  driver.Click(list.cmdEdit);
  EXPECT_TRUE(user::CanReach(list.cmdEdit));
}

TEST(Driver, AnswersNeverAskedForFailTheTestWhenTheDriverEnds) {
  auto failures = Failures([] {
    TestDriver driver;
    driver.Answer(vbOK);
  });
  EXPECT_EQ(failures, (std::vector<std::string>{"1 message box answer(s) were never asked for"}));
}

TEST(Driver, LoggedFormTracesEveryHandlerItSetAndTheMessageBoxesInTheOrderTheyRan) {
  TestDriver driver;
  FrmCascade form;
  driver.LogEvents(form);
  form.Show();
  driver.Answer(vbOK);
  driver.Select(form.cboKind, 0);
  EXPECT_EQ(driver.TakeLog(),
            (std::vector<std::string>{"Form_Load", "cboKind_Click", "optAnswer_Click(0)",
                                      "MsgBox: Elegido", "lblAnswer_Change", "txtEcho_Change"}));
  form.txtQuiet.SetText("sin manejador");
  form.optAnswer(0).SetValue(true);
  EXPECT_EQ(driver.TakeLog(), std::vector<std::string>{});
}

TEST(Driver, KeepsTheClipboardHelpRequestsAndMousePointers) {
  TestDriver driver;
  Clipboard.SetText("abc");
  EXPECT_EQ(Clipboard.GetText(), "abc");
  Clipboard.Clear();
  EXPECT_EQ(driver.ClipboardText(), "");
  ShowHelp("Korva.hlp", cdlHelpContents, 0);
  EXPECT_EQ(driver.HelpRequests(), (std::vector<HelpRequest>{{"Korva.hlp", cdlHelpContents, 0}}));
  Screen.SetMousePointer(vbHourglass);
  Screen.SetMousePointer(vbHourglass);
  Screen.SetMousePointer(vbDefault);
  EXPECT_EQ(driver.MousePointers(), (std::vector<int>{vbHourglass, vbDefault}));
  EXPECT_EQ(DoEvents(), 0);
  EXPECT_EQ(driver.DoEventsCount(), 1);
}

// A handler that writes another box runs that box's Change inside its own: the
// log shows each handler when it starts, the outer one first.
TEST(Driver, LogsTracedEventsInTheOrderTheyAreRaised) {
  TestDriver driver;
  FrmDetail form;
  TextBox& total = form.txtMonto;
  TextBox otro{form, "txtOtro"};
  std::vector<std::string> seen;
  total.Change = [&] {
    otro.SetText(total.Text() + "0");
    seen.push_back("total " + otro.Text());
  };
  driver.Trace(total.Change, "txtMonto_Change");
  driver.Trace(otro.Change, "txtOtro_Change");
  driver.Trace(form.cmdAceptar.GotFocus, "cmdAceptar_GotFocus");
  form.Show();
  driver.Type(total, "7");
  EXPECT_EQ(driver.TakeLog(), (std::vector<std::string>{"txtMonto_Change", "txtOtro_Change"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"total 70"}));
  otro.SetText("70");
  EXPECT_EQ(driver.TakeLog(), std::vector<std::string>{});
}

}  // namespace
