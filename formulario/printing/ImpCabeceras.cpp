#include "formulario/printing/ImpCabeceras.h"

#include <array>
#include <vector>

#include "formulario/core/Casillas.h"
#include "formulario/core/Globales.h"
#include "formulario/spool/EtiquetasSpool.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kErrDesbordamiento = 6;
constexpr int kMargenHorizontal = 140;
constexpr int kCasillaTelefono = 28;
constexpr int kCasillaPresentacion = 541;
// The right line of a portrait page's frames, inside the sheet's printable edge.
constexpr int kBordeVertical = 11000;

constexpr const char* kEntidad = "SOLICITUD Plexo - VANDOR";

// One command of a header block: a text at (x1, y1), or a box from (x1, y1) to
// (x2, y2).
struct Orden {
  bool bCuadro;
  int x1;
  int y1;
  int x2;
  int y2;
  std::string sTexto;
  bool bNegrita;
  int iTama;
};

Orden T(int x, int y, std::string sTexto, bool bNegrita, int iTama) {
  return {false, x, y, 0, 0, std::move(sTexto), bNegrita, iTama};
}
Orden B(int x1, int y1, int x2, int y2) { return {true, x1, y1, x2, y2, "", false, 0}; }

// The block's commands in their order on page `iHoja`, each x moved right by
// the margin.
void EscribeBloque(const std::vector<Orden>& bloque, int iHoja, int iMargen) {
  for (const Orden& o : bloque) {
    if (o.bCuadro)
      EscribeCuadro(o.x1 + iMargen, o.y1, o.x2 + iMargen, o.y2, iHoja);
    else
      EscribePos(o.x1 + iMargen, o.y1, o.sTexto, o.bNegrita, o.iTama, iHoja);
  }
}

std::string Pagina(int iHoja) { return std::to_string(iHoja + 1); }

// A text as far as `iEspacio` twips hold it at the font size `iTama`: the
// reports print in Courier New, whose characters are six tenths of a point
// size wide, 12 twips a point. The declarant's name is cut before the field
// beside it, so that a long name is never printed over the telephone, and on
// the guarantee report before the page's right line, so that it never runs
// off the sheet.
std::string Cabe(const std::string& sTexto, int iEspacio, int iTama) {
  return vb::Left(sTexto, iEspacio / (12 * iTama));
}

// The counter moves on to the new page; a counter at the last 16-bit page
// cannot, and the error reaches the print dialog.
int SiguienteHoja() {
  if (giNroHoja >= 32767) vb::Raise(kErrDesbordamiento);
  giHojaAnexo = ++giNroHoja;
  return giNroHoja;
}

// The new page's break and orientation tag, or, on the file's first page, its
// three header tags.
int IniciaHoja(const char* sOrientacion) {
  int iHoja = SiguienteHoja();
  if (iHoja != 0) {
    EscribePos(0, 0, kNuevaHoja, false, 8, iHoja);
    EscribeEtiqueta(Etiqueta(kEtiquetaOrientacion, sOrientacion));
  } else {
    EscribeEtiqueta(Etiqueta(kEtiquetaFuente, kFuenteReportes));
    EscribeEtiqueta(Etiqueta(kEtiquetaOrientacion, sOrientacion));
    EscribeEtiqueta(Etiqueta(kEtiquetaColor, kColorReportes));
  }
  return iHoja;
}

// The payment-form boxes of the five blocks joined (501, 508, 515, 522 and
// 529): a text that reads as 0 (also none at all) is instalments alone.
std::string ModalidadGarantia() {
  std::string sFormas;
  for (const Bloque& bloque : kBloques) sFormas += gsCasillas[CasillaDe(bloque, Renglon::FormaPago)];
  return vb::Val(vb::Trim(sFormas)) == 0 ? "Fraccionamiento" : "Aplazamiento con fraccionamiento";
}

std::string FechaDeHoy() {
  vb::Date hoy = vb::Today();
  return "    , " + std::to_string(vb::Day(hoy)) + " de " + NombreMes(vb::Month(hoy)) + " de " +
         std::to_string(vb::Year(hoy));
}

}  // namespace

void ImprimeCabeceraFormulario(int iHoja) {
  if (iHoja != 0) EscribePos(0, 0, kNuevaHoja, false, 8, iHoja);
  EscribeBloque({T(300, 350, "TELVO", true, 16),
                 T(550, 1330, "0942", true, 12),
                 B(150, 300, 1700, 1640),
                 T(1760, 400, kEntidad, true, 9),
                 B(1700, 300, 8500, 1100),
                 T(1750, 1170, "RUC", false, 8),
                 T(3150, 1170, gsRuc, true, 8),
                 B(3100, 1100, 11000, 1370),
                 B(8500, 1100, 11000, 1370),
                 T(9030, 1170, "TELEFONO", false, 8),
                 T(9030, 1440, gsCasillas[kCasillaTelefono], false, 8),
                 T(1750, 1450, "RAZÓN SOCIAL", false, 8),
                 T(3150, 1450, Cabe(gsRazonSocial, 8500 - 3150, 8), true, 8),
                 B(1700, 1370, 3100, 1640),
                 B(3100, 1370, 8500, 1640),
                 T(9000, 400, "Copia para el", false, 8),
                 T(9000, 700, "Contribuyente (" + Pagina(iHoja) + ")", false, 8),
                 B(8500, 300, 11000, 1100),
                 B(8500, 1100, 11000, 1640)},
                iHoja, 0);
}

