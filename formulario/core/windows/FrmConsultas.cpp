#include "formulario/core/windows/FrmConsultas.h"

#include <array>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/spool/EtiquetasSpool.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/dao/dao.h"
#include "platform/forms/hourglass.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/error.h"
#include "platform/vb/numbered_file.h"

namespace korva {
namespace {

struct Consulta {
  const char* tipo;
  const char* titulo;
  const char* seleccion;
  const char* condicion;
};

// The kinds of list, each statement in its three pieces (select list, "FROM PARAM "
// and the condition), spacing as the statements always had it.
constexpr std::array<Consulta, 5> kConsultas = {{
    {"R", "Consulta de Tipos de Resolución",
     "SELECT ARGUMENTO as codigo, mid(FUNCION,1,20) as descrip ", "WHERE NUMERO='726' order by 1"},
    {"S", "Consulta de Situación de la Deuda",
     "SELECT ARGUMENTO as codigo, mid(FUNCION,1,35) as descrip ", "WHERE NUMERO='897' order by 1"},
    {"D", "Consulta de Motivos de Desacuerdo",
     "SELECT ARGUMENTO as codigo, mid(FUNCION,1,31) as descrip ", "WHERE NUMERO='890'  order by 1"},
    {"I", "Consulta de Tipos de Impugnación",
     "SELECT  ARGUMENTO as codigo, mid(FUNCION,1,30) as descrip ", "WHERE NUMERO='889' order by 1 "},
    {"T", "Consulta de Tributos",
     "SELECT  mid(ARGUMENTO,2,3) & mid(ARGUMENTO,6,1) as codigo, mid(FUNCION,1,55) as descrip ",
     "WHERE NUMERO='725'  order by  1 "},
}};

constexpr const char* kArchivo = "Consultas.txt";

// Listing layout in twips: the title, the column headings and the first row of a
// page, the step between rows, and the rows a page holds before the next starts.
constexpr int kXCodigo = 500;
constexpr int kXDescripcion = 2500;
constexpr int kYEncabezado = 2500;
constexpr int kYPrimeraFila = 2900;
constexpr int kAvanceFila = 250;
constexpr int kFilasPorHoja = 50;

std::string Texto(const vb::Variant& valor) { return (valor & vb::Variant("")).ToString(); }

}  // namespace

FrmConsultas::FrmConsultas() : forms::Form("FrmConsultas") {
  DisenaVentana();
  ConectaEventos();
}

void FrmConsultas::DisenaVentana() {
  SetCaption("Consultas");
  SetBorderStyle(forms::vbFixedDouble);
  SetMinButton(false);
  SetMaxButton(false);
  Move(0, 0, 8460, 5700);
  Dta1.Move(120, 4740, 2535, 345);
  Dta1.SetVisible(false);
  Dta1.SetRecordsetType(dao::dbOpenSnapshot);
  grdConsultas.Move(120, 120, 8115, 4455);
  grdConsultas.SetDataSource(&Dta1);
  grdConsultas.AddColumn("codigo", "Código").SetWidth(1215);
  grdConsultas.AddColumn("descrip", "Descripción o Valor").SetWidth(6495);
  grdConsultas.SetTabIndex(0);
  cmdImprimir.SetCaption("&Imprimir");
  cmdImprimir.Move(5460, 4740, 1335, 375);
  cmdImprimir.SetTabIndex(1);
  CmdSalir.SetCaption("&Salir");
  CmdSalir.Move(6900, 4740, 1335, 375);
  CmdSalir.SetTabIndex(2);
}

void FrmConsultas::ConectaEventos() {
  Load = [this] { Form_Load(); };
  cmdImprimir.Click = [this] { cmdImprimir_Click(); };
  CmdSalir.Click = [this] { CmdSalir_Click(); };
}

// A kind the main window never sets keeps the design caption and shows no list.
void FrmConsultas::Form_Load() {
  CentraFormulario(*this);
  forms::Hourglass reloj;
  if (PreparaSentencia()) {
    Dta1.SetRecordSource(gsSQL);
    Dta1.SetDatabaseName(gsRutaBase);
    Dta1.Refresh();
  }
  if (HayFilas()) {
    Dta1.Recordset()->MoveLast();
    Dta1.Recordset()->MoveFirst();
  } else {
    grdConsultas.SetEnabled(false);
  }
  grdConsultas.Refresh();
}

bool FrmConsultas::PreparaSentencia() {
  for (const Consulta& consulta : kConsultas) {
    if (gsTipoConsulta != consulta.tipo) continue;
    SetCaption(consulta.titulo);
    gsSQL = consulta.seleccion;
    gsSQL += "FROM PARAM ";
    gsSQL += consulta.condicion;
    return true;
  }
  return false;
}

bool FrmConsultas::HayFilas() const {
  const dao::RecordsetPtr& rs = Dta1.Recordset();
  return rs && !rs->Eof();
}

// An empty list has nothing to print: the user is told so and no file is
// written, rather than a page of headings going to the printer.
void FrmConsultas::cmdImprimir_Click() {
  if (!HayFilas()) {
    forms::MsgBox("No existen registros para imprimir.", forms::vbInformation, Caption());
    return;
  }
  forms::Hourglass reloj(forms::vbHourglass, forms::vbArrow);
  EscribeListado();
  EnviaImpresora();
}

void FrmConsultas::EscribeListado() {
  gsArchivoReporte = gsRutaRPT + kArchivo;
  gsNroHojas = "";
  giLinea = 0;
  gsSalida = "ARCHIVO";
  gvTamano = 8;
  gvLetra = "Courier New";
  gvNegrita = false;
  vb::NumberedFile archivo(gsArchivoReporte, vb::OpenMode::Output);
  giArchivo = archivo.Number();
  giNroHoja = 0;
  giHoja = 0;
  EscribeLinea(Etiqueta(kEtiquetaFuente, kFuenteReportes));
  EscribeLinea(Etiqueta(kEtiquetaOrientacion, kOrientacionVertical));
  EscribeLinea(Etiqueta(kEtiquetaColor, kColorReportes));
  EscribeLinea(Etiqueta(kEtiquetaOrientacion, kOrientacionVertical));
  giHoja += 1;
  EscribePos(1000, 1500, Caption(), true, 10, giHoja - 1);
  EscribeEncabezados();
  int iPosY = kYPrimeraFila;
  int iFilas = 0;
  dao::Recordset& rs = *Dta1.Recordset();
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    EscribeFila(iPosY);
    iPosY += kAvanceFila;
    if (++iFilas > kFilasPorHoja) {
      giHoja += 1;
      iFilas = 0;
      EscribePos(0, 0, kNuevaHoja, false, 8, giHoja - 1);
      EscribeEncabezados();
      iPosY = kYPrimeraFila;
    }
  }
  rs.MoveFirst();
}

