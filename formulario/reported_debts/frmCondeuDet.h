#pragma once
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "formulario/core/ModGen01.h"
#include "platform/forms/check_box.h"
#include "platform/forms/command_button.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/frame.h"
#include "platform/forms/label.h"
#include "platform/forms/list_box.h"
#include "platform/forms/option_button.h"
#include "platform/forms/text_box.h"

namespace dao {
class Recordset;
class Transaction;
}  // namespace dao
namespace vb {
class Error;
}

namespace korva {

// A field the user may fill is white, one he must not is grey; colour and state
// always change together.
inline constexpr forms::Color kColorEditable = forms::RGB(255, 255, 255);
inline constexpr forms::Color kColorBloqueado = forms::RGB(192, 192, 192);
// The whole digits an amount box takes while it is typed in; the debt row's
// 15-character columns hold them, the interests with their two decimals.
inline constexpr int kDigitosMonto = 12;

// The window in which the taxpayer answers one debt the administration reported:
// the request form opens it modally for the current row of its "Valores" grid or
// its grid of self-assessed debts (giIndexGrid 1 or 2). It shows what was
// reported and collects the answer: inclusion in the request, agreement with the
// amount, the accepted amounts with their interest up to the acceptance date, and
// the motives of disagreement with their supporting data, which the
// supporting-data dialog reads and writes through the window's lists, properties
// and motive tags.
//
// Every handler works as a person's action does: writing a box's text runs its
// Change at once, choosing an option or ticking a box runs its Click, and the
// code that wrote goes on afterwards. Loading a row and answering the agreement
// question rely on that nesting.
//
// The public members stand in the order of the window's interface. "&Aceptar"
// reaches GrabaConciliacion, which validates and stores the answer.
class frmCondeuDet : public forms::Form {
 public:
  frmCondeuDet();

  // Resets the window and loads the current row of the request form's grid
  // giIndexGrid, with its stored answer, motives and supporting data.
  void CargaValorDj();
  // Checks the answer and stores it in the working tables, with its motives
  // and supporting data, in one transaction; then refreshes the request form's
  // grid and offers the grid's next debt. A refused answer stores nothing and
  // leaves the window as the user left it.
  void GrabaConciliacion();

  // The taxpayer's document type (always 6) and number, and the supporting data
  // of the motives. pcodform and pnumorden keep one pair for motive 2 and one
  // for motives 5 and 6, chosen by gnMotivo when they are read or written; for
  // any other motive they read "" and keep nothing.
  std::string ptipdoc() const;
  std::string pnumdoc() const;
  std::string pcodform() const;
  void Setpcodform(const std::string& sValor);
  std::string pnumorden() const;
  // An empty order number is kept as "0".
  void Setpnumorden(const std::string& sValor);
  std::string pnumres() const;
  void Setpnumres(const std::string& sValor);
  std::string ptipimpug() const;
  void Setptipimpug(const std::string& sValor);
  std::string pnumexp() const;
  void Setpnumexp(const std::string& sValor);
  std::string pdesotro() const;
  void Setpdesotro(const std::string& sValor);

  // Called after a store of a debt of document type "5"; it has nothing to do.
  void EliminaPAGOS();
  // Moves the identification rows for the categories "02" and "03".
  void Posiciona_Etiqueta();

  forms::Frame Frame1{*this, "Frame1"};
  forms::Frame Frame6{Frame1, "Frame6"};
  forms::Label Label2{Frame6, "Label2"};
  forms::TextBox lblPeriodo{Frame6, "lblPeriodo"};
  forms::Label Label3{Frame6, "Label3"};
  forms::TextBox lblNumvalor{Frame6, "lblNumvalor"};
  forms::Label label9{Frame6, "label9"};
  forms::TextBox lblCodtributo{Frame6, "lblCodtributo"};
  forms::TextBox LblDestributo{Frame6, "LblDestributo"};
  forms::Label Label4{Frame6, "Label4"};
  forms::TextBox lblCod_tip_doc{Frame6, "lblCod_tip_doc"};
  forms::TextBox lblDes_tip_doc{Frame6, "lblDes_tip_doc"};
  forms::Label Label6{Frame6, "Label6"};
  forms::TextBox lblCod_Tri_aso{Frame6, "lblCod_Tri_aso"};
  forms::TextBox lblDesetapa{Frame6, "lblDesetapa"};
  forms::Label Label5{Frame6, "Label5"};
  forms::TextBox lblIndEstado{Frame6, "lblIndEstado"};
  forms::TextBox lblDesEstado{Frame6, "lblDesEstado"};
  forms::Label lblTitFecha{Frame6, "lblTitFecha"};
  forms::TextBox lblFechaAct{Frame6, "lblFechaAct"};
  forms::TextBox lblDesFecha{Frame6, "lblDesFecha"};
  forms::TextBox lblNum_ord_dj{Frame6, "lblNum_ord_dj"};

