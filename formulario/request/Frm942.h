#pragma once
#include <cstdint>
#include <string>

#include "formulario/core/ModGen01.h"
#include "platform/forms/check_box.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/data_control.h"
#include "platform/forms/data_grid.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/masked_edit.h"
#include "platform/forms/option_button.h"
#include "platform/forms/tab_control.h"
#include "platform/forms/text_box.h"
#include "platform/vb/currency.h"
#include "platform/vb/variant.h"

namespace dao {
class Transaction;
}  // namespace dao

namespace korva {

struct Bloque;
struct Fila;

// The window of form "0942": one declaration, opened by the chooser of pending
// declarations (to update it) or of sent ones (to view it, read-only). Tab 0
// identifies the declarant, tabs 1, 2, 3 and 5 show its debts by category from
// the working table TMP_F0942DEUDAS, and tab 4 holds the payment-mode boxes of
// its creditor entity. The declaration's debt, motive and supporting rows are
// copied into the working tables when the window opens, and the working tables
// are emptied again when it closes.
//
// The program reaches it through its one default instance (forms::Instance);
// the detail windows of a debt reach it only through SolicitudAbierta, which
// reads its declaration, tabs and grid rows and calls back CargaTabIndex and
// CalculaMontoTotal after they store. The declaration comes from the chooser
// that opened it, handed over through the core (DeclaracionEntregada).
//
// The public methods stand in the order of the window's interface.
class Frm942 : public forms::Form {
 public:
  Frm942();

  // The identification check: the telephone and the acceptance date. nModo 0
  // writes each finding as one line of the open report file nArchivoReporte and
  // goes on; 1 and 2 show the first finding and answer False at once.
  bool ValidaContForm1(std::uint8_t nModo);

  // Reloads grid nIndex (1, 2, 3 or 5) from the working table as a fresh
  // read-only snapshot on its first row, and counts it in lblTab(nIndex).
  void CargaTabIndex(int nIndex);
  // Writes into oTextBox the total accepted amount of grid nIndex in whole
  // soles ("0" when there is none); nothing for 0, 4 and 5.
  void CalculaMontoTotal(forms::TextBox& oTextBox, int nIndex);

  // The payment-mode arithmetic: box b from the accepted debts (on entering
  // tab 4), box b and the minimum initial payment after a debt changed, and the
  // accepted debt itself ("" when the declaration has no debt rows).
  void CalculaCasillas();
  void CalculaCasillas2();
  std::string CalculaDeudaAcogida();

  // Storing the whole declaration, and loading it: "C" copies the declaration's
  // stored debt, motive and supporting rows into the working tables ("G" copies
  // them back); CargaCasillas fills the controls from the stored boxes.
  // GrabaFormulario stores the header, the boxes and the debt, motive and
  // supporting rows in one transaction; any error undoes it all and is fatal.
  // It stores nothing and answers False when the working tables no longer hold
  // the declaration (VerificaTemporales).
  bool GrabaFormulario();
  void CargaDataTemporales(const std::string& sDireccion);
  void CargaCasillas();

  // The whole declaration's validation: 0 report mode writes every finding to
  // the open report file nArchivoReporte, closes it and shows the viewer (or
  // says there is none); 2 quick mode stops at the first finding. Either way
  // giInconsistencia says whether one was found and gsMensaje holds the last.
  bool ValidaTodo(std::uint8_t& nModo);

  // Whether the working tables still hold the open declaration as this form
  // copied it: the mark of its copy is still beside them and the working debts
  // hold at least nDeudasTemporales of its rows. Otherwise another program
  // emptied the working tables, copied the declaration again or made the tables
  // again (an installation, another opening of the form) and storing them would
  // lose the answers or empty the stored declaration: the transaction is rolled
  // back, the user is told (titled sTitulo) and the answer is False. Every store
  // into or out of the working tables, and every writer of the working debts
  // (the whole-grid answers, the recalculation, the deletion of an added debt),
  // asks it inside its transaction.
  bool VerificaTemporales(dao::Transaction& transaccion, const std::string& sTitulo);

