#include "reporte/ResumenSpool.h"

#include "formulario/spool/EtiquetasSpool.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/vb/date.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/numbered_file.h"
#include "platform/vb/strings.h"
#include "reporte/Globales.h"
#include "reporte/ResumenTexto.h"

namespace tarvel {
namespace {

constexpr const char* kCodigoReporte = "F36004";
constexpr int kSangria = 26;

void EscribeLineasVacias(int iCuantas) {
  for (int i = 0; i < iCuantas; ++i) EscribeLineaSpool("");
}

// The report's tags (with one empty line among them, where the page count tag
// ends), then the date, the time and the title.
void EscribeEncabezadoPagina() {
  EscribeLineaSpool(korva::Etiqueta(korva::kEtiquetaFuente, korva::kFuenteReportes));
  EscribeLineaSpool(korva::Etiqueta(korva::kEtiquetaHojas, "1"));
  EscribeLineasVacias(1);
  EscribeLineaSpool(korva::Etiqueta(korva::kEtiquetaOrientacion, korva::kOrientacionVertical));
  EscribeLineaSpool(korva::Etiqueta(korva::kEtiquetaColor, korva::kColorVentana));
  giLineas = 1;
  EscribeLineasVacias(4);
  vb::Date ahora = vb::Now();
  EscribeLineaSpool(vb::Space(10) + vb::Format(ahora, "dd/mm/yyyy") + vb::Space(56) + "Pag. 01/01");
  EscribeLineaSpool(vb::Space(10) + vb::Format(ahora, "hh:mm:ss"));
  EscribeLineasVacias(1);
  EscribeLineaSpool(vb::Space(32) + "Resumen de Envío - ZEP 0942");
  EscribeLineasVacias(2);
}

void EscribeCuerpo() {
  for (const std::string& linea : LineasEncabezado()) EscribeLineaSpool(vb::Space(kSangria) + linea);
  EscribeLineasVacias(1);
  for (const LineaResumen& linea : CuerpoResumen()) EscribeLineaSpool(vb::Space(kSangria) + linea());
}

}  // namespace

void ImprimeResumenSpool() {
  gsLinea = "";
  gsArchivoSpool = gsRutaRPT + RegistraSpoolResumen(kCodigoReporte, vb::Trim(gsRuc));
  vb::NumberedFile archivo(gsArchivoSpool, vb::OpenMode::Output);
  giArchivo = archivo.Number();
  giPagina = 1;
  giLineas = 0;
  giPosY = 0;
  EscribeEncabezadoPagina();
  EscribeCuerpo();
  archivo.Close();
}

std::string RegistraSpoolResumen(const std::string& sCodRep, const std::string& sDocId) {
  if (vb::Trim(gsSysUser).empty()) gsSysUser = "ADMINIST";
  return korva::AnotaSpool(*gDB, {sCodRep, sDocId, 6, gsSysUser}, gsSQL);
}

void EscribeLineaSpool(const std::string& sLinea) {
  korva::EscribeLinea({giArchivo, giPagina, giLineas, giPosY, kLineasPorHoja, false}, sLinea);
}

}  // namespace tarvel
