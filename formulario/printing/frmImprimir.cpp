#include "formulario/printing/frmImprimir.h"

#include <algorithm>
#include <array>

#include "formulario/core/BarraEstado.h"
#include "formulario/core/Casillas.h"
#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/dao/dao.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/services.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/sql.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kPreliminar = 0;
constexpr int kImprimir = 1;
constexpr int kSalir = 2;

constexpr int kOptDeclaracion = 0;
constexpr int kOptAnexos = 1;
constexpr int kOptAmbos = 2;

constexpr int kColTipDoc = 0;
constexpr int kColRuc = 2;
constexpr int kColNombre = 3;
constexpr int kColFormulario = 4;
constexpr int kColSemana = 6;
constexpr int kColPeriodo = 7;
constexpr int kColCorrel = 8;

// A preview is registered under document type 6 whatever the declaration's.
constexpr int kTipDocPreliminar = 6;

struct Columna {
  const char* campo;
  const char* titulo;
  int ancho;
};

// The codes the printing reads from the row stay hidden (width 0); so does the
// correlative of a pending declaration, which has none.
constexpr std::array<Columna, 9> kColumnas = {{
    {"tip_doc_d", "tip_doc_d", 0},
    {"tipo_doc", "Tipo docum.", 1095},
    {"Doc_id_d", "R.U.C.", 1335},
    {"Nombre", "Razón social", 3375},
    {"Formulario", "Formulario", 975},
    {"Entidad", "Entidad", 1215},
    {"semana", "semana", 0},
    {"periodo", "Periodo", 855},
    {"correl", "Correlativo", 1095},
}};

constexpr std::array<const char*, 3> kOpciones = {"Declaración", "Anexos",
                                                  "Declaración y anexos"};

constexpr std::array<const char*, 10> kAnexos = {
    "Valores - Acogidos",
    "Deuda autoliquidada - DD.JJ.",
    "Deuda autoliquidada - Infracc.",
    "Otras deudas - valores",
    "Otras deudas - DD.JJ.",
    "Otras deudas - Infracciones",
    "Deuda No acogible",
    "Valores - No acogidos",
    "Garantía - Reporte de Carta  Fianza",
    "Garantía - Reporte de Garantía Hipotecaria",
};

constexpr std::array<const char*, 3> kBotones = {"&Preliminar", "&Imprimir", "&Salir"};

bool Enviadas() { return giEnviadas != 0; }

// The payment form an entity's payment-form box describes; another value leaves
// the description as it was.
void DescribeFormaPago(const std::string& sCasilla, const std::string& sValor) {
  if (!EsCasillaDeRenglon(sCasilla, Renglon::FormaPago)) return;
  if (sValor == "0") gsDesFormaPago = "Fraccionamiento";
  if (sValor == "1") gsDesFormaPago = "Aplazamiento";
  if (sValor == "2") gsDesFormaPago = "Aplaz. con fracc.";
}

// One DET row into gsCasillas: a box number outside 1 to 899, a row without a
// number or a value, and boxes 721 and 722 are left aside.
void LeeCasilla(const vb::Variant& casilla, const vb::Variant& valor) {
  if (casilla.IsNull() || valor.IsNull()) return;
  std::string sCasilla = vb::CStr(casilla);
  double dNumero = vb::Val(sCasilla);
  if (dNumero < 0.5 || dNumero >= 899.5) return;
  int n = vb::CLng(vb::Variant(dNumero));
  std::string sValor = vb::CStr(valor);
  if (n != 721 && n != 722) gsCasillas[static_cast<std::size_t>(n)] = sValor;
  DescribeFormaPago(sCasilla, sValor);
}

// The report code a print or preview registers, by what is printed.
std::string CodigoReporte(bool bImprimir, int iOpcion) {
  if (bImprimir)
    return iOpcion == kOptDeclaracion ? "FR0001" : iOpcion == kOptAnexos ? "FR0003" : "FR0004";
  return iOpcion == kOptAnexos ? "F36002" : "F36001";
}

std::string MensajeImpresion(const vb::Error& error) {
  switch (error.Number()) {
    case 20545:
      return "La Impresión ha sido Cancelada.";
    case 482:
      return "No existe una impresora seleccionada.Verifique.";
    case 380:
      return "No Existe Información a Imprimir.Verifique.";
    default:
      return "Error Técnico : ( " + std::to_string(error.Number()) + ") " + error.Description();
  }
}

}  // namespace

