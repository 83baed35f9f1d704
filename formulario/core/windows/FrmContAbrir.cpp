#include "formulario/core/windows/FrmContAbrir.h"

#include <algorithm>
#include <array>

#include "formulario/core/BarraEstado.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/core/Ventanas.h"
#include "formulario/core/modGen02.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr const char* kSeleccion =
    "SELECT a.tip_doc_d, (SELECT mid(funcion,31,12) FROM PARAM WHERE numero = '044' AND "
    "val(argumento) = a.tip_doc_d ) as des_doc_d, (SELECT mid(funcion,1,12) FROM PARAM WHERE "
    "numero = '727' AND val(argumento) = a.semana ) as Entidad, a.DOC_ID_D, B.NOMBRE, "
    "A.FORMULARIO,a.SEMANA, A.ESTADO, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, ";
constexpr const char* kOrigenPendientes = "nrocheque, efectivo FROM CAB A, CONT B ";
constexpr const char* kOrigenEnviadas = "nrocheque, correl, efectivo FROM HCAB A, CONT B ";
constexpr const char* kCondicion =
    "WHERE A.TIP_DOC_D = B.TIP_DOC_D AND A.DOC_ID_D = B.DOC_ID_D AND A.FORMULARIO ='0942' ";

constexpr std::array<const char*, 6> kTablasPendientes = {
    "cab", "det", "F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN", "F0942GARANTIA"};
// Sent declarations have no guarantee table of their own.
constexpr std::array<const char*, 5> kTablasEnviadas = {"hcab", "hdet", "HF0942DEUDAS",
                                                        "HF0942MOTIVO", "HF0942SUSTEN"};

constexpr int kBotonAccion = 0;
constexpr int kBotonSalir = 1;

constexpr int kColTipDoc = 0;
constexpr int kColRuc = 2;
constexpr int kColNombre = 3;
constexpr int kColFormulario = 4;
constexpr int kColEntidad = 6;
constexpr int kColSemana = 7;
constexpr int kColPeriodo = 8;
constexpr int kColFechaVenc = 9;
constexpr int kColCorrel = 10;

struct Columna {
  const char* campo;
  const char* titulo;
  int ancho;
};

// The columns the user reads are shown; the codes and dates the request form
// takes from the row stay hidden (width 0).
constexpr std::array<Columna, 10> kColumnasComunes = {{
    {"tip_doc_d", "tip_doc_d", 0},
    {"des_doc_d", "Tipo docum.", 1095},
    {"doc_id_d", "R.U.C.", 1335},
    {"nombre", "Razón Social", 3375},
    {"formulario", "Formulario", 0},
    {"estado", "Estado", 0},
    {"Entidad", "Entidad", 1215},
    {"SEMANA", "SEMANA", 0},
    {"periodo", "Periodo", 855},
    {"nrocheque", "FechaVenc", 0},
}};

struct Textos {
  const char* boton;
  const char* instruccion;
  const char* titulo;
};

}  // namespace

SelectorDeclaraciones::SelectorDeclaraciones(std::string sNombre, Lista lista)
    : forms::Form(std::move(sNombre)), lista_(lista) {
  DisenaVentana();
  DisenaGrilla();
  ConectaEventos();
}

FrmContAbrir::FrmContAbrir() : SelectorDeclaraciones("FrmContAbrir", Lista::Pendientes) {}

void SelectorDeclaraciones::DisenaVentana() {
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 9195, 5460);
  Frame1.SetCaption(Enviadas() ? "Declaraciones Enviadas" : "Declaraciones Registradas");
  Frame1.Move(120, 60, 8895, 4260);
  Label1.Add(0).Move(180, 300, 8535, 255);
  DtaNew.Move(180, 3780, 2535, 345);
  DtaNew.SetVisible(false);
  grdContrib.Move(180, 600, 8535, 3495);
  grdContrib.SetDataSource(&DtaNew);
  CmdOpciones.Add(kBotonAccion).Move(6240, 4500, 1335, 375);
  CmdOpciones(kBotonAccion).SetTabIndex(1);
  CmdOpciones.Add(kBotonSalir).SetCaption("&Salir");
  CmdOpciones(kBotonSalir).Move(7680, 4500, 1335, 375);
  CmdOpciones(kBotonSalir).SetTabIndex(2);
}

void SelectorDeclaraciones::DisenaGrilla() {
  for (const Columna& columna : kColumnasComunes)
    grdContrib.AddColumn(columna.campo, columna.titulo).SetWidth(columna.ancho);
  if (Enviadas()) {
    grdContrib.AddColumn("correl", "Correlativo").SetWidth(1095);
    grdContrib.AddColumn("efectivo", "fec_venc_renta").SetWidth(0);
  } else {
    grdContrib.AddColumn("efectivo", "fec_venc_renta").SetWidth(0);
  }
  for (int i = 0; i < grdContrib.ColumnCount(); ++i)
    if (grdContrib.Columns(i).Width() == 0) grdContrib.Columns(i).SetVisible(false);
  grdContrib.SetTabIndex(0);
}

