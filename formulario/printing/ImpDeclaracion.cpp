#include "formulario/printing/ImpDeclaracion.h"

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/printing/ImpCabeceras.h"
#include "formulario/spool/EtiquetasSpool.h"
#include "formulario/spool/GlobalesImpresion.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/forms/services.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/numbered_file.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

constexpr int kErrIndice = 9;
constexpr int kErrNoDisponible = 438;
constexpr const char* kTabla = "F0942DEUDAS";
constexpr int kCasillaActualizacion = 541;

// The annexes in the order they are written, each by the index of its box.
struct Anexo {
  int iCasilla;
  const char* sTitulo;
  const char* sCodigo;
  bool bAcogido;
};
constexpr Anexo kAnexos[] = {
    {0, "VALORES - ACOGIDOS", "DN", true},
    {7, "VALORES - NO ACOGIDOS", "DN", false},
    {1, "DEUDAS AUTOLIQUIDADAS - DD.JJ", "DJ", false},
    {2, "DEUDAS AUTOLIQUIDADAS - INFRACCIONES", "INF", false},
    {3, "OTRAS DEUDAS - VALORES", "ODV", false},
    {4, "OTRAS DEUDAS - DD.JJ.", "ODDJ", false},
    {5, "OTRAS DEUDAS - INFRACCIONES", "ODINF", false},
    {6, "DEUDAS  - NO ACOGIBLES", "DN_NA", false},
};

// The guarantee reports, each written only when its kind is flagged in the
// guarantee-type box (by the flag's position).
struct Garantia {
  int iCasilla;
  int iMarca;
  const char* sTitulo;
  const char* sCodigo;
};
constexpr Garantia kGarantias[] = {{8, 1, "CARTA FIANZA", "CF"}, {9, 2, "HIPOTECA", "GH"}};

// The guarantee kinds as the declaration page names them, by flag position.
constexpr const char* kTiposGarantia[] = {"- Carta fianza ", "- Hipoteca ",
                                          "- Garantía mobiliaria"};

EscritorAnexo gImprimeAnexo;
EscritorAnexo gImprimeGarantia;

void Escribe(const EscritorAnexo& escritor, const std::string& sTitulo, const std::string& sCodigo,
             bool bAcogido) {
  if (!escritor)
    vb::Raise(kErrNoDisponible,
              "Los anexos y los reportes de garantía no están disponibles en esta versión del "
              "módulo.");
  escritor(kTabla, sTitulo, sCodigo, bAcogido);
}

bool Marcado(const std::string& sTipoGarantia, int iMarca) {
  return vb::Mid(sTipoGarantia, iMarca, 1) == "1";
}

// The ticked annexes, then the ticked guarantee reports of the kinds flagged.
void ImprimeAnexos(const SeleccionImpresion& seleccion, const std::string& sTipoGarantia) {
  for (const Anexo& a : kAnexos)
    if (seleccion.bAnexos[a.iCasilla]) Escribe(gImprimeAnexo, a.sTitulo, a.sCodigo, a.bAcogido);
  for (const Garantia& g : kGarantias)
    if (seleccion.bAnexos[g.iCasilla] && Marcado(sTipoGarantia, g.iMarca))
      Escribe(gImprimeGarantia, g.sTitulo, g.sCodigo, true);
}

void Texto(int x, int y, const std::string& sTexto, bool bNegrita = false, int iTama = 8) {
  EscribePos(x, y, sTexto, bNegrita, iTama, 0);
}

// The rules of the table's 13 rows, 270 twips each from y 2820: a box across the
// page and the two column rules (boxes of no width) where the row has them; row
// 10 has nothing. In each row the box comes first, then the rule at 8675, then
// the one at 9175.
void ImprimeReglasTabla() {
  for (int r = 0; r <= 12; ++r) {
    int y1 = 2820 + 270 * r;
    int y2 = y1 + 270;
    if (r == 10) continue;
    EscribeCuadro(150, y1, 11000, y2, 0);
    if (r != 9) EscribeCuadro(8675, y1, 8675, y2, 0);
    if (r != 0 && r != 9 && r != 12) EscribeCuadro(9175, y1, 9175, y2, 0);
  }
}

// A box's value through a number pattern, right-aligned to 16 characters.
std::string Cifra(int iCasilla, const std::string& sPatron) {
  return AlineaDerecha(vb::Format(vb::Variant(gsCasillas[iCasilla]), sPatron), 16);
}

std::string GarantiaDeDeuda(const std::string& sValor) {
  std::string sGarantia = GarantiaMostrada(sValor);
  return sGarantia.empty() ? "" : vb::Space(14) + sGarantia;
}

std::string TiposDeGarantia(const std::string& sTipoGarantia) {
  std::string sTipos = vb::Space(6);
  for (int i = 1; i <= 3; ++i)
    if (Marcado(sTipoGarantia, i)) sTipos += kTiposGarantia[i - 1];
  return sTipos;
}

