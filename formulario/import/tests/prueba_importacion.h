#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "formulario/core/Globales.h"
#include "formulario/core/ModGen00.h"
#include "formulario/import/FrmImportar.h"
#include "inserta/ModTablas.h"
#include "platform/dao/dao.h"
#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/vb/app.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"
#include "platform/win/profile.h"
#include "tools/debtfile/debt_file.h"
#include "tools/host/suite.h"

namespace korva::prueba {

using forms::MessageBoxCall;
using Filas = std::vector<std::vector<std::string>>;

inline constexpr const char* kTitulo = "Importar información de Estado de Adeudos";
inline constexpr const char* kRuc = "20456712348";
inline constexpr const char* kOtroRuc = "20603189753";

inline const std::string kCargaFallida =
    "Se han encontrado problemas al momento de cargar la información a las tablas. Reintente de "
    "nuevo la operación";
inline const std::string kErrorTecnico =
    "Se han presentado problemas técnicos al momento de importar su información. Favor de "
    "comunicarse con TELVO informando lo sucedido e indicando el número de error técnico.";
inline const std::string kArchivoViejo =
    "El archivo personalizado no es de hoy día, por favor descargue y procese nuevamente el "
    "archivo";

// A fresh folder under the temporary folder, removed with everything in it.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    std::string patron = (std::filesystem::temp_directory_path() / "importa-XXXXXX").string();
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

// Sets an environment variable until the end of the scope.
class VariableEntorno {
 public:
  VariableEntorno(std::string nombre, const std::string& valor) : nombre_(std::move(nombre)) {
    if (const char* antes = getenv(nombre_.c_str())) antes_ = antes;
    setenv(nombre_.c_str(), valor.c_str(), 1);
  }
  ~VariableEntorno() {
    if (antes_) setenv(nombre_.c_str(), antes_->c_str(), 1);
    else unsetenv(nombre_.c_str());
  }
  VariableEntorno(const VariableEntorno&) = delete;
  VariableEntorno& operator=(const VariableEntorno&) = delete;

