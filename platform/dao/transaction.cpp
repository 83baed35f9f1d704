#include "platform/dao/transaction.h"

namespace dao {

Transaction::Transaction(Workspace& ws) : ws_(ws) {
  ws_.BeginTrans();
  level_ = ws_.TransactionLevel();
}

Transaction::Transaction(Database& writeLocked, Workspace& ws) : ws_(ws) {
  ws_.BeginWriteTrans(writeLocked);
  level_ = ws_.TransactionLevel();
}

// A transaction its database already rolled back (closed, or the program ended)
// is no longer at its level and is left alone; a roll-back that fails on the way
// out cannot be reported from here, and its database rolls it back when it closes.
Transaction::~Transaction() {
  if (!active_ || ws_.TransactionLevel() != level_) return;
  try {
    ws_.Rollback();
  } catch (...) {
  }
}

void Transaction::Commit() { Ends(&Workspace::CommitTrans); }

void Transaction::Rollback() { Ends(&Workspace::Rollback); }

// A commit that fails leaves the transaction open, for the guard to roll back.
void Transaction::Ends(void (Workspace::*end)()) {
  if (!active_) RaiseEngineError(kErrCommitWithoutBegin, {}, "DAO.Workspace");
  (ws_.*end)();
  active_ = false;
}

}  // namespace dao