// One row with a box: its label, the box's number and its value.
void Fila(int y, const std::string& sEtiqueta, int iCasilla, const std::string& sValor) {
  Texto(300, y, sEtiqueta);
  Texto(8775, y, std::to_string(iCasilla));
  Texto(9275, y, sValor);
}

// One row with a box of the block, its value through a number pattern.
void FilaCifra(int y, const std::string& sEtiqueta, int iCasilla, const std::string& sPatron) {
  Fila(y, sEtiqueta, iCasilla, Cifra(iCasilla, sPatron));
}

void ImprimeFilasModalidad(const Bloque& b) {
  Texto(300, 2880, "Entidad");
  Texto(9800, 2880, vb::Trim(LeeParametro("727", std::to_string(gnSemana), 10, 1)), true);
  FilaCifra(3150, "Deuda acogida", b.base, "###,###,###,##0");
  Fila(3420, "Forma de pago", CasillaDe(b, Renglon::FormaPago), gsDesFormaPago);
  FilaCifra(3690, "Número de meses de aplazamiento", CasillaDe(b, Renglon::Meses), "##");
  FilaCifra(3960, "Número de cuotas de fraccionamiento", CasillaDe(b, Renglon::Cuotas), "##");
  FilaCifra(4230, "Monto de la cuota de fraccionamiento", CasillaDe(b, Renglon::MontoCuota),
            "###,###,###,##0");
  FilaCifra(4500, "Código de tributo", CasillaDe(b, Renglon::Tributo), "######");
  int iGarantia = CasillaDe(b, Renglon::Garantia);
  Fila(4770, "Garantía de deuda", iGarantia, GarantiaDeDeuda(gsCasillas[iGarantia]));
  FilaCifra(5040, "Cuota de acogimiento", b.cuota, "###,###,###,##0");
  Texto(300, 5310, "Tipo de garantía");
  Texto(3275, 5310, TiposDeGarantia(gsCasillas[CasillaTipoGarantia(b)]));
  Texto(300, 6120, "Fecha de actualización");
  Texto(9275, 6120, vb::Space(6) + gsCasillas[kCasillaActualizacion]);
}

}  // namespace

const Bloque& BloqueDeEntidad(std::uint8_t iSemana) {
  const Bloque* bloque = BloqueDe(iSemana);
  if (!bloque) vb::Raise(kErrIndice);
  return *bloque;
}

void ImprimeDeclaracion(const SeleccionImpresion& seleccion) {
  gsNroHojas = "";
  vb::NumberedFile archivo(gsArchivoReporte, vb::OpenMode::Output);
  giArchivo = archivo.Number();
  giNroHoja = 0;
  bool bDeclaracion = false;
  bool bAnexos = false;
  for (int iCopia = 1; iCopia <= giCopias; ++iCopia) {
    giLinea = 0;
    giNroHoja = 0;
    if (seleccion.bDeclaracion) {
      giNroHoja = 1;
      ImprimeFormulario();
      bDeclaracion = true;
      giNroHoja = giNroHoja - 1;
    } else {
      giNroHoja = -1;
    }
    const std::string& sTipoGarantia = gsCasillas[CasillaTipoGarantia(BloqueDeEntidad(gnSemana))];
    int iHojaAntes = giNroHoja;
    ImprimeAnexos(seleccion, sTipoGarantia);
    bAnexos = bAnexos || giNroHoja != iHojaAntes;
  }
  giNroHoja = bAnexos ? giHojaAnexo + 1 : (bDeclaracion ? 1 : 0);
  gsNroHojas = Etiqueta(kEtiquetaHojas, std::to_string(giNroHoja));
  EscribeEtiqueta(gsNroHojas);
  archivo.Close();
  forms::DoEvents();
}

void ImprimeFormulario() {
  gnTamanoListado = 8;
  const Bloque& bloque = BloqueDeEntidad(gnSemana);
  EscribeLinea(Etiqueta(kEtiquetaFuente, kFuenteReportes));
  EscribeLinea(Etiqueta(kEtiquetaOrientacion, kOrientacionVertical));
  EscribeLinea(Etiqueta(kEtiquetaColor, kColorReportes));
  ImprimeCabeceraFormulario(0);
  ImprimeReglasTabla();
  EscribeCuadro(150, 2470, 11000, 2815, 0);
  Texto(300, 2540, "MODALIDAD DE PAGO", true, 10);
  ImprimeFilasModalidad(bloque);
}

void FijaEscritoresAnexos(EscritorAnexo imprimeAnexo, EscritorAnexo imprimeGarantia) {
  gImprimeAnexo = std::move(imprimeAnexo);
  gImprimeGarantia = std::move(imprimeGarantia);
}

}  // namespace korva
