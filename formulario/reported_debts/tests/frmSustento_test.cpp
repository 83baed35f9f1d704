// The supporting-data dialog opened from the reported-debt window's motive
// buttons on debts of a generated debt file.
#include <set>

#include "formulario/reported_debts/FormulariosSustento.h"
#include "formulario/reported_debts/tests/prueba_deudas.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;
using forms::MessageBoxCall;

constexpr const char* kSustento = "Sustento";
constexpr const char* kHoyPago = "15052010";

MessageBoxCall Critico(const std::string& texto) { return {texto, forms::vbCritical, kSustento}; }

class FrmSustentoTest : public PruebaDeudas {
 protected:
  // Debts of the tax 1011 for periods 05/2009 ("S-1"), 06/1993 ("S-93") and
  // 07/1993 ("S-9307").
  void SetUp() override {
    PruebaDeudas::SetUp();
    ImportaLineas({Linea("01", "S-1", Con("010101", "200905")),
                   Linea("01", "S-93", Con("010101", "199306")),
                   Linea("01", "S-9307", Con("010101", "199307"))});
  }

  // Types a payment and presses "Agregar".
  void Paga(frmSustento& s, const std::string& formulario, const std::string& orden,
            const std::string& fecha = kHoyPago) {
    driver_.Replace(s.txtcodform, formulario);
    driver_.Replace(s.txtNumOrd, orden);
    driver_.Focus(s.mkeFechaPago);
    s.mkeFechaPago.SetText("__/__/____");
    driver_.Keys(s, fecha);
    driver_.Click(s.cmdAccion(0));
  }

  static Textos Lista(const forms::ListBox& lista) {
    Textos items;
    for (int i = 0; i < lista.ListCount(); ++i) items.push_back(lista.List(i));
    return items;
  }
};

// Geometry and captions of a dialog: caption, the frame shown with its caption,
// the first field's caption and place, the window's size and the commands' place.
std::string Disposicion(frmSustento& s) {
  auto lugar = [](const forms::Control& c) {
    return std::to_string(c.Left()) + "," + std::to_string(c.Top());
  };
  std::string marco = s.Frame1.Visible() ? "Frame1 " + s.Frame1.Caption() : "";
  marco += s.Frame2.Visible() ? "Frame2 " + s.Frame2.Caption() : "";
  std::string campo = s.lbl01.Visible() ? s.lbl01.Caption() + " " + lugar(s.lbl01) + " " +
                                              lugar(s.txt01) + "+" + std::to_string(s.txt01.Width())
                                        : "-";
  return s.Caption() + "|" + marco + "|" + campo + "|" + std::to_string(s.Width()) + "x" +
         std::to_string(s.Height()) + "|" + lugar(s.cmdSustento(0)) + " " + lugar(s.cmdSustento(1)) +
         (s.lbl02.Visible() ? "|" + s.lbl02.Caption() : "");
}

// Each motive lays the dialog out its own way and shows what the detail
// window holds for it.
TEST_F(FrmSustentoTest, LaysItselfOutByMotiveWithTheWindowsData) {
  struct Caso {
    int motivo;
    const char* disposicion;
    Textos campos;  // txt01, txt02 and the payments
  } casos[] = {
      {1, "Sustento|Frame2 Pagos no considerados|-|5580x3210|2700,2280 4080,2280",
       {"", "", "0621        12345        05/01/2010"}},
      {2, "Sustento|Frame1 Modificación de datos|Código de formulario 240,360 1800,360+1335|"
          "3690x2750|700,1900 2170,1900|Número de orden",
       {"0194", "77"}},
      {3, "Sustento|Frame1 Error material (Art. 108 C.T.)|Número expediente 90,360 1550,360+1735|"
          "3690x2750|700,1900 2170,1900",
       {"EXP-9", ""}},
      {4, "Sustento|Frame1 Desistimiento aceptado|Nro.Resolución de Intendencia u Of.Zonal 90,360 "
          "1550,360+1735|3690x2750|700,1900 2170,1900",
       {"RES-1", ""}},
      {5, "Sustento|Frame1 DDJJ rectificatoria|Código de formulario 240,360 1800,360+1335|"
          "3690x2750|700,1900 2170,1900|Número de orden",
       {"0621", "0"}},
  };
  for (const Caso& c : casos) {
    Sustento(
        "S-1", c.motivo,
        [&](frmSustento& s) {
          EXPECT_EQ(Disposicion(s), c.disposicion);
          Textos campos = {s.txt01.Text(), s.txt02.Text()};
          for (const std::string& pago : Lista(s.lstForm)) campos.push_back(pago);
          EXPECT_EQ(campos, c.campos) << c.motivo;
          EXPECT_EQ(s.HelpContextID(), forms::Instance<Frm942>().SSTab1.HelpContextID());
        },
        {},
        [](frmCondeuDet& det) {
          det.lstForm.AddItem("0621        12345        05/01/2010");
          det.Setpnumexp("EXP-9");
          det.Setpnumres("RES-1");
          gnMotivo = 2;
          det.Setpcodform("0194");
          det.Setpnumorden("77");
          gnMotivo = 5;
          det.Setpcodform("0621");
          det.Setpnumorden("");
        });
  }
}