  forms::Frame FrmSinBeneficio{Frame1, "FrmSinBeneficio"};
  forms::Label Label10{FrmSinBeneficio, "Label10"};
  forms::Label lblmtotribinsol1{FrmSinBeneficio, "lblmtotribinsol1"};
  forms::Label Label12{FrmSinBeneficio, "Label12"};
  forms::Label lblmtointcapital{FrmSinBeneficio, "lblmtointcapital"};
  forms::Label Label11{FrmSinBeneficio, "Label11"};
  forms::Label lblmtointnocapital{FrmSinBeneficio, "lblmtointnocapital"};
  forms::Label Label21{FrmSinBeneficio, "Label21"};
  forms::Label lblmtotot1{FrmSinBeneficio, "lblmtotot1"};

  forms::Frame Frame2{*this, "Frame2"};
  forms::Frame Frame3{Frame2, "Frame3"};
  forms::ControlArray<forms::OptionButton> optAcogeFrac{Frame3, "optAcogeFrac"};
  forms::Frame Frame4{Frame2, "Frame4"};
  forms::ControlArray<forms::OptionButton> optConformeMto{Frame4, "optConformeMto"};
  forms::Frame Frame5{Frame2, "Frame5"};
  forms::ControlArray<forms::CheckBox> chkmotivo{Frame5, "chkmotivo"};
  forms::ControlArray<forms::CommandButton> cmdMotivo{Frame5, "cmdMotivo"};
  forms::Frame Frame7{Frame2, "Frame7"};
  forms::Label Label22{Frame7, "Label22"};
  forms::TextBox txtmtoTributo{Frame7, "txtmtoTributo"};
  forms::Label Label7{Frame7, "Label7"};
  forms::TextBox lblMtoInteresCAP{Frame7, "lblMtoInteresCAP"};
  forms::Label Label1{Frame7, "Label1"};
  forms::TextBox lblMtoInteres{Frame7, "lblMtoInteres"};
  forms::Label Label24{Frame7, "Label24"};
  forms::TextBox lblMtoAcogido{Frame7, "lblMtoAcogido"};

  // The supporting payments of motive 1 (lstForm) and of motive 6 (lstForm2),
  // one line each, kept in the window until the answer is stored.
  forms::ListBox lstForm{*this, "lstForm"};
  forms::ListBox lstForm2{*this, "lstForm2"};

  forms::ControlArray<forms::CommandButton> cmdOpcion{*this, "cmdOpcion"};

  // Something changed since the row was loaded or the answer stored; it only
  // decides how "&Salir" closes the window.
  bool bModificado = false;

 private:
  // The debt being answered, as read from the request form's grid: its key,
  // what it shows and the stored answer, all texts but the instalment number.
  struct Deuda {
    std::string per_doc, cod_tri, ind_tip_deu, cod_for, des_tributo, num_Doc, cod_Tip_doc,
        num_ord_dj, Des_valor, cod_Tri_aso, ind_ver_deu, fec_des_deu;
    std::string mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s;
    std::string ind_acog, ind_conf;
    std::string mto_tributo_c, mto_int_cap_c, mto_int_c, mto_act_c;
    int num_cuo = 0;
  };

