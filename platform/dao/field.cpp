#include "platform/dao/field.h"

#include "platform/dao/errors.h"
#include "platform/dao/recordset.h"

namespace dao {

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
  for (const auto& field : fields_) {
    if (EqualsNoCase(field->Name(), name)) return field.get();
  }
  return nullptr;
}

}  // namespace dao
