#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/vb/vb.h"

namespace {

TEST(Errors, EveryRaisedNumberHasItsSpanishText) {
  struct Case {
    int number;
    const char* text;
  } cases[] = {
      {5, "Llamada a procedimiento o argumento no válido"},
      {6, "Desbordamiento"},
      {9, "El subíndice está fuera del intervalo"},
      {11, "División por cero"},
      {13, "No coinciden los tipos"},
      {52, "Nombre o número de archivo incorrecto"},
      {53, "No se encontró el archivo"},
      {54, "Modo de archivo incorrecto"},
      {55, "El archivo ya está abierto"},
      {57, "Error de E/S de dispositivo"},
      {58, "El archivo ya existe"},
      {59, "Longitud de registro incorrecta"},
      {61, "Disco lleno"},
      {62, "La entrada pasa del final del archivo"},
      {63, "Número de registro incorrecto"},
      {64, "Nombre de archivo incorrecto"},
      {67, "Demasiados archivos"},
      {68, "Dispositivo no disponible"},
      {70, "Permiso denegado"},
      {71, "El disco no está listo"},
      {74, "No se puede cambiar el nombre con una unidad de disco diferente"},
      {75, "Error de acceso a la ruta o al archivo"},
      {76, "No se ha encontrado la ruta de acceso"},
      {94, "Uso no válido de Null"},
      {12345, "Error definido por la aplicación o por el objeto"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vb::ErrorText(c.number), c.text);
    try {
      vb::Raise(c.number);
    } catch (const vb::Error& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_EQ(e.Description(), c.text);
    }
  }
}

TEST(Errors, LayersAddTheirOwnTexts) {
  vb::SetErrorText(3051, "El archivo está bloqueado");
  try {
    vb::Raise(3051, "", "DAO.Database");
  } catch (const vb::Error& e) {
    EXPECT_EQ(e.Description(), "El archivo está bloqueado");
    EXPECT_EQ(e.Source(), "DAO.Database");
  }
}

TEST(End, RunsHooksNewestFirstAndThrowsInTests) {
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  std::vector<int> order;
  vb::EndHookId first = vb::AddEndHook([&] { order.push_back(1); });
  vb::EndHookId failing = vb::AddEndHook([] { throw vb::Error(3034); });
  vb::EndHookId second = vb::AddEndHook([&] { order.push_back(2); });
  try {
    vb::End(3);
    FAIL() << "End returned";
  } catch (const vb::ProgramEnded& ended) {
    EXPECT_EQ(ended.exitCode, 3);
  }
  EXPECT_EQ(order, (std::vector<int>{2, 1}));
  vb::RemoveEndHook(first);
  vb::RemoveEndHook(failing);
  vb::RemoveEndHook(second);
  order.clear();
  EXPECT_THROW(vb::End(), vb::ProgramEnded);
  EXPECT_TRUE(order.empty());
}

TEST(Sql, TextLiteralsDoubleTheirApostrophes) {
  struct Case {
    const char* value;
    const char* literal;
  } cases[] = {
      {"20100123456", "'20100123456'"},
      {"O'Brien", "'O''Brien'"},
      {"''", "''''''"},
      {"", "''"},
      {"Peña", "'Peña'"},
      {"x' OR '1'='1", "'x'' OR ''1''=''1'"},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::SqlText(c.value), c.literal);
  EXPECT_EQ("SELECT * FROM CONT WHERE doc_id_d = " + vb::SqlText("20100123456"),
            "SELECT * FROM CONT WHERE doc_id_d = '20100123456'");
}

TEST(App, DescribesTheRunningProgram) {
  EXPECT_EQ(vb::App::EXEName(), "platform_vb_tests");
  EXPECT_FALSE(vb::App::Path().empty());
  EXPECT_NE(vb::App::Path().back(), '/');
  EXPECT_EQ(vb::App::Title(), "platform_vb_tests");
  vb::App::SetPath("/opt/zep/0942");
  vb::App::SetProductName(" Plexo");
  vb::App::SetVersion(1, 0, 0);
  EXPECT_EQ(vb::App::Path(), "/opt/zep/0942");
  EXPECT_EQ(vb::App::ProductName(), " Plexo");
  EXPECT_EQ(vb::App::Major(), 1);
  EXPECT_FALSE(vb::App::PrevInstance());
  vb::App::SetPrevInstance(true);
  EXPECT_TRUE(vb::App::PrevInstance());
}

TEST(App, CommandKeepsTheArgumentsJoinedByBlanks) {
  char program[] = "Tarvel";
  char first[] = "0620100123456";
  char second[] = "2006031";
  char* argv[] = {program, first, second};
  vb::SetCommand(3, argv);
  EXPECT_EQ(vb::Command(), "0620100123456 2006031");
  vb::SetCommand(1, argv);
  EXPECT_EQ(vb::Command(), "");
}

TEST(Random, RndStaysBelowOneAndFollowsItsSeed) {
  vb::Randomize(42);
  std::vector<float> first;
  for (int i = 0; i < 1000; ++i) first.push_back(vb::Rnd());
  for (float r : first) {
    EXPECT_GE(r, 0.0f);
    EXPECT_LT(r, 1.0f);
  }
  EXPECT_GT(std::set<float>(first.begin(), first.end()).size(), 990u);
  vb::Randomize(42);
  EXPECT_EQ(vb::Rnd(), first[0]);
  long long name = static_cast<long long>(vb::Rnd() * 90000000.0 + 10000000.0);
  EXPECT_GE(name, 10000000);
  EXPECT_LE(name, 99999999);
}

}  // namespace
