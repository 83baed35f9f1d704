// The payment-mode tab as a person fills it: the boxes' entry rules and the
// cascade of nested changes each entry runs.
#include <utility>

#include "formulario/request/Casillas.h"
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

using Registro = std::vector<std::string>;

// Each change of a box as it runs, with one dot per change it is nested in;
// the window's own handlers are put back when the record goes.
class Cambios {
 public:
  explicit Cambios(Frm942& frm) : frm_(frm) {
    for (int nCasilla : frm.txtValor.Indexes()) {
      forms::TextBox& casilla = frm.txtValor(nCasilla);
      originales_.emplace_back(nCasilla, casilla.Change);
      casilla.Change = [this, nCasilla, original = casilla.Change] {
        registro_.push_back(std::string(nivel_, '.') + std::to_string(nCasilla));
        ++nivel_;
        original();
        --nivel_;
      };
    }
  }
  ~Cambios() {
    for (auto& [nCasilla, original] : originales_) frm_.txtValor(nCasilla).Change = original;
  }
  Registro Toma() { return std::exchange(registro_, {}); }

 private:
  Frm942& frm_;
  std::vector<std::pair<int, forms::Event<>>> originales_;
  Registro registro_;
  std::size_t nivel_ = 0;
};

// What a person sees of a box: its text, whether it takes typing, its colour.
struct Estado {
  std::string texto;
  bool habilitada;
  bool bloqueada;
  forms::Color color;
  friend bool operator==(const Estado&, const Estado&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Estado& e) {
    return os << "{\"" << e.texto << "\", " << e.habilitada << ", " << e.bloqueada << ", "
              << (e.color == kBlanco ? "blanco" : "gris") << "}";
  }
};

Estado EstadoDe(forms::TextBox& casilla) {
  return {casilla.Text(), casilla.Enabled(), casilla.Locked(), casilla.BackColor()};
}

// A TESORO declaration whose accepted debts add up to 12,000 (above 3 UIT of
// 3,600); the taxpayer has 1,500.00 of other debt and a guarantee indicator of
// "0", so that up to 100 UIT no guarantee is required.
class Frm942ModalidadTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    gsTIM.clear();
  }
  void Declara12000(const std::string& cheque = "0", const std::string& garantia = "0") {
    Declara(kRucAndina, 1,
            {Deuda{"01", "00", "201003", "010101", "1", "001000", "10000.00", "10000.00", "1"},
             Deuda{"02", "00", "201002", "010101", "2", "001000", "2000.00", "2000.00", "1"}},
            cheque, garantia);
  }
  // Identifies the declarant and enters tab 4.
  void EntraModalidad(Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 4);
  }
  // Tab 4 with instalments only ("0") and that many instalments typed.
  void PagaEnCuotas(Frm942& frm, const std::string& cuotas) {
    EntraModalidad(frm);
    driver_.Type(frm.txtValor(501), "0");
    driver_.Type(frm.txtValor(503), cuotas);
  }
  // Empties a box as a person does (select all, paste nothing), then types.
  void Escribe(forms::TextBox& casilla, const std::string& texto) {
    driver_.Replace(casilla, "");
    driver_.Type(casilla, texto);
  }
};

TEST_F(Frm942ModalidadTest, EnteringTabFourComputesTheAcceptedDebtAndTheGuarantee) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    Cambios cambios(frm);
    EntraModalidad(frm);
    EXPECT_EQ(frm.txtValor(500).Text(), "12,000");
    EXPECT_EQ(frm.txtValor(506).Text(), "NO");
    EXPECT_EQ(gsGarantia, "0");
    EXPECT_FALSE(frm.Frame_Garantia.Visible());
    // Box b, then its cascade: no instalments yet, the interest box already
    // empty, and the guarantee rule, which says "SI" before it says "NO".
    EXPECT_EQ(cambios.Toma(), (Registro{"500", ".506", ".506"}));
    EXPECT_EQ(frm.SSTab1.HelpContextID(), 1023);
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"", false, false, kGris}));
    EXPECT_TRUE(frm.bModificado);
  });
}

TEST_F(Frm942ModalidadTest, PaymentFormKeepsOnlyZeroOrTwo) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    struct Caso {
      const char* tecla;
      const char* queda;
    } casos[] = {{"1", ""}, {"3", ""}, {"9", ""}, {"0", "0"}, {"2", "2"}};
    for (const auto& c : casos) {
      Escribe(frm.txtValor(501), c.tecla);
      EXPECT_EQ(frm.txtValor(501).Text(), c.queda) << c.tecla;
    }
    // The emptying runs the steps for the empty text nested in the change that
    // refused the key; the outer change then goes on with the empty text too.
    driver_.Replace(frm.txtValor(501), "");
    Cambios cambios(frm);
    driver_.Type(frm.txtValor(501), "1");
    EXPECT_EQ(cambios.Toma(), (Registro{"501", ".501", "..506", "..506", ".506", ".506"}));
  });
}

