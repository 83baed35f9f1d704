// A suite's database as an administrator reads it: the sqlite3 shell with the
// layer's extension loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/testsupport/child_process.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/suite.h"
#include "tools/host/tests/test_support.h"

namespace host {
namespace {

using testsupport::ChildProcess;

// The extension built with the sanitizers loads into the shell after their
// runtime only.
std::vector<std::string> ShellEnvironment() {
#ifdef SANITIZER_RUNTIME
  return {"LD_PRELOAD=" SANITIZER_RUNTIME};
#else
  return {};
#endif
}

class SqliteShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!testsupport::OnPath("sqlite3")) GTEST_SKIP() << "the sqlite3 shell is not installed";
    suite_ = CreateSuite(temp_ / "suite");
    dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
    for (const char* fila : {"6, '20603189753', '200912', '0942', 2", "6, '20456712348', '201003', '0942', 1"})
      db->Execute(std::string("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana) VALUES (") +
                  fila + ")");
    db->Close();
  }

  // The lines the shell prints for `sql` (one statement), and its exit status.
  std::vector<std::string> Shell(const std::string& sql, int& status) {
    ChildProcess shell({"sqlite3", "-batch", "-bail", "-cmd", std::string(".load ") + JET_EXTENSION_PATH,
                        suite_.databasePath, sql + " SELECT '(fin)';"},
                       ShellEnvironment());
    std::vector<std::string> lines;
    for (std::string line = shell.ReadLine(); line != "(fin)" && !line.empty(); line = shell.ReadLine())
      lines.push_back(line);
    status = shell.Wait();
    return lines;
  }

  testsupport::TempFolder temp_;
  Suite suite_;
};

// Text columns compare and sort with the layer's collation (case does not count)
// and every stored row passes the layer's own row check.
TEST_F(SqliteShellTest, WithTheExtensionTheShellReadsAndChecksTheDeclarations) {
  struct Case {
    const char* sql;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"PRAGMA integrity_check;", {"ok"}},
      {"SELECT doc_id_d, periodo, Semana FROM CAB WHERE formulario = '0942' ORDER BY doc_id_d;",
       {"20456712348|201003|1", "20603189753|200912|2"}},
      {"SELECT doc_id_d FROM CONT WHERE nombre = 'comercial andina del sur s.a.c.';", {"20456712348"}},
  };
  for (const Case& c : cases) {
    int status = -1;
    EXPECT_EQ(Shell(c.sql, status), c.lines) << c.sql;
    EXPECT_EQ(status, 0) << c.sql;
  }
}

TEST_F(SqliteShellTest, WithTheExtensionTheShellRefusesARowTheLayerWouldRefuse) {
  int status = -1;
  Shell("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana) "
        "VALUES (6, '1234567890123456', '201001', '0942', 1);",
        status);
  EXPECT_NE(status, 0);
  dao::DatabasePtr db = dao::Engine().OpenDatabase(suite_.databasePath);
  EXPECT_EQ(testing::QueryRows(*db, "SELECT COUNT(*) FROM CAB"), (testing::Rows{{"2"}}));
  db->Close();
  // The row check called by hand without its table and rules is an error, not a crash.
  Shell("SELECT jet_check_row();", status);
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace host
