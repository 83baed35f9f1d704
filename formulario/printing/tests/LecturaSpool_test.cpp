#include "formulario/printing/LecturaSpool.h"

#include <gtest/gtest.h>

namespace korva {
namespace {

using P = PalabraSpool;

LineaSpool Texto(P palabra, int x, int y, std::string texto, bool negrita, int tamano, int hoja) {
  LineaSpool linea;
  linea.palabra = palabra;
  linea.x1 = x;
  linea.y1 = y;
  linea.texto = std::move(texto);
  linea.negrita = negrita;
  linea.tamano = tamano;
  linea.hoja = hoja;
  return linea;
}

LineaSpool Cuadro(int x1, int y1, int x2, int y2, int hoja) {
  LineaSpool linea;
  linea.palabra = P::Cuadro;
  linea.x1 = x1;
  linea.y1 = y1;
  linea.x2 = x2;
  linea.y2 = y2;
  linea.hoja = hoja;
  return linea;
}

LineaSpool Etiqueta(P palabra, std::string valor) {
  LineaSpool linea;
  linea.palabra = palabra;
  linea.valor = std::move(valor);
  return linea;
}

const LineaSpool kSalta{};
const LineaSpool kNuevaHoja = [] {
  LineaSpool linea;
  linea.palabra = P::NuevaHoja;
  return linea;
}();

TEST(LecturaSpoolTest, EachLineSaysWhatItsWordAndFieldsSay) {
  const std::string kLargo(24575, 'x');
  struct Caso {
    std::string linea;
    LineaSpool leida;
  } casos[] = {
      {"pPos|10|175|HOLA MUNDO|False|8|0|", Texto(P::Pos, 10, 175, "HOLA MUNDO", false, 8, 0)},
      {"pPos|10|175||False|8|0|", Texto(P::Pos, 10, 175, "", false, 8, 0)},
      {"pPos|500|2500|Código|True|8|1|", Texto(P::Pos, 500, 2500, "Código", true, 8, 1)},
      {"pPos|1|2|  dos blancos  | true |8|0|", Texto(P::Pos, 1, 2, "  dos blancos  ", true, 8, 0)},
      {"pPos|1|2|x|Si|8|0|", Texto(P::Pos, 1, 2, "x", false, 8, 0)},
      {" pPos |1|2|x|False|8|0|", Texto(P::Pos, 1, 2, "x", false, 8, 0)},
      {"pPos|-10|-20|x|False|8|-1|", Texto(P::Pos, -10, -20, "x", false, 8, -1)},
      {"pPos|12.5|13.5|x|False|8|0|", Texto(P::Pos, 12, 14, "x", false, 8, 0)},
      {"pPos|abc||x|False|8x|0|", Texto(P::Pos, 0, 0, "x", false, 8, 0)},
      {"pPos|1 0|175|x|False|8|0|sobra", Texto(P::Pos, 10, 175, "x", false, 8, 0)},
      {"pPosVerti|500|1000|ABC|False|8|0|", Texto(P::PosVerti, 500, 1000, "ABC", false, 8, 0)},
      // A text longer than any sheet shows is cut, never within a character.
      {"pPos|1|2|" + kLargo + "xx|False|8|0|", Texto(P::Pos, 1, 2, kLargo + "x", false, 8, 0)},
      {"pPos|1|2|" + kLargo + "ÑÑ|False|8|0|", Texto(P::Pos, 1, 2, kLargo, false, 8, 0)},
      {"pCuadro|150|2470|11000|2815|0|", Cuadro(150, 2470, 11000, 2815, 0)},
      {"pNuevaHoja", kNuevaHoja},
      {"pNuevaHojaX|1|", kNuevaHoja},
      {"<!font!>Courier New<!/font!>", Etiqueta(P::Font, "Courier New")},
      {"<!Orientacion!> H <!/Orientacion!>", Etiqueta(P::Orientacion, "H")},
      {"<!Color!>&H00FFFFC0&<!/Color!>", Etiqueta(P::Color, "&H00FFFFC0")},
      {"<!Color!> &H80000005& <!/Color!>", Etiqueta(P::Color, "&H80000005&")},
      {"<!Color!><!/Color!>", Etiqueta(P::Color, "")},
      {"<!nHojas!>3<!/nHojas!>", Etiqueta(P::NHojas, "3")},
      // Lines to skip: no word, unknown words, missing fields or closing tags,
      // numbers beyond 16 bits.
      {"", kSalta},
      {"sin separador", kSalta},
      {"comentario|x|", kSalta},
      {"PPOS|1|2|x|False|8|0|", kSalta},
      {"<!otra!>x<!/otra!>", kSalta},
      {"<!Color!>&H00FFFFC0&", kSalta},
      {"pPos|10|175|HOLA|False|8|", kSalta},
      {"pPos|10|175|HOLA|False|8|0", kSalta},
      {"pCuadro|150|2470|11000|2815|", kSalta},
      {"pPos|32768|0|x|False|8|0|", kSalta},
      {"pPos|0|-32769|x|False|8|0|", kSalta},
      {"pPos|&HFFFFFFFFFFFFFFFFFF|0|x|False|8|0|", kSalta},
      {"pPos|1e999|0|x|False|8|0|", kSalta},
  };
  for (const Caso& c : casos) EXPECT_EQ(LeeLineaSpool(c.linea), c.leida) << c.linea.substr(0, 40);
}

TEST(LecturaSpoolTest, ColourValuesAreHexadecimalColoursOrSystemColours) {
  struct Caso {
    const char* valor;
    std::optional<std::uint32_t> color;
  } casos[] = {
      {"&H00FFFFC0", 16777152},  {"&h00ffffc0", 16777152}, {"&HFF", 0xFF},
      {"&H80000005", 0x80000005}, {"&H80000018", 0x80000018}, {"&H80000019", std::nullopt},
      {"&HFFFFFFFF", std::nullopt}, {"&H1000000", std::nullopt}, {"&H", std::nullopt},
      {"&H00FFFFC0&", std::nullopt}, {"&H000000FFFF", std::nullopt}, {"16777152", std::nullopt},
      {"", std::nullopt},          {"azul", std::nullopt},
  };
  for (const Caso& c : casos) EXPECT_EQ(LeeColorSpool(c.valor), c.color) << c.valor;
}

}  // namespace
}  // namespace korva
