// The layout of the reported-debt window: what the administration reported on
// top, the taxpayer's answer below, the two commands at the foot.
#include "formulario/reported_debts/frmCondeuDet.h"

#include <initializer_list>

namespace korva {
namespace {

constexpr int kAlto = 315;
constexpr int kAltoEtiqueta = 255;

// A read-only identification box: grey, locked and out of the tab order.
void CajaDeLectura(forms::TextBox& caja, int nIzquierda, int nArriba, int nAncho) {
  caja.Move(nIzquierda, nArriba, nAncho, kAlto);
  caja.SetBackColor(kColorBloqueado);
  caja.SetLocked(true);
  caja.SetTabStop(false);
}

void Etiqueta(forms::Label& etiqueta, const char* sCaption, int nIzquierda, int nArriba,
              int nAncho) {
  etiqueta.SetCaption(sCaption);
  etiqueta.Move(nIzquierda, nArriba, nAncho, kAltoEtiqueta);
}

// A reported amount: a caption on the left, the amount on the right.
void MontoReportado(forms::Label& titulo, const char* sCaption, forms::Label& monto, int nArriba) {
  Etiqueta(titulo, sCaption, 120, nArriba, 1695);
  monto.Move(1800, nArriba, 1215, kAltoEtiqueta);
  monto.SetAlignment(forms::vbRightJustify);
}

// A box of the accepted amounts with its caption above it.
void MontoAcogido(forms::Label& titulo, const char* sCaption, forms::TextBox& caja, int nIzquierda,
                  int nTabIndex) {
  Etiqueta(titulo, sCaption, nIzquierda, 240, 2100);
  caja.Move(nIzquierda, 480, 2100, kAlto);
  caja.SetAlignment(forms::vbRightJustify);
  caja.SetTabIndex(nTabIndex);
}

struct Motivo {
  int indice;
  const char* caption;
  bool visible;
  // The supporting-data button: none for motive 7, hidden for 6 and 8.
  bool conBoton;
  bool botonVisible;
};

constexpr Motivo kMotivos[] = {
    {1, "Pagos no considerados", true, true, true},
    {2, "Modificación de datos", true, true, true},
    {3, "Error material (Art. 108 C.T.)", true, true, true},
    {4, "Desistimiento aceptado", true, true, true},
    {5, "DDJJ rectificatoria", true, true, true},
    {6, "Lit. g) Art.3° de RS 199-2004", true, true, false},
    {7, "No corresponde fec. actualiz.", false, false, false},
    {8, "Otros", false, true, false},
};

}  // namespace

frmCondeuDet::frmCondeuDet() : forms::Form("frmCondeuDet") {
  DisenaVentana();
  ConectaEventos();
}

void frmCondeuDet::DisenaVentana() {
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 9600, 8550);
  Frame1.SetCaption("Información de TELVO");
  Frame1.Move(120, 60, 9255, 3960);
  DisenaIdentificacion();
  DisenaMontosReportados();
  DisenaRespuesta();
  DisenaMotivos();
  DisenaMontos();
  lstForm.SetVisible(false);
  lstForm.Move(120, 7560, 3615, 255);
  lstForm2.SetVisible(false);
  lstForm2.Move(120, 7560, 3615, 255);
  forms::CommandButton& aceptar = cmdOpcion.Add(0);
  aceptar.SetCaption("&Aceptar");
  aceptar.Move(6600, 7560, 1335, 375);
  aceptar.SetTabIndex(20);
  forms::CommandButton& salir = cmdOpcion.Add(1);
  salir.SetCaption("&Salir");
  salir.Move(8040, 7560, 1335, 375);
  salir.SetTabIndex(21);
}

// The rows of the reported debt; Posiciona_Etiqueta moves them for the
// categories "02" and "03".
void frmCondeuDet::DisenaIdentificacion() {
  Frame6.SetCaption("Deuda notificada");
  Frame6.Move(120, 240, 5775, 3630);
  Etiqueta(Label2, "Periodo", 120, 240, 1095);
  CajaDeLectura(lblPeriodo, 120, 480, 1095);
  Etiqueta(Label3, "Número de valor", 1320, 240, 4335);
  CajaDeLectura(lblNumvalor, 1320, 480, 3015);
  CajaDeLectura(lblNum_ord_dj, 4440, 480, 1215);
  lblNum_ord_dj.SetVisible(false);
  Etiqueta(label9, "Código de tributo", 120, 900, 3015);
  CajaDeLectura(lblCodtributo, 120, 1140, 735);
  CajaDeLectura(LblDestributo, 960, 1140, 4695);
  Etiqueta(Label4, "Tipo de documento", 120, 1560, 3015);
  CajaDeLectura(lblCod_tip_doc, 120, 1800, 735);
  CajaDeLectura(lblDes_tip_doc, 960, 1800, 4695);
  Etiqueta(Label6, "Tributo asociado", 120, 3060, 3015);
  CajaDeLectura(lblCod_Tri_aso, 120, 3240, 735);
  CajaDeLectura(lblDesetapa, 960, 3240, 4695);
  for (forms::Control* control : std::initializer_list<forms::Control*>{&Label6, &lblCod_Tri_aso, &lblDesetapa})
    control->SetVisible(false);
  Etiqueta(Label5, "Estado de la deuda", 120, 2280, 3015);
  CajaDeLectura(lblIndEstado, 120, 2520, 735);
  CajaDeLectura(lblDesEstado, 960, 2520, 4695);
  Etiqueta(lblTitFecha, "Fecha de descarga", 120, 2940, 3015);
  CajaDeLectura(lblFechaAct, 120, 3180, 2055);
  CajaDeLectura(lblDesFecha, 2280, 3180, 3375);
}

