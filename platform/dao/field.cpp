#include "platform/dao/field.h"

#include "platform/dao/errors.h"
#include "platform/dao/recordset.h"

namespace dao {
namespace {

// The name as EqualsNoCase compares it: only the letters a to z change.
std::string NameKey(std::string_view name) {
  std::string key(name);
  for (char& c : key) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return key;
}

}  // namespace

Field::Field(Recordset& owner, int index, ResultColumn column)
    : owner_(owner), index_(index), column_(std::move(column)) {}

const ColumnDef* Field::Definition() const {
  if (column_.tableColumn < 0) return nullptr;
  const TableSchema* schema = owner_.connection_->catalogue().Find(column_.table);
  if (schema == nullptr || column_.tableColumn >= static_cast<int>(schema->columns.size())) return nullptr;
  return &schema->columns[column_.tableColumn];
}

bool Field::AllowZeroLength() const {
  const ColumnDef* def = Definition();
  return def != nullptr && def->allowZeroLength;
}

bool Field::Required() const {
  const ColumnDef* def = Definition();
  return def != nullptr && def->required;
}

vb::Variant Field::Value() const { return owner_.Read(index_); }

void Field::SetValue(const vb::Variant& value) { owner_.Write(index_, value); }

Field& Fields::operator[](int index) const {
  if (index < 0 || index >= Count()) RaiseEngineError(kErrItemNotFound, std::to_string(index), "DAO.Fields");
  return *fields_[index];
}

Field& Fields::operator[](std::string_view name) const {
  Field* field = Find(name);
  if (field == nullptr) RaiseEngineError(kErrItemNotFound, std::string(name), "DAO.Fields");
  return *field;
}

Field* Fields::Find(std::string_view name) const {
  if (byName_.empty()) {
    for (std::size_t i = 0; i < fields_.size(); ++i) byName_.emplace(NameKey(fields_[i]->Name()), static_cast<int>(i));
  }
  auto found = byName_.find(NameKey(name));
  return found == byName_.end() ? nullptr : fields_[found->second].get();
}

}  // namespace dao
