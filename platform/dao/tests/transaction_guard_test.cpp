#include "platform/dao/transaction.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "platform/dao/dao.h"
#include "platform/dao/testing/query_rows.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"

namespace dao::testing {
namespace {

class TransactionGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = Engine().CreateDatabase(folder_ / "guarda.db");
    db_->Execute("CREATE TABLE Filas (Nombre TEXT(10))", dbFailOnError);
  }
  void TearDown() override {
    ws_.RollbackAll();
    db_->Close();
  }
  void Inserta(const std::string& nombre) { db_->Execute("INSERT INTO Filas VALUES ('" + nombre + "')"); }
  TextRows Filas() { return QueryRows(*db_, "SELECT Nombre FROM Filas ORDER BY Nombre"); }

  testsupport::TempFolder folder_;
  DatabasePtr db_;
  Workspace& ws_ = Engine().Workspaces(0);
};

TEST_F(TransactionGuardTest, OnlyACommitKeepsTheRowsWhateverRoadLeavesTheScope) {
  const std::pair<std::function<void(Transaction&)>, TextRows> caminos[] = {
      {[](Transaction& t) { t.Commit(); }, {{"a"}}},
      {[](Transaction& t) { t.Rollback(); }, {}},
      {[](Transaction&) {}, {}},
      {[](Transaction&) { throw std::runtime_error("falla"); }, {}},
  };
  for (const auto& [fin, filas] : caminos) {
    db_->Execute("DELETE FROM Filas");
    try {
      Transaction transaccion;
      Inserta("a");
      fin(transaccion);
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ws_.TransactionLevel(), 0);
    EXPECT_EQ(Filas(), filas);
  }
}

TEST_F(TransactionGuardTest, InnerGuardRollsBackOnlyItsOwnLevel) {
  Transaction exterior(ws_);
  Inserta("a");
  {
    Transaction interior(ws_);
    Inserta("b");
  }
  exterior.Commit();
  EXPECT_EQ(Filas(), TextRows{{"a"}});
}

TEST_F(TransactionGuardTest, EndingTwiceRaises3034AndLeavesTheEnclosingTransactionOpen) {
  using Fin = void (Transaction::*)();
  const std::pair<Fin, Fin> pares[] = {{&Transaction::Commit, &Transaction::Commit},
                                       {&Transaction::Rollback, &Transaction::Commit},
                                       {&Transaction::Commit, &Transaction::Rollback}};
  for (const auto& [primero, segundo] : pares) {
    ws_.BeginTrans();
    {
      Transaction transaccion(ws_);
      (transaccion.*primero)();
      EXPECT_EQ(testsupport::ErrorOf([&] { (transaccion.*segundo)(); }), kErrCommitWithoutBegin);
    }
    EXPECT_EQ(ws_.TransactionLevel(), 1);
    ws_.Rollback();
  }
}

TEST_F(TransactionGuardTest, TransactionItsDatabaseAlreadyRolledBackIsLeftAlone) {
  {
    Transaction transaccion;
    Inserta("a");
    db_->Close();
  }
  EXPECT_EQ(ws_.TransactionLevel(), 0);
  db_ = Engine().OpenDatabase(folder_ / "guarda.db");
  EXPECT_EQ(Filas(), TextRows{});
}

}  // namespace
}  // namespace dao::testing