frmImprimir::frmImprimir() : forms::Form("frmImprimir") {
  DisenaVentana();
  DisenaGrilla();
  DisenaOpciones();
  ConectaEventos();
}

void frmImprimir::DisenaVentana() {
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 10335, 6660);
  Frame1.SetCaption("Declaraciones registradas");
  Frame1.Move(120, 60, 9975, 3015);
  dtaDecRegis.Move(180, 2520, 2535, 345);
  dtaDecRegis.SetVisible(false);
  grdImprimir.Move(180, 300, 9615, 2535);
  grdImprimir.SetDataSource(&dtaDecRegis);
  grdImprimir.SetTabIndex(0);
  for (int i = 0; i < static_cast<int>(kBotones.size()); ++i) {
    forms::CommandButton& boton = CmdImprimir.Add(i);
    boton.SetCaption(kBotones[static_cast<std::size_t>(i)]);
    boton.Move(5880 + 1440 * i, 5640, 1335, 375);
    boton.SetTabIndex(i + 3);
  }
}

void frmImprimir::DisenaGrilla() {
  for (const Columna& columna : kColumnas) {
    forms::GridColumn c = grdImprimir.AddColumn(columna.campo, columna.titulo);
    c.SetWidth(columna.ancho);
    c.SetVisible(columna.ancho > 0);
    c.SetLocked(true);
  }
}

void frmImprimir::DisenaOpciones() {
  Frame2.SetCaption("Opciones");
  Frame2.Move(120, 3180, 2415, 2355);
  Frame2.SetTabIndex(1);
  for (int i = 0; i < static_cast<int>(kOpciones.size()); ++i) {
    forms::OptionButton& opcion = OptImp.Add(i);
    opcion.SetCaption(kOpciones[static_cast<std::size_t>(i)]);
    opcion.Move(180, 420 + 480 * i, 2115, 300);
  }
  OptImp(kOptDeclaracion).SetValue(true);
  Frame3.SetCaption("Anexos");
  Frame3.Move(2640, 3180, 7455, 2355);
  Frame3.SetTabIndex(2);
  for (int i = 0; i < static_cast<int>(kAnexos.size()); ++i) {
    forms::CheckBox& anexo = chkAnexos.Add(i);
    anexo.SetCaption(kAnexos[static_cast<std::size_t>(i)]);
    anexo.Move(i < 5 ? 180 : 3360, 300 + 400 * (i % 5), i < 5 ? 3075 : 3975, 300);
    anexo.SetEnabled(false);
  }
}

void frmImprimir::ConectaEventos() {
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  OptImp.Handle(&forms::Control::Click, [this](int Index) { OptImp_Click(Index); });
  CmdImprimir.Handle(&forms::Control::Click, [this](int Index) { CmdImprimir_Click(Index); });
  grdImprimir.DblClick = [this] { grdImprimir_DblClick(); };
  grdImprimir.KeyPress = [this](int& KeyAscii) { grdImprimir_KeyPress(KeyAscii); };
  grdImprimir.RowColChange = [this](const vb::Variant&, int) { grdImprimir_RowColChange(); };
}

void frmImprimir::Form_Load() {
  SetCaption("Imprimir ");
  grdImprimir.Columns(kColCorrel).SetVisible(Enviadas());
  CentraFormulario(*this);
  try {
    Carga_Grilla();
    grdImprimir.Refresh();
  } catch (const vb::Error& error) {
    grdImprimir.SetEnabled(false);
    AvisaError(error);
  }
}

// Coming back to the window reads the list again, from its first row.
void frmImprimir::Form_Activate() {
  if (!grdImprimir.Enabled()) return;
  try {
    dtaDecRegis.Refresh();
    grdImprimir.Refresh();
    grdImprimir.SetFocus();
    MuestraEnBarra();
  } catch (const vb::Error& error) {
    AvisaError(error);
  }
}

