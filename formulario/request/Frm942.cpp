#include "formulario/request/Frm942.h"

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/ModGen01.h"
#include "formulario/core/Ventanas.h"
#include "formulario/core/modGen02.h"
#include "formulario/core/mod_Combo.h"
#include "formulario/request/Casillas.h"
#include "inserta/TablasModulo.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kFormulario = "0942";
constexpr const char* kFechaVacia = "__/__/____";

std::string Texto(dao::Recordset& rs, const char* sCampo) {
  return vb::Trim((rs(sCampo).Value() & vb::Variant("")).ToString());
}

// A control gets the focus only where a person could give it.
void Enfoca(forms::Control& control) {
  if (control.IsShown() && control.IsEnabledInContext() && control.Parent().Visible())
    control.SetFocus();
}

}  // namespace

Frm942::Frm942() : forms::Form("Frm942") {
  DisenaVentana();
  DisenaIdentificacion();
  DisenaSustitutoria();
  DisenaGrillas();
  DisenaModalidadPago();
  DisenaBotones();
  ConectaEventos();
}

void Frm942::ConectaEventos() {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  Unload = [this](int& Cancel) { Form_Unload(Cancel); };
  cboNumdoc.Click = [this] { cboNumdoc_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
  SSTab1.Click = [this](int PreviousTab) { SSTab1_Click(PreviousTab); };
  TDBGrid.Handle(&forms::DataGrid::FormatText,
                 [this](int Index, int ColIndex, vb::Variant& Value, const vb::Variant&) {
                   TDBGrid_FormatText(Index, ColIndex, Value);
                 });
  TDBGrid.Handle(&forms::DataGrid::RowColChange,
                 [this](int Index, const vb::Variant& LastRow, int) {
                   TDBGrid_RowColChange(Index, LastRow);
                 });
  TDBGrid.Handle(&forms::Control::DblClick, [this](int Index) { TDBGrid_DblClick(Index); });
  txtmtototal.Handle(&forms::TextEntry::Change, [this](int Index) { txtmtototal_Change(Index); });
  QueryUnload = [this](int& Cancel, int UnloadMode) { Form_QueryUnload(Cancel, UnloadMode); };
  CmdValidar.Click = [this] { CmdValidar_Click(); };
  CmdGrabar.Click = [this] { CmdGrabar_Click(); };
  txtTelefono.KeyPress = [this](int& KeyAscii) { txtTelefono_KeyPress(KeyAscii); };
  txtTelefono.KeyDown = [this](int& KeyCode, int Shift) { txtTelefono_KeyDown(KeyCode, Shift); };
  txtTelefono.MouseDown = [this](int Button, int, double, double) { txtTelefono_MouseDown(Button); };
  ConectaFilas();
  ConectaFechaAcogida();
  ConectaCasillas();
}

void Frm942::ConectaFilas() {
  cmdEdit.Handle(&forms::Control::Click, [this](int Index) { cmdEdit_Click(Index); });
  cmdNew.Handle(&forms::Control::Click, [this](int Index) { cmdNew_Click(Index); });
  cmdDelete.Handle(&forms::Control::Click, [this](int Index) { cmdDelete_Click(Index); });
  CmdAcoge.Handle(&forms::Control::Click, [this](int Index) { CmdAcoge_Click(Index); });
  CmdNoAcoge.Handle(&forms::Control::Click, [this](int Index) { CmdNoAcoge_Click(Index); });
}

void Frm942::ConectaFechaAcogida() {
  mkeFechaAcog.GotFocus = [this] { mkeFechaAcog_GotFocus(); };
  mkeFechaAcog.KeyDown = [this](int& KeyCode, int Shift) { mkeFechaAcog_KeyDown(KeyCode, Shift); };
  mkeFechaAcog.KeyPress = [this](int& KeyAscii) { mkeFechaAcog_KeyPress(KeyAscii); };
  mkeFechaAcog.LostFocus = [this] { mkeFechaAcog_LostFocus(); };
  OptRectifica.Handle(&forms::Control::Click, [this](int Index) { OptRectifica_Click(Index); });
}

void Frm942::ConectaCasillas() {
  txtValor.Handle(&forms::TextEntry::Change, [this](int Index) { txtValor_Change(Index); });
  txtValor.Handle(&forms::Control::KeyPress,
                  [this](int Index, int& KeyAscii) { txtValor_KeyPress(Index, KeyAscii); });
  txtValor.Handle(&forms::Control::KeyDown, [this](int Index, int& KeyCode, int Shift) {
    txtValor_KeyDown(Index, KeyCode, Shift);
  });
  txtValor.Handle(&forms::Control::MouseDown, [this](int Index, int Button, int, double, double) {
    txtValor_MouseDown(Index, Button);
  });
  txtValor.Handle(&forms::Control::MouseUp, [this](int Index, int Button, int, double, double) {
    txtValor_MouseUp(Index, Button);
  });
  txtValor.Handle(&forms::Control::GotFocus, [this](int Index) { txtValor_GotFocus(Index); });
  txtValor.Handle(&forms::Control::LostFocus, [this](int Index) { txtValor_LostFocus(Index); });
}

// The opening: an unexpected error leaves bCargaCompleta False, and the
// activation then tells the user and closes the window.
void Frm942::Form_Load() {
  try {
    CasillasDeEntidad();
    gbFormCargado = false;
    bCargaCompleta = false;
    OlvidaGarantiaAnterior();
    if (giEnviadas != 0) ModoEnviada();
    Move(-50, -50, 9720, Height());
    SetCaption(std::string("0942 ") + vb::App::ProductName() + (giEnviadas != 0 ? " - Enviadas" : ""));
    TDBGrid(1).Columns(24).SetVisible(false);
    TDBGrid(2).Columns(24).SetVisible(false);
    FijaGrillasFechaDescarga([this] {
      return std::vector<forms::DataGrid*>{&TDBGrid(1), &TDBGrid(2), &TDBGrid(5)};
    });
    Identifica();
    CargaNumeroDocumento(cboNumdoc, nTipoDoc, sNumDoc, 1);
    AjustaAnchoCombo(*this, cboNumdoc, 70);
    gnRucDelito = Lee_RUC_Delito();
    gsBuenContrib = Lee_BuenosCont();
    Datos_Iniciales();
    CuotaBuenContribuyente();
    SSTab1.SetTab(0);
    txtRazon.SetEnabled(false);
    CargaDeclaracion();
    forms::Screen.SetMousePointer(forms::vbDefault);
    gbFormCargado = true;
    bModificado = false;
    gbGrabado = false;
    bCargaCompleta = true;
  } catch (const vb::Error&) {
    forms::Screen.SetMousePointer(forms::vbDefault);
  }
}

// Another declaration's guarantee data must not decide this one's: the globals
// start empty, which the guarantee rule reads on the safe side.
void Frm942::OlvidaGarantiaAnterior() {
  for (std::string* sGlobal : {&gsIndGarantia, &gsIndPersona, &gsMtoDeuda, &gsMtoDeudaGarantia,
                               &gsGarantia, &gsTipoPersona})
    sGlobal->clear();
}

// A good taxpayer pays no initial instalment.
void Frm942::CuotaBuenContribuyente() {
  const Bloque* bloque = BloqueDe(gnSemana);
  if (gsBuenContrib != "1" || !bloque) return;
  forms::TextBox& cuota = txtValor(bloque->cuota);
  cuota.SetEnabled(false);
  cuota.SetBackColor(kGris);
  cuota.SetText("0");
}

// The declaration's rows into the emptied working tables, its boxes into the
// controls, the entity's frame and guarantee, and the four grids. Emptying the
// working tables, copying the declaration in and marking the copy are one
// transaction: one commit, and a kill leaves the working tables as they were
// or holding this copy with its mark.
void Frm942::CargaDeclaracion() {
  dao::Transaction copia(*gDB);
  VaciaTemporales();
  for (const Bloque& bloque : kBloques)
    txtValor(CasillaDe(bloque, Renglon::Tributo)).SetTag(bloque.tributo);
  cboNumdoc.SetEnabled(false);
  txtRazon.SetEnabled(false);
  giGrabando = 0;
  CargaDataTemporales("C");
  copia.Commit();
  CargaCasillas();
  MuestraMarcoEntidad();
  CasillaGarantia();
  for (int n : kGrillas) CargaTabIndex(n);
  if ((TDBGrid(1).Columns("cod_tri").Value() & vb::Variant("")).ToString() == "0") {
    SSTab1.SetTabEnabled(1, false);
    SSTab1.SetTabEnabled(2, false);
  }
}

// The entity's boxes, from its code.
void Frm942::CasillasDeEntidad() {
  if (const Bloque* bloque = BloqueDe(gnSemana)) {
    nCasillaInteres = bloque->interes;
    nCasillaBase = bloque->base;
  }
}

// A sent declaration is only viewed: nothing can be validated, stored or
// answered, and the date, telephone and guarantee types stay as stored.
void Frm942::ModoEnviada() {
  CmdValidar.SetVisible(false);
  CmdGrabar.SetVisible(false);
  for (int n : {1, 2}) {
    CmdAcoge(n).SetVisible(false);
    CmdNoAcoge(n).SetVisible(false);
    cmdEdit(n).SetVisible(false);
  }
  cmdNew(3).SetVisible(false);
  cmdEdit(3).SetVisible(false);
  cmdDelete(3).SetVisible(false);
  Frame_Garantia.SetEnabled(false);
  txtTelefono.SetEnabled(false);
  mkeFechaAcog.SetEnabled(false);
}

// The declaration the chooser that opened the window handed over.
void Frm942::Identifica() {
  const DeclaracionElegida& elegida = DeclaracionEntregada();
  nTipoDoc = elegida.nTipoDoc;
  sNumDoc = elegida.sNumDoc;
  txtRazon.SetText(elegida.sNombre);
  TxtEntidad.SetText(elegida.sEntidad);
  bool bEnviada = giEnviadas != 0;
  if (bEnviada) {
    sCorrel = elegida.sCorrel;
    txtCorrel.SetText(sCorrel);
  }
  Label1(7).SetVisible(bEnviada);
  txtCorrel.SetVisible(bEnviada);
}

// Only the frame of the declaration's entity shows, with its tax code in b+5.
void Frm942::MuestraMarcoEntidad() {
  for (const Bloque& bloque : kBloques) MarcoDe(bloque).SetVisible(false);
  for (const Bloque& bloque : kBloques) MarcoDe(bloque).SetEnabled(false);
  const Bloque* bloque = BloqueDe(gnSemana);
  if (!bloque) return;
  forms::Frame& marco = MarcoDe(*bloque);
  marco.SetVisible(true);
  marco.SetEnabled(true);
  marco.SetTop(1015);
  marco.SetLeft(5100);
  forms::TextBox& tributo = txtValor(CasillaDe(*bloque, Renglon::Tributo));
  tributo.SetText(tributo.Tag());
  nCasillaInteres = bloque->interes;
  nCasillaGarantia = CasillaDe(*bloque, Renglon::Garantia);
}

// A good taxpayer needs no guarantee; a guarantee already required stays "SI".
// The box only shows what the guarantee rule decides: it stays disabled, so
// that nothing typed into it can replace the "SI" or "NO" it is stored from.
void Frm942::CasillaGarantia() {
  lblmsg.SetVisible(true);
  if (nCasillaGarantia == 0) return;
  forms::TextBox& garantia = txtValor(nCasillaGarantia);
  garantia.SetEnabled(false);
  if (gsBuenContrib == "1") {
    garantia.SetText("NO");
    lblmsg.SetVisible(false);
  }
  if (gsGarantia == "1") garantia.SetText("SI");
}

// Every row of the working tables goes, whoever's declaration it was.
void Frm942::VaciaTemporales() {
  for (const char* sTabla : nuvia::kTablasTrabajo) EliminaDataTabla(sTabla, nTipoDoc, sNumDoc, 0, "");
}

void Frm942::Form_Activate() {
  SetHelpContextID(SSTab1.HelpContextID());
  if (bCargaCompleta) return;
  forms::MsgBox("Ha habido problemas en la carga del formulario. Reintente de nuevo la operación",
                forms::vbCritical, Caption());
  CmdCancelar_Click();
}

void Frm942::Form_Unload(int& /*Cancel*/) {
  forms::DoEvents();
  {
    forms::Hourglass reloj(*this, forms::vbArrowHourglass);
    dao::Transaction transaccion(*gDB);
    VaciaTemporales();
    transaccion.Commit();
  }
  FijaGrillasFechaDescarga(nullptr);
}

// While the window opens, its own later steps empty the working tables and copy
// the declaration into them: a copy made here as well would only be replaced.
void Frm942::cboNumdoc_Click() {
  if (cboNumdoc.ListIndex() < 0) return;
  sFechaAnterior = kFechaVacia;
  std::string sItem = cboNumdoc.List(cboNumdoc.ListIndex());
  sNumDoc = vb::Trim(vb::Left(sItem, 19));
  std::string sNombre = vb::Trim(vb::Mid(sItem, 19, 70));
  forms::DoEvents();
  txtRazon.SetText(sNombre);
  if (bCargaCompleta) CargaDataTemporales("C");
}

// The open declaration in CAB and F0942GARANTIA.
std::string Frm942::ClaveCabecera() const {
  return "WHERE tip_doc_d = " + std::to_string(nTipoDoc) + " " + "AND doc_id_d = " +
         vb::SqlText(sNumDoc) + " " + "AND periodo = " + vb::SqlText(gsPeriodo) + " " +
         "AND formulario = " + vb::SqlText(kFormulario) + " " + "AND Semana = " +
         std::to_string(gnSemana);
}

// The open declaration's rows in the working debts.
std::string Frm942::ClaveDeudas() const {
  return "WHERE doc_id_d = " + vb::SqlText(sNumDoc) + " " + "AND Semana = " +
         std::to_string(gnSemana) + " ";
}

// A header written without the flag (the import always writes it) counts as a
// taxpayer without criminal proceedings.
std::uint8_t Frm942::Lee_RUC_Delito() {
  gsSQL = "SELECT * FROM CAB " + ClaveCabecera();
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  if (!rs->Eof()) {
    vb::Variant valor = (*rs)("bcolibrad").Value();
    gnRucDelito = valor.IsNull() ? 0 : vb::CByte(valor);
  }
  rs->Close();
  return gnRucDelito;
}

std::string Frm942::Lee_BuenosCont() {
  gsSQL = "SELECT * FROM CAB " + ClaveCabecera();
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  if (!rs->Eof()) gsBuenContrib = vb::Left(Texto(*rs, "cheque"), 1);
  rs->Close();
  return gsBuenContrib;
}

void Frm942::Datos_Iniciales() {
  gsSQL = "SELECT * FROM F0942GARANTIA " + ClaveCabecera();
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  if (!rs->Eof()) {
    gsIndGarantia = Texto(*rs, "ind_garantia");
    gsIndPersona = Texto(*rs, "ind_persona");
    gsMtoDeuda = Texto(*rs, "mto_deuda");
    gsMtoDeudaGarantia = Texto(*rs, "mto_deuda_garantia");
  }
  rs->Close();
}

bool Frm942::Existen_Deudas(const std::string& sTipo) {
  gsSQL = "SELECT * FROM TMP_F0942DEUDAS " + ClaveDeudas() +
          (sTipo == "1" ? "AND ind_tip_deu in ( '01', '05' ) " : "AND ind_tip_deu in ( '02', '03' ) ") +
          "AND ind_ver_deu in ( '00', '07', '08' ) " + "AND ind_acog is null ";
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenDynaset);
  bool bExisten = !(rs->Bof() || rs->Eof());
  rs->Close();
  return bExisten;
}

