#include "platform/dao/database.h"

#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/dao/tokenizer.h"

namespace dao {
namespace {

// A source that is one name (or one [bracketed] name) is a table. Two tokens
// settle it, so a long SELECT is not read through here as well as by the query.
bool IsTableName(const std::string& source, std::string& table) {
  Lexer lexer(source);
  RawToken first;
  RawToken second;
  if (!lexer.Next(first) || lexer.Next(second)) return false;
  if (first.kind == TokenKind::Word) {
    table = std::string(first.raw);
    return true;
  }
  if (first.kind != TokenKind::QuotedName) return false;
  table = std::string(first.raw.substr(1, first.raw.size() - 2));
  return true;
}

}  // namespace

Database::Database(std::shared_ptr<Connection> connection, bool readOnly)
    : connection_(std::move(connection)), readOnly_(readOnly) {}

Database::~Database() { Close(); }

const std::string& Database::Name() const { return connection_->Path(); }

bool Database::IsOpen() const { return connection_->IsOpen(); }

void Database::Execute(const std::string& sql, int) {
  recordsAffected_ = 0;
  if (readOnly_) {
    connection_->RequireOpen();
    RaiseEngineError(kErrReadOnly);
  }
  recordsAffected_ = connection_->Execute(sql);
}

RecordsetPtr Database::OpenRecordset(const std::string& source, int type, int options) {
  connection_->RequireOpen();
  std::string table;
  bool tableSource = IsTableName(source, table);
  if (type == 0) type = tableSource ? dbOpenTable : dbOpenDynaset;
  if (type != dbOpenTable && type != dbOpenDynaset && type != dbOpenSnapshot && type != dbOpenForwardOnly)
    RaiseEngineError(kErrInvalidArgument);
  if (type == dbOpenTable && !tableSource) RaiseEngineError(kErrInvalidOperation);
  bool writing = (type == dbOpenTable || type == dbOpenDynaset) && !readOnly_ && (options & dbReadOnly) == 0;
  bool appendOnly = type == dbOpenDynaset && writing && (options & dbAppendOnly) != 0;
  QueryResult result = tableSource ? connection_->TableRows(table, !appendOnly)
                                   : connection_->Query(source, writing, !appendOnly);
  auto recordset = std::make_shared<Recordset>(connection_, std::move(result), type, writing,
                                               tableSource ? table : source, tableSource, appendOnly);
  std::erase_if(recordsets_, [](const auto& weak) { return weak.expired(); });
  recordsets_.push_back(recordset);
  return recordset;
}

dao::TableDefs& Database::TableDefs() {
  connection_->RequireOpen();
  if (!tableDefs_) tableDefs_ = std::make_unique<dao::TableDefs>(connection_);
  return *tableDefs_;
}

void Database::Close() {
  for (auto& weak : recordsets_) {
    if (auto recordset = weak.lock()) recordset->Close();
  }
  recordsets_.clear();
  connection_->Close();
}

}  // namespace dao
