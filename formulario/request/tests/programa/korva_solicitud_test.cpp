// The real program opens a declaration the import made: korva started beside the
// host's window on a private X display, rendering offscreen, pictures each tab of
// the request form.
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "formulario/request/tests/prueba_solicitud.h"
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
  // renderer on the private display, and the capture of the request form.
  std::vector<std::string> Entorno(const std::string& pantalla) {
    fs::create_directories(carpeta_ / "run");
    fs::permissions(carpeta_ / "run", fs::perms::owner_all);
    std::string home = carpeta_ / "home";
    return {"WINDIR=" + suite_.windowsFolder, "HOME=" + home,
            "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
            "XDG_DATA_HOME=" + home + "/.local/share", "XDG_RUNTIME_DIR=" + (carpeta_ / "run"),
            "DISPLAY=" + pantalla, "QT_QPA_PLATFORM=offscreen",
            "KORVA_CAPTURA=" + (carpeta_ / "captura"), "KORVA_CAPTURA_DECLARACION=1"};
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
  gDB->Close();
  fs::create_directories(carpeta_ / "captura");
  XvfbServer servidor("1024x768x24");
  ASSERT_FALSE(servidor.DisplayName().empty());
  ChildProcess anfitrion({ORVANE_WINDOW_PATH, "--display", servidor.DisplayName()});
  ASSERT_FALSE(anfitrion.ReadLine().empty()) << "the host's window did not come up";

  ChildProcess korva({KORVA_PATH}, Entorno(servidor.DisplayName()));
  ASSERT_EQ(korva.Wait(std::chrono::seconds(120)), 0);

  EXPECT_EQ(ReadBytes(carpeta_ / "captura/Frm942.txt"),
            "1|Total de registros : 1 de 3|0\n"
            "2|Total de registros : 1 de 6|0\n"
            "3|Sin registros|0\n"
            "5|Sin registros|\n");
  fs::path captura = carpeta_ / "captura";
  const char* construccion = std::getenv("FORM0942_BUILD_DIR");
  for (int tab = 0; tab < 6; ++tab) {
    std::string imagen = "Frm942-" + std::to_string(tab) + ".png";
    EXPECT_EQ(ReadBytes(captura / imagen).substr(0, 8), "\x89PNG\r\n\x1a\n") << imagen;
    if (construccion)
      fs::copy_file(captura / imagen, fs::path(construccion) / ("korva-" + imagen),
                    fs::copy_options::overwrite_existing);
  }
}

}  // namespace
}  // namespace korva::prueba
