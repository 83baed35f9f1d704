#include "platform/zep/utilidades_zep.h"

#include <gtest/gtest.h>

namespace {

const zep::UtilidadesZEP util;

TEST(UtilidadesZEP, AjustaTextoCutsOrFillsToTheExactLength) {
  struct Case {
    const char* texto;
    int longitud;
    const char* esperado;
  } cases[] = {
      {"001", 12, "001         "},
      {"030101ABCDEFGHIJ", 12, "030101ABCDEF"},
      {"ÑANDÚ", 6, "ÑANDÚ "},
      {"", 3, "   "},
      {"abc", 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(util.AjustaTexto(c.texto, c.longitud), c.esperado) << c.texto;
}

TEST(UtilidadesZEP, FillersPadToTheWidthAndLeaveLongerTextsWhole) {
  struct Case {
    const char* texto;
    int longitud;
    const char* relleno;
    const char* izquierda;
    const char* derecha;
  } cases[] = {
      {"5", 2, "0", "05", "50"},
      {"1234", 9, " ", "     1234", "1234     "},
      {"03  2010", 7, " ", "03  2010", "03  2010"},
      {"ñ", 3, "*", "**ñ", "ñ**"},
      {"12", 5, "ab", "aaa12", "12aaa"},
      {"12", 5, "", "12", "12"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(util.RellenaIzquierda(c.texto, c.longitud, c.relleno), c.izquierda) << c.texto;
    EXPECT_EQ(util.RellenaDerecha(c.texto, c.longitud, c.relleno), c.derecha) << c.texto;
  }
}

TEST(UtilidadesZEP, ValidaFechaAcceptsCalendarDatesWithinTheBounds) {
  struct Case {
    const char* fecha;
    bool valida;
  } cases[] = {
      {"15/03/2010", true},  {"29/02/2008", true},  {"29/02/2010", false}, {"31/04/2010", false},
      {"00/01/2010", false}, {"01/13/2010", false}, {"01/01/1850", true},  {"01/01/2500", true},
      {"31/12/1849", false}, {"02/01/2500", false}, {"__/__/____", false}, {"1/3/2010", false},
      {"15-03-2010", false}, {"15/03/10", false},   {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(util.ValidaFecha(c.fecha, "01/01/1850", "01/01/2500") != 0, c.valida) << c.fecha;
  EXPECT_EQ(util.ValidaFecha("15/03/2010", "01/01/1850", "01/01/2500"), -1);
  EXPECT_EQ(util.ValidaFecha("15/03/2010", "", "01/01/2500"), 0);
}

TEST(UtilidadesZEP, SoloNumerosLetsDigitsThroughAndTheFlaggedSigns) {
  struct Case {
    int tecla;
    bool punto, signo, coma;
    int esperado;
  } cases[] = {
      {'0', false, false, false, '0'}, {'9', false, false, false, '9'},
      {8, false, false, false, 8},     {13, false, false, false, 0},
      {'.', false, false, false, 0},   {'.', true, false, false, '.'},
      {'-', false, false, false, 0},   {'-', false, true, false, '-'},
      {',', false, false, false, 0},   {',', false, false, true, ','},
      {'a', true, true, true, 0},      {241, true, true, true, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(util.SoloNumeros(c.tecla, c.punto, c.signo, c.coma), c.esperado) << c.tecla;
}

TEST(UtilidadesZEP, MayusculaRaisesWindows1252Letters) {
  struct Case {
    int tecla;
    int esperado;
  } cases[] = {{'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {241, 209}, {233, 201},
               {'5', '5'}, {13, 13},   {8, 8},     {0, 0}};
  for (const auto& c : cases) EXPECT_EQ(util.Mayuscula(c.tecla), c.esperado) << c.tecla;
}

}  // namespace
