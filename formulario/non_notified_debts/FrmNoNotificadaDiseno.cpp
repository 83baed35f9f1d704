// The window's design: what each control is and where it stands before the
// loading changes anything. Tab order follows the design's numbers, which Enter
// (sent as Tab) follows from field to field.
#include "formulario/non_notified_debts/FrmNoNotificada.h"

namespace korva {
namespace {

constexpr int kEtiqueta = 120;
constexpr int kAnchoEtiqueta = 2295;
constexpr int kCampo = 2520;

void Etiqueta(forms::Label& etiqueta, const char* sTitulo, int nArriba) {
  etiqueta.SetCaption(sTitulo);
  etiqueta.Move(kEtiqueta, nArriba + 45, kAnchoEtiqueta, 255);
}

// A frame of the window with its caption.
void Marco(forms::Frame& marco, const char* sTitulo, int nArriba, int nAlto, int nTab) {
  marco.SetCaption(sTitulo);
  marco.Move(60, nArriba, 6900, nAlto);
  marco.SetTabIndex(nTab);
}

// A question on one line across the frame, its "Si" and "No" after it.
void Pregunta(forms::Label& etiqueta, const char* sTitulo, int nArriba) {
  etiqueta.SetCaption(sTitulo);
  etiqueta.Move(kEtiqueta, nArriba, 3975, 255);
}

// A box the user reads but never types into: its description beside a code.
void Descripcion(forms::TextBox& caja, int nIzquierda, int nArriba, int nAncho, int nTab) {
  caja.Move(nIzquierda, nArriba, nAncho, 315);
  caja.SetEnabled(false);
  caja.SetLocked(true);
  caja.SetTabIndex(nTab);
}

void Lista(forms::ComboBox& lista, int nIzquierda, int nArriba, int nAncho, int nTab) {
  lista.Move(nIzquierda, nArriba, nAncho, 315);
  lista.SetStyle(forms::vbComboDropdownList);
  lista.SetTabIndex(nTab);
}

void Opciones(forms::ControlArray<forms::OptionButton>& opciones, int nArriba, int nTabSi) {
  opciones.Add(1).SetCaption("Si");
  opciones(1).Move(4200, nArriba, 615, 255);
  opciones(1).SetTabIndex(nTabSi);
  opciones.Add(0).SetCaption("No");
  opciones(0).Move(4920, nArriba, 615, 255);
  opciones(0).SetTabIndex(nTabSi + 1);
}

void Monto(forms::TextBox& monto, int nArriba, int nTab) {
  monto.Move(kCampo, nArriba, 1815, 315);
  monto.SetAlignment(forms::vbRightJustify);
  monto.SetMaxLength(15);
  monto.SetTabIndex(nTab);
}

}  // namespace

void FrmNoNotificada::DisenaVentana() {
  SetCaption("Deudas no notificadas - detalle");
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 7260, 6945);
  Frame1.SetCaption("Deudas no notificadas - detalle");
  Frame1.Move(60, 0, 7020, 5880);
}

void FrmNoNotificada::DisenaTipoYTributo() {
  Etiqueta(Label1.Add(0), "Tipo de Deuda", 240);
  Lista(cboTipoDeuda, kCampo, 240, 1095, 40);
  cboTipoDeuda.AddItem("1 - VALOR (OP, RD o RM)");
  cboTipoDeuda.AddItem("2 - DEUDA AUTOLIQUIDADA (Dec. Jurada/Cuotas Frac. REFT/SEAP/RESIT)");
  cboTipoDeuda.AddItem("3 - INFRACCION" + std::string(20, ' '));
  Descripcion(txtTipoDeuda, kCampo + 1155, 240, 3255, 42);
  Etiqueta(Label1.Add(1), "Periodo", 585);
  mkePeriodo.Move(kCampo, 585, 1095, 315);
  mkePeriodo.SetMask("##/####");
  mkePeriodo.SetPromptChar("_");
  mkePeriodo.SetTabIndex(1);
  Etiqueta(Label1.Add(2), "Código de tributo", 930);
  Lista(cboTributo, kCampo, 930, 1095, 2);
  Descripcion(txtTributo, kCampo + 1155, 930, 3255, 16);
}