void FrmConsultas::EscribeEncabezados() {
  EscribePos(kXCodigo, kYEncabezado, "Código", true, 8, giHoja - 1);
  EscribePos(kXDescripcion, kYEncabezado, "Descripción o Valor", true, 8, giHoja - 1);
}

void FrmConsultas::EscribeFila(int iPosY) {
  dao::Recordset& rs = *Dta1.Recordset();
  EscribePos(kXCodigo, iPosY, Texto(rs("codigo").Value()), false, 8, giHoja - 1);
  EscribePos(kXDescripcion, iPosY, Texto(rs("descrip").Value()), false, 8, giHoja - 1);
}

// Any mode but "Vprevia" sends the file to the printer. A report that did not
// reach the printer (the renderer has said why) is never announced as printed.
void FrmConsultas::EnviaImpresora() {
  gsArchivoReporte = kArchivo;
  bool bImpreso = false;
  try {
    bImpreso = MuestraReporte(kArchivo, "xx");
  } catch (const vb::Error& error) {
    forms::MsgBox(error.Description(), forms::vbExclamation, Caption());
    return;
  }
  if (bImpreso)
    forms::MsgBox("El reporte fue impreso satisfactoriamente", forms::vbInformation, Caption());
}

void FrmConsultas::CmdSalir_Click() {
  Dta1.SetRecordset(nullptr);
  if (forms::LoadedInstance<FrmConsultas>() == this) {
    forms::Release<FrmConsultas>();
  } else {
    forms::Unload(*this);
  }
}

}  // namespace korva
