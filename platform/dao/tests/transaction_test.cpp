#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include "platform/dao/tests/dao_fixture.h"
#include "platform/dao/transaction.h"
#include "platform/vb/error.h"

namespace dao::testing {
namespace {

class TransactionTest : public DaoTest {
 protected:
  void Insert(const std::string& user) { db_->Execute("INSERT INTO Users VALUES ('" + user + "', '1')"); }
  Table Users() { return Rows("SELECT Name FROM Users ORDER BY Name"); }
  void Reopen() {
    db_->Close();
    db_ = Engine().OpenDatabase(path_);
  }
};

TEST_F(TransactionTest, NestedLevelsCommitAndRollBackOnTheirOwn) {
  Workspace& ws = Engine().Workspaces(0);
  ws.BeginTrans();
  Insert("a");
  ws.BeginTrans();
  Insert("b");
  ws.Rollback();
  ws.BeginTrans();
  Insert("c");
  ws.CommitTrans();
  ws.CommitTrans();
  Reopen();
  EXPECT_EQ(Users(), (Table{{"a"}, {"c"}}));
}

TEST_F(TransactionTest, ClosingTheDatabaseRollsBackItsTransaction) {
  Engine().BeginTrans();
  Insert("perdido");
  Reopen();
  EXPECT_EQ(Users(), Table{});
}

TEST_F(TransactionTest, EndingTheProgramRollsBackItsTransaction) {
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  Engine().BeginTrans();
  Insert("perdido");
  EXPECT_THROW(vb::End(), vb::ProgramEnded);
  vb::SetEndBehaviour(vb::EndBehaviour::Exit);
  EXPECT_EQ(Engine().Workspaces(0).TransactionLevel(), 0);
  Reopen();
  EXPECT_EQ(Users(), Table{});
}

// A statement that fails on its second row leaves the first row as it was.
TEST_F(TransactionTest, FailingStatementIsUndoneAsAWhole) {
  AddEntry("Entries", "01", "200901", "010101", "A", "00");
  AddEntry("Entries", "01", "200902", "010101", "A", "00");
  for (int options : {0, dbInconsistent, dbFailOnError}) {
    EXPECT_THROW(db_->Execute("UPDATE Entries SET period = '200903'", options), vb::Error);
    EXPECT_EQ(Rows("SELECT period FROM Entries ORDER BY 1"), (Table{{"200901"}, {"200902"}}));
  }
}

TEST_F(TransactionTest, CommitWithoutBeginAndTooManyLevelsRaise) {
  Workspace& ws = Engine().Workspaces(0);
  EXPECT_EQ(ErrorOf([&] { ws.CommitTrans(); }), kErrCommitWithoutBegin);
  for (int i = 0; i < 5; ++i) ws.BeginTrans();
  EXPECT_EQ(ErrorOf([&] { ws.BeginTrans(); }), kErrTooManyTransactions);
  EXPECT_EQ(ws.TransactionLevel(), 5);
}

TEST_F(TransactionTest, ErrorsCollectionHoldsTheLastFailure) {
  Insert("x");
  db_->Execute("ALTER TABLE Users ADD CONSTRAINT PK_Users PRIMARY KEY (Name)");
  EXPECT_THROW(Insert("X"), vb::Error);
  ASSERT_EQ(Engine().Errors().size(), 1u);
  const ErrorItem& error = Engine().Errors().front();
  EXPECT_EQ(error.Number, 3022);
  EXPECT_EQ(error.Description,
            "Los cambios en la tabla 'Users' no se realizaron porque crearían valores duplicados en el "
            "índice, la clave principal o la relación.");
  EXPECT_EQ(error.Source, "DAO.Database");
  EXPECT_EQ(vb::ErrorText(3021), "No hay ningún registro activo.");
}

// The file may not grow by a page, as on a full disk: the insert that needs one
// fails with 3026 and SQLite rolls the whole transaction back by itself. What
// the program does next in that transaction fails too (3034), instead of running
// outside it; rolling it back, level by level, is quiet.
TEST_F(TransactionTest, ATransactionTheEngineRolledBackRefusesWhatFollowsUntilRolledBack) {
  // The SQLite handle of the database opened again, to limit what its file may grow to.
  static sqlite3* handle = nullptr;
  auto hook = reinterpret_cast<void (*)()>(+[](sqlite3* db, const char**, const sqlite3_api_routines*) {
    handle = db;
    return SQLITE_OK;
  });
  sqlite3_auto_extension(hook);
  Reopen();
  sqlite3_cancel_auto_extension(hook);
  Workspace& ws = Engine().Workspaces(0);
  const std::pair<const char*, std::function<void()>> nextSteps[] = {
      {"statement", [&] { Insert("despues"); }},
      {"query", [&] { db_->OpenRecordset("SELECT Name FROM Users", dbOpenSnapshot); }},
      {"savepoint", [&] { ws.BeginTrans(); }},
      {"commit", [&] { ws.CommitTrans(); }},
  };
  for (const auto& [step, action] : nextSteps) {
    SCOPED_TRACE(step);
    ws.BeginTrans();
    Insert("antes");
    ws.BeginTrans();
    sqlite3_exec(handle, "PRAGMA max_page_count = 2", nullptr, nullptr, nullptr);
    int full = 0;
    for (int row = 0; row < 1000 && full == 0; ++row) full = ErrorOf([&] { Insert(std::to_string(row)); });
    EXPECT_EQ(full, kErrDiskFull);
    EXPECT_EQ(ErrorOf(action), kErrTransactionLost);
    EXPECT_EQ(Engine().Errors().front().Description,
              "El motor de base de datos deshizo la transacción después de un error (disco lleno, error de "
              "lectura o escritura, memoria insuficiente o archivo bloqueado): no se guardó ninguno de sus "
              "cambios.");
    ws.Rollback();
    ws.Rollback();
    EXPECT_EQ(ws.TransactionLevel(), 0);
    sqlite3_exec(handle, "PRAGMA max_page_count = 1000000", nullptr, nullptr, nullptr);
    EXPECT_EQ(Users(), Table{});
  }
  Insert("luego");
  EXPECT_EQ(Users(), Table{{"luego"}});
}

// SQLite cannot make its journal beside the database, as on a medium turned
// read-only (the folder's immutable flag, which holds even for root): a
// database that is there is read-only (3027), not missing; one deleted under
// the program is missing (3024). Nothing is written either way.
TEST_F(TransactionTest, AJournalThatCannotBeMadeIsReadOnlyWhileTheDatabaseIsThere) {
  Insert("antes");
  for (bool gone : {false, true}) {
    SCOPED_TRACE(gone ? "gone" : "there");
    if (gone) std::filesystem::remove(path_);
    if (std::system(("chattr +i " + folder_.Path() + " 2>/dev/null").c_str()) != 0)
      GTEST_SKIP() << "No immutable flag on " << folder_.Path();
    int error = ErrorOf([&] { Insert("durante"); });
    std::system(("chattr -i " + folder_.Path()).c_str());
    EXPECT_EQ(error, gone ? kErrFileNotFound : kErrReadOnly);
    EXPECT_EQ(Users(), Table{{"antes"}});
  }
}

// A second process keeps a write transaction open, or the file opened exclusively.
class LockingTest : public TransactionTest {
 protected:
  // Runs `child` in a forked process. The parent's database is closed across the
  // fork and opened again by the test when it wants it.
  void Fork(const std::function<void(int toParent, int fromParent)>& child) {
    db_->Close();
    ASSERT_EQ(pipe(toParent_), 0);
    ASSERT_EQ(pipe(toChild_), 0);
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      try {
        child(toParent_[1], toChild_[0]);
      } catch (...) {
        _exit(1);
      }
      _exit(0);
    }
  }
  void TearDown() override {
    for (int fd : {toParent_[0], toParent_[1], toChild_[0], toChild_[1]}) close(fd);
    TransactionTest::TearDown();
  }
  static void Signal(int fd) { ASSERT_EQ(write(fd, "x", 1), 1); }
  static void Wait(int fd) {
    char c;
    ASSERT_EQ(read(fd, &c, 1), 1);
  }
  int Finish() {
    int status = 0;
    waitpid(pid_, &status, 0);
    return WEXITSTATUS(status);
  }

