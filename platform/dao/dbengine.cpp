#include "platform/dao/dbengine.h"

#include "platform/vb/error.h"

namespace dao {

DBEngine& Engine() {
  static DBEngine engine;
  return engine;
}

// Ending the program rolls back whatever transaction is still open.
DBEngine::DBEngine() {
  RegisterEngineErrorTexts();
  vb::AddEndHook([this] { workspace_.RollbackAll(); });
}

Workspace& DBEngine::Workspaces(int index) {
  if (index != 0) RaiseEngineError(kErrItemNotFound, std::to_string(index), "DAO.Workspaces");
  return workspace_;
}

DatabasePtr DBEngine::OpenDatabase(const std::string& path, bool exclusive, bool readOnly,
                                   const std::string& connect) {
  return workspace_.OpenDatabase(path, exclusive, readOnly, connect);
}

DatabasePtr DBEngine::CreateDatabase(const std::string& path) { return workspace_.CreateDatabase(path); }

void DBEngine::BeginTrans() { workspace_.BeginTrans(); }
void DBEngine::CommitTrans() { workspace_.CommitTrans(); }
void DBEngine::Rollback() { workspace_.Rollback(); }

void DBEngine::RecordError(ErrorItem error) {
  errors_.clear();
  errors_.push_back(std::move(error));
}

}  // namespace dao
