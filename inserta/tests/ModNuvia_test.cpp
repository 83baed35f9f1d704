#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "inserta/Globales.h"
#include "inserta/ModNuvia.h"
#include "inserta/ModTablas.h"
#include "inserta/tests/nuvia_fixture.h"
#include "platform/dao/dbengine.h"
#include "platform/dao/tabledef.h"
#include "platform/vb/error.h"
#include "platform/win/file_lock.h"

namespace nuvia::testing {
namespace {

class ModNuviaTest : public SuiteTest {
 protected:
  // The whole run as the installation starts it: the program's exit status, 0
  // when it came back without ending the program.
  int RunInstaller() {
    try {
      Main();
      return EXIT_SUCCESS;
    } catch (const vb::ProgramEnded& ended) {
      return ended.exitCode;
    }
  }
  bool HasTable(const std::string& name) const {
    dao::DatabasePtr db = OpenDatabase();
    bool found = ExisteTablaEn(*db, name);
    db->Close();
    return found;
  }
  static bool ExisteTablaEn(dao::Database& db, const std::string& name) {
    for (dao::TableDef& table : db.TableDefs())
      if (table.Name() == name) return true;
    return false;
  }
  // Every row the installer writes, in a fixed order.
  Rows Registration() const {
    Rows rows = Select("SELECT * FROM PARAM ORDER BY Numero, Argumento");
    for (const auto& row : Select("SELECT * FROM reportes ORDER BY codrep")) rows.push_back(row);
    for (const auto& row : Select("SELECT * FROM envio_t ORDER BY tabla_o")) rows.push_back(row);
    return rows;
  }
};

// The lock file it makes can be opened by whoever can open the database,
// whatever the umask of the installation.
TEST_F(ModNuviaTest, FreshSuiteIsInstalledWithoutAnyMessage) {
  CopyShippedInputs();
  std::filesystem::permissions(suite_.databasePath, std::filesystem::perms(0664));
  mode_t umaskBefore = umask(077);
  EXPECT_EQ(RunInstaller(), EXIT_SUCCESS);
  umask(umaskBefore);
  EXPECT_TRUE(driver_.MessageBoxes().empty());
  EXPECT_EQ(gDB, nullptr);
  for (const char* table : kTablasModulo) EXPECT_TRUE(HasTable(table)) << table;
  EXPECT_EQ(std::filesystem::status(suite_.databasePath + ".lck").permissions(), std::filesystem::perms(0664));
}

// Beside the main program (its share of the suite's lock), beside another
// installation (the lock held alone) or without a lock the system grants, the
// installer says which, touches no table and ends with a failure.
TEST_F(ModNuviaTest, InstallerGoesAheadOnlyHoldingTheSuitesLock) {
  CopyShippedInputs();
  std::string lockFile = suite_.databasePath + ".lck";
  struct Case {
    const char* road;
    std::optional<win::FileLock::Mode> held;
    int (*lockCall)(int, int);
    forms::MessageBoxCall message;
  };
  const Case cases[] = {
      {"main program running", win::FileLock::Mode::Shared, flock,
       {"El módulo 0942 se encuentra en ejecución. Ciérrelo y vuelva a ejecutar la instalación.",
        forms::vbExclamation, "Mensaje"}},
      {"another installation", win::FileLock::Mode::Exclusive, flock,
       {"Ya se está instalando el módulo 0942. Espere a que termine esa instalación.", forms::vbExclamation,
        "Mensaje"}},
      {"no locks left", std::nullopt, [](int, int) { return errno = ENOLCK, -1; },
       {"El sistema no concede el bloqueo de la base de datos en su archivo de bloqueo:\n" + lockFile +
            "\nNo quedan bloqueos disponibles. En una carpeta de red, el servidor debe admitir bloqueos de "
            "archivos y esta cuenta debe poder escribir en el archivo de bloqueo.\nNo se realizó la instalación.",
        forms::vbOKOnly, "Archivo de bloqueo"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.road);
    std::optional<win::FileLock> other;
    if (c.held) other.emplace(lockFile, *c.held);
    win::detail::gFlock = c.lockCall;
    driver_.Expect(c.message);
    EXPECT_EQ(RunInstaller(), EXIT_FAILURE);
    win::detail::gFlock = flock;
    EXPECT_FALSE(HasTable("F0942DEUDAS"));
  }
}

TEST_F(ModNuviaTest, SecondRunLeavesTheSameTablesAndRowsAndEmptiesWorkingCopies) {
  CopyShippedInputs();
  ASSERT_EQ(RunInstaller(), EXIT_SUCCESS);
  {
    dao::DatabasePtr db = OpenDatabase();
    db->Execute("INSERT INTO F0942GARANTIA (tip_doc_d, doc_id_d, periodo, formulario, Semana, ind_garantia) "
                "VALUES (6, '20456712348', '201601', '0942', 1, 'SI')");
    db->Execute("INSERT INTO TMP_F0942MOTIVO (doc_id_d, Semana, Ind_tip_deu, per_doc, cod_tri, num_doc, "
                "cod_for, cod_motivo) VALUES ('20456712348', 1, '01', '201501', '010101', '1', '0621', 1)");
    db->Close();
  }
  Rows registered = Registration();
  Rows guarantee = Select("SELECT * FROM F0942GARANTIA");
  ASSERT_EQ(RunInstaller(), EXIT_SUCCESS);
  EXPECT_TRUE(driver_.MessageBoxes().empty());
  EXPECT_EQ(Registration(), registered);
  EXPECT_EQ(Select("SELECT * FROM F0942GARANTIA"), guarantee);
  EXPECT_EQ(Select("SELECT COUNT(*) FROM TMP_F0942MOTIVO"), Rows{{"0"}});
}

// A step that fails (the CREATE of the working tables' mark, its name taken by
// a view, then its key) undoes the whole installation, and its boxes wait until
// the transaction has ended: none keeps the database's write lock.
TEST_F(ModNuviaTest, AStepThatFailsUndoesTheInstallationAndIsToldOnceItHasEnded) {
  CopyShippedInputs();
  TakeTableName(suite_.databasePath, "TMP_F0942APERTURA");
  Rows registered = Registration();
  auto unlocked = [&] {
    dao::DatabasePtr db = OpenDatabase();
    EXPECT_EQ(ErrorOf([&] { db->Execute("DELETE FROM reportes WHERE codrep = 'X'"); }), 0);
    db->Close();
  };
  driver_.Expect({"Error Número : 3000\nError reservado del motor de base de datos (view "
                  "\"TMP_F0942APERTURA\" already exists).",
                  forms::vbCritical, "Error al Ejecutar Sentencia SQL"},
                 forms::vbOK, unlocked);
  driver_.Expect({"Error Número : 3078\nEl motor de base de datos no encuentra la tabla o consulta de entrada "
                  "'TMP_F0942APERTURA'.\nNo se realizó la instalación.",
                  forms::vbCritical, "Error al Ejecutar Sentencia SQL"},
                 forms::vbOK, unlocked);
  EXPECT_EQ(RunInstaller(), EXIT_FAILURE);
  for (const char* table : kTablasModulo) EXPECT_FALSE(HasTable(table)) << table;
  EXPECT_EQ(Registration(), registered);
}

TEST_F(ModNuviaTest, NoInstallFolderIsRefusedBeforeTheDatabaseIsTouched) {
  for (std::vector<std::string> settings : {std::vector<std::string>{"DBName=TESCA.MDB"},
                                            {"SysPath=", "DBName=TESCA.MDB"},
                                            {"SysPath=    ", "DBName=TESCA.MDB"}}) {
    SCOPED_TRACE(settings[0]);
    WriteSettings(settings);
    driver_.Expect({"Debe instalar primero el ZEP ", forms::vbInformation, "Mensaje"});
    EXPECT_EQ(RunInstaller(), EXIT_FAILURE);
    EXPECT_EQ(gDB, nullptr);
    EXPECT_FALSE(HasTable("F0942DEUDAS"));
  }
}

TEST_F(ModNuviaTest, InstallFolderEndingInTwoBackslashesLosesOne) {
  CopyShippedInputs();
  std::string folder = suite_.installFolder.substr(0, suite_.installFolder.size() - 1);
  WriteSettings({"SysPath=" + folder + "\\\\", "DBName=TESCA.MDB"});
  EXPECT_EQ(RunInstaller(), EXIT_SUCCESS);
  EXPECT_EQ(gsSysPath, folder + "\\");
  EXPECT_TRUE(driver_.MessageBoxes().empty());
  EXPECT_EQ(Select("SELECT COUNT(*) FROM envio_t").at(0).at(0), "4");
}

TEST_F(ModNuviaTest, DatabaseHeldExclusivelyByAnotherProgramEndsTheRun) {
  dao::DatabasePtr other = dao::Engine().Workspaces(0).OpenDatabase(suite_.databasePath, true);
  driver_.Expect({" 3051- La Base de datos esta bloqueda", forms::vbOKOnly, "Error de Conección"});
  EXPECT_EQ(RunInstaller(), EXIT_FAILURE);
  other->Close();
  EXPECT_FALSE(HasTable("F0942DEUDAS"));
}

TEST_F(ModNuviaTest, MissingDatabaseShowsTheEngineTextAndNumber) {
  WriteSettings({"SysPath=" + suite_.installFolder, "DBName=OTRA.MDB"});
  driver_.Expect({"No se encontró el archivo.\n 3024", forms::vbOKOnly, "Error de Conección"});
  EXPECT_EQ(RunInstaller(), EXIT_FAILURE);
}

TEST_F(ModNuviaTest, VerificaArchivoNeedsTheFolderAndTheFile) {
  WriteInstallFile("tmp/Par942.txt", "728|011901|010101 1999|0|\n");
  std::filesystem::create_directory(suite_.installFolder + "vacia");
  struct Case {
    std::string path;
    bool exists;
  };
  const std::string zep = suite_.installFolder;
  const Case cases[] = {
      {zep + "tmp\\Par942.txt", true},
      {"  " + zep + "tmp\\Par942.txt  ", true},
      {zep + "tmp\\par942.TXT", true},
      {zep + "tmp\\env942.txt", false},
      {zep + "falta\\Par942.txt", false},
      {zep + "vacia\\", false},
      {zep + "tmp/Par942.txt", true},
  };
  for (const Case& c : cases) EXPECT_EQ(VerificaArchivo(c.path), c.exists) << c.path;
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(ModNuviaTest, VerificaArchivoAnswersFalseAfterAnUnexpectedError) {
  WriteInstallFile("tmp/Par942.txt", "728|011901|010101 1999|0|\n");
  FijaListadoArchivos([](const std::string& path) -> std::string {
    if (path.ends_with(".txt")) vb::Raise(70);
    return "Par942.txt";
  });
  driver_.Expect({"Error 70\n" + vb::ErrorText(70), forms::vbCritical, "Error de Ejecución"});
  EXPECT_FALSE(VerificaArchivo(suite_.installFolder + "tmp\\Par942.txt"));
}

}  // namespace
}  // namespace nuvia::testing
