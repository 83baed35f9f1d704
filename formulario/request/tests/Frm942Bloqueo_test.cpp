// The request form beside another program that takes the database's write lock
// now and then (the send summary registering its spool file, say): the interest
// recalculation and the store wait for a lock held for a moment and complete; a
// lock held past the wait is the locked error, reported centrally.
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "formulario/request/tests/prueba_validacion.h"

namespace korva::prueba {
namespace {

using std::chrono::milliseconds;

// Another program's write transactions on the suite's database, writing
// nothing: the first begun at once, each holding the write lock for `retiene`,
// one begun every `cada` until the object goes.
class EscriturasDeOtroPrograma {
 public:
  EscriturasDeOtroPrograma(const std::string& ruta, milliseconds retiene, milliseconds cada) {
    sqlite3_open(ruta.c_str(), &db_);
    sqlite3_busy_timeout(db_, 10000);
    EXPECT_EQ(sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    hilo_ = std::thread([this, retiene, cada] {
      for (bool primera = true; !fin_; primera = false) {
        if (!primera) sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        std::this_thread::sleep_for(retiene);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        std::this_thread::sleep_for(cada - retiene);
      }
    });
  }
  ~EscriturasDeOtroPrograma() {
    fin_ = true;
    hilo_.join();
    sqlite3_close(db_);
  }

 private:
  sqlite3* db_ = nullptr;
  std::atomic<bool> fin_ = false;
  std::thread hilo_;
};

class Frm942BloqueoTest : public PruebaValidacion {
 protected:
  // A declaration of 1,500 reported debts, every one included and agreed, so
  // that the recalculation reads many rows before its first write.
  void SetUp() override {
    PruebaValidacion::SetUp();
    Importa(kRucAndina, 1, [](debtfile::Options& o) { o.debtsPerCategory = 500; });
    Ejecuta("UPDATE F0942DEUDAS SET ind_acog = 1, ind_conf = 1");
  }
  Filas Montos() { return Consulta("SELECT num_doc, mto_int_c, mto_act_c FROM TMP_F0942DEUDAS ORDER BY 1"); }
};

// Nothing is told: no error reaches the central report.
TEST_F(Frm942BloqueoTest, RecalculationAndStoreWaitForALockHeldTwentyMsOfEveryHundred) {
  std::size_t nMensajes = driver_.MessageBoxes().size();
  Abre(kRucAndina, [this](Frm942& frm) {
    Completa(frm);
    frm.mkeFechaAcog.SetText("15/06/2010");
    frm.Obtiene_TIM("201006");
    EscriturasDeOtroPrograma otro(suite_.databasePath, milliseconds(20), milliseconds(100));
    for (int vez = 0; vez < 10; ++vez) frm.Recalcula_deuda();
    giGrabando = 1;
    for (int vez = 0; vez < 10; ++vez) EXPECT_TRUE(frm.GrabaFormulario());
  });
  EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
  EXPECT_EQ(Consulta("SELECT count(*) FROM F0942DEUDAS WHERE mto_int_c IS NULL"), (Filas{{"0"}}));
  EXPECT_EQ(Consulta("SELECT count(*) FROM F0942DEUDAS"), (Filas{{"1500"}}));
}

// The lock held past the wait: 3051, reported through the central error
// report with the routine it struck; the program ends with every debt as it was.
TEST_F(Frm942BloqueoTest, LockHeldPastTheWaitEndsTheRecalculationWithTheLockedError) {
  Filas antes;
  std::size_t nMensajes = driver_.MessageBoxes().size() + 1;
  driver_.Answer(forms::vbOK);
  EXPECT_THROW(Abre(kRucAndina, [&](Frm942& frm) {
                 frm.mkeFechaAcog.SetText("15/06/2010");
                 frm.Obtiene_TIM("201006");
                 antes = Montos();
                 EscriturasDeOtroPrograma otro(suite_.databasePath, milliseconds(1000), milliseconds(1000));
                 frm.Recalcula_deuda();
               }),
               vb::ProgramEnded);
  EXPECT_EQ(Montos(), antes);
  ASSERT_EQ(driver_.MessageBoxes().size(), nMensajes);
  EXPECT_EQ(driver_.MessageBoxes().back().title, "Error crítico: 3051 (Rutina: Recalcula_deuda) ");
}

}  // namespace
}  // namespace korva::prueba
