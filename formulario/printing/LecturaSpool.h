#pragma once
// The spool reader: what one line of a spool file says.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The reading side of the spool files: what one line says. A line is a command
// ("pPos|x|y|text|bold|size|page|", "pCuadro|x1|y1|x2|y2|page|",
// "pPosVerti|...|", the bare "pNuevaHoja") or a header tag
// ("<!name!>value<!/name!>"). The renderer draws what a line says and skips
// every line that says nothing it knows.
namespace korva {

enum class PalabraSpool {
  Ninguna,  // a line to skip: no word, an unknown one, or fields that cannot be read
  Font,
  NHojas,
  Color,
  Orientacion,
  Pos,
  PosVerti,
  Cuadro,
  NuevaHoja,
};

struct LineaSpool {
  PalabraSpool palabra = PalabraSpool::Ninguna;
  // A tag's value: the orientation trimmed, the colour trimmed after its last
  // character ("&" of "&H00FFFFC0&") is dropped.
  std::string valor;
  // "pPos" and "pPosVerti": X, Y in x1, y1; "pCuadro": both corners.
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::string texto;
  bool negrita = false;
  int tamano = 0;
  int hoja = 0;
  friend bool operator==(const LineaSpool&, const LineaSpool&) = default;
};

// The most bytes of one text the reader keeps: 8,192 characters of the spool
// files' code page, which take three bytes each at most in UTF-8. No sheet
// shows more: a text begins at x -32768 at the farthest, no sheet reaches
// beyond 32767, and a character of Courier New at 1 point, the smallest size,
// is 12 twips wide; the rest leaves room for a narrower fixed-pitch font.
inline constexpr std::size_t kBytesVisibles = 3 * 8192;

// The command word is what comes before the first "|", a whole opening tag up
// to its "!>", or a word ending in "aHoja", trimmed of blanks. Numbers read as
// the leading number of their field (an empty or non-numeric field reads 0)
// rounded half to even; the bold field reads "True" in any case for bold. A
// text longer than kBytesVisibles is cut there, before the character the cut
// would split: nothing after could land on a sheet, and drawing it would cost
// many times its length. A damaged line (a field without its "|", a tag
// without its closing tag, a number beyond -32768..32767) is a line to skip.
LineaSpool LeeLineaSpool(std::string_view linea);

// The background colour a colour tag's value names: "&H" and up to eight
// hexadecimal digits, a colour 0x00BBGGRR or a system colour 0x80000000 to
// 0x80000018; nothing for any other value.
std::optional<std::uint32_t> LeeColorSpool(const std::string& valor);

}  // namespace korva