  int toParent_[2] = {-1, -1};
  int toChild_[2] = {-1, -1};
  pid_t pid_ = -1;
};

TEST_F(LockingTest, WriteTransactionElsewhereGivesLockedAndLosesNothing) {
  std::string path = path_;
  Fork([path](int toParent, int fromParent) {
    DatabasePtr db = Engine().OpenDatabase(path);
    db->connection().BeginTransaction();
    db->Execute("INSERT INTO Users VALUES ('hijo', '1')");
    Signal(toParent);
    Wait(fromParent);
    db->connection().CommitTransaction();
    Signal(toParent);
  });
  Wait(toParent_[0]);
  Reopen();
  EXPECT_EQ(ErrorOf([&] { Insert("padre"); }), kErrLocked);
  EXPECT_EQ(Engine().Errors().front().Number, kErrLocked);
  EXPECT_EQ(Users(), Table{});
  Signal(toChild_[1]);
  Wait(toParent_[0]);
  EXPECT_EQ(Finish(), 0);
  Insert("padre");
  EXPECT_EQ(Users(), (Table{{"hijo"}, {"padre"}}));
}

// A transaction that has written nothing yet holds the write lock only when it
// was begun as a write transaction: then another program can neither write nor
// begin one. A second database of the workspace, on the same file, does not
// lock itself out.
TEST_F(LockingTest, WriteTransactionHoldsTheLockBeforeItsFirstWrite) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<Transaction>(Database&)> begin;
    int error;
  };
  const Case cases[] = {
      {"Transaction", [](Database&) { return std::make_unique<Transaction>(); }, 0},
      {"write-locked Transaction", [](Database& db) { return std::make_unique<Transaction>(db); },
       kErrLocked},
  };
  for (const Case& c : cases) {
    std::string path = path_;
    Fork([path, &c](int toParent, int fromParent) {
      DatabasePtr db = Engine().OpenDatabase(path);
      DatabasePtr other = Engine().OpenDatabase(path);
      std::unique_ptr<Transaction> transaction = c.begin(*db);
      Signal(toParent);
      Wait(fromParent);
      transaction->Commit();
      Signal(toParent);
    });
    Wait(toParent_[0]);
    Reopen();
    Workspace& ws = Engine().Workspaces(0);
    EXPECT_EQ(ErrorOf([&] { Insert("padre"); }), c.error) << c.name;
    int beginError = ErrorOf([&] { ws.BeginWriteTrans(*db_); });
    EXPECT_EQ(beginError, c.error) << c.name;
    if (beginError == 0) ws.Rollback();
    EXPECT_EQ(ws.TransactionLevel(), 0) << c.name;
    Signal(toChild_[1]);
    Wait(toParent_[0]);
    EXPECT_EQ(Finish(), 0) << c.name;
    db_->Execute("DELETE FROM Users");
    for (int* pipeEnds : {toParent_, toChild_})
      for (int i : {0, 1}) close(std::exchange(pipeEnds[i], -1));
  }
}

TEST_F(LockingTest, ExclusiveOpenElsewhereGivesLockedOnOpening) {
  std::string path = path_;
  Fork([path](int toParent, int fromParent) {
    DatabasePtr db = Engine().OpenDatabase(path, true);
    db->Execute("INSERT INTO Users VALUES ('hijo', '1')");
    Signal(toParent);
    Wait(fromParent);
    db->Close();
    Signal(toParent);
  });
  Wait(toParent_[0]);
  EXPECT_EQ(ErrorOf([&] { Engine().OpenDatabase(path_); }), kErrLocked);
  Signal(toChild_[1]);
  Wait(toParent_[0]);
  EXPECT_EQ(Finish(), 0);
  Reopen();
  Insert("padre");
  EXPECT_EQ(Users(), (Table{{"hijo"}, {"padre"}}));
}

}  // namespace
}  // namespace dao::testing
