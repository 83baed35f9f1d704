#pragma once
// The import's test environment: a fixed day, debt files and counts of stored rows.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "formulario/core/tests/entorno_prueba.h"
#include "formulario/import/FrmImportar.h"
#include "tools/debtfile/debt_file.h"

namespace korva::prueba {

using forms::MessageBoxCall;

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

// The import window's environment: the main program over a suite, with the
// module's tables as the installer makes them, today fixed at 15/05/2010 noon and
// the product named "Korva". Debt files are written into <temporary>/archivos.
class PruebaImportacion : public PruebaConSuite {
 protected:
  void SetUp() override {
    PruebaConSuite::SetUp();
    std::filesystem::create_directories(carpeta_ / "archivos");
    vb::App::SetProductName("Korva");
    FijaHoy(Momento(2010, 5, 15, 12));
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

  // How many rows the import wrote in its four tables.
  std::vector<long> Cuentas() {
    return {Cuenta("F0942DEUDAS"), Cuenta("CAB"), Cuenta("DET"), Cuenta("F0942GARANTIA")};
  }
};

}  // namespace korva::prueba
