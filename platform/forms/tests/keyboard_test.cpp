#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"

using namespace forms;
using Log = std::vector<std::string>;

namespace {

class KeyForm : public Form {
 public:
  KeyForm() : Form("KeyForm") {
    txt.KeyPress = [this](int& keyAscii) {
      log.Add("txt_KeyPress " + std::to_string(keyAscii));
      if (keyAscii == 13) {
        SendKeys("{TAB}");
        keyAscii = 0;
        log.Add("txt_KeyPress sent tab");
      }
      if (keyAscii == 'x') keyAscii = 0;
      if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
    };
    txt.KeyDown = [this](int& keyCode, int shift) {
      log.Add("txt_KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
      if (keyCode == vbKeyInsert && shift == vbShiftMask && blockPaste) Clipboard.Clear();
    };
    txt.MouseDown = [this](int button, int, double, double) {
      log.Add("txt_MouseDown " + std::to_string(button));
      if (button == vbRightButton && blockPaste) Clipboard.Clear();
    };
    txt.Change = [this] { log.Add("txt_Change " + txt.Text()); };
    txt.LostFocus = [this] { log.Add("txt_LostFocus"); };
    txtNext.GotFocus = [this] { log.Add("txtNext_GotFocus"); };
    KeyPress = [this](int& keyAscii) {
      log.Add("Form_KeyPress " + std::to_string(keyAscii));
      if (keyAscii == '#') keyAscii = 0;
    };
    KeyDown = [this](int& keyCode, int) { log.Add("Form_KeyDown " + std::to_string(keyCode)); };
    cmdOk.Click = [this] { log.Add("cmdOk_Click"); };
    cmdCancel.Click = [this] { log.Add("cmdCancel_Click"); };
    mke.SetMask("99/99/9999");
    mke.ValidationError = [this](std::string&, int& position) {
      log.Add("mke_ValidationError " + std::to_string(position));
    };
    cbo.AddItem("Lima");
    cbo.AddItem("Cusco");
    cbo.AddItem("Callao");
  }

  EventLog log;
  bool blockPaste = false;
  TextBox txt{*this, "txt"};
  TextBox txtNext{*this, "txtNext"};
  MaskedEdit mke{*this, "mke"};
  ComboBox cbo{*this, "cbo"};
  CommandButton cmdOk{*this, "cmdOk"};
  CommandButton cmdCancel{*this, "cmdCancel"};
};

class Keyboard : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Show();
    form.log.Take();
  }
  TestDriver driver;
  KeyForm form;
};

TEST_F(Keyboard, KeyPressReceivesTheWindows1252Code) {
  struct Case {
    const char* typed;
    int code;
  };
  for (Case c : {Case{"ñ", 241}, Case{"Ñ", 209}, Case{"ó", 243}, Case{"É", 201}, Case{"0", 48},
                 Case{"Z", 90}, Case{"€", 128}, Case{" ", 32}}) {
    form.txt.KeyPress = [&](int& keyAscii) { EXPECT_EQ(keyAscii, c.code) << c.typed; };
    form.txt.SetText("");
    driver.Type(form.txt, c.typed);
    EXPECT_EQ(form.txt.Text(), c.typed);
  }
}

TEST_F(Keyboard, KeyPressMayReplaceTheKeyOrDropItWithZero) {
  driver.Type(form.txt, "axb");
  EXPECT_EQ(form.txt.Text(), "AB");
  EXPECT_EQ(form.log.Take(), (Log{"txt_KeyDown 65 0", "txt_KeyPress 97", "txt_Change A",
                                  "txt_KeyDown 88 0", "txt_KeyPress 120",
                                  "txt_KeyDown 66 0", "txt_KeyPress 98", "txt_Change AB"}));
}

