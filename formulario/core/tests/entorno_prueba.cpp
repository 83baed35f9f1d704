#include "formulario/core/tests/entorno_prueba.h"

#include <cstdlib>
#include <filesystem>

#include "platform/dao/testing/query_rows.h"
#include "platform/win/profile.h"
#include "platform/win/window_list.h"

namespace korva::prueba {

void PruebaConSuite::SetUp() {
  ReiniciaGlobales();
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  std::filesystem::create_directories(carpeta_ / "programa");
  vb::App::SetPath(carpeta_ / "programa");
  vb::App::SetProductName(" Plexo");
  suite_ = host::testing::CreateTestSuite(carpeta_ / "suite", Opciones(), Preparacion());
  LeeConfiguracion();
}

// The windows go before the database closes, so that no recordset of theirs
// outlives it.
void PruebaConSuite::TearDown() {
  forms::ResetApplication();
  CierraBaseDatos();
  ReiniciaGlobales();
  vb::SetClock({});
  std::filesystem::current_path(directorio_);
  win::SetCurrentWindowList(nullptr);
}

Filas PruebaConSuite::Consulta(const std::string& sql) {
  return dao::testing::QueryRows(*gDB, sql);
}

long PruebaConSuite::Cuenta(const std::string& tabla) {
  return vb::CLng(Consulta("SELECT count(*) FROM " + tabla)[0][0]);
}

void PruebaConSuite::EscribeRegional(const std::string& clave, const std::string& valor) {
  ASSERT_TRUE(
      win::WritePrivateProfileString("intl", clave, valor, suite_.windowsFolder + "/win.ini"));
}

void PruebaConSuite::FijaHoy(vb::Date ahora) {
  vb::SetClock([ahora] { return ahora; });
}

void PruebaConSuite::PreparaQtFueraDePantalla() {
  std::string runtime = carpeta_ / "run";
  std::filesystem::create_directories(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}

}  // namespace korva::prueba
