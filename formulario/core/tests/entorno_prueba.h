#pragma once
// The main program's test environment: a suite, its database and the program's state.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "tools/host/suite.h"
#include "tools/host/testing/test_suite.h"

namespace korva::prueba {

using testsupport::ErrorOf;
using testsupport::ReadBytes;
using testsupport::ScopedEnv;
using testsupport::TempFolder;

// Every row of a query, each value as CStr writes it ("Null" for Null).
using Filas = std::vector<std::vector<std::string>>;

// The module's tables in the suite's database, as the installer makes them.
inline const host::testing::Preparation kTablasDelModulo{"modulo", &nuvia::CreaTablasModulo};

inline vb::Date Fecha(int anio, int mes, int dia) { return vb::DateSerial(anio, mes, dia); }
inline vb::Date Momento(int anio, int mes, int dia, int hora = 0, int minuto = 0) {
  return vb::Date{vb::DateSerial(anio, mes, dia).serial + vb::TimeSerial(hora, minuto, 0).serial};
}

// The main program started against a suite of the host stand-in in a temporary
// folder (its database copied from the test program's template): the settings read, the database open, message boxes answered by the
// test driver, vb::End() thrown as vb::ProgramEnded, HOME and the Windows folder
// in the temporary folder and the program's own folder (where errorlog.txt goes)
// there too. Whatever a test changed of the program's state (globals, windows,
// clock, current folder, window list) is put back afterwards.
class PruebaConSuite : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  virtual host::SuiteOptions Opciones() const { return {}; }
  // What the suite's database holds beyond the host's tables and rows: the
  // module's tables, without which the program does not start.
  virtual host::testing::Preparation Preparacion() const { return kTablasDelModulo; }

  Filas Consulta(const std::string& sql);
  long Cuenta(const std::string& tabla);
  std::string Bitacora() const { return ReadBytes(carpeta_ / "programa/errorlog.txt"); }
  // Writes one item of the [intl] section of the suite's win.ini.
  void EscribeRegional(const std::string& clave, const std::string& valor);
  // Fixes what the program reads as now.
  void FijaHoy(vb::Date ahora);
  // Qt's offscreen platform, for tests that show the windows without a display:
  // set in the environment, with a private runtime folder of the test's own,
  // before the program's QApplication starts.
  void PreparaQtFueraDePantalla();

  std::filesystem::path directorio_ = std::filesystem::current_path();
  TempFolder carpeta_;
  ScopedEnv home_{"HOME", carpeta_ / "home"};
  ScopedEnv windir_{"WINDIR", carpeta_ / "suite/windows"};
  forms::TestDriver driver_;
  host::Suite suite_;
};

}  // namespace korva::prueba