void FrmNoNotificada::DisenaValor() {
  Marco(Frame2, "Valor o Infracción", 1290, 1380, 19);
  Pregunta(Label1.Add(3, Frame2), "¿Tiene valor emitido o infracción?", 270);
  Opciones(OptRespValor, 270, 3);
  Etiqueta(Label1.Add(4, Frame2), "Tipo de resolución", 615);
  Lista(cboDocumento, kCampo - 60, 615, 1095, 5);
  cboDocumento.SetEnabled(false);
  Descripcion(txtDocumento, kCampo + 1095, 615, 3255, 21);
  lblNumvalor.SetCaption("Número de Resolución o Comunicación de Infracción");
  lblNumvalor.SetWordWrap(true);
  lblNumvalor.Move(kEtiqueta, 945, kAnchoEtiqueta, 390);
  txtNumDocumento.Move(kCampo - 60, 975, 2295, 315);
  txtNumDocumento.SetMaxLength(16);
  txtNumDocumento.SetEnabled(false);
  txtNumDocumento.SetTabIndex(6);
}

void FrmNoNotificada::DisenaDeclaracion() {
  Marco(Frame3, "Declaración jurada", 2700, 1320, 24);
  Pregunta(Label1.Add(5, Frame3), "¿Tiene deuda con Declaración Jurada?", 270);
  Opciones(OptRespDDJJ, 270, 7);
  Etiqueta(Label1.Add(6, Frame3), "Código del formulario", 615);
  txtcodform.Move(kCampo - 60, 615, 735, 315);
  txtcodform.SetMaxLength(4);
  txtcodform.SetEnabled(false);
  txtcodform.SetTabIndex(9);
  Label1.Add(7, Frame3).SetCaption("Número de orden");
  Label1(7).Move(3360, 660, 1335, 255);
  txtNumOrd.Move(4740, 615, 1335, 315);
  txtNumOrd.SetMaxLength(9);
  txtNumOrd.SetEnabled(false);
  txtNumOrd.SetTabIndex(10);
  Etiqueta(lblTipoPago, "Tipo de Pago", 960);
  Lista(cboTipoPago, kCampo - 60, 960, 1455, 38);
  cboTipoPago.AddItem("0 - Contado");
  cboTipoPago.AddItem("1 - Fraccionado");
  cboTipoPago.SetEnabled(false);
  lblSemana.SetCaption("Semana");
  lblSemana.Move(4200, 1005, 735, 255);
  Lista(cboSemana, 4980, 960, 735, 36);
  for (const char* sSemana : {"0", "1", "2", "3", "4", "5"}) cboSemana.AddItem(sSemana);
  cboSemana.SetEnabled(false);
}

void FrmNoNotificada::DisenaMontos() {
  Etiqueta(Label1.Add(8), "Código de tributo asociado", 4080);
  Lista(CboTributoAsociado, kCampo, 4080, 1095, 11);
  CboTributoAsociado.SetEnabled(false);
  Descripcion(TxtTributoAsociado, kCampo + 1155, 4080, 3255, 29);
  Etiqueta(Label1.Add(9), "Tributo insoluto", 4425);
  Monto(txtmtoTributo, 4425, 12);
  Etiqueta(Label1.Add(10), "Interés capitalizado", 4770);
  Monto(TxtMtoInteresesCAP, 4770, 13);
  Etiqueta(Label1.Add(11), "Interés no capitalizado", 5115);
  Monto(TxtMtoIntereses, 5115, 14);
  Etiqueta(Label1.Add(12), "Monto acogido", 5460);
  Monto(lblMtoAcogido, 5460, 31);
  lblMtoAcogido.SetLocked(true);
  lblMtoAcogido.SetBackColor(kGris);
}

void FrmNoNotificada::DisenaBotones() {
  cmdOpcion.Add(0).SetCaption("Aceptar");
  cmdOpcion(0).Move(4080, 5985, 1335, 375);
  cmdOpcion(0).SetTabIndex(15);
  cmdOpcion.Add(1).SetCaption("&Salir");
  cmdOpcion(1).Move(5640, 5985, 1335, 375);
  cmdOpcion(1).SetTabIndex(28);
}

}  // namespace korva