  // Lookups of the open declaration: the criminal-proceedings flag (kept in
  // gnRucDelito), the good-taxpayer flag (kept in gsBuenContrib), and its
  // guarantee row (into gsIndGarantia, gsIndPersona, gsMtoDeuda and
  // gsMtoDeudaGarantia). A declaration without the row leaves them as they were.
  std::uint8_t Lee_RUC_Delito();
  std::string Lee_BuenosCont();
  void Datos_Iniciales();

  // The instalment at 80 % of gsTIM, unrounded text; "" without a rate or
  // without instalments.
  std::string Calcula_deuda_fracc2(std::int16_t iCuotas, double cMonto, double cCuotaIni);
  // Brings the interest of the accepted reported debts up to the acceptance
  // date, in one transaction; nothing without a date in the box or a debt
  // file's date in the grids. False when the working tables no longer hold the
  // declaration (VerificaTemporales): nothing recalculated, the user told.
  bool Recalcula_deuda();

  // True while a reported debt of the group is unanswered: "1" categories 01 and
  // 05, any other text 02 and 03.
  bool Existen_Deudas(const std::string& sTipo);
  // gsTIM from the acceptance month yyyymm: "1.5" before 201003, "1.2" after.
  void Obtiene_TIM(const std::string& sFecha);

  // The minimum initial payment of a debt box's text for the payment form and
  // instalments (the months do not count), and the guarantee rule, which writes
  // box iCasGar ("SI"/"NO"), gsGarantia and the guarantee frame.
  double CalculaCuotaInicial2(const std::string& sDeuda, vb::Currency dUit, const std::string& Tipo,
                              const std::string& sCuotasFrac, const std::string& sMesesAplaz);
  void CambiaGarantia2(const std::string& sDeuda, vb::Currency dUit, std::int16_t iCasGar,
                       const std::string& sCuotaAcog, const std::string& sFormaPago);

  // gsTipoPersona: "0" when an accepted debt of taxes 030701 to 030704 exists,
  // "1" otherwise.
  void CargaTipoPersona();

  forms::TabControl SSTab1{*this, "SSTab1"};

  // Tab 0, "&Información general".
  forms::Frame Frame5{SSTab1.Page(0), "Frame5"};
  forms::ControlArray<forms::Label> Label1{Frame5, "Label1"};
  forms::Label Label2{Frame5, "Label2"};
  forms::ComboBox cboNumdoc{Frame5, "cboNumdoc"};
  forms::TextBox txtRazon{Frame5, "txtRazon"};
  forms::TextBox txtTelefono{Frame5, "txtTelefono"};
  forms::MaskedEdit mkeFechaAcog{Frame5, "mkeFechaAcog"};
  forms::TextBox TxtEntidad{Frame5, "TxtEntidad"};
  forms::TextBox txtCorrel{Frame5, "txtCorrel"};
  forms::Frame Frame4{SSTab1.Page(0), "Frame4"};
  forms::ControlArray<forms::OptionButton> OptRectifica{Frame4, "OptRectifica"};
  forms::Frame Frame2{SSTab1.Page(0), "Frame2"};
  forms::Label Label3{Frame2, "Label3"};

  // Tabs 1, 2, 3 and 5: one grid, data control and counter per tab, indexed by
  // the tab's number; totals and row commands on tabs 1 to 3.
  forms::ControlArray<forms::DataControl> Dat{SSTab1, "Dat"};
  forms::ControlArray<forms::DataGrid> TDBGrid{SSTab1, "TDBGrid"};
  forms::ControlArray<forms::Label> lblTab{SSTab1, "lblTab"};
  forms::ControlArray<forms::TextBox> txtmtototal{SSTab1, "txtmtototal"};
  forms::ControlArray<forms::CommandButton> cmdEdit{SSTab1, "cmdEdit"};
  forms::ControlArray<forms::CommandButton> CmdAcoge{SSTab1, "CmdAcoge"};
  forms::ControlArray<forms::CommandButton> CmdNoAcoge{SSTab1, "CmdNoAcoge"};
  forms::ControlArray<forms::CommandButton> cmdNew{SSTab1, "cmdNew"};
  forms::ControlArray<forms::CommandButton> cmdDelete{SSTab1, "cmdDelete"};

