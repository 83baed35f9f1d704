// The program itself: korva started beside the host's window on a private X
// display, against a suite folder of the host stand-in, rendering offscreen.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/qt/help_window.h"
#include "platform/vb/sql.h"
#include "tools/host/suite.h"

namespace korva::prueba {
namespace {

namespace fs = std::filesystem;

bool EnElPath(const std::string& programa) {
  const char* path = std::getenv("PATH");
  std::string carpetas = path ? path : "/usr/bin:/bin";
  std::size_t inicio = 0;
  while (inicio <= carpetas.size()) {
    std::size_t fin = carpetas.find(':', inicio);
    if (fin == std::string::npos) fin = carpetas.size();
    if (access((carpetas.substr(inicio, fin - inicio) + "/" + programa).c_str(), X_OK) == 0)
      return true;
    inicio = fin + 1;
  }
  return false;
}

std::string LeeArchivo(const fs::path& ruta) {
  std::ifstream in(ruta, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A program started with its own environment and its standard output on a pipe;
// one that has not ended by itself is ended when the test ends.
class Proceso {
 public:
  Proceso(const std::vector<std::string>& argv, const std::vector<std::string>& entorno = {}) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      dup2(fds[1], STDOUT_FILENO);
      for (const std::string& variable : entorno) putenv(const_cast<char*>(variable.c_str()));
      std::vector<char*> args;
      for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
    close(fds[1]);
    salida_ = fds[0];
  }
  ~Proceso() {
    if (pid_ > 0 && !terminado_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    if (salida_ >= 0) close(salida_);
  }
  Proceso(const Proceso&) = delete;
  Proceso& operator=(const Proceso&) = delete;

  // One line of its output; "" when none comes within half a minute.
  std::string LeeLinea() {
    std::string linea;
    pollfd listo{salida_, POLLIN, 0};
    char c;
    while (poll(&listo, 1, 30000) == 1 && read(salida_, &c, 1) == 1 && c != '\n') linea += c;
    return linea;
  }
  // The exit status; -1 when it was ended by a signal or did not end in time.
  int Espera(std::chrono::seconds plazo) {
    auto limite = std::chrono::steady_clock::now() + plazo;
    int estado = 0;
    while (waitpid(pid_, &estado, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > limite) return -1;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    terminado_ = true;
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  }

 private:
  pid_t pid_ = -1;
  int salida_ = -1;
  bool terminado_ = false;
};

class KorvaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!EnElPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed: korva is not started";
    std::string patron = (fs::temp_directory_path() / "korva-programa-XXXXXX").string();
    ASSERT_NE(mkdtemp(patron.data()), nullptr);
    carpeta_ = patron;
    servidor_ = std::make_unique<Proceso>(std::vector<std::string>{
        "Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
    std::string numero = servidor_->LeeLinea();
    ASSERT_FALSE(numero.empty()) << "Xvfb did not start";
    pantalla_ = ":" + numero;
  }
  void TearDown() override {
    anfitrion_.reset();
    servidor_.reset();
    std::error_code ignorado;
    if (!carpeta_.empty()) fs::remove_all(carpeta_, ignorado);
  }

  void MuestraAnfitrion() {
    anfitrion_ = std::make_unique<Proceso>(
        std::vector<std::string>{ORVANE_WINDOW_PATH, "--display", pantalla_});
    ASSERT_FALSE(anfitrion_->LeeLinea().empty()) << "the host's window did not come up";
  }

  // A suite with two pending declarations of the user, one of another user's
  // declarant, and the help file where the program looks for it.
  host::Suite CreaSuite() {
    host::Suite suite = host::CreateSuite((carpeta_ / "suite").string());
    {
      dao::DatabasePtr db = dao::Engine().OpenDatabase(suite.databasePath);
      for (const char* fila : {"6, '20603189753', '200912', '0942', 2, '10/01/2010'",
                               "6, '20456712348', '201003', '0942', 1, '15/04/2010'",
                               "6, '10425187363', '201001', '0942', 3, '01/02/2010'"})
        db->Execute(std::string("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, "
                                "Semana, nrocheque) VALUES (") + fila + ")");
      db->Close();
    }
    fs::create_directories(fs::path(suite.installFolder) / "0942");
    fs::copy_file(KORVA_HELP_PATH, fs::path(suite.installFolder) / "0942/Korva.html");
    return suite;
  }

  std::vector<std::string> Entorno(const host::Suite& suite, const fs::path& captura) {
    fs::create_directories(carpeta_ / "home");
    fs::create_directories(carpeta_ / "run");
    fs::permissions(carpeta_ / "run", fs::perms::owner_all);
    std::string home = (carpeta_ / "home").string();
    return {"WINDIR=" + suite.windowsFolder, "HOME=" + home,
            "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
            "XDG_DATA_HOME=" + home + "/.local/share",
            "XDG_RUNTIME_DIR=" + (carpeta_ / "run").string(), "DISPLAY=" + pantalla_,
            "QT_QPA_PLATFORM=offscreen", "KORVA_CAPTURA=" + captura.string()};
  }

  fs::path carpeta_;
  std::unique_ptr<Proceso> servidor_;
  std::unique_ptr<Proceso> anfitrion_;
  std::string pantalla_;
};

TEST_F(KorvaTest, BesideTheHostWindowKorvaShowsTheMainWindowAndListsTheDeclarations) {
  MuestraAnfitrion();
  host::Suite suite = CreaSuite();
  fs::path captura = carpeta_ / "captura";
  fs::create_directories(captura);

  Proceso korva({KORVA_PATH}, Entorno(suite, captura));
  ASSERT_EQ(korva.Espera(std::chrono::seconds(120)), 0);

  EXPECT_EQ(LeeArchivo(captura / "FrmContAbrir.txt"),
            "20456712348|COMERCIAL ANDINA DEL SUR S.A.C.|032010\n"
            "20603189753|TRANSPORTES RIO CLARO E.I.R.L.|122009\n");
  for (const char* imagen : {"MDIFrm.png", "FrmContAbrir.png"}) {
    std::string png = LeeArchivo(captura / imagen);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n") << imagen;
  }
  if (const char* construccion = std::getenv("FORM0942_BUILD_DIR")) {
    fs::copy_file(captura / "MDIFrm.png", fs::path(construccion) / "korva-MDIFrm.png",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(captura / "FrmContAbrir.png", fs::path(construccion) / "korva-FrmContAbrir.png",
                  fs::copy_options::overwrite_existing);
  }
}

// The program names its help file <SysPath>0942\Korva.hlp; the help window reads
// it as the HTML page installed beside that name, which holds both topics the
// main window opens.
TEST(AyudaTest, HelpFileTheProgramNamesIsTheInstalledPageWithBothTopics) {
  std::string patron = (fs::temp_directory_path() / "korva-ayuda-XXXXXX").string();
  ASSERT_NE(mkdtemp(patron.data()), nullptr);
  fs::path carpeta = patron;
  fs::create_directories(carpeta / "0942");
  fs::copy_file(KORVA_HELP_PATH, carpeta / "0942/Korva.html");
  EXPECT_EQ(formsqt::HelpPageFor(carpeta.string() + "/0942\\Korva.hlp"),
            (carpeta / "0942/Korva.html").string());
  std::string pagina = LeeArchivo(carpeta / "0942/Korva.html");
  for (const char* ancla : {"<a name=\"1007\"", "<a name=\"1014\""})
    EXPECT_NE(pagina.find(ancla), std::string::npos) << ancla;
  fs::remove_all(carpeta);
}

}  // namespace
}  // namespace korva::prueba