TEST_F(Frm942ModalidadTest, InstalmentsFormComputesInitialPaymentAndInstalmentWithinItsRange) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    EXPECT_EQ(gsTIM, "1.2");
    Cambios cambios(frm);
    driver_.Type(frm.txtValor(501), "0");
    EXPECT_EQ(cambios.Toma(), (Registro{"501", ".535", "..506", "..506", ".506", ".506"}));
    EXPECT_EQ(EstadoDe(frm.txtValor(502)), (Estado{"", false, true, kGris}));
    EXPECT_EQ(EstadoDe(frm.txtValor(503)), (Estado{"", true, false, kBlanco}));
    EXPECT_EQ(EstadoDe(frm.txtValor(504)), (Estado{"", false, false, kGris}));
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"720", true, false, kBlanco}));
    // 73 instalments: the 7 gives an instalment, the 3 empties the box, whose own
    // change empties the instalment.
    driver_.Type(frm.txtValor(503), "73");
    EXPECT_EQ(cambios.Toma(), (Registro{"503", ".504", "503", ".503", "..504"}));
    EXPECT_EQ(frm.txtValor(503).Text(), "");
    EXPECT_EQ(frm.txtValor(504).Text(), "");
    // 72 instalments: 14 % paid first, and the annuity of the rest at 0.96 %.
    driver_.Type(frm.txtValor(503), "72");
    EXPECT_EQ(cambios.Toma(),
              (Registro{"503", ".504", "503", ".535", "..506", "..506", "..504"}));
    EXPECT_EQ(frm.txtValor(535).Text(), "1680");
    EXPECT_EQ(frm.txtValor(504).Text(), "199");
    // The instalment with an initial payment raised by the taxpayer.
    driver_.Replace(frm.txtValor(535), "2000");
    EXPECT_EQ(cambios.Toma(), (Registro{"535", ".506", ".506", ".504"}));
    EXPECT_EQ(frm.txtValor(504).Text(), "193");
  });
}

TEST_F(Frm942ModalidadTest, MonthsAndInstalmentsOutOfRangeAreEmptied) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    struct Caso {
      const char* forma;
      int casilla;
      const char* escrito;
      const char* queda;
    } casos[] = {
        {"2", 502, "7", ""},   {"2", 502, "6", "6"},   {"2", 502, "0", ""},
        {"2", 503, "67", ""},  {"2", 503, "66", "66"}, {"2", 503, "0", ""},
        {"0", 503, "73", ""},  {"0", 503, "72", "72"}, {"0", 503, "1", "1"},
    };
    for (const auto& c : casos) {
      driver_.Replace(frm.txtValor(501), c.forma);
      Escribe(frm.txtValor(c.casilla), c.escrito);
      EXPECT_EQ(frm.txtValor(c.casilla).Text(), c.queda)
          << c.forma << " " << c.casilla << " " << c.escrito;
    }
    // The months and the instalments do not empty each other.
    driver_.Replace(frm.txtValor(501), "2");
    driver_.Type(frm.txtValor(502), "3");
    driver_.Type(frm.txtValor(503), "12");
    driver_.Replace(frm.txtValor(502), "5");
    EXPECT_EQ(frm.txtValor(503).Text(), "12");
    driver_.Replace(frm.txtValor(503), "24");
    EXPECT_EQ(frm.txtValor(502).Text(), "5");
  });
}

TEST_F(Frm942ModalidadTest, FormTwoEmptiesMonthsAndInstalmentsAndTakesTheComputedInitialPayment) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    PagaEnCuotas(frm, "30");
    EXPECT_EQ(frm.txtValor(535).Text(), "960");
    EXPECT_EQ(frm.txtValor(504).Text(), "425");
    driver_.Replace(frm.txtValor(501), "2");
    EXPECT_EQ(EstadoDe(frm.txtValor(502)), (Estado{"", true, false, kBlanco}));
    EXPECT_EQ(EstadoDe(frm.txtValor(503)), (Estado{"", true, false, kBlanco}));
    EXPECT_EQ(EstadoDe(frm.txtValor(504)), (Estado{"", false, false, kGris}));
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"720", false, false, kGris}));
    // Leaving the payment form keeps the computed minimum, not to be raised.
    driver_.Focus(frm.txtValor(502));
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"720", false, false, kGris}));
  });
}