  // Tab 4, "Modalida&d de pago": the row captions once, then one frame per
  // entity holding its boxes, txtValor(box number) with txtnumcas(box number)
  // beside each.
  forms::Frame Frame1{SSTab1.Page(4), "Frame1"};
  forms::ControlArray<forms::TextBox> txtdescas{Frame1, "txtdescas"};
  forms::Frame Frame_TELVO{SSTab1.Page(4), "Frame_TELVO"};
  forms::Frame Frame_ESSALUD{SSTab1.Page(4), "Frame_ESSALUD"};
  forms::Frame Frame_ONP{SSTab1.Page(4), "Frame_ONP"};
  forms::Frame Frame_FONAVI{SSTab1.Page(4), "Frame_FONAVI"};
  forms::Frame Frame_FONCOMUN{SSTab1.Page(4), "Frame_FONCOMUN"};
  forms::ControlArray<forms::TextBox> txtdescol{Frame_TELVO, "txtdescol"};
  forms::ControlArray<forms::TextBox> txtValor{Frame_TELVO, "txtValor"};
  forms::ControlArray<forms::TextBox> txtnumcas{Frame_TELVO, "txtnumcas"};
  forms::Frame Frame_Garantia{SSTab1.Page(4), "Frame_Garantia"};
  forms::ControlArray<forms::CheckBox> ChkGarantia{Frame_Garantia, "ChkGarantia"};
  forms::Label lblmsg{SSTab1.Page(4), "lblmsg"};

  forms::CommandButton CmdValidar{*this, "CmdValidar"};
  forms::CommandButton CmdGrabar{*this, "CmdGrabar"};
  forms::CommandButton CmdCancelar{*this, "CmdCancelar"};

  // The open declaration: its document type and number (from the chooser's row,
  // then the declarant's item) and, for a sent one, its correlative.
  std::uint8_t nTipoDoc = 0;
  std::string sNumDoc;
  std::string sCorrel;
  // Something changed since the opening or the last store.
  bool bModificado = false;
  // The opening ran to its end.
  bool bCargaCompleta = false;
  // The entity's base box b, deferral-interest box and guarantee box b+6.
  int nCasillaBase = 0;
  int nCasillaInteres = 0;
  int nCasillaGarantia = 0;
  // The acceptance date when its box last took the focus.
  std::string sFechaAnterior = "__/__/____";
  int nArchivoReporte = 0;
  int nCasillaCuota = 0;
  // The value of the box GrabarCasilla last read, "" when it has no row.
  std::string sValorCasilla;
  // The grid row a detail window was opened on, 0 when none is pending.
  long nPosicion = 0;
  // The open declaration's rows in the working debts as the windows' own
  // changes left them: counted when they are copied in, one less for each added
  // debt deleted here, one more for each the non-notified-debt window adds.
  long nDeudasTemporales = 0;
  // The mark of this form's copy into the working tables, written beside them
  // in TMP_F0942APERTURA when they were copied in; "" until then.
  std::string sMarcaTemporales;

 private:
  void DisenaVentana();
  void DisenaIdentificacion();
  void DisenaSustitutoria();
  void DisenaGrillas();
  void DisenaGrilla(int n);
  void DisenaBotonesDeuda();
  void DisenaModalidadPago();
  forms::Frame& MarcoDe(const Bloque& bloque);
  void DisenaBloque(const Bloque& bloque);
  void DisenaCasilla(forms::Frame& marco, const Fila& fila, int nCasilla, int nArriba);
  void DisenaGarantia();
  void DisenaBotones();
  void ConectaEventos();
  void ConectaFilas();
  void ConectaFechaAcogida();
  void ConectaCasillas();

  void Form_Load();
  void Form_Activate();
  void Form_Unload(int& Cancel);
  void cboNumdoc_Click();
  void CmdCancelar_Click();
  void SSTab1_Click(int PreviousTab);
  void TDBGrid_FormatText(int Index, int ColIndex, vb::Variant& Value);
  void TDBGrid_RowColChange(int Index, const vb::Variant& LastRow);
  void TDBGrid_DblClick(int Index);
  void txtmtototal_Change(int Index);

