#pragma once
// The non-notified debt window's test environment: a declaration and the window opened over it.
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "formulario/core/tests/prueba_declaracion.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "formulario/non_notified_debts/RegistroDeudasNoNotificadas.h"
#include "formulario/request/tests/prueba_solicitud.h"
#include "platform/vb/format.h"

namespace korva::prueba {

// A debt the taxpayer added, as the request form's grid of other debts reads
// it: debt type, period, stored tax code, document or order number, form code,
// document type, associated tax, payment type, sworn-declaration flag, quota,
// agreement and the four accepted amounts.
struct Otra {
  std::string tipo = "1";
  std::string periodo = "200905";
  std::string tributo = "010101";
  std::string numero = "123";
  std::string formulario = "0";
  std::string tipoDoc = "001000";
  std::string asociado = "000000";
  std::string pago = "Null";
  int deudaDJ = 0;
  int cuota = 0;
  int conforme = 1;
  std::string montos[4] = {"100.00", "0.00", "0.00", "100"};
};

// The check code of a row read field by field: numbers, texts trimmed, dates
// as yyyymmdd, Null as "". The first n fields add their leading numbers, the
// others (the last one left out) each character's code times its position.
inline std::string CodigoDeControl(dao::Recordset& rs, int n) {
  double a = 0;
  long long b = 0;
  for (int i = 0; i + 1 < rs.Fields().Count(); ++i) {
    vb::Variant valor = rs(i).Value();
    std::string texto = valor.IsNull()                  ? ""
                        : valor.Type() == vb::vbDate ? vb::Format(valor, "yyyymmdd")
                                                     : vb::Trim(vb::CStr(valor));
    if (i < n) {
      a += std::strtod(texto.c_str(), nullptr);
      continue;
    }
    for (std::size_t j = 0; j < texto.size(); ++j)
      b += static_cast<long long>(j + 1) * static_cast<unsigned char>(texto[j]);
  }
  auto ultimas3 = [](long long x) {
    std::string s = "000" + std::to_string(x);
    return s.substr(s.size() - 3);
  };
  return ultimas3(std::llround(a)) + ultimas3(b);
}

// The caption of the window opened for a new debt.
inline constexpr const char* kTituloNuevo = "Otras deudas - (Nuevo)";
inline constexpr int kPregunta = forms::vbQuestion + forms::vbYesNo;

// A working debt already in the declaration, accepted.
struct Fila {
  std::string tipo;
  std::string periodo;
  std::string tributo;
  std::string numero;
  std::string formulario = "0";
  std::string tipoDoc = "0";
  std::string estado = "00";
};

// An entry typed into the window and the box its "Aceptar" ends with: debt type
// item (0 valor, 1 self-assessed debt, 2 infraction, -1 none), period, tax
// code, document type and number, sworn-declaration answer (1 "Si", 0 "No"),
// form, order number, week and payment type items, the three amounts; the
// working debts already there; whether the tax is an earlier regime's
// instalment, which tells the user so when chosen; what the test changes
// before "Aceptar"; a question answered "Si" before the last box (a question
// there is answered "No"); where the focus is afterwards.
struct Caso {
  int tipo = 0;
  const char* periodo = "01/2010";
  const char* tributo = "1011";
  const char* documento = "";
  const char* numero = "";
  int dj = -1;
  const char* formulario = "";
  const char* orden = "";
  int semana = -1;
  int pago = -1;
  const char* montos[3] = {"100.00", "0.00", "0.00"};
  std::vector<Fila> filas = {};
  bool aviso = false;
  std::function<void(FrmNoNotificada&)> ajusta = {};
  const char* pregunta = "";
  forms::MessageBoxCall caja = {"La información se grabó con éxito", forms::vbInformation,
                                kTituloNuevo};
  const char* foco = "cmdOpcion(0)";
};

// A valor of IGV with its order of payment.
inline Caso Valor(Caso c) {
  c.documento = "003000";
  c.numero = "123312345";
  return c;
}

// The window over the request form of a pending declaration of period 201005
// of the taxpayer kRucAndina: the request form opens on it, tab 3 is chosen and
// the window is opened by its "&Nuevo" (Tag "N") or, on a row, "&Modificar"
// (Tag "E").
// The window's handlers are recorded by the test driver (driver_.Events()).
class PruebaNoNotificada : public PruebaSolicitud {
 protected:
  void TearDown() override {
    RegistraVentana(Ventana::FrmNoNotificada, nullptr);
    PruebaSolicitud::TearDown();
  }

