#include "formulario/spool/ImpLinea.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include "formulario/core/Globales.h"
#include "formulario/spool/EtiquetasSpool.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "platform/dao/dao.h"
#include "platform/dao/transaction.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/sql.h"

namespace korva {
namespace {

constexpr int kErrDesbordamiento = 6;
constexpr int kErrImpresora = 482;
constexpr int kAvanceLinea = 175;

VisorReporte gVisorReporte;

bool EsEtiqueta(const std::string& sTexto) { return sTexto.starts_with(kInicioEtiqueta); }

// Only the spool file is written: a report sent straight to the printer would be
// lost without a word, so any other output mode is refused before anything moves.
void ExigeArchivo() {
  if (gsSalida != "ARCHIVO")
    vb::Raise(kErrImpresora,
              "Los reportes se escriben en su archivo de páginas (salida \"ARCHIVO\")");
}

void EscribeArchivo(const std::string& linea) { vb::Print(giArchivo, linea); }

// A command's line: its word, then each field ended by "|".
std::string Comando(const char* sPalabra, std::initializer_list<std::string> campos) {
  std::string linea = sPalabra;
  for (const std::string& campo : campos) {
    linea += '|';
    linea += campo;
  }
  return linea + '|';
}

int LineasPorHoja() { return giAnchoReporte < 83 ? 85 : 83; }

bool OrientacionPendiente() {
  return gsNroHojas == Etiqueta(kEtiquetaOrientacion, kOrientacionHorizontal) ||
         gsNroHojas == Etiqueta(kEtiquetaOrientacion, kOrientacionVertical);
}

// The highest number stored in the query's one column, 0 when there is none.
double Maximo(dao::Database& db, const std::string& sql, std::string& sSQL) {
  sSQL = sql;
  dao::RecordsetPtr rs = db.OpenRecordset(sSQL, dao::dbOpenSnapshot);
  double maximo = 0;
  if (!rs->Eof() && !(*rs)(0).Value().IsNull()) maximo = vb::Val(vb::CStr((*rs)(0).Value()));
  rs->Close();
  return maximo;
}

bool Numerado(const vb::Variant& nombre) {
  if (nombre.IsNull()) return false;
  std::string sNombre = vb::CStr(nombre);
  return sNombre.size() == 8 &&
         std::all_of(sNombre.begin(), sNombre.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The highest number of the files registered: the first eight characters of the
// names that begin with eight digits. The greatest name is read first, and it is
// the answer but for a name of another form (a report the host registered under
// a name of its own), which stands above the numbered ones as a text and would
// read as 0, starting the numbering again on files that exist; only then are the
// names read one by one.
double UltimoArchivo(dao::Database& db, std::string& sSQL) {
  sSQL = "SELECT max(left(Archivo,8)) as SecRep FROM SPOOL";
  dao::RecordsetPtr rs = db.OpenRecordset(sSQL, dao::dbOpenSnapshot);
  vb::Variant mayor = rs->Eof() ? vb::Variant() : (*rs)(0).Value();
  rs->Close();
  if (mayor.IsNull() || Numerado(mayor)) return mayor.IsNull() ? 0 : vb::Val(vb::CStr(mayor));
  sSQL = "SELECT left(Archivo,8) as SecRep FROM SPOOL";
  rs = db.OpenRecordset(sSQL, dao::dbOpenSnapshot);
  double numero = 0;
  for (; !rs->Eof(); rs->MoveNext())
    if (Numerado((*rs)(0).Value())) numero = std::max(numero, vb::Val(vb::CStr((*rs)(0).Value())));
  rs->Close();
  return numero;
}

std::string AgregaFilaSpool(dao::Database& db, const FilaSpool& fila, std::string& sSQL) {
  double secuencia = Maximo(
      db, "SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = " + vb::SqlText(fila.sCodRep), sSQL);
  double numero = UltimoArchivo(db, sSQL);
  std::string sArchivo = vb::Format(numero + 1, "00000000") + ".PRN";
  sSQL = "SELECT * FROM SPOOL";
  dao::RecordsetPtr rs = db.OpenRecordset(sSQL, dao::dbOpenDynaset);
  rs->AddNew();
  (*rs)("CodRep") = fila.sCodRep;
  (*rs)("secuencia") = vb::Format(secuencia + 1, "000000");
  (*rs)("Archivo") = sArchivo;
  (*rs)("Fecha") = vb::Now();
  (*rs)("Usuario") = fila.sUsuario;
  (*rs)("tip_doc_d") = fila.iTipDoc;
  (*rs)("doc_id_d") = fila.sDocId;
  rs->Update();
  rs->Close();
  return sArchivo;
}

}  // namespace

std::string TextoDeCampo(const std::string& sTexto) {
  std::string campo;
  campo.reserve(sTexto.size());
  for (char c : sTexto) {
    if (c == '|')
      campo += "\xC2\xA6";
    else
      campo += c == '\r' || c == '\n' ? ' ' : c;
  }
  return campo;
}

void EscribeLinea(const HojaLineas& hoja, const std::string& sTexto) {
  std::string linea;
  if (!EsEtiqueta(sTexto)) {
    linea = Comando(kPalabraPos, {"10", IncrementaContador(hoja.iPosY, kAvanceLinea),
                                  TextoDeCampo(sTexto), "False", "8", std::to_string(hoja.iHoja - 1)});
  } else {
    if (hoja.iHoja > 1 && !hoja.bEtiquetasEnCadaHoja) return;
    linea = sTexto;
  }
  vb::Print(hoja.iArchivo, linea);
  if (++hoja.iLinea < hoja.iLineasPorHoja) return;
  hoja.iLinea = 0;
  ++hoja.iHoja;
  hoja.iPosY = 0;
  vb::Print(hoja.iArchivo, kNuevaHoja);
}

void EscribeLinea(std::string sTexto) {
  ExigeArchivo();
  EscribeLinea({giArchivo, giNroHoja, giLinea, giPosY, LineasPorHoja(), OrientacionPendiente()}, sTexto);
}

void EscribePos(int X, int Y, const std::string& sTexto, int bColo, const vb::Variant& iTama,
                int iHoja) {
  ExigeArchivo();
  if (sTexto == kNuevaHoja) {
    EscribeArchivo(kNuevaHoja);
  } else if (!EsEtiqueta(sTexto)) {
    EscribeArchivo(Comando(kPalabraPos, {std::to_string(X), std::to_string(Y), TextoDeCampo(sTexto),
                                         bColo == -1 ? "True" : "False", vb::CStr(iTama),
                                         std::to_string(iHoja)}));
  } else if (giNroHoja <= 1) {
    EscribeArchivo(sTexto);
  }
}

void EscribePos(int X, int Y, const std::string& sTexto, bool bColo, const vb::Variant& iTama,
                int iHoja) {
  EscribePos(X, Y, sTexto, bColo ? -1 : 0, iTama, iHoja);
}

void EscribeEtiqueta(const std::string& sEtiqueta) {
  ExigeArchivo();
  EscribeArchivo(sEtiqueta);
}

void EscribeCuadro(int x1, int y1, int x2, int y2, int iHoja) {
  ExigeArchivo();
  EscribeArchivo(Comando(kPalabraCuadro, {std::to_string(x1), std::to_string(y1), std::to_string(x2),
                                          std::to_string(y2), std::to_string(iHoja)}));
}

std::string RegistraSpool(const std::string& sCodRep, const std::string& sDocId, int iTipDoc) {
  return AnotaSpool(*gDB, {sCodRep, sDocId, iTipDoc, gsSysUser}, gsSQL);
}

std::string AnotaSpool(dao::Database& db, const FilaSpool& fila, std::string& sSQL) {
  dao::Transaction transaccion(db);
  std::string sArchivo = AgregaFilaSpool(db, fila, sSQL);
  transaccion.Commit();
  return sArchivo;
}

std::string IncrementaContador(std::int16_t& iContador, int iIncremento) {
  long suma = static_cast<long>(iContador) + iIncremento;
  if (suma > std::numeric_limits<std::int16_t>::max() ||
      suma < std::numeric_limits<std::int16_t>::min())
    vb::Raise(kErrDesbordamiento);
  iContador = static_cast<std::int16_t>(suma);
  return std::to_string(iContador);
}

void FijaVisorReporte(VisorReporte visor) { gVisorReporte = std::move(visor); }

bool MuestraReporte(const std::string& sArchivo, const std::string& sModo) {
  if (!gVisorReporte)
    vb::Raise(kErrImpresora, "La vista previa y la impresión de reportes aún no están instaladas");
  return gVisorReporte(sArchivo, sModo);
}

}  // namespace korva
