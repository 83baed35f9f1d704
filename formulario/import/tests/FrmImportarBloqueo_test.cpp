// The import beside another program that holds the database's write lock.
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "formulario/import/FrmImportar.h"
#include "formulario/import/tests/prueba_importacion.h"

namespace korva::prueba {
namespace {

using std::chrono::milliseconds;

// Another program's write transaction on the suite's database: begun at once,
// committed after `duracion` from a thread of its own.
class EscrituraDeOtroPrograma {
 public:
  EscrituraDeOtroPrograma(const std::string& ruta, milliseconds duracion) {
    sqlite3_open(ruta.c_str(), &db_);
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    hilo_ = std::thread([this, duracion] {
      std::this_thread::sleep_for(duracion);
      sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    });
  }
  ~EscrituraDeOtroPrograma() {
    hilo_.join();
    sqlite3_close(db_);
  }

 private:
  sqlite3* db_ = nullptr;
  std::thread hilo_;
};

class FrmImportarBloqueoTest : public PruebaImportacion {};

TEST_F(FrmImportarBloqueoTest, ALockHeldForAMomentIsWaitedFor) {
  debtfile::WrittenFile archivo = Genera();
  FrmImportar& frm = AbreVentana();
  EsperaExito();
  {
    EscrituraDeOtroPrograma otro(suite_.databasePath, milliseconds(200));
    Importa(frm, archivo);
  }
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
  EXPECT_EQ(Cuentas(), (std::vector<long>{6, 1, 1, 1}));
}

// Past the wait the database is locked (3051): the run's error road reports it
// and deletes the extracted file, and nothing is stored.
TEST_F(FrmImportarBloqueoTest, ALockHeldPastTheWaitIsTheLockedError) {
  debtfile::WrittenFile archivo = Genera();
  FrmImportar& frm = AbreVentana();
  driver_.Answer(forms::vbOK);
  {
    EscrituraDeOtroPrograma otro(suite_.databasePath, milliseconds(1500));
    Importa(frm, archivo);
  }
  ASSERT_EQ(driver_.MessageBoxes().size(), 1u);
  EXPECT_EQ(driver_.MessageBoxes()[0].title, "Error crítico: 3051 (Rutina: CmdGrabar_Click) ");
  EXPECT_EQ(CarpetaExtraccion(), std::vector<std::string>{});
  EXPECT_EQ(Cuentas(), (std::vector<long>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace korva::prueba
