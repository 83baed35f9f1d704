#pragma once
#include <memory>
#include <string>

#include "formulario/core/ModGen01.h"
#include "formulario/request/SolicitudAbierta.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/masked_edit.h"
#include "platform/forms/option_button.h"
#include "platform/forms/text_box.h"

namespace dao {
class Recordset;
using RecordsetPtr = std::shared_ptr<Recordset>;
}

namespace korva {

// The window in which the taxpayer adds to the open declaration a debt that the
// administration did not notify (category "04"), or changes the amounts of one
// already added. The request form opens it modally from its tab of other debts
// for a new debt (Operacion::Nueva) or for the debt of the grid's current row
// (Operacion::Edicion); the window reads the taxpayer, the tab and the row
// through the request form's door (SolicitudAbierta).
//
// Choosing the debt type, the tax, the period, the week and the sworn-declaration
// answer narrows the other fields: each handler enables, empties, recolours,
// shows or relabels them and rebuilds lists, and a selection made in code runs
// that control's own handler at once, nested in the handler that made it.
//
// "Aceptar" checks the entry (Valida_Datos: one fixed list of rules, the first
// that fails is reported and ends the check) and stores it as a row of
// category "04" of the working debts (GrabaDatos).
//
// The public methods stand in the order of the window's interface.
class FrmNoNotificada : public forms::Form {
 public:
  FrmNoNotificada();

  // An editable field is white, one the user must not fill grey; colour and
  // state change together.
  static constexpr forms::Color kBlanco = 0x00FFFFFF;
  static constexpr forms::Color kGris = 0x00C0C0C0;

  // Clears the window for a new entry; the debt type, tax, period and amount
  // boxes keep whether they are enabled.
  void Deshabilita_campos();
  // Fills a tax list from PARAM 725 for the entity and the debt type ("1", "2",
  // "3" or "") and selects the stored code sCodTributo. oCombo is cboTributo or
  // CboTributoAsociado.
  void CargaTributo(forms::ComboBox& oCombo, const std::string& sCodTributo,
                    const std::string& sTipoDeuda);
  // Fills the document types from PARAM 726 for the entity's family, the tax
  // and the debt type chosen, and selects sCodValor.
  void CargaValoresNEW(forms::ComboBox& oCombo, const std::string& sCodValor);
  // "fec_des_deu" or "Num_pro" (any case) of the request form's grids 1, 2 and
  // 5: the download date (grid 1, else 5, else 2) or the procedure number (grid
  // 1, else 2, else 5); "" when no grid has one.
  std::string Retorna_Columna(const std::string& sColumna);
  // Fills the fields from the current row of the request form's grid nIndexGrid;
  // with nModo 1 every field but the three amounts ends disabled and grey.
  void CargaCampos(int nModo, int nIndexGrid);
  // Whether the entry may be stored: the period, the tax's latest and first
  // periods, the document and order numbers, the debts already registered,
  // the sworn declaration, the week and payment type and the amounts, in that
  // order. The first rule that fails is reported and the answer is False; an
  // error of a lookup reaches the caller. Virtual, so that a test can stand in
  // for it (as for GrabaDatos).
  virtual bool Valida_Datos();
  // Whether the period "mm/yyyy" lies between the two and its month is one
  // that xTipo allows (0 months 1-12, 1 months 1-13, 2 month 13, 3 months 1-12
  // and 14); it shows nothing.
  bool ValidaPerMensual(const std::string& xPerIngresado, const std::string& xPerInicio,
                        const std::string& xPerFinal, int xTipo);
  // Stores a checked entry as a new row of the working debts (Tag "N") or
  // rewrites the accepted amounts of the row being edited, and after a new row
  // refreshes the request form's tab and clears the window for the next debt.
  // It reports its own failures; the caller learns nothing of them.
  virtual void GrabaDatos();
  // Whether the working debts already hold the debt typed as a reported valor
  // (sOpcion "VALORES") or as a self-assessed debt with a sworn declaration
  // ("DJ"). sTabla is not read: the working debts are always looked up.
  bool Existe_Deuda(const std::string& sTabla, const std::string& sOpcion);
  // Resets the document, sworn-declaration, associated-tax, form-code and
  // order-number fields for the debt type and tax chosen.
  void Procesa_CboTributo();
  // Disables the associated tax when PARAM 725 says that the tax chosen takes
  // none (character 69 of its Funcion is "1"); never enables it.
  void Verifica_Tributo_Asociado();
  // Whether PARAM 725 marks the stored tax code as requiring a sworn
  // declaration (character 59 of its Funcion is "1").
  bool Tributo_Req_DDJJ(const std::string& sCodTributo);

