#include "platform/dao/tabledef.h"

#include <algorithm>

#include "platform/dao/constants.h"
#include "platform/dao/errors.h"

namespace dao {
namespace {

// Keeps the objects whose names are still there, so references to them stay valid,
// and orders the list as `names` is ordered.
template <typename T, typename Make>
void Merge(std::vector<std::unique_ptr<T>>& objects, const std::vector<std::string>& names, Make make) {
  std::vector<std::unique_ptr<T>> merged;
  for (const auto& name : names) {
    auto it = std::find_if(objects.begin(), objects.end(),
                           [&](const auto& object) { return object && object->Name() == name; });
    merged.push_back(it != objects.end() ? std::move(*it) : make(name));
  }
  objects = std::move(merged);
}

}  // namespace

FieldDef::FieldDef(std::shared_ptr<Connection> connection, std::string table, std::string name)
    : connection_(std::move(connection)), table_(std::move(table)), name_(std::move(name)) {}

const ColumnDef& FieldDef::Definition() const {
  connection_->RequireOpen();
  const TableSchema* schema = connection_->catalogue().Find(table_);
  const ColumnDef* column = schema ? schema->Column(name_) : nullptr;
  if (column == nullptr) RaiseEngineError(kErrObjectInvalid, {}, "DAO.Field");
  return *column;
}

int FieldDef::Type() const { return Definition().type; }

long FieldDef::Size() const {
  const ColumnDef& column = Definition();
  return IsTextType(column.type) ? column.size : FixedSize(column.type);
}

bool FieldDef::Required() const { return Definition().required; }

int FieldDef::Attributes() const {
  const ColumnDef& column = Definition();
  int attributes = IsTextType(column.type) ? dbVariableField : dbFixedField;
  return column.autoIncrement ? attributes | dbAutoIncrField : attributes;
}

bool FieldDef::AllowZeroLength() const { return Definition().allowZeroLength; }

void FieldDef::SetAllowZeroLength(bool allow) { connection_->SetAllowZeroLength(table_, name_, allow); }

TableDef::TableDef(std::shared_ptr<Connection> connection, std::string name)
    : connection_(std::move(connection)), name_(std::move(name)) {}

void TableDef::Sync() {
  connection_->RequireOpen();
  if (version_ == connection_->catalogue().Version() && !fields_.empty()) return;
  const TableSchema* schema = connection_->catalogue().Find(name_);
  if (schema == nullptr) RaiseEngineError(kErrObjectInvalid, {}, "DAO.TableDef");
  std::vector<std::string> names;
  for (const auto& column : schema->columns) names.push_back(column.name);
  Merge(fields_, names, [&](const std::string& name) {
    return std::make_unique<FieldDef>(connection_, schema->name, name);
  });
  version_ = connection_->catalogue().Version();
}

std::string TableDef::PrimaryKeyName() const {
  connection_->RequireOpen();
  const TableSchema* schema = connection_->catalogue().Find(name_);
  return schema ? schema->keyName : std::string();
}

int TableDef::FieldCount() {
  Sync();
  return static_cast<int>(fields_.size());
}

FieldDef& TableDef::Fields(int index) {
  Sync();
  if (index < 0 || index >= static_cast<int>(fields_.size()))
    RaiseEngineError(kErrItemNotFound, std::to_string(index), "DAO.Fields");
  return *fields_[index];
}

FieldDef& TableDef::Fields(std::string_view name) {
  Sync();
  for (auto& field : fields_) {
    if (EqualsNoCase(field->Name(), name)) return *field;
  }
  RaiseEngineError(kErrItemNotFound, std::string(name), "DAO.Fields");
}

OwnedIterator<FieldDef> TableDef::begin() {
  Sync();
  return OwnedIterator<FieldDef>(fields_.begin());
}

OwnedIterator<FieldDef> TableDef::end() {
  Sync();
  return OwnedIterator<FieldDef>(fields_.end());
}

void TableDefs::Refresh() {
  connection_->Refresh();
  Sync();
}

void TableDefs::Sync() {
  connection_->SyncCatalogue();
  if (version_ == connection_->catalogue().Version() && version_ != 0) return;
  std::vector<std::string> names;
  for (const TableSchema* schema : connection_->catalogue().Tables()) names.push_back(schema->name);
  Merge(tables_, names, [&](const std::string& name) { return std::make_unique<TableDef>(connection_, name); });
  version_ = connection_->catalogue().Version();
}

int TableDefs::Count() {
  Sync();
  return static_cast<int>(tables_.size());
}

TableDef& TableDefs::operator[](int index) {
  Sync();
  if (index < 0 || index >= static_cast<int>(tables_.size()))
    RaiseEngineError(kErrItemNotFound, std::to_string(index), "DAO.TableDefs");
  return *tables_[index];
}

TableDef& TableDefs::operator[](std::string_view name) {
  Sync();
  for (auto& table : tables_) {
    if (EqualsNoCase(table->Name(), name)) return *table;
  }
  RaiseEngineError(kErrItemNotFound, std::string(name), "DAO.TableDefs");
}

OwnedIterator<TableDef> TableDefs::begin() {
  Sync();
  return OwnedIterator<TableDef>(tables_.begin());
}

OwnedIterator<TableDef> TableDefs::end() {
  Sync();
  return OwnedIterator<TableDef>(tables_.end());
}

}  // namespace dao
