// The payment-mode tab: entering it, the boxes' entry rules, the recalculation
// cascade their changes run, and the window's arithmetic members, which read the
// boxes, call the plain calculations and write the results back.
#include <string>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/modGen02.h"
#include "formulario/request/Calculos.h"
#include "formulario/request/Casillas.h"
#include "formulario/request/Frm942.h"
#include "platform/dao/dao.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormatoCuota = "#,###,###,###,##0";
constexpr int kTeclaInsert = 45;
constexpr int kShift = 1;
constexpr int kBotonDerecho = 2;

bool EnBlanco(const std::string& sTexto) { return vb::Trim(sTexto).empty(); }

// A box the user may fill is white and enabled, one he may not grey and disabled.
void Habilita(forms::TextBox& casilla, bool bHabilitada) {
  casilla.SetBackColor(bHabilitada ? kBlanco : kGris);
  casilla.SetEnabled(bHabilitada);
}

// Empties a dependent box and sets whether the user may fill it (and, when
// given, whether it is locked).
void Vacia(forms::TextBox& casilla, bool bHabilitada, std::optional<bool> bBloqueada = {}) {
  casilla.SetText("");
  Habilita(casilla, bHabilitada);
  if (bBloqueada) casilla.SetLocked(*bBloqueada);
}

// The number of instalments a box holds, as the annuity takes it: a number too
// large for it counts as none, so the instalment box stays empty.
int Cuotas(const std::string& sCuotas) {
  double nCuotas = vb::Fix(vb::Val(sCuotas));
  return nCuotas > 32767 ? 0 : static_cast<int>(nCuotas);
}

// The initial payment as the boxes write it: plain decimal text.
std::string TextoCuotaInicial(double nCuota) { return vb::NumberText(nCuota); }

}  // namespace

forms::TextBox& Frm942::Casilla(int nCasilla) { return txtValor(nCasilla); }

std::string Frm942::TextoCasilla(int nCasilla) { return txtValor(nCasilla).Text(); }

// Entering tab 4: box b from the accepted debts, the guarantee frame, and each
// block's dependent boxes as its payment form wants them. A sent declaration is
// only viewed: its boxes stay disabled whatever their payment form says.
void Frm942::EntraModalidadPago() {
  SSTab1.SetHelpContextID(1023);
  CalculaCasillas();
  if (gsGarantia == "1") Frame_Garantia.SetVisible(true);
  if (gsGarantia == "0" || gsBuenContrib == "1") Frame_Garantia.SetVisible(false);
  for (const Bloque& bloque : kBloques) PreparaBloque(bloque);
  if (giEnviadas != 0) DeshabilitaEnviada();
  const Bloque* bloque = BloqueDe(gnSemana);
  if (gsBuenContrib == "1" && bloque) Casilla(bloque->cuota).SetText("0");
}

// After the payment forms have set their boxes: a sent declaration's boxes, its
// initial payments included, take no typing.
void Frm942::DeshabilitaEnviada() {
  for (const Bloque& bloque : kBloques) {
    for (int nCasilla = bloque.base; nCasilla <= bloque.base + 6; ++nCasilla)
      Casilla(nCasilla).SetEnabled(false);
    Casilla(bloque.cuota).SetEnabled(false);
  }
}

void Frm942::PreparaBloque(const Bloque& bloque) {
  int p = CasillaDe(bloque, Renglon::FormaPago);
  forms::TextBox& cuota = Casilla(bloque.cuota);
  if (TextoCasilla(p).empty()) {
    Habilita(cuota, false);
    if (gsBuenContrib == "1") cuota.SetText("0");
  }
  std::string sForma = vb::Trim(TextoCasilla(p));
  if (sForma == "0" || sForma == "2") {
    if (TextoCasilla(p - 1).empty()) {
      Casilla(p).SetText("");
    } else {
      bool bAplaza = sForma == "2";
      Habilita(Casilla(p + 1), bAplaza);
      Casilla(p + 1).SetLocked(!bAplaza);
      Habilita(Casilla(p + 2), true);
      Casilla(p + 2).SetLocked(false);
      Habilita(Casilla(p + 3), false);
    }
    if (TextoCasilla(p) == "2") Habilita(cuota, false);
  }
}