  forms::Frame Frame1{*this, "Frame1"};
  forms::ControlArray<forms::Label> Label1{Frame1, "Label1"};
  forms::ComboBox cboTipoDeuda{Frame1, "cboTipoDeuda"};
  forms::TextBox txtTipoDeuda{Frame1, "txtTipoDeuda"};
  forms::MaskedEdit mkePeriodo{Frame1, "mkePeriodo"};
  forms::ComboBox cboTributo{Frame1, "cboTributo"};
  forms::TextBox txtTributo{Frame1, "txtTributo"};

  // "Valor o Infracción": the document behind the debt.
  forms::Frame Frame2{Frame1, "Frame2"};
  forms::ControlArray<forms::OptionButton> OptRespValor{Frame2, "OptRespValor"};
  forms::ComboBox cboDocumento{Frame2, "cboDocumento"};
  forms::TextBox txtDocumento{Frame2, "txtDocumento"};
  forms::Label lblNumvalor{Frame2, "lblNumvalor"};
  forms::TextBox txtNumDocumento{Frame2, "txtNumDocumento"};

  // "Declaración jurada": OptRespDDJJ(1) "Si", OptRespDDJJ(0) "No".
  forms::Frame Frame3{Frame1, "Frame3"};
  forms::ControlArray<forms::OptionButton> OptRespDDJJ{Frame3, "OptRespDDJJ"};
  forms::TextBox txtcodform{Frame3, "txtcodform"};
  forms::TextBox txtNumOrd{Frame3, "txtNumOrd"};
  forms::Label lblTipoPago{Frame3, "lblTipoPago"};
  forms::ComboBox cboTipoPago{Frame3, "cboTipoPago"};
  forms::Label lblSemana{Frame3, "lblSemana"};
  forms::ComboBox cboSemana{Frame3, "cboSemana"};

  forms::ComboBox CboTributoAsociado{Frame1, "CboTributoAsociado"};
  forms::TextBox TxtTributoAsociado{Frame1, "TxtTributoAsociado"};
  forms::TextBox txtmtoTributo{Frame1, "txtmtoTributo"};
  forms::TextBox TxtMtoInteresesCAP{Frame1, "TxtMtoInteresesCAP"};
  forms::TextBox TxtMtoIntereses{Frame1, "TxtMtoIntereses"};
  // A locked box, not a label: the sum of the three amounts.
  forms::TextBox lblMtoAcogido{Frame1, "lblMtoAcogido"};

  // 0 "Aceptar", 1 "&Salir".
  forms::ControlArray<forms::CommandButton> cmdOpcion{*this, "cmdOpcion"};

  // The request form's tab when the window loaded: the index of its grid and
  // data control that the window reads and refreshes.
  int miIndexGrid = 0;
  // The taxpayer's RUC, from the request form's document list.
  std::string msRuc;
  // Something was typed since the window opened or last stored.
  bool mbModificado = false;

 private:
  void DisenaVentana();
  void DisenaTipoYTributo();
  void DisenaValor();
  void DisenaDeclaracion();
  void DisenaMontos();
  void DisenaBotones();
  void ConectaEventos();
  void ConectaCascada();
  void ConectaFiltros();

  void Form_Load();
  void cmdOpcion_Click(int Index);
  void cboDocumento_Click();
  void cboDocumento_KeyPress(int& KeyAscii);
  void CboTributoAsociado_Click();

  void cboTipoDeuda_Click();
  void cboTributo_Click();
  void cboTributo_KeyPress(int& KeyAscii);
  void cboTributo_LostFocus();
  void cboSemana_Click();
  void mkePeriodo_Change();
  void mkePeriodo_KeyDown(int& KeyCode, int Shift);
  void mkePeriodo_KeyPress(int& KeyAscii);
  void mkePeriodo_LostFocus();
  void OptRespDDJJ_Click(int Index);
  void OptRespDDJJ_KeyPress(int Index, int& KeyAscii);

  void NumeroFiltro_KeyPress(int& KeyAscii);
  void txtcodform_LostFocus();
  void txtNumDocumento_KeyPress(int& KeyAscii);
  void Monto_GotFocus(forms::TextBox& B);
  void Monto_KeyPress(forms::TextBox& B, int& KeyAscii);
  void Monto_Change(forms::TextBox& B);
  void Monto_LostFocus(forms::TextBox& B);
  // The amount box whose focus selected its text, kept selected by a click.
  SeleccionDeEntrada mSeleccionMonto;

  bool VerificaExclusionTributo(const std::string& sCodTributo, int iPosicion);
  bool SeListaTributo(const std::string& sArgumento, const std::string& sTipoDeuda, bool bAsociado);
  bool EntidadOfreceMultas();

