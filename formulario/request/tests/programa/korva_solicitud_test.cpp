// The real program opens a declaration the import made: korva started beside the
// host's window on a private X display, rendering offscreen, pictures each tab of
// the request form.
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "formulario/core/ModGen00.h"
#include "formulario/request/tests/prueba_solicitud.h"
#include "platform/vb/format.h"
#include "platform/testsupport/child_process.h"
#include "platform/testsupport/xvfb_server.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;
using testsupport::ChildProcess;
using testsupport::XvfbServer;

class KorvaSolicitudTest : public PruebaSolicitud {
 protected:
  // What korva runs with: the suite's Windows folder and a home, the offscreen
  // renderer on the private display, and what it is asked to do unattended.
  std::vector<std::string> Entorno(const std::string& pantalla, std::vector<std::string> tarea) {
    fs::create_directories(carpeta_ / "run");
    fs::permissions(carpeta_ / "run", fs::perms::owner_all);
    std::string home = carpeta_ / "home";
    std::vector<std::string> entorno = {
        "WINDIR=" + suite_.windowsFolder, "HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
        "XDG_CACHE_HOME=" + home + "/.cache", "XDG_DATA_HOME=" + home + "/.local/share",
        "XDG_RUNTIME_DIR=" + (carpeta_ / "run"), "DISPLAY=" + pantalla, "QT_QPA_PLATFORM=offscreen"};
    entorno.insert(entorno.end(), tarea.begin(), tarea.end());
    return entorno;
  }

  // A picture korva wrote, copied into the build folder for a person to look at.
  void Conserva(const fs::path& imagen, const std::string& nombre) {
    EXPECT_EQ(ReadBytes(imagen).substr(0, 8), "\x89PNG\r\n\x1a\n") << imagen;
    if (const char* construccion = std::getenv("FORM0942_BUILD_DIR"))
      fs::copy_file(imagen, fs::path(construccion) / nombre, fs::copy_options::overwrite_existing);
  }
};

TEST_F(KorvaSolicitudTest, KorvaOpensAnImportedDeclarationFromTheChooserAndPicturesEachTab) {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
  // korva runs on today's clock: the debt file is generated today, so that the
  // date typed on the first tab is the file's.
  vb::SetClock({});
  Importa(kRucAndina, 1, [](debtfile::Options& o) {
    o.generated = vb::Now();
    o.debtsPerCategory = 3;
  });
  CierraBaseDatos();
  fs::create_directories(carpeta_ / "captura");
  XvfbServer servidor("1024x768x24");
  ASSERT_FALSE(servidor.DisplayName().empty());
  ChildProcess anfitrion({ORVANE_WINDOW_PATH, "--display", servidor.DisplayName()});
  ASSERT_FALSE(anfitrion.ReadLine().empty()) << "the host's window did not come up";

  ChildProcess korva({KORVA_PATH}, Entorno(servidor.DisplayName(),
                                           {"KORVA_CAPTURA=" + (carpeta_ / "captura"),
                                            "KORVA_CAPTURA_DECLARACION=1"}));
  ASSERT_EQ(korva.Wait(std::chrono::seconds(120)), 0);

  EXPECT_EQ(ReadBytes(carpeta_ / "captura/Frm942.txt"),
            "1|Total de registros : 1 de 3|0\n"
            "2|Total de registros : 1 de 6|0\n"
            "3|Sin registros|0\n"
            "5|Sin registros|\n");
  for (int tab = 0; tab < 6; ++tab) {
    std::string imagen = "Frm942-" + std::to_string(tab) + ".png";
    Conserva(carpeta_ / "captura" / fs::path(imagen), "korva-" + imagen);
  }
}

// The main road, walked in korva as a person walks it: the import of a debt file
// generated today, the declaration opened, every reported debt accepted, the
// payment mode typed, validated, stored, and the declaration opened again.
TEST_F(KorvaSolicitudTest, KorvaImportsAnswersValidatesStoresAndReopensADeclaration) {
  if (!XvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed";
  vb::SetClock({});
  fs::path recorrido = carpeta_ / "recorrido";
  fs::create_directories(recorrido);
  debtfile::Options opciones;
  opciones.ruc = kRucAndina;
  opciones.entity = 1;
  opciones.generated = vb::Now();
  opciones.debtsPerCategory = 3;
  debtfile::WriteDebtFile(recorrido, opciones);
  CierraBaseDatos();
  XvfbServer servidor("1024x768x24");
  ASSERT_FALSE(servidor.DisplayName().empty());
  ChildProcess anfitrion({ORVANE_WINDOW_PATH, "--display", servidor.DisplayName()});
  ASSERT_FALSE(anfitrion.ReadLine().empty()) << "the host's window did not come up";

  ChildProcess korva({KORVA_PATH},
                     Entorno(servidor.DisplayName(), {"KORVA_RECORRIDO=" + recorrido.string()}));
  ASSERT_EQ(korva.Wait(std::chrono::seconds(120)), 0);

  const std::string acogeTodas = "Se modificarán las deudas sin marcar como acogidas. ¿ Desea continuar ?\n";
  EXPECT_EQ(ReadBytes(recorrido / "Recorrido.txt"),
            "La importación ha terminado satisfactoriamente\n" + acogeTodas + acogeTodas +
                "La información de la declaración no presenta inconsistencias.\n"
                "Toda la información de la declaración fue grabada satisfactoriamente.\n");
  EXPECT_EQ(ReadBytes(recorrido / "Recorrido-casillas.txt"),
            "500|1,659\n501|0\n502|\n503|6\n504|286\n505|8021\n506|NO\n535|0\n");
  AbreBaseDatos();
  std::string hoy = vb::Format(vb::Variant(vb::Today()), "dd/mm/yyyy");
  EXPECT_EQ(Consulta("SELECT Casilla, i_valor FROM DET WHERE doc_id_d = '20456712348' AND Casilla "
                     "IN ('028', '500', '501', '503', '504', '505', '506', '535', '541', '595') "
                     "ORDER BY Casilla"),
            (Filas{{"028", "4567890"}, {"500", "1659"}, {"501", "0"}, {"503", "6"}, {"504", "286"},
                   {"505", "8021"}, {"506", "0"}, {"535", "0"}, {"541", hoy}, {"595", "3"}}));
  EXPECT_EQ(Consulta("SELECT count(*) FROM F0942DEUDAS WHERE doc_id_d = '20456712348' AND "
                     "ind_tip_deu IN ('01', '02', '03') AND ind_acog IS NULL"),
            (Filas{{"0"}}));
  EXPECT_EQ(Consulta("SELECT estado FROM CAB WHERE doc_id_d = '20456712348'"), (Filas{{"0"}}));
  Conserva(recorrido / "FrmConsist.png", "korva-FrmConsist.png");
  Conserva(recorrido / "Frm942-modalidad.png", "korva-Frm942-modalidad.png");
}

}  // namespace
}  // namespace korva::prueba
