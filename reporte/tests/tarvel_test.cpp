// The program itself, started as the host starts it: the declaration's key as one
// argument, no display, a suite of the host stand-in.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "platform/dao/transaction.h"
#include "platform/testsupport/child_process.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

class TarvelTest : public ResumenTest {
 protected:
  // Started with that command line; its exit status.
  int Tarvel(const std::string& comando) {
    testsupport::ChildProcess tarvel({TARVEL_PATH, comando},
                                     {"WINDIR=" + suite_.windowsFolder, "DISPLAY=", "WAYLAND_DISPLAY="});
    EXPECT_TRUE(tarvel.Started());
    int estado = tarvel.Wait();
    EXPECT_EQ(tarvel.ReadLine(std::chrono::milliseconds(100)), "");
    return estado;
  }
};

TEST_F(TarvelTest, TarvelStartedByTheHostWritesBothSummariesForIt) {
  const Declaracion& declaracion = Declaraciones().front();
  Declara(declaracion.casillas);
  EXPECT_EQ(Tarvel(kComando), EXIT_SUCCESS);
  EXPECT_EQ(Bytes("TMP/" + kRaiz + ".txt"), Cp1252(ResumenDeTexto(declaracion.cuerpo)));
  EXPECT_EQ(Archivos("TMP"), std::vector<std::string>{kRaiz + ".txt"});
  EXPECT_EQ(Bytes("RPT/" + kRaiz + ".PRN"), Bytes("RPT/00000001.PRN"));
  EXPECT_EQ(Consulta("SELECT Archivo, CodRep FROM SPOOL"), (Filas{{"00000001.PRN", "F36004"}}));
}

// A script that starts it can tell: each road that ends in a message (the
// database, the taxpayer, a technical error, the SPOOL registration refused by
// another program's write lock held past the wait) ends with a failure status,
// and none leaves its summaries behind.
TEST_F(TarvelTest, TarvelExitsWithFailureOnEveryRoadThatDidNotDeliverTheSummaries) {
  struct Caso {
    const char* camino;
    std::string comando;
    std::string dbName;
    bool bloqueada = false;
  };
  const Caso casos[] = {
      {"contribuyente desconocido", "0620999999999    XXXX20100310000ABCD", host::kDatabaseName},
      {"entidad fuera de las cinco", "0620456712348    XXXX20100340000ABCD", host::kDatabaseName},
      {"base de datos ausente", kComando, "OTRA.MDB"},
      {"SPOOL bloqueado por otro programa", kComando, host::kDatabaseName, true},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.camino);
    FijaOpcion("DBName", c.dbName);
    dao::DatabasePtr otro = dao::Engine().OpenDatabase(suite_.databasePath);
    std::optional<dao::Transaction> escritura;
    if (c.bloqueada) escritura.emplace(*otro);
    EXPECT_EQ(Tarvel(c.comando), EXIT_FAILURE);
  }
  EXPECT_EQ(Archivos("RPT"), std::vector<std::string>{});
  EXPECT_EQ(Archivos("TMP"), std::vector<std::string>{});
}

}  // namespace
}  // namespace tarvel::prueba
