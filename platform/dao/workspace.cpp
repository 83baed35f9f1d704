#include "platform/dao/workspace.h"

#include "platform/dao/dbengine.h"
#include "platform/dao/errors.h"

namespace dao {
namespace {

constexpr const char* kSource = "DAO.Workspace";

}  // namespace

const std::string& Workspace::UserName() const { return Engine().DefaultUser(); }

DatabasePtr Workspace::OpenDatabase(const std::string& path, bool exclusive, bool readOnly, const std::string&) {
  auto database = std::make_shared<Database>(Connection::Open(path, exclusive, readOnly), readOnly);
  std::erase_if(databases_, [](const auto& weak) { return weak.expired(); });
  databases_.push_back(database);
  return database;
}

DatabasePtr Workspace::CreateDatabase(const std::string& path) {
  auto database = std::make_shared<Database>(Connection::Create(path), false);
  databases_.push_back(database);
  return database;
}

std::vector<DatabasePtr> Workspace::Databases() const {
  std::vector<DatabasePtr> open;
  for (const auto& weak : databases_) {
    auto database = weak.lock();
    if (database && database->IsOpen()) open.push_back(database);
  }
  return open;
}

template <typename F>
void Workspace::ForEachAtLevel(int level, F action) {
  for (auto& database : Databases()) {
    if (database->connection().TransactionDepth() == level) action(database->connection());
  }
}

void Workspace::BeginTrans() {
  if (depth_ >= Connection::kMaxTransactionDepth) RaiseEngineError(kErrTooManyTransactions, {}, kSource);
  ForEachAtLevel(depth_, [](Connection& c) { c.BeginTransaction(); });
  ++depth_;
}

void Workspace::BeginWriteTrans(Database& db) {
  if (depth_ >= Connection::kMaxTransactionDepth) RaiseEngineError(kErrTooManyTransactions, {}, kSource);
  Connection& locked = db.connection();
  if (locked.TransactionDepth() == depth_) locked.BeginTransaction(true);
  ForEachAtLevel(depth_, [](Connection& c) { c.BeginTransaction(); });
  ++depth_;
}

void Workspace::CommitTrans() {
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, kSource);
  ForEachAtLevel(depth_, [](Connection& c) { c.CommitTransaction(); });
  --depth_;
}

void Workspace::Rollback() {
  if (depth_ == 0) RaiseEngineError(kErrCommitWithoutBegin, {}, kSource);
  ForEachAtLevel(depth_, [](Connection& c) { c.RollbackTransaction(); });
  --depth_;
}

void Workspace::RollbackAll() {
  for (auto& database : Databases()) database->connection().RollbackAll();
  depth_ = 0;
}

}  // namespace dao