 private:
  std::string nombre_;
  std::optional<std::string> antes_;
};

inline std::string LeeArchivo(const std::string& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline vb::Date Momento(int anio, int mes, int dia, int hora = 0, int minuto = 0) {
  return vb::Date{vb::DateSerial(anio, mes, dia).serial + vb::TimeSerial(hora, minuto, 0).serial};
}

// The main program started against a suite of the host stand-in, with the
// module's tables as the installer makes them, today fixed at 15/05/2010 noon,
// vb::End() thrown as vb::ProgramEnded and message boxes answered by the test
// driver. Debt files are written into <temporary>/archivos.
class PruebaImportacion : public ::testing::Test {
 protected:
  void SetUp() override {
    ReiniciaGlobales();
    vb::SetEndBehaviour(vb::EndBehaviour::Throw);
    std::filesystem::create_directories(carpeta_ / "programa");
    std::filesystem::create_directories(carpeta_ / "archivos");
    vb::App::SetPath(carpeta_ / "programa");
    vb::App::SetProductName("Korva");
    suite_ = host::CreateSuite(carpeta_ / "suite", Opciones());
    LeeConfiguracion();
    nuvia::CreaTablasModulo(*gDB);
    FijaHoy(Momento(2010, 5, 15, 12));
  }
  void TearDown() override {
    forms::ResetApplication();
    if (gDB && gDB->IsOpen()) gDB->Close();
    ReiniciaGlobales();
    vb::SetClock({});
    std::filesystem::current_path(directorio_);
  }
  virtual host::SuiteOptions Opciones() const { return {}; }

  void FijaHoy(vb::Date ahora) {
    vb::SetClock([ahora] { return ahora; });
  }

  // A file generated today at 08:00 for the first sample taxpayer and TESORO.
  debtfile::Options OpcionesArchivo() const {
    debtfile::Options opciones;
    opciones.ruc = kRuc;
    opciones.entity = 1;
    opciones.generated = vb::Date{vb::DateOnly(vb::Now()).serial + vb::TimeSerial(8, 0, 0).serial};
    return opciones;
  }
  debtfile::WrittenFile Genera(debtfile::Variant variante = debtfile::Variant::Valid) {
    return debtfile::WriteDebtFile(CarpetaArchivos(), OpcionesArchivo(), variante);
  }
  debtfile::WrittenFile Genera(const debtfile::Options& opciones,
                               debtfile::Variant variante = debtfile::Variant::Valid) {
    return debtfile::WriteDebtFile(CarpetaArchivos(), opciones, variante);
  }
  debtfile::WrittenFile GeneraLineas(const std::vector<std::string>& lineas, int entidad = 1) {
    return debtfile::WriteDebtFile(CarpetaArchivos(), kRuc, entidad, lineas);
  }
  std::string CarpetaArchivos() const { return carpeta_ / "archivos"; }

  FrmImportar& AbreVentana() {
    FrmImportar& frm = forms::Instance<FrmImportar>();
    frm.Show();
    return frm;
  }
  // The entities are listed by code: 1, 2, 3, 5, 8.
  static int IndiceEntidad(int entidad) {
    const int codigos[] = {1, 2, 3, 5, 8};
    return static_cast<int>(std::find(std::begin(codigos), std::end(codigos), entidad) - codigos);
  }
  void Elige(FrmImportar& frm, int iRuc, int entidad) {
    driver_.Select(frm.CmbRuc, iRuc);
    driver_.Select(frm.CmbEntidad, IndiceEntidad(entidad));
    driver_.ChooseFolder(frm.flListaFiles, CarpetaArchivos());
  }
  // Chooses the first taxpayer, the entity and the file's zip, and presses
  // "&Aceptar".
  void Importa(FrmImportar& frm, const debtfile::WrittenFile& archivo, int entidad = 1) {
    Elige(frm, 0, entidad);
    driver_.ChooseFile(frm.flListaFiles, std::filesystem::path(archivo.zipPath).filename());
    driver_.Click(frm.CmdGrabar);
  }
  void EsperaExito() {
    driver_.Expect({"La importación ha terminado satisfactoriamente", forms::vbInformation, kTitulo});
  }
  void EsperaLineaRechazada(int numero) {
    driver_.Expect({kErrorTecnico, forms::vbCritical, "Error tecnico : " + std::to_string(numero)});
    driver_.Expect({kCargaFallida, forms::vbCritical, kTitulo});
  }

  // The names left in the run's extraction folder.
  std::vector<std::string> CarpetaExtraccion(const std::string& ruc = kRuc) const {
    std::vector<std::string> nombres;
    std::error_code ignorado;
    for (const auto& entrada :
         std::filesystem::directory_iterator(suite_.installFolder + "tmp/REG" + ruc, ignorado))
      nombres.push_back(entrada.path().filename());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
  }
  bool ExisteCarpetaExtraccion() const {
    return std::filesystem::is_directory(suite_.installFolder + "tmp/REG" + kRuc);
  }

  // Every row of a query, each value as CStr writes it ("Null" for Null).
  Filas Consulta(const std::string& sql) {
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
  long Cuenta(const std::string& tabla) {
    return vb::CLng(vb::Variant(Consulta("SELECT count(*) FROM " + tabla)[0][0]));
  }
  // How many rows the import wrote in its four tables.
  std::vector<long> Cuentas() {
    return {Cuenta("F0942DEUDAS"), Cuenta("CAB"), Cuenta("DET"), Cuenta("F0942GARANTIA")};
  }
  void EscribeRegional(const std::string& clave, const std::string& valor) {
    ASSERT_TRUE(win::WritePrivateProfileString("intl", clave, valor, suite_.windowsFolder + "/win.ini"));
  }

  std::filesystem::path directorio_ = std::filesystem::current_path();
  CarpetaTemporal carpeta_;
  VariableEntorno home_{"HOME", carpeta_ / "home"};
  VariableEntorno windir_{"WINDIR", carpeta_ / "suite/windows"};
  forms::TestDriver driver_;
  host::Suite suite_;
};

}  // namespace korva::prueba