  void DisenaVentana();
  void DisenaIdentificacion();
  void DisenaMontosReportados();
  void DisenaRespuesta();
  void DisenaMotivos();
  void DisenaMontos();
  void ConectaEventos();
  void ConectaMontos();

  void Form_Load();
  void optAcogeFrac_Click(int Index);
  void optConformeMto_Click(int Index);
  void chkmotivo_Click(int Index);
  void cmdMotivo_Click(int Index);
  void cmdOpcion_Click(int Index);

  void txtmtoTributo_Change();
  void txtmtoTributo_GotFocus();
  void txtmtoTributo_LostFocus();
  void lblMtoInteres_Change();
  void lblMtoInteres_GotFocus();
  void lblMtoInteres_LostFocus();
  void lblMtoInteresCAP_Change();
  void lblMtoInteresCAP_GotFocus();
  void lblMtoInteresCAP_LostFocus();
  void CajaMonto_KeyDown(int KeyCode, int Shift);
  void CajaMonto_KeyPress(int& KeyAscii);
  void CajaMonto_MouseDown(int Button);
  // The amount box whose focus selected its text, kept selected by a click.
  SeleccionDeEntrada mSeleccionMonto;

  // The steps of CargaValorDj.
  void Reinicia();
  void LeeFila();
  void MuestraIdentificacion();
  void MuestraMontosReportados();
  void MuestraRespuesta(bool bConMontos);
  void CargaMotivos();
  void CargaSustento(int nMotivo, dao::Recordset& rs);

  // The steps of the agreement handling.
  bool FijaModo(std::string& T);
  void HabilitaMotivos(bool bEditable);
  void BloqueaPorTributo();

  // The recomputations of the amount boxes.
  void SumaMontoAcogido();
  void CalculaInteresAcogido();
  void EntraInteres(forms::TextBox& caja);
  void SaleMonto(forms::TextBox& caja);

  // Why an answer is refused; each refusal but SinMensaje ends with its own
  // closing message.
  enum class Rechazo {
    Ninguno,
    SinMensaje,
    SinAcogimiento,
    SinConformidad,
    SinTributo,
    Cancelado,
    SinRegistro,
  };
  // The answer's inclusion and agreement: 0 none, 1 yes, 2 no.
  struct Respuesta {
    int nAcoge = 0;
    int nConforme = 0;
  };

  // The checks of GrabaConciliacion, in their order.
  Rechazo ValidaRespuesta(dao::Recordset& rs, Respuesta& r);
  bool ValidaGrupoTributos();
  Rechazo ValidaMotivos(const Respuesta& r);
  Rechazo ValidaMontos();
  bool MontosEnLimite();
  Rechazo Informa(const std::string& sMensaje);
  void Rechaza(Rechazo rechazo);
  // The storage of GrabaConciliacion and what follows it.
  void GrabaDeuda(dao::Recordset& rs, const Respuesta& r);
  void GrabaMotivos();
  void LlenaClaveMotivo(dao::Recordset& fila, int nMotivo);
  void AgregaMotivo(int nMotivo);
  void AgregaSustento(int nMotivo);
  void AgregaFilaSustento(int nMotivo, int nSust, const std::string& sFormulario,
                          const std::string& sOrden, const std::string& sRes,
                          const std::string& sExp, const std::string& sFecha);
  void ActualizaSolicitud();
  void OfreceSiguiente(long nPosicion, long nCuenta);
  void FallaGrabacion(const vb::Error& error, std::optional<dao::Transaction>& transaccion);
  // The debt's key as the statements' condition, its values quoted.
  std::string CondicionDeuda() const;

  // Whether a code is one of the codes given.
  static bool EsUno(const std::string& sCodigo, std::initializer_list<const char*> codigos);
  double CodigoImpugnacion() const;
  bool Marcado(int nMotivo) const;
  void Cierra();
  // Gives the focus to a control only where a person could give it.
  static void Enfoca(forms::Control& control);

  Deuda deuda_;
  int miTipDoc = 6;
  std::string msNumDoc;
  std::string msCodForm2, msNumOrden2, msCodForm5, msNumOrden5;
  std::string msNumRes, msTipImpug, msNumExp, msDesOtro;
};

}  // namespace korva