// Box b of the open entity from the accepted debts.
std::string Frm942::CalculaDeudaAcogida() {
  try {
    gsSQL = "SELECT SUM(mto_act_c * 1) " + std::string("FROM TMP_F0942DEUDAS  ") +
            "WHERE doc_id_d = " + vb::SqlText(sNumDoc) + " " + "AND semana = " +
            std::to_string(gnSemana) + " ";
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    std::string sDeuda = TextoDeudaAcogida((*rs)(0).Value());
    rs->Close();
    return sDeuda;
  } catch (const vb::Error& error) {
    TerminaPorError("CalculaDeudaAcogida", error);
  }
}

void Frm942::CalculaCasillas() {
  try {
    if (const Bloque* bloque = BloqueDe(gnSemana)) Casilla(bloque->base).SetText(CalculaDeudaAcogida());
  } catch (const vb::Error& error) {
    TerminaPorError("CalculaCasillas", error);
  }
}

// After a debt changed: box b again and, once a dialog has stored a debt, the
// minimum initial payment.
void Frm942::CalculaCasillas2() {
  try {
    const Bloque* bloque = BloqueDe(gnSemana);
    if (!bloque) return;
    vb::Currency nUit = ObtieneUIT();
    int b = bloque->base;
    Casilla(b).SetText(CalculaDeudaAcogida());
    if (giModo == 0 || (giModo == 1 && gbGrabado))
      Casilla(bloque->cuota)
          .SetText(TextoCuotaInicial(CalculaCuotaInicial2(TextoCasilla(b), nUit, TextoCasilla(b + 1),
                                                          TextoCasilla(b + 3), TextoCasilla(b + 2))));
  } catch (const vb::Error& error) {
    TerminaPorError("CalculaCasillas2", error);
  }
}

std::string Frm942::Calcula_deuda_fracc2(std::int16_t iCuotas, double cMonto, double cCuotaIni) {
  return CuotaFraccionamiento(gsTIM, iCuotas, cMonto, cCuotaIni);
}

double Frm942::CalculaCuotaInicial2(const std::string& sDeuda, vb::Currency dUit,
                                    const std::string& Tipo, const std::string& sCuotasFrac,
                                    const std::string& /*sMesesAplaz*/) {
  return CuotaInicialMinima(sDeuda, dUit, Tipo, sCuotasFrac, gsBuenContrib);
}

// A good taxpayer gets "NO" at once; any other taxpayer "SI" first, then "NO"
// when the rule allows it.
void Frm942::CambiaGarantia2(const std::string& sDeuda, vb::Currency dUit, std::int16_t iCasGar,
                             const std::string& sCuotaAcog, const std::string& sFormaPago) {
  std::optional<bool> bGarantia = RequiereGarantia(
      sDeuda, dUit, sCuotaAcog, sFormaPago, {gsBuenContrib, gsMtoDeuda, gsIndGarantia, gsTipoPersona});
  if (!bGarantia) return;
  if (gsBuenContrib != "1") PonGarantia(iCasGar, true);
  if (!*bGarantia) PonGarantia(iCasGar, false);
}

void Frm942::PonGarantia(int nCasilla, bool bRequerida) {
  Casilla(nCasilla).SetText(bRequerida ? "SI" : "NO");
  gsGarantia = bRequerida ? "1" : "0";
  if (bRequerida) {
    ChkGarantia(1).SetEnabled(true);
    Frame_Garantia.SetVisible(true);
    return;
  }
  Frame_Garantia.SetVisible(false);
  ChkGarantia(0).SetValue(forms::vbUnchecked);
  ChkGarantia(1).SetValue(forms::vbUnchecked);
}

// The annuity of the debt less the initial payment, as box b+4 shows it.
std::string Frm942::MontoCuota(const std::string& sCuotas, const std::string& sDeuda, double nInicial) {
  if (EnBlanco(sDeuda)) return "";
  return vb::Format(Calcula_deuda_fracc2(static_cast<std::int16_t>(Cuotas(sCuotas)), vb::CDbl(sDeuda),
                                         nInicial),
                    kFormatoCuota);
}

