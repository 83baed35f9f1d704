// The boxes typed into: amounts, form code, order number and document number.
#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

class MontosTest : public PruebaNoNotificada {
 protected:
  void SetUp() override {
    PruebaNoNotificada::SetUp();
    Declara942(1);
  }
};

// On focus an amount shows plain and whole-selected, kept so by a click, so a digit replaces it,
// but a point is refused while the text holds one; an emptied box takes "." as
// "0." with the caret after it; eleven integer digits are taken while typing
// and refused on Enter, which keeps the focus. Left, it shows the display
// format; focused again, plain.
TEST_F(MontosTest, AmountBoxesEditPlainAndRefuseASecondPointAndTooManyDigitsOnEnter) {
  Entra("N", [this](FrmNoNotificada& v) {
    forms::TextBox& B = v.txtmtoTributo;
    driver_.Focus(B);
    EXPECT_EQ(B.Text(), "0.00");
    EXPECT_EQ(B.SelLength(), 4);
    EXPECT_EQ(B.MaxLength(), 13);
    driver_.ClickAt(B, 0);
    driver_.Keys(v, ".");
    EXPECT_EQ(B.Text(), "0.00");
    driver_.Keys(v, "5.2.5");
    EXPECT_EQ(B.Text(), "5.25");
    driver_.Replace(B, "");
    driver_.Keys(v, ".");
    EXPECT_EQ(B.Text(), "0.");
    EXPECT_EQ(B.SelStart(), 2);
    driver_.Replace(B, "");
    driver_.Keys(v, "12345678901");
    EXPECT_EQ(B.Text(), "12345678901");
    driver_.Expect(
        {"Registre como máximo 10 enteros y 2 decimales", forms::vbCritical, "Validación"});
    driver_.Keys(v, "\r");
    EXPECT_EQ(v.ActiveControl(), &B);
    driver_.Replace(B, "1234567890.5");
    driver_.Keys(v, "\r");
    EXPECT_EQ(v.ActiveControl(), &v.TxtMtoInteresesCAP);
    EXPECT_EQ(B.Text(), "1,234,567,890.50");
    EXPECT_EQ(B.MaxLength(), 16);
    driver_.Focus(B);
    EXPECT_EQ(B.Text(), "1234567890.50");
    EXPECT_EQ(B.SelLength(), 13);
  });
}

// The accepted amount follows every change of the three amounts, typed or
// written by the window, and is empty when all three are.
TEST_F(MontosTest, AcceptedAmountFollowsTheThreeAmounts) {
  Entra("N", [this](FrmNoNotificada& v) {
    v.txtmtoTributo.SetText("1500");
    v.TxtMtoIntereses.SetText("20.25");
    EXPECT_EQ(v.lblMtoAcogido.Text(), "1,520.00");
    v.txtmtoTributo.SetText("");
    v.TxtMtoIntereses.SetText("");
    EXPECT_EQ(v.lblMtoAcogido.Text(), "");
    driver_.TakeLog();
    driver_.Type(v.TxtMtoIntereses, "7");
    EXPECT_EQ(driver_.TakeLog(), (Textos{"mkePeriodo_LostFocus", "TxtMtoIntereses_GotFocus",
                                            "TxtMtoIntereses_Change", "TxtMtoIntereses_KeyDown",
                                            "TxtMtoIntereses_KeyPress", "TxtMtoIntereses_Change"}));
    EXPECT_EQ(v.lblMtoAcogido.Text(), "7.00");
  });
}

// The form code and order number take digits; the form code shows four digits
// once left. A valor's number takes digits and the letters of its series in
// upper case; any other debt's number only digits.
TEST_F(MontosTest, NumberBoxesTakeOnlyTheirCharacters) {
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.Select(v.cboTipoDeuda, 1);
    driver_.Select(v.cboTributo, 0);
    driver_.Click(v.OptRespDDJJ(1));
    driver_.Type(v.txtcodform, "6a2-1");
    EXPECT_EQ(v.txtcodform.Text(), "621");
    driver_.Type(v.txtNumOrd, "0x12\r");
    EXPECT_EQ(v.txtcodform.Text(), "0621");
    EXPECT_EQ(v.txtNumOrd.Text(), "012");
    EXPECT_EQ(v.ActiveControl(), &v.txtmtoTributo);
    const struct {
      int tipo;
      const char* teclas;
      const char* numero;
    } casos[] = {{0, "ab12w", "AB12W"}, {0, "e-hIjK9", "HIJK9"}, {2, "a1-2B", "12"}};
    for (const auto& c : casos) {
      driver_.Select(v.cboTipoDeuda, c.tipo);
      driver_.Replace(v.txtNumDocumento, "");
      driver_.Type(v.txtNumDocumento, c.teclas);
      EXPECT_EQ(v.txtNumDocumento.Text(), c.numero) << c.teclas;
    }
  });
}

// Shift+Insert and the right button empty the clipboard in each of the six
// boxes, so that nothing can be pasted into them.
TEST_F(MontosTest, NoBoxTakesAPaste) {
  Entra("N", [this](FrmNoNotificada& v) {
    for (forms::TextBox* B : {&v.txtcodform, &v.txtNumOrd, &v.txtNumDocumento, &v.txtmtoTributo,
                              &v.TxtMtoInteresesCAP, &v.TxtMtoIntereses}) {
      B->SetEnabled(true);
      forms::Clipboard.SetText("999");
      driver_.Focus(*B);
      driver_.Key(v, forms::vbKeyInsert, forms::vbShiftMask);
      EXPECT_EQ(forms::Clipboard.GetText(), "") << B->Name();
      forms::Clipboard.SetText("999");
      driver_.ContextPaste(*B);
      EXPECT_EQ(forms::Clipboard.GetText(), "") << B->Name();
      EXPECT_EQ(vb::InStr(B->Text(), "999"), 0) << B->Name();
    }
  });
}

}  // namespace
}  // namespace korva::prueba