// The block's positions already hold the margin of 140; the title's x is the
// margin, half of 5000 and 1600.
void ImprimeCabeceraHorizontal(int& iHoja, int& iMargen, const std::string& /*sTexto*/) {
  iHoja = IniciaHoja(kOrientacionHorizontal);
  iMargen = kMargenHorizontal;
  EscribeBloque({T(440, 350, "TELVO", true, 16),
                 T(690, 1330, "0942", true, 12),
                 B(290, 300, 1840, 1640),
                 B(13500, 300, 16000, 1370),
                 B(13500, 650, 16000, 1100),
                 B(13500, 1370, 16000, 1640),
                 T(iMargen + 5000 / 2 + 1600, 400, kEntidad, true, 9),
                 T(14140, 400, "Pag. " + Pagina(iHoja), false, 8),
                 B(1840, 300, 13500, 1100),
                 T(1990, 1170, "RUC", false, 8),
                 T(4840, 1170, gsRuc, true, 8),
                 T(1990, 1450, "RAZÓN SOCIAL", false, 8),
                 T(4840, 1450, Cabe(gsRazonSocial, 13500 - 4840, 8), true, 8),
                 T(14030 + iMargen, 1170, "TELEFONO", false, 8),
                 T(14030 + iMargen, 1440, gsCasillas[kCasillaTelefono], false, 8),
                 B(1840, 1100, 13500, 1370),
                 B(1840, 1100, 4390, 1640),
                 T(14140, 670, "Copia para el", false, 8),
                 T(14140, 900, "Contribuyente", false, 8)},
                iHoja, 0);
}

void ImprimeCabeceraVertical(int& iHoja, int iMargen, const std::string& /*sTexto*/) {
  iHoja = IniciaHoja(kOrientacionVertical);
  EscribeBloque({T(400, 350, "TELVO", true, 16),
                 T(600, 1330, "0942", true, 12),
                 B(290, 300, 1700, 1640),
                 B(8500, 300, 11000, 650),
                 T(2240, 400, kEntidad, true, 9),
                 T(9000, 400, "Pag. " + Pagina(iHoja), false, 8),
                 T(4680, 670, "VANDOR", true, 9),
                 B(1700, 300, 8500, 1100),
                 T(1750, 1170, "RUC", false, 8),
                 T(3850, 1170, gsRuc, true, 8),
                 B(8500, 1100, 11000, 1370),
                 T(9030, 1170, "TELEFONO", false, 8),
                 T(9030, 1440, gsCasillas[kCasillaTelefono], false, 8),
                 B(1700, 1100, 3800, 1370),
                 B(1700, 1370, 3800, 1640),
                 T(1750, 1450, "Apellidos y nombres", false, 8),
                 T(3850, 1450, Cabe(gsRazonSocial, 8500 - 3850, 8), true, 8),
                 B(3800, 1370, 8500, 1640),
                 T(9000, 670, "Copia para el", false, 8),
                 T(9000, 900, "Contribuyente", false, 8),
                 B(8500, 300, 11000, 1100),
                 B(8500, 1100, 11000, 1640)},
                iHoja, iMargen);
}

void ImprimeCabeceraGarantia(int& iHoja, int iMargen, const std::string& sCodigo) {
  iHoja = IniciaHoja(kOrientacionVertical);
  std::string sModalidad = ModalidadGarantia();
  EscribeBloque({T(iMargen + 2240, 400,
                   sCodigo == "CF" ? "REPORTE DE REQUERIMIENTO DE CARTA FIANZA"
                                   : "REPORTE DE REQUERIMIENTO DE HIPOTECA",
                   true, 9),
                 T(300, 670, FechaDeHoy(), false, 9),
                 T(300, 940, "RUC N.° " + gsRuc, false, 9),
                 T(300, 1210, Cabe("Razón social: " + gsRazonSocial, kBordeVertical - 300, 9), false, 9),
                 T(300, 1480, "Solicitud de acogimiento al " + sModalidad, false, 9),
                 T(300, 1750,
                   "Fecha de presentación de la solicitud " + gsCasillas[kCasillaPresentacion],
                   false, 9),
                 T(300, 2020,
                   "Detalle de la deuda por la que solicita el acogimiento al " + sModalidad,
                   false, 9)},
                iHoja, 0);
}

std::string NombreMes(int iMes) {
  static constexpr std::array<const char*, 12> kMeses = {
      "Enero", "Febrero", "Marzo",     "Abril",   "Mayo",      "Junio",
      "Julio", "Agosto",  "Setiembre", "Octubre", "Noviembre", "Diciembre"};
  return iMes >= 1 && iMes <= 12 ? kMeses[static_cast<std::size_t>(iMes - 1)] : "";
}

}  // namespace korva