  // The cascade's rules and the slices of the fields it reads.
  void ReglaInteresCapitalizado();
  void ReglaCuotaDelMes();
  void MuestraSemanaYCuota();
  void RecargaDocumentos(int iAncho);
  void TipoDeudaValorOInfraccion(const std::string& D);
  void DeshabilitaAsociadoSiCorresponde();
  std::string Tributo() const;
  // The selected item of a list, "" with none selected.
  static std::string Elegido(const forms::ComboBox& lista);
  std::string TipoDeuda() const;
  std::string TipoDocumentoDeFila();
  bool ModoNuevo();
  static SolicitudAbierta Solicitud();

  void CargaTipoYDocumento(int nGrilla);
  void CargaDeclaracionJurada(int nGrilla);
  void BloqueaCampos();

  // What one check reads once from the fields, the request form and the open
  // declaration, and what its period rules leave for the later ones.
  struct Entrada {
    std::string sTributo;    // the 4-digit tax code of the tax list's text
    std::string sCodigo;     // the selected tax's stored code, once one is selected
    std::string sTipoDeuda;  // "1" valor, "2" self-assessed, "3" infraction
    std::string sPeriodo;    // "mm/yyyy" as typed, its month and year below
    std::string sMes;
    std::string sAnio;
    std::string sFechaAcog;  // the acceptance date, yyyymmdd; its year and month
    std::string sAnioAcog;
    int nAnioAcog = 0;
    int nMesAcog = 0;
    std::string sFechaFinal;  // the tax's last-period date, "" when it has none
    bool bCuota = false;      // an earlier regime's instalment code
  };
  Entrada LeeEntrada();
  bool ValidaPeriodo(Entrada& e);
  bool ValidaTributosPersonaNatural(const Entrada& e);
  bool ValidaLimitePorTributo(Entrada& e);
  bool ValidaFechasDelTributo(Entrada& e);
  bool ValidaPrimerPeriodo(const Entrada& e);
  bool ValidaPeriodoEnRango(const Entrada& e, const std::string& sFinal, int xTipo);
  int TipoDePeriodo(const Entrada& e);
  bool ValidaAnioYValores(const Entrada& e);
  bool ValidaDocumentoValor();
  bool ValidaDocumentoInfraccion();
  bool ValidaRespuestaDeclaracion(const Entrada& e);
  bool ValidaDeclaracionJurada(const Entrada& e);
  bool ValidaSemanaYTipoPago(const Entrada& e);
  bool ValidaTipoDeuda(const Entrada& e);
  bool ValidaTributo(const Entrada& e);
  bool ValidaInteresCapitalizado(const Entrada& e);
  bool ValidaInteres(forms::TextBox& caja, const std::string& sNombre);
  bool MontoEnLimite(forms::TextBox& caja);
  bool ValidaMontoAcogido(const Entrada& e);
  bool NumeroRegistrado(const std::string& sCategorias);
  static long CuentaFilas(const std::string& sSQL);

  // The ways a failed rule is reported; each answers False. Rechaza titles its
  // box "Error", RechazaConTitulo with the window's caption; the focus then
  // goes to `foco` when it can take it. RechazaYRepone also puts "0.00" into
  // the amount box it refuses.
  bool Rechaza(const std::string& sMensaje, forms::Control* foco);
  bool RechazaConTitulo(const std::string& sMensaje, forms::Control* foco = nullptr);
  bool RechazaYRepone(const std::string& sMensaje, forms::TextBox& caja);
  bool Confirma(const std::string& sPregunta);
  void Enfoca(forms::Control* control);

  // The storing of an entry: the quota refusals, the row's lookup, the
  // columns a new row takes and the request form's refresh.
  bool RechazaCuotaRegistrada(const std::string& sPeriodo, const std::string& sCodigo);
  std::string BuscaFila(const std::string& sPeriodo, const std::string& sTributo);
  bool GrabaFila(dao::RecordsetPtr& rs, const std::string& sPeriodo, const std::string& sTributo,
                 bool bNuevo);
  std::string ClausulasDeDocumento(const std::string& sTipo, const std::string& sTributo);
  void LlenaFilaNueva(dao::Recordset& rs, const std::string& sPeriodo, const std::string& sTributo);
  void LlenaDocumento(dao::Recordset& rs, const std::string& sTipo, const std::string& sTributo);
  void LlenaMontos(dao::Recordset& rs);
  bool SinDeclaracionAdmitida(const std::string& sTributo);
  std::string CodigoAsociado();
  void RefrescaSolicitud();
};

}  // namespace korva
