#include "platform/vb/numbered_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/vb.h"

namespace {

using testsupport::ErrorOf;
using vb::NumberedFile;
using vb::OpenMode;

class NumberedFileTest : public ::testing::Test {
 protected:
  void TearDown() override { vb::Close(); }
  testsupport::TempFolder folder;
};

TEST_F(NumberedFileTest, WrittenFileIsClosedAndItsNumberFreeWhateverRoadLeavesTheScope) {
  const std::function<void(NumberedFile&)> caminos[] = {
      [](NumberedFile& f) { f.Close(); },
      [](NumberedFile& f) { f.Close(); f.Close(); },
      [](NumberedFile&) {},
      [](NumberedFile&) { throw std::runtime_error("falla"); },
  };
  for (const auto& fin : caminos) {
    try {
      NumberedFile archivo(folder / "salida.txt", OpenMode::Output);
      vb::Print(archivo.Number(), "línea");
      fin(archivo);
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(vb::FreeFile(), 1);
    EXPECT_EQ(folder.Read("salida.txt"), "l\xEDnea\r\n");
  }
}

TEST_F(NumberedFileTest, ReleasedFileStaysOpenUnderItsNumberAndAnEmptyGuardHoldsNone) {
  int numero = 0;
  {
    NumberedFile archivo(folder / "salida.txt", OpenMode::Output);
    numero = archivo.Release();
    EXPECT_FALSE(archivo.IsOpen());
    EXPECT_EQ(archivo.Release(), 0);
    NumberedFile ninguno;
    EXPECT_FALSE(ninguno.IsOpen());
    EXPECT_EQ(ninguno.Number(), 0);
  }
  EXPECT_EQ(numero, 1);
  vb::Print(numero, "línea");
  vb::Close(numero);
  EXPECT_EQ(folder.Read("salida.txt"), "l\xEDnea\r\n");
}

TEST_F(NumberedFileTest, TakesTheFirstFreeNumberAndPassesTheRecordLength) {
  vb::Open(folder / "uno.txt", OpenMode::Output, 1);
  NumberedFile registros(folder / "r.dat", OpenMode::Random, 4);
  EXPECT_EQ(registros.Number(), 2);
  EXPECT_EQ(ErrorOf([&] { vb::PutRecord(registros.Number(), 1, "abcde"); }), 59);
}

TEST_F(NumberedFileTest, FileThatCannotOpenRaisesAndTakesNoNumber) {
  EXPECT_EQ(ErrorOf([&] { NumberedFile archivo(folder / "falta.txt", OpenMode::Input); }), 53);
  EXPECT_EQ(vb::FreeFile(), 1);
}

}  // namespace