  // The row commands of the debt tabs.
  void cmdEdit_Click(int Index);
  void cmdNew_Click(int Index);
  void cmdDelete_Click(int Index);
  void CmdAcoge_Click(int Index);
  void CmdNoAcoge_Click(int Index);
  bool SinFilas(int n);
  bool ConfirmaRespuestaGrupo(int Index, const std::string& sPregunta);
  // False when the working tables no longer hold the declaration: nothing
  // answered, the user told.
  bool RespondeGrupo(int Index, bool bAcoge);
  enum class Eliminacion { Hecha, Fallida, Rechazada };
  Eliminacion EliminaDeudaAgregada();

  // The acceptance date and the substitution question.
  void mkeFechaAcog_GotFocus();
  void mkeFechaAcog_KeyDown(int KeyCode, int Shift);
  void mkeFechaAcog_KeyPress(int& KeyAscii);
  void mkeFechaAcog_LostFocus();
  void OptRectifica_Click(int Index);

  // The payment-mode boxes: entry rules and the recalculation cascade.
  void txtValor_Change(int Index);
  void txtValor_KeyPress(int Index, int& KeyAscii);
  void txtValor_KeyDown(int Index, int KeyCode, int Shift);
  void txtValor_MouseDown(int Index, int Button);
  void txtValor_MouseUp(int Index, int Button);
  void txtValor_GotFocus(int Index);
  void txtValor_LostFocus(int Index);
  void CambiaDeuda(const Bloque& bloque, int d);
  void CambiaFormaPago(const Bloque& bloque, int f);
  void CambiaMeses(int m);
  void CambiaCuotas(const Bloque& bloque, int c);
  void CambiaCuotaInicial(const Bloque& bloque, int i);
  void CambiaGarantiaBloque(const Bloque& bloque);
  void HabilitaCuotaInicial(const Bloque& bloque, int f);
  void SaleFormaPago(const Bloque& bloque, int f);
  void PonGarantia(int nCasilla, bool bRequerida);
  std::string MontoCuota(const std::string& sCuotas, const std::string& sDeuda, double nInicial);
  void PreparaBloque(const Bloque& bloque);
  void DeshabilitaEnviada();
  forms::TextBox& Casilla(int nCasilla);
  std::string TextoCasilla(int nCasilla);
  // The initial-payment box whose focus selected its text, kept selected by a click.
  SeleccionDeEntrada mSeleccionCuota;

  void CasillasDeEntidad();
  void OlvidaGarantiaAnterior();
  void CuotaBuenContribuyente();
  void CargaDeclaracion();
  void ModoEnviada();
  void Identifica();
  void CasillaGarantia();
  void MuestraMarcoEntidad();
  void EntraModalidadPago();
  void VaciaTemporales();
  std::string ClaveCabecera() const;
  std::string ClaveDeudas() const;
  long CuentaDeudasTemporales();
  void MarcaTemporales();
  bool ConservaMarcaTemporales();
  std::string SentenciaGrilla(int nIndex) const;
  void CuentaFilas(int nIndex);
  void CopiaFamilia(const std::string& sTabla, const std::string& sColumnas);
  bool GrabarCasilla(const std::string& sCasilla, const std::string& sValor);
  void LeeCasillas(int nDesde, int nHasta);

  // Storing, validating and the commands.
  enum class Grabacion { Hecha, Rechazada };
  Grabacion Graba();
  bool ConfirmaCierre();
  void CmdGrabar_Click();
  void CmdValidar_Click();
  void Form_QueryUnload(int& Cancel, int UnloadMode);
  void txtTelefono_KeyPress(int& KeyAscii);
  void txtTelefono_KeyDown(int& KeyCode, int Shift);
  void txtTelefono_MouseDown(int Button);
  void MuestraInconsistencias();
  void GrabaCabecera();
  void GrabaCasillasDeclaracion();
  void GrabaCasillaParametro(const std::string& sFormulario);
  bool LeeCasilla(dao::Recordset& det, const std::string& sCasilla);
  void AnotaGarantia(const std::string& sCasilla, const vb::Variant& valor);
};

}  // namespace korva