TEST_F(Frm942ModalidadTest, DebtOfZeroEmptiesAndDisablesThePaymentMode) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    PagaEnCuotas(frm, "12");
    EXPECT_EQ(frm.txtValor(504).Text(), "1,000");
    Cambios cambios(frm);
    frm.txtValor(500).SetText("0");
    EXPECT_EQ(cambios.Toma(),
              (Registro{"500", ".501", "..503", "...504", "..506", "..506", ".506", ".506"}));
    for (int nCasilla : {501, 502, 503, 504}) EXPECT_EQ(frm.txtValor(nCasilla).Text(), "") << nCasilla;
    for (int nCasilla : {502, 503, 504})
      EXPECT_EQ(EstadoDe(frm.txtValor(nCasilla)).color, kGris) << nCasilla;
    EXPECT_FALSE(frm.txtValor(503).Enabled());
    EXPECT_FALSE(frm.txtValor(535).Enabled());
    // With a debt of nothing no payment form can be given.
    frm.txtValor(500).SetText("");
    driver_.Type(frm.txtValor(501), "0");
    EXPECT_EQ(frm.txtValor(501).Text(), "");
    frm.txtValor(502).SetText("3");
    EXPECT_EQ(frm.txtValor(502).Text(), "");
  });
}

// A new debt total recomputes the instalment with no initial payment; the next
// change of the instalments takes the initial payment again.
TEST_F(Frm942ModalidadTest, DebtChangeRecomputesTheInstalmentWithoutInitialPayment) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    PagaEnCuotas(frm, "12");
    EXPECT_EQ(frm.txtValor(504).Text(), "1,000");
    frm.txtValor(500).SetText("12,001");
    EXPECT_EQ(frm.txtValor(504).Text(), "1,064");
    EXPECT_EQ(frm.txtValor(535).Text(), "720");
    driver_.Replace(frm.txtValor(503), "13");
    EXPECT_EQ(frm.txtValor(504).Text(), "927");
  });
}

TEST_F(Frm942ModalidadTest, GoodTaxpayerPaysNoInitialInstalmentAndNeedsNoGuarantee) {
  Declara12000("1", "1");
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    for (int nCasilla : {535, 536, 537, 538, 539})
      EXPECT_EQ(EstadoDe(frm.txtValor(nCasilla)), (Estado{"0", false, false, kGris})) << nCasilla;
    EXPECT_EQ(frm.txtValor(506).Text(), "NO");
    EXPECT_FALSE(frm.lblmsg.Visible());
    driver_.Type(frm.txtValor(501), "0");
    driver_.Type(frm.txtValor(503), "12");
    EXPECT_EQ(frm.txtValor(535).Text(), "0");
    EXPECT_EQ(frm.txtValor(504).Text(), "1,063");
    frm.txtValor(535).SetText("500");
    EXPECT_EQ(frm.txtValor(535).Text(), "0");
    // Leaving the payment form empties the initial payment, whose own change
    // puts "0" back.
    driver_.Focus(frm.txtValor(501));
    Cambios cambios(frm);
    driver_.Focus(frm.txtValor(503));
    EXPECT_EQ(cambios.Toma(), (Registro{"535", ".535"}));
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"0", false, false, kGris}));
  });
}

TEST_F(Frm942ModalidadTest, GuaranteeIndicatorShowsTheGuaranteeTypes) {
  Declara12000("0", "1");
  Abre(kRucAndina, [this](Frm942& frm) {
    frm.ChkGarantia(0).SetValue(forms::vbChecked);
    EntraModalidad(frm);
    EXPECT_EQ(frm.txtValor(506).Text(), "SI");
    EXPECT_EQ(gsGarantia, "1");
    EXPECT_TRUE(frm.Frame_Garantia.Visible());
    EXPECT_TRUE(frm.ChkGarantia(1).Enabled());
    EXPECT_EQ(frm.ChkGarantia(0).Value(), forms::vbChecked);
    // Without the indicator and up to 100 UIT: "NO", the types hidden and unticked.
    gsIndGarantia = "0";
    frm.txtValor(500).SetText("12,001");
    EXPECT_EQ(frm.txtValor(506).Text(), "NO");
    EXPECT_EQ(gsGarantia, "0");
    EXPECT_FALSE(frm.Frame_Garantia.Visible());
    EXPECT_EQ(frm.ChkGarantia(0).Value(), forms::vbUnchecked);
  });
}

TEST_F(Frm942ModalidadTest, StoredPaymentFormSetsItsBoxesOnEnteringTheTab) {
  Declara12000();
  for (auto [casilla, valor] : {std::pair{"501", "2"}, {"502", "3"}, {"503", "12"}, {"535", "720"}})
    Casilla(kRucAndina, 1, casilla, valor);
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    EXPECT_EQ(EstadoDe(frm.txtValor(502)), (Estado{"3", true, false, kBlanco}));
    EXPECT_EQ(EstadoDe(frm.txtValor(503)), (Estado{"12", true, false, kBlanco}));
    EXPECT_EQ(EstadoDe(frm.txtValor(504)).color, kGris);
    EXPECT_EQ(EstadoDe(frm.txtValor(535)), (Estado{"720", false, false, kGris}));
  });
}

