#pragma once
// A spool file being written in a test, and its lines read back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formulario/spool/GlobalesImpresion.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/encoding.h"
#include "platform/vb/files.h"
#include "platform/vb/strings.h"

namespace korva::prueba {

using Lineas = std::vector<std::string>;

// The lines of a spool file, read back from Windows-1252; each must end with CR LF.
inline Lineas LeeSpool(const std::string& sRuta) {
  std::string texto = vb::FromCp1252(testsupport::ReadBytes(sRuta));
  if (texto.empty()) return {};
  EXPECT_EQ(vb::Right(texto, 2), "\r\n") << sRuta;
  Lineas lineas = vb::Split(texto, "\r\n");
  lineas.pop_back();
  return lineas;
}

// A report being written: the spool file open for output as giArchivo, and the
// writers' state as the program starts, but for the output mode "ARCHIVO".
class PruebaSpool : public ::testing::Test {
 protected:
  void SetUp() override {
    ReiniciaGlobalesImpresion();
    giArchivo = vb::FreeFile();
    vb::Open(Ruta(), vb::OpenMode::Output, giArchivo);
    gsSalida = "ARCHIVO";
  }
  void TearDown() override {
    vb::Close();
    ReiniciaGlobalesImpresion();
  }
  std::string Ruta() const { return carpeta_ / "00000001.PRN"; }
  // The file's lines as written.
  Lineas Escrito() {
    vb::Close(giArchivo);
    return LeeSpool(Ruta());
  }
  testsupport::TempFolder carpeta_;
};

}  // namespace korva::prueba
