#pragma once
// The words of the spool files: the commands, the page break and the header tags.
#include <string>
#include <string_view>

// What the spool writers write and the spool reader reads, spelt once. A line
// is a command, its word and then its fields each ended by "|"
// ("pPos|x|y|text|bold|size|page|", "pPosVerti|...|", "pCuadro|x1|y1|x2|y2|page|"),
// the bare page break "pNuevaHoja", or a header tag ("<!name!>value<!/name!>").
// Header-only and of the standard library alone: the reader is also built on
// its own, under the fuzzer.
namespace korva {

inline constexpr char kPalabraPos[] = "pPos";
inline constexpr char kPalabraPosVerti[] = "pPosVerti";
inline constexpr char kPalabraCuadro[] = "pCuadro";
inline constexpr char kNuevaHoja[] = "pNuevaHoja";

// What every header tag's line begins with.
inline constexpr char kInicioEtiqueta[] = "<!";

// A header tag: its value stands between its opening and its closing.
struct EtiquetaSpool {
  std::string_view apertura;
  std::string_view cierre;
};

inline constexpr EtiquetaSpool kEtiquetaFuente = {"<!font!>", "<!/font!>"};
inline constexpr EtiquetaSpool kEtiquetaHojas = {"<!nHojas!>", "<!/nHojas!>"};
inline constexpr EtiquetaSpool kEtiquetaColor = {"<!Color!>", "<!/Color!>"};
inline constexpr EtiquetaSpool kEtiquetaOrientacion = {"<!Orientacion!>", "<!/Orientacion!>"};

// The values the reports give the tags: their font, the page's orientation,
// and the page's colour, light cyan for the main program's reports and the
// system's window colour for the send summary.
inline constexpr char kFuenteReportes[] = "Courier New";
inline constexpr char kOrientacionHorizontal[] = "H";
inline constexpr char kOrientacionVertical[] = "V";
inline constexpr char kColorReportes[] = "&H00FFFFC0&";
inline constexpr char kColorVentana[] = "&H80000005&";

// The tag's whole line with that value: "<!Orientacion!>V<!/Orientacion!>".
inline std::string Etiqueta(const EtiquetaSpool& etiqueta, std::string_view valor) {
  std::string linea(etiqueta.apertura);
  linea += valor;
  linea += etiqueta.cierre;
  return linea;
}

}  // namespace korva