// Every change of a box, typed or written, runs the steps of its row before the
// writing returns; the steps' own writes nest further changes. Nothing runs while
// the window is being loaded.
void Frm942::txtValor_Change(int Index) {
  if (!gbFormCargado) return;
  try {
    const Bloque* bloque = BloqueDe(gnSemana);
    std::optional<Renglon> renglon = RenglonDe(Index);
    if (bloque && renglon) {
      switch (*renglon) {
        case Renglon::Deuda: CambiaDeuda(*bloque, Index); break;
        case Renglon::FormaPago: CambiaFormaPago(*bloque, Index); break;
        case Renglon::Meses: CambiaMeses(Index); break;
        case Renglon::Cuotas: CambiaCuotas(*bloque, Index); break;
        case Renglon::Cuota: CambiaCuotaInicial(*bloque, Index); break;
        default: break;
      }
    }
    bModificado = true;
  } catch (const vb::Error& error) {
    TerminaPorError("txtValor_Change", error);
  }
}

void Frm942::CambiaDeuda(const Bloque& bloque, int d) {
  if (TextoCasilla(d).empty() || TextoCasilla(d) == "0") {
    Casilla(d + 1).SetText("");
    Vacia(Casilla(d + 2), false);
    Vacia(Casilla(d + 3), false);
    Vacia(Casilla(d + 4), false);
  }
  if (!TextoCasilla(d + 3).empty() && !TextoCasilla(d).empty()) {
    Casilla(d + 4).SetText(MontoCuota(TextoCasilla(d + 3), TextoCasilla(d), 0));
  } else {
    Casilla(d + 4).SetText("");
  }
  Casilla(nCasillaInteres).SetText("");
  CambiaGarantiaBloque(bloque);
}

void Frm942::CambiaFormaPago(const Bloque& bloque, int f) {
  double nForma = vb::Val(TextoCasilla(f));
  if (nForma < 0 || nForma == 1 || nForma > 2) Casilla(f).SetText("");
  const std::string sForma = TextoCasilla(f);
  if (sForma.empty()) {
    Vacia(Casilla(f + 1), false);
    Vacia(Casilla(f + 2), false);
    Vacia(Casilla(f + 3), false);
  } else if (sForma == "0" || sForma == "2") {
    if (TextoCasilla(f - 1).empty()) {
      Casilla(f).SetText("");
    } else {
      bool bAplaza = sForma == "2";
      Vacia(Casilla(f + 1), bAplaza, !bAplaza);
      Vacia(Casilla(f + 2), true, false);
      Vacia(Casilla(f + 3), false);
    }
    if (!EnBlanco(TextoCasilla(f - 1)) && !EnBlanco(TextoCasilla(f)))
      Casilla(bloque.cuota)
          .SetText(TextoCuotaInicial(CalculaCuotaInicial2(TextoCasilla(f - 1), ObtieneUIT(),
                                                          TextoCasilla(f), TextoCasilla(f + 2),
                                                          TextoCasilla(f + 1))));
  } else {
    Casilla(f).SetText("");
  }
  Casilla(nCasillaInteres).SetText("");
  HabilitaCuotaInicial(bloque, f);
  CambiaGarantiaBloque(bloque);
}

// The initial payment may be raised by the taxpayer under instalments only; a
// good taxpayer pays none.
void Frm942::HabilitaCuotaInicial(const Bloque& bloque, int f) {
  Habilita(Casilla(bloque.cuota),
           !EnBlanco(TextoCasilla(f)) && TextoCasilla(f) != "2" && gsBuenContrib != "1");
}

void Frm942::CambiaMeses(int m) {
  double nMaximo = EnBlanco(TextoCasilla(m - 2)) ? 0 : 6;
  double nMeses = vb::Val(TextoCasilla(m));
  if (nMeses < 1 || nMeses > nMaximo) Casilla(m).SetText("");
}

void Frm942::CambiaCuotas(const Bloque& bloque, int c) {
  double nForma = vb::Val(TextoCasilla(c - 2));
  double nCuotas = vb::Val(TextoCasilla(c));
  double nMaximo = nForma == 0 ? 72 : nForma == 2 ? 66 : 0;
  if (nMaximo > 0 && (nCuotas < 1 || nCuotas > nMaximo)) Casilla(c).SetText("");
  if (!EnBlanco(TextoCasilla(c - 3)) && !EnBlanco(TextoCasilla(c - 2)))
    Casilla(bloque.cuota)
        .SetText(TextoCuotaInicial(CalculaCuotaInicial2(TextoCasilla(c - 3), ObtieneUIT(),
                                                        TextoCasilla(c - 2), TextoCasilla(c),
                                                        TextoCasilla(c - 1))));
  const std::string& sInicial = TextoCasilla(bloque.cuota);
  double nInicial = sInicial.empty() ? 0 : vb::CCur(sInicial).ToDouble();
  if (!TextoCasilla(c - 3).empty() && !TextoCasilla(c).empty()) {
    Casilla(c + 1).SetText(MontoCuota(TextoCasilla(c), TextoCasilla(c - 3), nInicial));
  } else {
    Casilla(c + 1).SetText("");
  }
}