  // The declaration of entity `semana` with one reported debt, downloaded today
  // at 08:00, and the added debts `otras`.
  void Declara942(int semana, const std::vector<Otra>& otras = {}) {
    Declara(kRucAndina, semana, {Deuda{}});
    for (const Otra& o : otras)
      Ejecuta(
          "INSERT INTO F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, "
          "per_doc, "
          "cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, Num_cuo, "
          "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
          "mto_int_cap_c, mto_int_c, mto_act_c, Cod_for_dj, Num_ord_dj, Ind_valor, Ind_deuda_dj) "
          "VALUES (" +
          Clave({kRucAndina, "201005", semana}) + ", '04', " + vb::SqlText(o.periodo) + ", " +
          vb::SqlText(o.tributo) + ", " + vb::SqlText(o.numero) + ", " + vb::SqlText(o.formulario) +
          ", " + vb::SqlText(o.tipoDoc) + ", " + vb::SqlText(o.asociado) +
          ", '00', #05/15/2010 08:00:00#, " + std::to_string(o.cuota) +
          ", '0.00', '0.00', '0.00', '0.00', 1, " + std::to_string(o.conforme) + ", " +
          vb::SqlText(o.montos[0]) + ", " + vb::SqlText(o.montos[1]) + ", " +
          vb::SqlText(o.montos[2]) + ", " + vb::SqlText(o.montos[3]) + ", " + vb::SqlText(o.tipo) +
          ", " + (o.pago == "Null" ? o.pago : vb::SqlText(o.pago)) + ", " +
          (o.tipo == "1" ? "1" : "0") + ", " + std::to_string(o.deudaDJ) + ")");
  }

  // The declaration written by Declara942 gone again, for the next case.
  void OlvidaDeclaracion() {
    for (const char* tabla : {"CAB", "DET", "F0942DEUDAS", "F0942GARANTIA"})
      Ejecuta(std::string("DELETE FROM ") + tabla);
  }

  // Opens the window (of class V: the window or a test's stand-in) in mode
  // `tag` on row `fila` of the grid of other debts, runs `durante` on it and
  // leaves with "&Salir" if it is still open; `despues` then runs on the
  // request form before it closes.
  template <class V = FrmNoNotificada>
  void Entra(const std::string& tag, std::type_identity_t<std::function<void(V&)>> durante,
             long fila = 0, std::function<void(Frm942&)> despues = {}) {
    RegistraVentana(Ventana::FrmNoNotificada, [this] {
      V ventana;
      driver_.LogEvents(ventana);
      ventana.Show(forms::vbModal);
    });
    driver_.OnModal<V>([this, durante](V& ventana) {
      durante(ventana);
      if (ventana.IsLoaded() && ventana.Visible()) driver_.Click(ventana.cmdOpcion(1));
    });
    Abre(kRucAndina, [this, tag, fila, despues](Frm942& frm) {
      Identifica(frm);
      driver_.ChooseTab(frm.SSTab1, 3);
      if (tag == "N") {
        driver_.Click(frm.cmdNew(3));
      } else {
        driver_.PickRow(frm.TDBGrid(3), fila);
        driver_.Click(frm.cmdEdit(3));
      }
      if (despues) despues(frm);
    });
  }

  // Opens the window for a new debt on a declaration of entity `semana` and
  // types each case, presses "Aceptar" and runs `despues`; the window is then
  // cleared and the working debts are those of the declaration again.
  void Comprueba(int semana, const std::vector<Caso>& casos,
                 std::function<void(FrmNoNotificada&, const Caso&)> despues = {}) {
    Declara942(semana);
    Entra("N", [&](FrmNoNotificada& v) {
      for (const Caso& c : casos) {
        try {
          Acepta(v, c, semana);
          if (despues) despues(v, c);
        } catch (const forms::ScriptFailure&) {
          ADD_FAILURE() << "en el caso de " << c.caja.text;
        }
        v.Deshabilita_campos();
        Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE NOT (Ind_tip_deu = '01' AND num_doc = '1')");
        forms::Instance<Frm942>().nDeudasTemporales = 1;
        forms::Instance<Frm942>().mkeFechaAcog.SetText("15/05/2010");
      }
    });
  }

