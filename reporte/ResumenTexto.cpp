#include "reporte/ResumenTexto.h"

#include "formulario/core/Casillas.h"
#include "platform/vb/conv.h"
#include "platform/vb/error.h"
#include "platform/vb/files.h"
#include "platform/vb/format.h"
#include "platform/vb/numbered_file.h"
#include "platform/vb/random.h"
#include "platform/vb/strings.h"
#include "reporte/DatosResumen.h"
#include "reporte/Globales.h"

namespace tarvel {
namespace {

constexpr int kErrDesbordamiento = 6;
constexpr const char* kPatronMonto = "#,###,###,##0";
constexpr int kAnchoMonto = 13;
constexpr int kAnchoCuotas = 15;
constexpr int kLargoNombre = 20;
constexpr int kCaracterNuevaHoja = 15;
const std::string kRaya(36, '=');

// The entity's box on that row of its block: the block's first box and the
// row's place in it.
int CasillaEntidad(korva::Renglon renglon) { return giCasillaBase + static_cast<int>(renglon); }

bool EsNumerica(int iCasilla) { return vb::IsNumeric(vb::Variant(Casilla(iCasilla))); }

std::string NombreArchivoTexto() {
  vb::Randomize();
  double numero = vb::Int(vb::Rnd() * 90000000.0 + 10000000.0);
  return gsRutaTMP + vb::Format(numero, "0");
}

std::string LineaMonto(const std::string& sEtiqueta, int iCasilla) {
  gsLinea = sEtiqueta;
  if (EsNumerica(iCasilla)) AgregaMonto(vb::CDbl(vb::Variant(Casilla(iCasilla))), kPatronMonto, kAnchoMonto);
  return gsLinea;
}

std::string FormaDePago(const std::string& sCodigo) {
  if (sCodigo == "0") return " FRACCIONAMIENTO";
  if (sCodigo == "1") return "    APLAZAMIENTO";
  if (sCodigo == "2") return "APLAZ. CON FRACC.";
  return "";
}

std::string LineaFormaPago() {
  gsLinea = "Forma de pago      :";
  int iCasilla = CasillaEntidad(korva::Renglon::FormaPago);
  if (EsNumerica(iCasilla)) gsLinea += FormaDePago(Casilla(iCasilla));
  return gsLinea;
}

std::string LineaCuotas() {
  gsLinea = "Nº de cuotas fracc.:";
  int iCasilla = CasillaEntidad(korva::Renglon::Cuotas);
  if (EsNumerica(iCasilla)) gsLinea += CompletaTextoIzquierda(Casilla(iCasilla), kAnchoCuotas, " ");
  return gsLinea;
}

std::string LineaGarantia() {
  gsLinea = "Garantía de deudas :" + vb::Space(13);
  gsLinea += korva::GarantiaMostrada(Casilla(CasillaEntidad(korva::Renglon::Garantia)));
  return gsLinea;
}

}  // namespace

void ImprimeResumenTexto() {
  gsLinea = "";
  gsArchivoTexto = NombreArchivoTexto();
  vb::NumberedFile archivo(gsArchivoTexto, vb::OpenMode::Output);
  giArchivo = archivo.Number();
  giPagina = 1;
  giLineas = 1;
  for (const std::string& linea : LineasEncabezado()) EscribeLineaTexto(linea);
  EscribeLineaTexto("");
  for (const LineaResumen& linea : CuerpoResumen()) EscribeLineaTexto(linea());
  archivo.Close();
}

void EscribeLineaTexto(const std::string& sLinea) {
  vb::Print(giArchivo, vb::Trim(sLinea).empty() ? " " : sLinea);
  if (++giLineas < kLineasPorHoja) return;
  giLineas = 0;
  ++giPagina;
  vb::Print(giArchivo, vb::Chr(kCaracterNuevaHoja), vb::LineEnd::None);
}

void AgregaMonto(double dValor, const std::string& sPatron, int iAncho) {
  std::string sMonto = vb::Format(dValor, sPatron);
  long largo = vb::Len(sMonto);
  gsLinea += " " + (largo < iAncho ? vb::Space(iAncho - largo) : "") + sMonto;
}

std::string CompletaTextoIzquierda(const std::string& sTexto, int iAncho, const std::string& sRelleno) {
  std::string sRecortado = vb::Trim(sTexto);
  long faltan = iAncho - vb::Len(sRecortado);
  if (faltan <= 0) return sRecortado;
  if (faltan > 255) vb::Raise(kErrDesbordamiento);
  std::string sPrefijo;
  for (long i = 0; i < faltan; ++i) sPrefijo += sRelleno;
  return sPrefijo + sRecortado;
}

std::vector<std::string> LineasEncabezado() {
  return {"DOCUMENTO     :" + gsRuc,
          "RAZON SOCIAL  :" + vb::Left(gsRazonSocial, kLargoNombre),
          "FORMULARIO    :" + std::string("0942") + "-ZEP VANDOR",
          "PERIODO       :" + vb::Right(gsPeriodo, 2) + "/" + vb::Left(gsPeriodo, 4),
          "ENTIDAD       :" + gsEntidad};
}

const std::vector<LineaResumen>& CuerpoResumen() {
  static const std::vector<LineaResumen> kCuerpo = {
      [] { return kRaya; },
      [] { return "      CONCEPTOS           " + gsEntidad; },
      [] { return kRaya; },
      [] { return LineaMonto("Monto deuda acogida: ", CasillaEntidad(korva::Renglon::Deuda)); },
      LineaFormaPago,
      LineaCuotas,
      [] { return LineaMonto("Monto de aplazam.  : ", giCasillaAplaz); },
      [] { return LineaMonto("Monto cuota fracc. : ", CasillaEntidad(korva::Renglon::MontoCuota)); },
      LineaGarantia,
      [] { return kRaya; },
  };
  return kCuerpo;
}

}  // namespace tarvel