// Boxes that the cascade would empty come back as stored, on the first and on a
// later opening, and the form starts unchanged.
TEST_F(Frm942ModalidadTest, BoxesFilledByTheOpeningRunNoSteps) {
  Declara12000();
  for (auto [casilla, valor] : {std::pair{"501", "1"}, {"503", "99"}, {"506", "1"}})
    Casilla(kRucAndina, 1, casilla, valor);
  for (int vez = 0; vez < 2; ++vez) {
    Abre(kRucAndina, [vez](Frm942& frm) {
      EXPECT_EQ(frm.txtValor(501).Text(), "1") << vez;
      EXPECT_EQ(frm.txtValor(503).Text(), "99") << vez;
      EXPECT_EQ(frm.txtValor(506).Text(), "SI") << vez;
      EXPECT_FALSE(frm.bModificado) << vez;
    });
  }
}

// Only digits reach a box; Enter moves on; nothing can be pasted into it.
TEST_F(Frm942ModalidadTest, BoxesTakeOnlyDigitsAndRefusePastes) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    driver_.Type(frm.txtValor(501), "0");
    forms::TextBox& cuotas = frm.txtValor(503);
    driver_.Type(cuotas, "1.,-a2");
    EXPECT_EQ(cuotas.Text(), "12");
    frm.bModificado = false;
    driver_.Type(cuotas, "x");
    EXPECT_TRUE(frm.bModificado);
    driver_.Type(cuotas, "\r");
    EXPECT_EQ(cuotas.Text(), "12");
    EXPECT_NE(frm.ActiveControl(), &cuotas);
    forms::Clipboard.SetText("34");
    driver_.ContextPaste(cuotas);
    EXPECT_EQ(cuotas.Text(), "12");
    EXPECT_EQ(forms::Clipboard.GetText(), "");
    forms::Clipboard.SetText("34");
    driver_.Focus(cuotas);
    driver_.Key(frm, forms::vbKeyInsert, forms::vbShiftMask);
    EXPECT_EQ(cuotas.Text(), "12");
    EXPECT_EQ(forms::Clipboard.GetText(), "");
  });
}

TEST_F(Frm942ModalidadTest, InitialPaymentIsTypedPlainAndShownWithSeparators) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    EntraModalidad(frm);
    driver_.Type(frm.txtValor(501), "0");
    forms::TextBox& cuota = frm.txtValor(535);
    driver_.Replace(cuota, "12345");
    driver_.Focus(frm.txtValor(503));
    EXPECT_EQ(cuota.Text(), "12,345");
    EXPECT_EQ(cuota.MaxLength(), 15);
    driver_.Focus(cuota);
    EXPECT_EQ(cuota.Text(), "12345");
    EXPECT_EQ(cuota.MaxLength(), 12);
    driver_.Replace(cuota, "");
    driver_.Focus(frm.txtValor(503));
    EXPECT_EQ(cuota.Text(), "");
    driver_.Focus(cuota);
    EXPECT_EQ(cuota.Text(), "0");
    driver_.Keys(frm, "1234567890123");
    EXPECT_EQ(cuota.Text(), "123456789012");
  });
}

// Tabbed into from 503 while it shows "1,234", the initial payment holds its
// rewritten "1234" selected whole, so that what is typed replaces it: after
// what was typed before (if anything), after leaving and tabbing in again, or
// after a click at a character, which keeps it selected while it is untouched
// and places the caret once something was typed.
TEST_F(Frm942ModalidadTest, InitialPaymentTabbedIntoIsReplacedByWhatIsTyped) {
  Declara12000();
  Abre(kRucAndina, [this](Frm942& frm) {
    PagaEnCuotas(frm, "12");
    forms::TextBox& cuota = frm.txtValor(535);
    struct Caso {
      const char* antes;
      bool vuelve;
      int clic;  // -1: no click
      const char* tecleado;
      const char* queda;
    } casos[] = {
        {"", false, -1, "30", "30"}, {"", false, 2, "45", "45"},
        {"30", true, -1, "45", "45"}, {"30", false, 1, "4", "340"},
    };
    for (const Caso& c : casos) {
      driver_.Focus(frm.txtValor(503));
      cuota.SetText("1,234");
      driver_.Key(frm, forms::vbKeyTab);
      driver_.Keys(frm, c.antes);
      if (c.vuelve) {
        driver_.Focus(frm.txtValor(503));
        driver_.Key(frm, forms::vbKeyTab);
      }
      if (c.clic >= 0) driver_.ClickAt(cuota, c.clic);
      driver_.Keys(frm, c.tecleado);
      EXPECT_EQ(cuota.Text(), c.queda) << c.antes << " " << c.vuelve << " " << c.clic;
    }
  });
}

}  // namespace
}  // namespace korva::prueba
