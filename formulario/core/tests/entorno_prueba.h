#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "platform/dao/dao.h"
#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/win/profile.h"
#include "platform/win/window_list.h"
#include "tools/host/suite.h"

namespace korva::prueba {

// A fresh folder under the temporary folder, removed with everything in it.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::string patron = (std::filesystem::temp_directory_path() / "korva-XXXXXX").string();
    ruta_ = mkdtemp(patron.data()) ? patron : "";
  }
  ~CarpetaTemporal() {
    std::error_code ignorado;
    std::filesystem::remove_all(ruta_, ignorado);
  }
  CarpetaTemporal(const CarpetaTemporal&) = delete;
  CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
  const std::string& Ruta() const { return ruta_; }
  std::string operator/(const std::string& nombre) const { return ruta_ + "/" + nombre; }

 private:
  std::string ruta_;
};

// Sets (or with nullopt removes) an environment variable until the end of the scope.
class VariableEntorno {
 public:
  VariableEntorno(std::string nombre, const std::optional<std::string>& valor)
      : nombre_(std::move(nombre)) {
    if (const char* antes = getenv(nombre_.c_str())) antes_ = antes;
    Aplica(valor);
  }
  ~VariableEntorno() { Aplica(antes_); }
  VariableEntorno(const VariableEntorno&) = delete;
  VariableEntorno& operator=(const VariableEntorno&) = delete;

 private:
  void Aplica(const std::optional<std::string>& valor) {
    if (valor)
      setenv(nombre_.c_str(), valor->c_str(), 1);
    else
      unsetenv(nombre_.c_str());
  }
  std::string nombre_;
  std::optional<std::string> antes_;
};

inline std::string LeeArchivo(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline vb::Date Fecha(int anio, int mes, int dia) { return vb::DateSerial(anio, mes, dia); }

// The program started against a suite of the host stand-in in a temporary folder:
// the settings read, the database open, message boxes answered by the test
// driver, vb::End() thrown as vb::ProgramEnded and the program's own folder (where
// errorlog.txt goes) in the temporary folder too.
class PruebaConSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    ReiniciaGlobales();
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    vb::App::SetPath(carpeta_ / "programa");
    std::filesystem::create_directories(carpeta_ / "programa");
    vb::App::SetProductName(" Plexo");
    suite_ = host::CreateSuite(carpeta_ / "suite", Opciones());
    LeeConfiguracion();
  }
  void TearDown() override {
    if (gDB && gDB->IsOpen()) gDB->Close();
    ReiniciaGlobales();
    vb::SetClock({});
    std::filesystem::current_path(directorio_);
    win::SetCurrentWindowList(nullptr);
  }
  virtual host::SuiteOptions Opciones() const { return {}; }

  // Every row of a query, each value as CStr writes it ("Null" for Null).
  std::vector<std::vector<std::string>> Filas(const std::string& sql) {
    std::vector<std::vector<std::string>> filas;
    dao::RecordsetPtr rs = gDB->OpenRecordset(sql, dao::dbOpenSnapshot);
    for (; !rs->Eof(); rs->MoveNext()) {
      std::vector<std::string> fila;
      for (dao::Field& campo : rs->Fields())
        fila.push_back(campo.Value().IsNull() ? "Null" : vb::CStr(campo.Value()));
      filas.push_back(fila);
    }
    rs->Close();
    return filas;
  }
  long Cuenta(const std::string& tabla) {
    return vb::CLng(Filas("SELECT count(*) FROM " + tabla)[0][0]);
  }
  std::string Bitacora() { return LeeArchivo(carpeta_ / "programa/errorlog.txt"); }
  void EscribeRegional(const std::string& clave, const std::string& valor) {
    ASSERT_TRUE(
        win::WritePrivateProfileString("intl", clave, valor, suite_.windowsFolder + "/win.ini"));
  }

  std::filesystem::path directorio_ = std::filesystem::current_path();
  CarpetaTemporal carpeta_;
  VariableEntorno home_{"HOME", carpeta_ / "home"};
  VariableEntorno windir_{"WINDIR", carpeta_ / "suite/windows"};
  forms::TestDriver driver_;
  host::Suite suite_;
};

}  // namespace korva::prueba