// "Agregar" checks the form, the order number, the form against the debt's tax
// and period, the date and duplicates, in that order; a refusal leaves the list
// as it was and puts the focus on the field to correct.
TEST_F(FrmSustentoTest, AddingAPaymentChecksEachFieldInOrder) {
  const std::string kTributo = std::string("El formulario ingresado no corresponde al tributo: \n") +
                               "1011 - IGV - CUENTA PROPIA\nRectifique.";
  struct Caso {
    const char* numero;
    const char* formulario;
    const char* orden;
    const char* fecha;
    const char* mensaje;  // "" when the payment is added
    const char* campo;
  } casos[] = {
      {"S-1", "", "5", kHoyPago, "Debe ingresar un formulario", "txtcodform"},
      {"S-1", "621", "", kHoyPago, "Debe ingresar un número de orden", "txtNumOrd"},
      {"S-1", "621", "0", kHoyPago, "Debe ingresar un número de orden", "txtNumOrd"},
      {"S-1", "621", "999999999", kHoyPago, "", "txtcodform"},
      {"S-1", "999", "5", kHoyPago, kTributo.c_str(), "txtcodform"},
      {"S-9307", "660", "5", kHoyPago, kTributo.c_str(), "txtcodform"},
      {"S-93", "660", "5", kHoyPago, "El formulario ingresado no existe. Rectifique.", "txtcodform"},
      {"S-93", "999", "5", kHoyPago, "", "txtcodform"},
      {"S-1", "119", "32767", kHoyPago, "", "txtcodform"},
      {"S-1", "1662", "1", kHoyPago, "", "txtcodform"},
      {"S-1", "621", "5", "", "Debe registrar la fecha de pago", "mkeFechaPago"},
      {"S-1", "621", "5", "31022010", "La fecha de pago no es válida", "mkeFechaPago"},
      {"S-1", "621", "5", "16052010", "La fecha de pago no debe ser mayor a la fecha del sistema ",
       "mkeFechaPago"},
  };
  for (const Caso& c : casos) {
    Sustento(c.numero, 1, [&](frmSustento& s) {
      if (*c.mensaje) driver_.Expect(Critico(c.mensaje));
      Paga(s, c.formulario, c.orden, c.fecha);
      EXPECT_EQ(s.lstForm.ListCount(), *c.mensaje ? 0 : 1) << c.numero << " " << c.formulario;
      EXPECT_EQ(s.ActiveControl()->Name(), c.campo) << c.formulario << " " << c.orden;
      if (*c.mensaje && s.ActiveControl() != &s.mkeFechaPago) {
        auto& campo = static_cast<forms::TextBox&>(*s.ActiveControl());
        EXPECT_EQ(campo.SelStart(), 0);
        EXPECT_EQ(campo.SelLength(), vb::Len(campo.Text()));
      }
    });
  }
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

// An added payment is a fixed-width line: the form made four digits, the order
// number right-aligned in nine, the date. A second one with the same form and
// order number is refused whatever its date; the fields are emptied after each.
TEST_F(FrmSustentoTest, PaymentsAreFixedWidthLinesWithoutDuplicates) {
  auto campos = [](frmSustento& s) {
    return s.txtcodform.Text() + "|" + s.txtNumOrd.Text() + "|" + s.mkeFechaPago.Text();
  };
  Sustento("S-1", 1, [&](frmSustento& s) {
    Paga(s, "621", "1");
    EXPECT_EQ(campos(s), "||__/__/____");
    Paga(s, "1662", "12345", "01052010");
    driver_.Expect(Critico("Se ha encontrado un registro idéntico al que se quiere agregar. Rectifque"));
    Paga(s, "621", "1", "02052010");
    EXPECT_EQ(Lista(s.lstForm), (Textos{"0621            1        15/05/2010",
                                        "1662        12345        01/05/2010"}));
    EXPECT_EQ(s.ActiveControl(), &s.txtcodform);
    EXPECT_EQ(campos(s), "0621|1|02/05/2010");
  });
}

// "Eliminar" needs a selection; it then selects the item at the top of the
// list's visible part, as the person scrolled it, or returns to the form box
// when the list is empty.
TEST_F(FrmSustentoTest, RemovingAPaymentSelectsTheItemAtTheTopOfTheList) {
  Sustento("S-1", 1, [this](frmSustento& s) {
    for (const char* orden : {"1", "2", "3", "4", "5"}) Paga(s, "621", orden);
    driver_.Expect({"Para poder eliminar un formulario, primero debe seleccionarse en un registro",
                    forms::vbExclamation, kSustento});
    driver_.Click(s.cmdAccion(1));
    driver_.Select(s.lstForm, 3);
    driver_.Scroll(s.lstForm, 2);
    driver_.Click(s.cmdAccion(1));
    EXPECT_EQ(s.lstForm.ListCount(), 4);
    EXPECT_EQ(s.lstForm.Text(), "0621            3        15/05/2010");
    EXPECT_EQ(s.ActiveControl(), &s.lstForm);
    while (s.lstForm.ListCount() > 0) {
      driver_.Select(s.lstForm, s.lstForm.ListCount() - 1);
      driver_.Click(s.cmdAccion(1));
    }
    EXPECT_EQ(s.ActiveControl(), &s.txtcodform);
  });
}

// The key filters: digits only in the form and order boxes, letters and digits
// in upper case in a reference number; a three-digit form code gains its
// leading zero on leaving; Shift+Insert and the right button empty the
// clipboard where pasting is refused.
TEST_F(FrmSustentoTest, FieldsFilterKeysAndRefusePasting) {
  Sustento("S-1", 1, [this](frmSustento& s) {
    driver_.Type(s.txtcodform, "6a2-1\t");
    driver_.Type(s.txtNumOrd, "12.5\r");
    EXPECT_EQ(s.txtcodform.Text() + "|" + s.txtNumOrd.Text(), "0621|125");
    EXPECT_EQ(s.ActiveControl(), &s.mkeFechaPago);
    for (forms::Control* campo : std::initializer_list<forms::Control*>{&s.txtcodform, &s.mkeFechaPago}) {
      driver_.SetClipboardText("999");
      driver_.Focus(*campo);
      driver_.Key(s, forms::vbKeyInsert, forms::vbShiftMask);
      EXPECT_EQ(driver_.ClipboardText(), "") << campo->Name();
    }
    driver_.SetClipboardText("999");
    driver_.RightClick(s.txtNumOrd);
    EXPECT_EQ(driver_.ClipboardText(), "");
  });
  Sustento("S-1", 4, [this](frmSustento& s) {
    driver_.Type(s.txt01, "ri-7.b\r");
    EXPECT_EQ(s.txt01.Text(), "RI7B");
    EXPECT_EQ(s.ActiveControl(), &s.cmdSustento(0));
    driver_.SetClipboardText("x");
    driver_.RightClick(s.txt01);
    EXPECT_EQ(driver_.ClipboardText(), "");
  });
  Sustento("S-1", 5, [this](frmSustento& s) {
    driver_.Type(s.txt01, "62a1\t");
    driver_.Type(s.txt02, "7b");
    EXPECT_EQ(s.txt01.Text() + "|" + s.txt02.Text(), "0621|7");
  });
}

// "&Aceptar" checks the motive's data and hands it back; a refusal keeps the
// dialog open on the field to correct and marks the motive without data, so
// that leaving with "&Salir" unticks it unless the window already held data.
TEST_F(FrmSustentoTest, AcceptingChecksAndHandsTheDataBack) {
  struct Caso {
    int motivo;
    const char* txt01;
    const char* txt02;
    const char* mensaje;  // refusal, or "" for an accepted hand-back
    const char* campo;
    const char* devuelto;  // what the detail window then holds for the motive
  } casos[] = {
      {1, "", "", "Debe ingresar por lo menos algún formulario", "txtcodform", "/"},
      {3, "  ", "", "Debe ingresar un número de expediente.", "txt01", ""},
      {3, "exp 9", "", "", "", "EXP9"},
      {4, "", "", "Debe ingresar un nro. de resolución", "txt01", ""},
      {4, "res1", "", "", "", "RES1"},
      {2, "999", "5", "Sólo puede ingresar los formularios 0194, 1650 o 4949. Rectifique", "txt01",
       "/"},
      {2, "194", "", "Debe ingresar un número de orden. Rectifique", "txt02", "/"},
      {2, "194", "999999999", "", "", "0194/999999999"},
      {2, "4949", "12", "", "", "4949/12"},
      {5, "194", "12", "Debe ingresar un formulario correspondiente a una rectificatoria. Rectifique",
       "txt01", "/"},
      {5, "621", "0", "Debe ingresar un número de orden. Rectifique", "txt02", "/"},
      {5, "621", "123456789", "", "", "0621/123456789"},
  };
  auto devuelto = [](frmCondeuDet& det, int motivo) {
    if (motivo == 3) return det.pnumexp();
    if (motivo == 4) return det.pnumres();
    return det.pcodform() + "/" + det.pnumorden();
  };
  for (const Caso& c : casos) {
    bool aceptado = !*c.mensaje;
    Sustento(
        "S-1", c.motivo,
        [&](frmSustento& s) {
          if (s.txt01.Visible()) driver_.Type(s.txt01, c.txt01);
          if (s.txt02.Visible()) driver_.Type(s.txt02, c.txt02);
          driver_.Expect(aceptado ? MessageBoxCall{"Se actualizó la información correctamente",
                                                   forms::vbInformation, kSustento}
                                  : Critico(c.mensaje));
          driver_.Click(s.cmdSustento(0));
          EXPECT_EQ(s.IsLoaded(), !aceptado) << c.motivo << " " << c.txt01;
          if (!aceptado) {
            EXPECT_EQ(s.ActiveControl()->Name(), c.campo) << c.mensaje;
            EXPECT_EQ(forms::Instance<frmCondeuDet>().chkmotivo(c.motivo).Tag(), "0");
          }
        },
        [&](frmCondeuDet& det) {
          EXPECT_EQ(devuelto(det, c.motivo), c.devuelto) << c.motivo << " " << c.txt01;
          EXPECT_EQ(det.chkmotivo(c.motivo).Value(), aceptado ? forms::vbChecked : forms::vbUnchecked);
          EXPECT_EQ(det.chkmotivo(c.motivo).Tag(), aceptado ? "1" : "0");
        });
  }
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

// Accepting the payments replaces the window's list with the dialog's; leaving
// keeps the window's list, and the motive keeps its data only if that list has
// lines. Reading pcodform for a motive other than 2, 5 and 6 answers "".
TEST_F(FrmSustentoTest, PaymentsHandBackReplacesTheWindowsListAndSalirKeepsIt) {
  Sustento(
      "S-1", 1,
      [this](frmSustento& s) {
        Paga(s, "621", "1");
        Paga(s, "621", "2");
        driver_.Select(s.lstForm, 0);
        driver_.Click(s.cmdAccion(1));
        driver_.Answer(forms::vbOK);
        driver_.Click(s.cmdSustento(0));
      },
      [this](frmCondeuDet& det) {
        EXPECT_EQ(Lista(det.lstForm), Textos{"0621            2        15/05/2010"});
        EXPECT_EQ(det.chkmotivo(1).Tag(), "1");
        EXPECT_EQ(det.pcodform(), "");
        driver_.OnModal<frmSustento>([this](frmSustento& s) {
          EXPECT_EQ(Lista(s.lstForm), Textos{"0621            2        15/05/2010"});
          Paga(s, "621", "3");
          driver_.Click(s.cmdSustento(1));
        });
        driver_.Click(det.cmdMotivo(1));
        EXPECT_EQ(Lista(det.lstForm), Textos{"0621            2        15/05/2010"});
        EXPECT_EQ(det.chkmotivo(1).Value(), forms::vbChecked);
        EXPECT_EQ(det.chkmotivo(1).Tag(), "1");
      });
}

// The form lists of the supporting data: 24 payment forms, two forms that did
// not exist before July 1993 (neither of them a payment form), three forms of a
// data change and 85 rectifying returns, each without repetitions; numeric
// lists compare the form's number.
TEST(FormulariosSustento, ListsHoldTheirFormsOnceAndCompareNumbers) {
  auto distintos = [](auto lista) {
    return std::set<std::string>(lista.begin(), lista.end()).size();
  };
  auto textos = [](std::span<const int> lista) {
    std::vector<std::string> t;
    for (int n : lista) t.push_back(std::to_string(n));
    return t;
  };
  EXPECT_EQ(distintos(textos(FormulariosPago())), 24u);
  EXPECT_EQ(distintos(textos(FormulariosPosteriores1993())), 2u);
  EXPECT_EQ(distintos(FormulariosModificacion()), 3u);
  EXPECT_EQ(distintos(textos(FormulariosRectificatoria())), 85u);
  for (int n : FormulariosPosteriores1993()) EXPECT_FALSE(EsFormulario(FormulariosPago(), n));
  EXPECT_TRUE(EsFormulario(FormulariosRectificatoria(), vb::Val("0621")));
  EXPECT_FALSE(EsFormulario(FormulariosModificacion(), "194"));
  EXPECT_EQ(MensajeFormulariosModificacion(),
            "Sólo puede ingresar los formularios 0194, 1650 o 4949. Rectifique");
}

}  // namespace
}  // namespace korva::prueba
