#pragma once
#include "platform/dao/dbengine.h"
#include "platform/dao/workspace.h"

namespace dao {

// A workspace transaction held for a scope: BeginTrans when made, then Commit or
// Rollback; one that is neither committed nor rolled back is rolled back when the
// guard goes, whatever road leaves the scope. Committing or rolling back a second
// time raises 3034, as the workspace does with no transaction open, instead of
// ending the transaction around this one.
class Transaction {
 public:
  explicit Transaction(Workspace& ws = Engine().Workspaces(0));
  // The same begun with BeginWriteTrans: `writeLocked`'s write lock is taken at
  // once, for a read and the write that depends on it.
  explicit Transaction(Database& writeLocked, Workspace& ws = Engine().Workspaces(0));
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();
  void Rollback();
  // True until Commit or Rollback has ended the transaction.
  bool Active() const { return active_; }

 private:
  void Ends(void (Workspace::*end)());

  Workspace& ws_;
  int level_;
  bool active_ = true;
};

}  // namespace dao