void Frm942::CambiaCuotaInicial(const Bloque& bloque, int i) {
  CambiaGarantiaBloque(bloque);
  int b = bloque.base;
  if (!EnBlanco(TextoCasilla(i)) && !TextoCasilla(b + 3).empty())
    Casilla(b + 4).SetText(MontoCuota(TextoCasilla(b + 3), TextoCasilla(b), vb::CDbl(TextoCasilla(i))));
  if (gsBuenContrib == "1") Casilla(bloque.cuota).SetText("0");
}

void Frm942::CambiaGarantiaBloque(const Bloque& bloque) {
  int b = bloque.base;
  CambiaGarantia2(TextoCasilla(b), ObtieneUIT(), static_cast<std::int16_t>(b + 6),
                  TextoCasilla(bloque.cuota), TextoCasilla(b + 1));
}

// Only digits, Backspace and Enter reach a box; Enter moves to the next
// control. Any key, even a refused one, marks the form as changed.
void Frm942::txtValor_KeyPress(int /*Index*/, int& KeyAscii) {
  if (!ValidaTeclaNumerica(KeyAscii)) {
    KeyAscii = 0;
  } else if (KeyAscii == 13) {
    EnviaTab("TAB");
    KeyAscii = 0;
  }
  bModificado = true;
}

// Shift+Insert and the right button's menu would paste: the clipboard is
// emptied first.
void Frm942::txtValor_KeyDown(int /*Index*/, int KeyCode, int Shift) {
  if (KeyCode == kTeclaInsert && Shift == kShift) forms::Clipboard.SetText("");
}

void Frm942::txtValor_MouseDown(int /*Index*/, int Button) {
  if (Button == kBotonDerecho) forms::Clipboard.SetText("");
}

void Frm942::txtValor_MouseUp(int Index, int Button) { mSeleccionCuota.Suelta(Casilla(Index), Button); }

// The initial payment is typed as plain whole soles (12,345 becomes 12345, an
// empty box 0) and shown with separators again on leaving. The rewritten text
// leaves the caret before it: it is selected whole, so that what is typed
// replaces it however the box was entered, and a click leaves it selected while
// it is untouched.
void Frm942::txtValor_GotFocus(int Index) {
  if (RenglonDe(Index) != Renglon::Cuota) return;
  forms::TextBox& cuota = Casilla(Index);
  cuota.SetText(vb::NumberText(vb::Val(vb::Format(cuota.Text(), "############"))));
  cuota.SetMaxLength(12);
  mSeleccionCuota.Entra(cuota);
}

void Frm942::txtValor_LostFocus(int Index) {
  std::optional<Renglon> renglon = RenglonDe(Index);
  if (renglon == Renglon::Cuota) {
    forms::TextBox& cuota = Casilla(Index);
    if (EnBlanco(cuota.Text())) return;
    cuota.SetMaxLength(15);
    cuota.SetText(vb::Format(cuota.Text(), "###,###,###,##0"));
  } else if (renglon == Renglon::FormaPago) {
    SaleFormaPago(BloqueDeCasilla(Index), Index);
  }
}

void Frm942::SaleFormaPago(const Bloque& bloque, int f) {
  forms::TextBox& cuota = Casilla(bloque.cuota);
  if (!EnBlanco(TextoCasilla(f)) && gsBuenContrib != "1") {
    Habilita(cuota, true);
    if (TextoCasilla(f) == "2") Habilita(cuota, false);
  } else {
    Habilita(cuota, false);
    cuota.SetText("");
  }
}

void Frm942::txtmtototal_Change(int /*Index*/) { CalculaCasillas2(); }

}  // namespace korva
