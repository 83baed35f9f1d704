#include "formulario/core/tests/entorno_prueba.h"

#include "platform/win/profile.h"
#include "platform/win/window_list.h"

namespace korva::prueba {

void PruebaConSuite::SetUp() {
  ReiniciaGlobales();
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  std::filesystem::create_directories(carpeta_ / "programa");
  vb::App::SetPath(carpeta_ / "programa");
  vb::App::SetProductName(" Plexo");
  suite_ = host::CreateSuite(carpeta_ / "suite", Opciones());
  LeeConfiguracion();
}

// The windows go before the database closes, so that no recordset of theirs
// outlives it.
void PruebaConSuite::TearDown() {
  forms::ResetApplication();
  if (gDB && gDB->IsOpen()) gDB->Close();
  ReiniciaGlobales();
  vb::SetClock({});
  std::filesystem::current_path(directorio_);
  win::SetCurrentWindowList(nullptr);
}

Filas PruebaConSuite::Consulta(const std::string& sql) {
  Filas filas;
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

}  // namespace korva::prueba