void SelectorDeclaraciones::ConectaEventos() {
  Load = [this] { Form_Load(); };
  Unload = [this](int& Cancel) { Form_Unload(Cancel); };
  CmdOpciones.Handle(&forms::Control::Click, [this](int Index) { CmdOpciones_Click(Index); });
  grdContrib.DblClick = [this] { grdContrib_DblClick(); };
  grdContrib.KeyPress = [this](int& KeyAscii) { grdContrib_KeyPress(KeyAscii); };
  grdContrib.HeadClick = [this](int ColIndex) { grdContrib_HeadClick(ColIndex); };
  grdContrib.RowColChange = [this](const vb::Variant&, int) { grdContrib_RowColChange(); };
}

void SelectorDeclaraciones::Form_Load() {
  forms::Hourglass reloj;
  CentraFormulario(*this);
  CargaLista();
}

void SelectorDeclaraciones::CargaLista() {
  giEnviadas = Enviadas() ? -1 : 0;
  PoneTextos();
  AbreLista(SentenciaLista() + "ORDER BY A.DOC_ID_D ASC", dao::dbOpenSnapshot);
}

void SelectorDeclaraciones::PoneTextos() {
  static constexpr Textos kPendientes[] = {
      {"&Actualizar", "Seleccione la declaración que desea actualizar :", "Actualizar Declaraciones"},
      {"&Eliminar", "Seleccione la declaración que desea eliminar :", "Eliminar Declaraciones"}};
  static constexpr Textos kEnviadas[] = {
      {"&Ver Declaración", "Seleccione la declaración enviada que desea ver :",
       "Ver Declaraciones"},
      {"&Eliminar", "Seleccione la declaración enviada que desea eliminar :",
       "Eliminar Declaraciones enviadas"}};
  if (giModo != 1 && giModo != 3) return;
  const Textos& textos = (Enviadas() ? kEnviadas : kPendientes)[giModo == 1 ? 0 : 1];
  CmdOpciones(kBotonAccion).SetCaption(textos.boton);
  Label1(0).SetCaption(textos.instruccion);
  SetCaption(textos.titulo);
}

// The list statement without its order. Users of type "0" see every declarant's
// declarations, any other user only those of his own declarants.
std::string SelectorDeclaraciones::SentenciaLista() const {
  std::string sSQL = std::string(kSeleccion) + (Enviadas() ? kOrigenEnviadas : kOrigenPendientes) +
                     kCondicion;
  if (LeeTipoUsuario() != "0") sSQL += "AND B.USUARIO =" + vb::SqlText(gsSysUser) + " ";
  return sSQL;
}

// Binding the rows moves the grid to the first one; moving to the last and back
// makes the row count complete. An empty list leaves the grid disabled.
void SelectorDeclaraciones::AbreLista(const std::string& sSQL, int iTipo) {
  gsSQL = sSQL;
  DtaNew.SetRecordset(gDB->OpenRecordset(gsSQL, iTipo));
  dao::Recordset& rs = *DtaNew.Recordset();
  bool bHayFilas = !rs.Eof();
  if (bHayFilas) {
    rs.MoveLast();
    rs.MoveFirst();
  }
  grdContrib.SetEnabled(bHayFilas);
}

void SelectorDeclaraciones::Form_Unload(int& /*Cancel*/) { MuestraEnBarraEstado({}); }

void SelectorDeclaraciones::grdContrib_RowColChange() {
  MuestraEnBarraEstado({grdContrib.Columns(kColRuc).Text(), grdContrib.Columns(kColNombre).Text(),
                        grdContrib.Columns(kColPeriodo).Text(),
                        grdContrib.Columns(kColFormulario).Text()});
  gnSemana = static_cast<std::uint8_t>(vb::Val(vb::Trim(grdContrib.Columns(kColSemana).Text())));
}

void SelectorDeclaraciones::grdContrib_DblClick() { CmdOpciones_Click(kBotonAccion); }

// Enter acts on the row; the grid is for choosing only, so no key is typed into it.
void SelectorDeclaraciones::grdContrib_KeyPress(int& KeyAscii) {
  bool bEnter = KeyAscii == 13;
  KeyAscii = 0;
  if (bEnter) CmdOpciones_Click(kBotonAccion);
}

// Column 1 orders by the first field of the statement, as it always did; columns
// 2 and 3 by number and name; any other keeps the order the engine gives.
void SelectorDeclaraciones::grdContrib_HeadClick(int ColIndex) {
  std::string sOrden;
  if (ColIndex == 1) sOrden = " ORDER BY 1 ";
  if (ColIndex == 2) sOrden = " ORDER BY A.doc_id_d ASC";
  if (ColIndex == 3) sOrden = " ORDER BY B.NOMBRE ASC";
  AbreLista(SentenciaLista() + sOrden, dao::dbOpenDynaset);
}