// Users of type "0" see every declarant's declarations, any other user only
// those of the declarants registered under his name. The user's type is read
// first: its lookup builds its own statement in gsSQL.
void frmImprimir::Carga_Grilla() {
  bool bSoloPropios = LeeTipoUsuario() != "0";
  gsSQL =
      "SELECT A.TIP_DOC_D, A.DOC_ID_D, B.NOMBRE, A.FORMULARIO, mid(C.funcion,31,12) as tipo_doc, ";
  gsSQL += "(SELECT mid(funcion,1,12) FROM PARAM ";
  gsSQL += "WHERE numero = '727' AND val(argumento) = a.semana ) as Entidad, semana, ";
  gsSQL += "mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO";
  if (Enviadas()) gsSQL += ", CORREL";
  gsSQL += Enviadas() ? " FROM HCAB AS A, CONT AS B, PARAM AS C "
                      : " FROM CAB AS A, CONT AS B, PARAM AS C ";
  gsSQL += " WHERE A.DOC_ID_D=B.DOC_ID_D AND";
  gsSQL += " A.TIP_DOC_D=B.TIP_DOC_D AND";
  gsSQL += std::string(" A.FORMULARIO='") + "0942" + "' AND";
  if (bSoloPropios) gsSQL += " B.USUARIO=" + vb::SqlText(gsSysUser) + " AND ";
  gsSQL += " C.NUMERO='044' AND val(C.ARGUMENTO)=A.TIP_DOC_D ";
  gsSQL += " ORDER BY A.TIP_DOC_D ASC, A.DOC_ID_D ASC ";
  dtaDecRegis.SetDatabaseName(gsRutaBase);
  dtaDecRegis.SetRecordSource(gsSQL);
  dtaDecRegis.Refresh();
  dao::Recordset& rs = *dtaDecRegis.Recordset();
  bool bHayFilas = !rs.Eof();
  if (bHayFilas) {
    rs.MoveLast();
    rs.MoveFirst();
  }
  grdImprimir.SetEnabled(bHayFilas);
}

void frmImprimir::BorraArray() {
  for (std::size_t n = 1; n < gsCasillas.size(); ++n) gsCasillas[n] = "";
}

void frmImprimir::CargarCasillas() {
  BorraArray();
  gsSQL = Enviadas() ? "SELECT CASILLA, I_VALOR FROM HDET " : "SELECT CASILLA, I_VALOR FROM DET ";
  gsSQL += " WHERE TIP_DOC_D=" + std::to_string(vb::CInt(grdImprimir.Columns(kColTipDoc).Value()));
  gsSQL += " AND DOC_ID_D=" + vb::SqlText(grdImprimir.Columns(kColRuc).Text()) + " ";
  gsSQL += " AND periodo =" + vb::SqlText(gsPeriodo) + " ";
  gsSQL += std::string(" AND FORMULARIO='") + "0942" + "'";
  gsSQL += " AND SEMANA=" + std::to_string(gnSemana);
  if (Enviadas()) gsSQL += " AND CORREL=" + vb::SqlText(gsCorrel);
  dao::RecordsetPtr rs = gDB->OpenRecordset(gsSQL, dao::dbOpenSnapshot);
  gsDesFormaPago = "";
  for (; !rs->Eof(); rs->MoveNext()) LeeCasilla((*rs)("CASILLA").Value(), (*rs)("I_VALOR").Value());
  rs->Close();
}

// "Declaración" takes no annexes: their boxes are cleared and disabled.
void frmImprimir::OptImp_Click(int Index) {
  for (forms::CheckBox* anexo : chkAnexos.Elements()) {
    if (Index == kOptDeclaracion) anexo->SetValue(forms::vbUnchecked);
    anexo->SetEnabled(Index != kOptDeclaracion);
  }
}

void frmImprimir::CmdImprimir_Click(int Index) {
  if (Index != kSalir && FaltanAnexos()) {
    forms::MsgBox("Debe indicar el/los  anexo(s)", forms::vbCritical, Caption());
    return;
  }
  if (!VerificaConfiguracionRegional()) {
    forms::Screen.SetMousePointer(forms::vbDefault);
    return;
  }
  if (Index == kSalir) {
    dtaDecRegis.SetRecordset(nullptr);
    forms::Unload(*this);
    return;
  }
  if (!dtaDecRegis.Recordset() || dtaDecRegis.Recordset()->Eof()) return;
  try {
    Imprime(Index);
  } catch (const vb::Error& error) {
    AvisaError(error);
  }
}

bool frmImprimir::FaltanAnexos() const {
  if (OptImp(kOptDeclaracion).Value()) return false;
  for (const forms::CheckBox* anexo : chkAnexos.Elements())
    if (anexo->Value() == forms::vbChecked) return false;
  return true;
}

SeleccionImpresion frmImprimir::Seleccion() const {
  SeleccionImpresion seleccion;
  seleccion.bDeclaracion = OptImp(kOptDeclaracion).Value() || OptImp(kOptAmbos).Value();
  for (const forms::CheckBox* anexo : chkAnexos.Elements())
    seleccion.bAnexos[static_cast<std::size_t>(anexo->Index())] =
        anexo->Value() == forms::vbChecked;
  return seleccion;
}

