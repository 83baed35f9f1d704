#include "formulario/core/Hash.h"

#include <gtest/gtest.h>

#include <fstream>

#include "formulario/core/tests/entorno_prueba.h"

namespace korva::prueba {
namespace {

TEST(Hash, DigestOfAFileIsFortyLowerCaseHexadecimals) {
  TempFolder carpeta;
  struct Case {
    std::string contenido;
    const char* digesto;
  } cases[] = {
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {std::string("\0\xff\n", 3), "78a56a7f152106db79c791d3cbd88fcb33a425cb"},
  };
  for (const auto& c : cases) {
    std::ofstream(carpeta / "deudas.txt", std::ios::binary | std::ios::trunc) << c.contenido;
    EXPECT_EQ(HashArchivo(carpeta / "deudas.txt"), c.digesto);
  }
}

TEST(Hash, FileThatCannotBeReadRaisesItsError) {
  TempFolder carpeta;
  EXPECT_EQ(ErrorOf([&] { HashArchivo(carpeta / "falta.txt"); }), 53);
}

TEST(Hash, ByteAHexadecimalWritesTheHighNibbleFirst) {
  struct Case {
    int byte;
    const char* texto;
  } cases[] = {{0x00, "00"}, {0x0A, "0a"}, {0xA0, "a0"}, {0xFF, "ff"}, {0x5C, "5c"}, {0x19, "19"}};
  for (const auto& c : cases)
    EXPECT_EQ(ByteAHexadecimal(static_cast<std::uint8_t>(c.byte)), c.texto);
  const std::uint8_t area[] = {0x01, 0xAB, 0xFF};
  EXPECT_EQ(BytesAHexadecimal(area, 3), "01abff");
  EXPECT_EQ(BytesAHexadecimal(area, 2), "01ab");
}

TEST(Hash, TextoABytesStoresSingleByteCodesAndZeroesTheRest) {
  AreaBytes area;
  area.fill(7);
  TextoABytes(area, "C:\\Año");
  EXPECT_EQ(area[0], 'C');
  EXPECT_EQ(area[4], 0xF1);
  EXPECT_EQ(area[5], 'o');
  EXPECT_EQ(area[6], 0);
  EXPECT_EQ(area[kTamanoArea - 1], 0);
  EXPECT_EQ(ErrorOf([&] { TextoABytes(area, std::string(kTamanoArea + 1, 'x')); }), 9);
}

}  // namespace
}  // namespace korva::prueba