void SelectorDeclaraciones::CmdOpciones_Click(int Index) {
  try {
    CopiaFilaActual();
    if (Index == kBotonSalir) {
      forms::Unload(*this);
      forms::Screen.SetMousePointer(forms::vbDefault);
      return;
    }
    if (giModo == 1) AbreDeclaracion();
    if (giModo == 3) EliminaDeclaracion();
  } catch (const vb::Error& error) {
    RecuperaDeError(error);
  }
}

void SelectorDeclaraciones::CopiaFilaActual() {
  std::string sPeriodo = grdContrib.Columns(kColPeriodo).Text();
  gsPeriodo = vb::Right(sPeriodo, 4) + vb::Left(sPeriodo, 2);
  gsFechaVenc = grdContrib.Columns(kColFechaVenc).Text();
  gsFecVencRenta = grdContrib.Columns(Enviadas() ? 11 : 10).Text();
  if (!Enviadas()) gsPeriodoMMAAAA = vb::Right(gsPeriodo, 2) + "/" + vb::Left(gsPeriodo, 4);
}

// The request form reads the chosen row and the globals while this window waits
// disabled; afterwards the list is read again (the form may have stored changes)
// and the same row number becomes current again.
void SelectorDeclaraciones::AbreDeclaracion() {
  if (!VerificaSeleccion(grdContrib, Enviadas() ? 3 : 1)) return;
  if (!VerificaConfiguracionRegional()) return;
  dao::Recordset& rs = *DtaNew.Recordset();
  if (rs.Eof()) return;
  SetEnabled(false);
  long nPosicion = rs.AbsolutePosition();
  MuestraSolicitud();
  forms::DoEvents();
  forms::DoEvents();
  CargaLista();
  forms::DoEvents();
  RestauraPosicion(nPosicion);
  SetEnabled(true);
  forms::Screen.SetMousePointer(forms::vbDefault);
}

// The request form is shown under the hourglass, which goes when it closes.
void SelectorDeclaraciones::MuestraSolicitud() {
  forms::Hourglass reloj;
  EntregaDeclaracion(Elegida());
  MuestraVentana(Ventana::Frm942);
}

DeclaracionElegida SelectorDeclaraciones::Elegida() {
  return {vb::CByte(grdContrib.Columns(kColTipDoc).Value()), grdContrib.Columns(kColRuc).Text(),
          grdContrib.Columns(kColNombre).Text(), grdContrib.Columns(kColEntidad).Text(),
          Enviadas() ? grdContrib.Columns(kColCorrel).Text() : ""};
}

// A list that came back shorter than the remembered position ends on its last
// row rather than failing after the declaration was handled.
void SelectorDeclaraciones::RestauraPosicion(long nPosicion) {
  dao::Recordset& rs = *DtaNew.Recordset();
  if (rs.Eof() && rs.Bof()) return;
  rs.SetAbsolutePosition(std::min(nPosicion, rs.RecordCount() - 1));
}

void SelectorDeclaraciones::EliminaDeclaracion() {
  if (!VerificaSeleccion(grdContrib, 2)) return;
  if (!VerificaConfiguracionRegional()) return;
  if (DtaNew.Recordset()->Eof()) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    return;
  }
  if (forms::MsgBox("¿Confirma que va a eliminar la declaración seleccionada?",
                    forms::vbYesNo + forms::vbQuestion + forms::vbDefaultButton2,
                    Caption()) != forms::vbYes)
    return;
  int iTipDoc = vb::CInt(grdContrib.Columns(kColTipDoc).Value());
  std::string sDocId = grdContrib.Columns(kColRuc).Text();
  std::string sCorrel = Enviadas() ? grdContrib.Columns(kColCorrel).Text() : "";
  dao::Transaction transaccion(*gDB);
  if (Enviadas()) {
    for (const char* sTabla : kTablasEnviadas) EliminaDataTabla(sTabla, iTipDoc, sDocId, 1, sCorrel);
  } else {
    for (const char* sTabla : kTablasPendientes) EliminaDataTabla(sTabla, iTipDoc, sDocId, 1, sCorrel);
  }
  transaccion.Commit();
  AbreLista(SentenciaLista() + " ORDER BY A.doc_id_d ASC", dao::dbOpenDynaset);
  forms::Screen.SetMousePointer(forms::vbDefault);
}

// A half-done deletion was already undone on the way here, before the user hears
// of the error; the window, which may have been disabled for the request form,
// is usable again.
void SelectorDeclaraciones::RecuperaDeError(const vb::Error& error) {
  SetEnabled(true);
  forms::Screen.SetMousePointer(forms::vbDefault);
  forms::MsgBox(error.Description() + vb::vbLf + std::to_string(error.Number()),
                forms::vbCritical, "Error");
}

}  // namespace korva