TEST_F(Keyboard, WithKeyPreviewTheFormSeesEachKeyFirstAndMayDropIt) {
  form.SetKeyPreview(true);
  driver.Type(form.txt, "1#");
  EXPECT_EQ(form.txt.Text(), "1");
  EXPECT_EQ(form.log.Take(), (Log{"Form_KeyDown 49", "txt_KeyDown 49 0", "Form_KeyPress 49",
                                  "txt_KeyPress 49", "txt_Change 1", "Form_KeyPress 35"}));
}

TEST_F(Keyboard, SendKeysTabFromKeyPressMovesTheFocusAfterTheHandlerReturns) {
  driver.Type(form.txt, "\r");
  EXPECT_EQ(form.log.Take(), (Log{"txt_KeyDown 13 0", "txt_KeyPress 13", "txt_KeyPress sent tab",
                                  "txt_LostFocus", "txtNext_GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.txtNext);
  EXPECT_EQ(form.txt.Text(), "");
}

TEST_F(Keyboard, KeysAfterAnEnterThatMovedTheFocusLandInTheNextControl) {
  driver.Type(form.txt, "a\rb");
  EXPECT_EQ(form.txt.Text(), "A");
  EXPECT_EQ(form.txtNext.Text(), "b");
}

TEST_F(Keyboard, MaxLengthLimitsTypingAndPastingButNotCode) {
  form.txt.SetMaxLength(3);
  driver.Type(form.txt, "abcd");
  EXPECT_EQ(form.txt.Text(), "ABC");
  form.txt.SetText("abcdef");
  EXPECT_EQ(form.txt.Text(), "abcdef");
  form.txtNext.SetMaxLength(4);
  driver.SetClipboardText("123456");
  driver.Focus(form.txtNext);
  driver.Key(form, vbKeyInsert, vbShiftMask);
  EXPECT_EQ(form.txtNext.Text(), "1234");
}

TEST_F(Keyboard, ALockedBoxRaisesItsKeyEventsButKeepsItsText) {
  form.txt.SetLocked(true);
  driver.Type(form.txt, "a\b");
  EXPECT_EQ(form.txt.Text(), "");
  EXPECT_EQ(form.log.Take(), (Log{"txt_KeyDown 65 0", "txt_KeyPress 97", "txt_KeyDown 8 0",
                                  "txt_KeyPress 8"}));
}

TEST_F(Keyboard, BackspaceAndDeleteRemoveCharactersAroundTheCaret) {
  driver.Type(form.txtNext, "abcd\b");
  EXPECT_EQ(form.txtNext.Text(), "abc");
  driver.Key(form, vbKeyHome);
  driver.Key(form, vbKeyDelete);
  EXPECT_EQ(form.txtNext.Text(), "bc");
  EXPECT_EQ(form.txtNext.SelStart(), 0);
}

TEST_F(Keyboard, ShiftInsertPastesUnlessKeyDownClearsTheClipboardFirst) {
  driver.SetClipboardText("pegado");
  driver.Focus(form.txt);
  driver.Key(form, vbKeyInsert, vbShiftMask);
  EXPECT_EQ(form.txt.Text(), "pegado");
  form.txt.SetText("");
  form.blockPaste = true;
  driver.Key(form, vbKeyInsert, vbShiftMask);
  EXPECT_EQ(form.txt.Text(), "");
  EXPECT_EQ(driver.ClipboardText(), "");
}

TEST_F(Keyboard, TheRightButtonsMenuPastesUnlessMouseDownClearsTheClipboard) {
  driver.SetClipboardText("pegado");
  driver.ContextPaste(form.txt);
  EXPECT_EQ(form.txt.Text(), "pegado");
  form.txt.SetText("");
  form.blockPaste = true;
  form.log.Take();
  driver.ContextPaste(form.txt);
  EXPECT_EQ(form.txt.Text(), "");
  EXPECT_EQ(form.log.Take(), (Log{"txt_MouseDown 2"}));
}

TEST_F(Keyboard, CtrlVIsAKeyPressOf22ThatAFilterCanRefuse) {
  driver.SetClipboardText("x1");
  driver.Focus(form.txtNext);
  driver.Key(form, 'V', vbCtrlMask);
  EXPECT_EQ(form.txtNext.Text(), "x1");
  form.txtNext.KeyPress = [](int& keyAscii) {
    if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
  };
  form.txtNext.SetText("");
  driver.Key(form, 'V', vbCtrlMask);
  EXPECT_EQ(form.txtNext.Text(), "");
}

TEST_F(Keyboard, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  form.cmdOk.SetDefault(true);
  form.cmdCancel.SetCancel(true);
  driver.Focus(form.txtNext);
  form.log.Take();
  driver.Key(form, vbKeyReturn);
  driver.Key(form, vbKeyEscape);
  EXPECT_EQ(form.log.Take(), (Log{"cmdOk_Click", "cmdCancel_Click"}));
  EXPECT_EQ(form.ActiveControl(), &form.txtNext);
}

TEST_F(Keyboard, TypingIntoADateMaskFillsThePositionsAndSkipsTheLiterals) {
  driver.Type(form.mke, "1503");
  EXPECT_EQ(form.mke.Text(), "15/03/____");
  driver.Keys(form, "2010");
  EXPECT_EQ(form.mke.Text(), "15/03/2010");
  driver.Keys(form, "\b\b");
  EXPECT_EQ(form.mke.Text(), "15/03/20__");
}

TEST_F(Keyboard, AMaskRefusesACharacterItsPositionDoesNotTake) {
  driver.Type(form.mke, "1a");
  EXPECT_EQ(form.mke.Text(), "1_/__/____");
  EXPECT_EQ(form.log.Take().back(), "mke_ValidationError 1");
}

TEST_F(Keyboard, AMaskCanTurnTypedLettersToCapitals) {
  form.mke.SetMask(">?\\-99");
  driver.Type(form.mke, "ñ7");
  EXPECT_EQ(form.mke.Text(), "Ñ-7_");
  driver.Keys(form, "x");
  EXPECT_EQ(form.mke.Text(), "Ñ-7_");
}

TEST_F(Keyboard, TypingAnInitialInADropDownListSelectsTheNextItemWithIt) {
  driver.Type(form.cbo, "c");
  EXPECT_EQ(form.cbo.Text(), "Cusco");
  driver.Keys(form, "c");
  EXPECT_EQ(form.cbo.Text(), "Callao");
  driver.Key(form, vbKeyUp);
  EXPECT_EQ(form.cbo.ListIndex(), 1);
}

TEST(KeystrokeFor, GivesKeyCodeShiftAndCharacterCode) {
  struct Case {
    char32_t ch;
    Keystroke key;
  };
  for (Case c : {Case{U'a', {65, 0, 97}}, Case{U'A', {65, vbShiftMask, 65}},
                 Case{U'5', {53, 0, 53}}, Case{U'\r', {13, 0, 13}}, Case{U'\t', {9, 0, 0}},
                 Case{U'\b', {8, 0, 8}}, Case{U'.', {190, 0, 46}}, Case{U'ñ', {0, 0, 241}}}) {
    EXPECT_EQ(KeystrokeFor(c.ch), c.key) << static_cast<int>(c.ch);
  }
  EXPECT_EQ(KeystrokeForKey('V', vbCtrlMask), (Keystroke{86, vbCtrlMask, 22}));
}

TEST(ParseKeys, ReadsTheNamedKeysAndPlainCharacters) {
  EXPECT_EQ(ParseKeys("{TAB}"), (std::vector<Keystroke>{{vbKeyTab, 0, 0}}));
  EXPECT_EQ(ParseKeys("a~{F1}"),
            (std::vector<Keystroke>{{65, 0, 97}, {vbKeyReturn, 0, 13}, {vbKeyF1, 0, 0}}));
}

}  // namespace