void frmCondeuDet::DisenaMontosReportados() {
  FrmSinBeneficio.SetCaption("Deuda según TELVO");
  FrmSinBeneficio.Move(6000, 240, 3135, 2040);
  MontoReportado(Label10, "Tributo insoluto", lblmtotribinsol1, 360);
  MontoReportado(Label12, "Interés capitalizado", lblmtointcapital, 780);
  MontoReportado(Label11, "Interés no capitalizado", lblmtointnocapital, 1200);
  MontoReportado(Label21, "Total", lblmtotot1, 1620);
}

void frmCondeuDet::DisenaRespuesta() {
  Frame2.SetCaption("Información del contribuyente");
  Frame2.Move(120, 4080, 9255, 3375);
  Frame3.SetCaption("¿Se acoge al fraccionamiento?");
  Frame3.Move(120, 240, 2895, 735);
  Frame4.SetCaption("¿Esta conforme con el monto?");
  Frame4.Move(120, 1080, 2895, 735);
  const char* kAcoge[] = {"&Si", "&No"};
  const char* kConforme[] = {"S&i", "N&o"};
  for (int i = 0; i < 2; ++i) {
    forms::OptionButton& acoge = optAcogeFrac.Add(i);
    acoge.SetCaption(kAcoge[i]);
    acoge.Move(240 + 1200 * i, 330, 975, kAltoEtiqueta);
    acoge.SetTabIndex(i);
    forms::OptionButton& conforme = optConformeMto.Add(i);
    conforme.SetCaption(kConforme[i]);
    conforme.Move(240 + 1200 * i, 330, 975, kAltoEtiqueta);
    conforme.SetTabIndex(2 + i);
  }
}

// Two columns of four motives, each with its supporting-data button beside it.
// The buttons show "..." in place of a picture.
void frmCondeuDet::DisenaMotivos() {
  Frame5.SetCaption("Motivos y sustento");
  Frame5.Move(3120, 240, 6015, 1575);
  for (const Motivo& motivo : kMotivos) {
    int nColumna = (motivo.indice - 1) / 4;
    int nArriba = 270 + 300 * ((motivo.indice - 1) % 4);
    forms::CheckBox& chk = chkmotivo.Add(motivo.indice);
    chk.SetCaption(motivo.caption);
    chk.Move(120 + 2940 * nColumna, nArriba, 2415, kAltoEtiqueta);
    chk.SetVisible(motivo.visible);
    chk.SetTabIndex(4 + 2 * motivo.indice);
    if (!motivo.conBoton) continue;
    forms::CommandButton& boton = cmdMotivo.Add(motivo.indice);
    boton.SetCaption("...");
    boton.Move(2580 + 2940 * nColumna, nArriba, 375, kAltoEtiqueta);
    boton.SetVisible(motivo.botonVisible);
    boton.SetTabIndex(5 + 2 * motivo.indice);
  }
}

void frmCondeuDet::DisenaMontos() {
  Frame7.Move(120, 1920, 9015, 1335);
  MontoAcogido(Label22, "Tributo insoluto", txtmtoTributo, 120, 16);
  MontoAcogido(Label7, "Interés capitalizado", lblMtoInteresCAP, 2340, 17);
  MontoAcogido(Label1, "Interés", lblMtoInteres, 4560, 18);
  MontoAcogido(Label24, "Monto acogido", lblMtoAcogido, 6780, 19);
  // An agreed debt's caption takes the acceptance date ("Monto acogido al
  // dd/mm/yyyy"): the last caption runs on to the frame's edge to hold it on
  // one line.
  Label24.SetWidth(2190);
  lblMtoAcogido.SetBackColor(kColorBloqueado);
  lblMtoAcogido.SetLocked(true);
  lblMtoAcogido.SetTabStop(false);
}

}  // namespace korva