// All three counts always run.
void Frm942::CargaTipoPersona() {
  static constexpr const char* kCondiciones[] = {
      "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1 ",
      "AND ind_tip_deu in ( '01', '05' ) AND ind_ver_deu in ( '0','00', '07', '08' ) AND ind_acog = 1 ",
      "AND ind_tip_deu = '04' AND ind_acog = 1 "};
  gsTipoPersona = "1";
  for (const char* sCondicion : kCondiciones) {
    gsSQL = "SELECT count(*) as nCont FROM TMP_F0942DEUDAS " + ClaveDeudas() + sCondicion +
            "AND cod_tri in ('030701','030702','030703','030704') ";
    dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
    if (!rs->Eof() && vb::CDbl((*rs)("nCont").Value()) > 0) gsTipoPersona = "0";
    rs->Close();
  }
}

// Every finding is left in gsMensaje; report mode writes it to the report file
// and goes on, message mode shows it, returns to tab 0 and stops. On the date,
// the box gets back the text it had on entry before the finding is shown, so
// that no refusal of "&Grabar" or of a change of tab goes untold.
bool Frm942::ValidaContForm1(std::uint8_t nModo) {
  bool bResultado = true;
  auto hallazgo = [&](const std::string& sMensaje) {
    gsMensaje = sMensaje;
    bResultado = false;
    if (nModo == 0) {
      vb::Print(nArchivoReporte, gsMensaje);
      giInconsistencia = 1;
      return true;
    }
    SSTab1.SetTab(0);
    forms::MsgBox(gsMensaje, forms::vbCritical, Caption());
    Enfoca(txtTelefono);
    return false;
  };
  std::string T = txtTelefono.Text();
  if (vb::Len(T) <= 5 && !hallazgo("Ingrese correctamente el teléfono")) return false;
  if (vb::Len(T) == 8 && vb::Left(T, 1) != "9" &&
      !hallazgo("Identificación-Información general : El número de teléfono ingresado debe ser de "
                "7 dígitos, o un celular de 9 dígitos"))
    return false;
  if (vb::Left(T, 1) == "9" && vb::Len(T) < 9 &&
      !hallazgo("Identificación-Información general : El celular debe ser de 9 dígitos"))
    return false;
  gsMensaje.clear();
  if (!ValidaCampoFecha("PRE", Label1(1).Caption(), mkeFechaAcog.Text(), Caption(), true)) {
    bResultado = false;
    if (nModo != 0) {
      SSTab1.SetTab(0);
      mkeFechaAcog.SetText(sFechaAnterior);
      forms::MsgBox(gsMensaje, forms::vbCritical, Caption());
      Enfoca(mkeFechaAcog);
      return false;
    }
    vb::Print(nArchivoReporte, gsMensaje);
    giInconsistencia = 1;
  }
  return bResultado;
}

}  // namespace korva