  void Acepta(FrmNoNotificada& v, const Caso& c, int semana) {
    for (const Fila& f : c.filas)
      Ejecuta("INSERT INTO TMP_F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana, "
              "Ind_tip_deu, per_doc, cod_tri, Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, "
              "Ind_ver_deu, ind_acog) VALUES (" +
              Clave({kRucAndina, "201005", semana}) + ", " + vb::SqlText(f.tipo) + ", " +
              vb::SqlText(f.periodo) + ", " + vb::SqlText(f.tributo) + ", " +
              vb::SqlText(f.numero) + ", " + vb::SqlText(f.formulario) + ", " +
              vb::SqlText(f.tipoDoc) + ", '000000', " + vb::SqlText(f.estado) + ", 1)");
    if (c.aviso) driver_.Answer(forms::vbOK);
    Teclea(v, c);
    if (c.ajusta) c.ajusta(v);
    if (*c.pregunta) driver_.Expect({c.pregunta, kPregunta, kTituloNuevo}, forms::vbYes);
    driver_.Expect(c.caja, c.caja.style == kPregunta ? forms::vbNo : forms::vbOK);
    driver_.Click(v.cmdOpcion(0));
    const forms::Control* foco = v.ActiveControl();
    EXPECT_EQ(foco->Name() + (foco->Index() >= 0 ? "(" + std::to_string(foco->Index()) + ")" : ""),
              c.foco)
        << c.caja.text;
  }

  // A selection made in code runs the list's handlers as the user's does;
  // leaving the tax list loads its document types.
  void Teclea(FrmNoNotificada& v, const Caso& c) {
    v.Deshabilita_campos();
    v.cboTipoDeuda.SetListIndex(c.tipo);
    v.mkePeriodo.SetText(c.periodo);
    if (*c.tributo) {
      driver_.Focus(v.cboTributo);
      v.cboTributo.SetListIndex(Indice(v.cboTributo, c.tributo));
      driver_.Focus(v.txtmtoTributo);
    }
    if (*c.documento) v.cboDocumento.SetListIndex(Indice(v.cboDocumento, c.documento));
    v.txtNumDocumento.SetText(c.numero);
    if (c.dj >= 0) v.OptRespDDJJ(c.dj).SetValue(true);
    if (*c.formulario) v.txtcodform.SetText(c.formulario);
    if (*c.orden) v.txtNumOrd.SetText(c.orden);
    if (c.semana >= 0) v.cboSemana.SetListIndex(c.semana);
    if (c.pago >= 0) v.cboTipoPago.SetListIndex(c.pago);
    v.txtmtoTributo.SetText(c.montos[0]);
    v.TxtMtoInteresesCAP.SetText(c.montos[1]);
    v.TxtMtoIntereses.SetText(c.montos[2]);
  }

  // The first four characters (the tax or document code) of each item.
  static std::vector<std::string> Codigos(const forms::ComboBox& lista, int largo = 4) {
    std::vector<std::string> codigos;
    for (int i = 0; i < lista.ListCount(); ++i) codigos.push_back(lista.List(i).substr(0, largo));
    return codigos;
  }
  // The index of the item whose code is `codigo`, -1 when none.
  static int Indice(const forms::ComboBox& lista, const std::string& codigo) {
    for (int i = 0; i < lista.ListCount(); ++i)
      if (lista.List(i).substr(0, codigo.size()) == codigo) return i;
    return -1;
  }
  static std::vector<std::string> Items(const forms::ComboBox& lista) {
    std::vector<std::string> items;
    for (int i = 0; i < lista.ListCount(); ++i) items.push_back(lista.List(i));
    return items;
  }

  // How a control looks: enabled or not, white, grey or the system's window
  // colour it has by design, and its value.
  static std::string Aspecto(const forms::Control& control) {
    std::string color = control.BackColor() == FrmNoNotificada::kBlanco    ? "blanco"
                        : control.BackColor() == FrmNoNotificada::kGris    ? "gris"
                        : control.BackColor() == forms::vbWindowBackground ? "ventana"
                                                                           : "-";
    std::string valor;
    if (auto* caja = dynamic_cast<const forms::TextEntry*>(&control))
      valor = "'" + caja->Text() + "'";
    if (auto* lista = dynamic_cast<const forms::ComboBox*>(&control))
      valor = "'" + lista->Text() + "'";
    if (auto* opcion = dynamic_cast<const forms::OptionButton*>(&control))
      valor = opcion->Value() ? "(o)" : "( )";
    return (control.Enabled() ? "habilitado " : "deshabilitado ") + color + " " + valor;
  }
  static std::vector<std::string> Aspectos(const std::vector<const forms::Control*>& controles) {
    std::vector<std::string> aspectos;
    for (const forms::Control* control : controles) aspectos.push_back(Aspecto(*control));
    return aspectos;
  }
};

}  // namespace korva::prueba