// The chosen row's declaration becomes the one printed; answers the row's
// position, to come back to it afterwards.
long frmImprimir::TomaDeclaracion() {
  long nPosicion = dtaDecRegis.Recordset()->AbsolutePosition();
  gsRuc = grdImprimir.Columns(kColRuc).Text();
  gsRazonSocial = grdImprimir.Columns(kColNombre).Text();
  std::string sPeriodo = grdImprimir.Columns(kColPeriodo).Text();
  gsPeriodo = vb::Right(sPeriodo, 4) + vb::Left(sPeriodo, 2);
  gnSemana = vb::CByte(grdImprimir.Columns(kColSemana).Value());
  gsCorrel = grdImprimir.Columns(kColCorrel).Text();
  CargarCasillas();
  return nPosicion;
}

// A report the driver could not finish is neither shown nor printed: its file
// and its SPOOL row go, and the list stays where it was.
void frmImprimir::Imprime(int Index) {
  bool bImprimir = Index == kImprimir;
  int iOpcion = OptImp(kOptAnexos).Value()  ? kOptAnexos
                : OptImp(kOptAmbos).Value() ? kOptAmbos
                                            : kOptDeclaracion;
  long nPosicion = TomaDeclaracion();
  gsSalida = "ARCHIVO";
  int iTipDoc = bImprimir ? vb::CInt(grdImprimir.Columns(kColTipDoc).Value()) : kTipDocPreliminar;
  std::string sArchivo = RegistraSpool(CodigoReporte(bImprimir, iOpcion),
                                       grdImprimir.Columns(kColRuc).Text(), iTipDoc);
  gsArchivoReporte = gsRutaRPT + sArchivo;
  if (!ImprimirReporte2("")) return DescartaReporte(sArchivo);
  {
    forms::Hourglass reloj;
    MuestraReporte(sArchivo, bImprimir ? "xx" : "Vprevia");
  }
  if (nPosicion < 0) return;
  forms::DoEvents();
  if (!bImprimir) Carga_Grilla();
  RestauraPosicion(nPosicion);
}

bool frmImprimir::ImprimirReporte2(const std::string& /*ps_autogenerado*/) {
  giCopias = 1;
  giAnchoReporte = 104;
  gvLetra = "Courier New";
  gvTamano = 8;
  gvNegrita = false;
  forms::Hourglass reloj;
  try {
    ImprimeDeclaracion(Seleccion());
    return true;
  } catch (const vb::Error& error) {
    forms::MsgBox(MensajeImpresion(error), forms::vbCritical, "Impresión");
    return false;
  }
}

void frmImprimir::DescartaReporte(const std::string& sArchivo) {
  std::string sRuta = gsRutaRPT + sArchivo;
  if (ExisteArchivo(sRuta)) vb::Kill(sRuta);
  gsSQL = "DELETE FROM SPOOL WHERE Archivo = " + vb::SqlText(sArchivo);
  gDB->Execute(gsSQL, dao::dbFailOnError);
}

// A list that came back shorter than the remembered position ends on its last row.
void frmImprimir::RestauraPosicion(long nPosicion) {
  dao::Recordset& rs = *dtaDecRegis.Recordset();
  if (rs.Eof() && rs.Bof()) return;
  rs.SetAbsolutePosition(std::min(nPosicion, rs.RecordCount() - 1));
}

void frmImprimir::grdImprimir_DblClick() { CmdImprimir_Click(kPreliminar); }

// Enter previews the row; the list is for choosing only, so no key is typed into it.
void frmImprimir::grdImprimir_KeyPress(int& KeyAscii) {
  bool bEnter = KeyAscii == 13;
  KeyAscii = 0;
  if (bEnter) CmdImprimir_Click(kPreliminar);
}

void frmImprimir::grdImprimir_RowColChange() { MuestraEnBarra(); }

void frmImprimir::MuestraEnBarra() {
  MuestraEnBarraEstado({grdImprimir.Columns(kColRuc).Text(), grdImprimir.Columns(kColNombre).Text(),
                        grdImprimir.Columns(kColPeriodo).Text(),
                        grdImprimir.Columns(kColFormulario).Text()});
}

// The window's own database errors are told and leave it open.
void frmImprimir::AvisaError(const vb::Error& error) {
  forms::Screen.SetMousePointer(forms::vbDefault);
  forms::MsgBox(error.Description() + vb::vbLf + std::to_string(error.Number()), forms::vbCritical,
                "Error");
}

}  // namespace korva
