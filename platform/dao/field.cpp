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

const vb::Variant& Field::ValueInPlace() const { return owner_.Read(index_); }

void Field::SetValue(const vb::Variant& value) { owner_.Write(index_, value); }
void Field::SetValue(vb::Variant&& value) { owner_.Write(index_, std::move(value)); }

Field& Fields::operator[](int index) const {
  if (index < 0 || index >= Count()) RaiseEngineError(kErrItemNotFound, std::to_string(index), "DAO.Fields");
  return *fields_[index];
}

Field& Fields::operator[](std::string_view name) const {
  Field* field = Find(name);
  if (field == nullptr) RaiseEngineError(kErrItemNotFound, std::string(name), "DAO.Fields");
  return *field;
}

// Hashes the name as EqualsNoCase compares it (only the letters a to z fold) from
// its length and three of its letters: enough to tell a table's columns apart,
// cheaper than reading every letter of every name asked for.
std::size_t Fields::NameHash::operator()(std::string_view name) const {
  auto folded = [](char c) {
    return static_cast<std::size_t>(static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c));
  };
  if (name.empty()) return 0;
  std::size_t hash = name.size() * 131 + folded(name.front());
  hash = hash * 131 + folded(name[name.size() / 2]);
  return hash * 131 + folded(name.back());
}

bool Fields::NameEqual::operator()(std::string_view a, std::string_view b) const {
  return a == b || EqualsNoCase(a, b);
}

Field* Fields::Find(std::string_view name) const {
  if (asked_.empty()) asked_.resize(kAskedSlots);
  std::uintptr_t where = reinterpret_cast<std::uintptr_t>(name.data());
  Asked& asked = asked_[(where * 0x9E3779B97F4A7C15ull) >> (64 - kAskedBits)];
  if (asked.data == name.data() && asked.name == name) return fields_[asked.index].get();
  if (byName_.empty()) {
    for (std::size_t i = 0; i < fields_.size(); ++i) byName_.emplace(fields_[i]->Name(), static_cast<int>(i));
  }
  auto found = byName_.find(name);
  if (found == byName_.end()) return nullptr;
  asked = {name.data(), std::string(name), found->second};
  return fields_[found->second].get();
}

void Fields::ForgetNames() {
  byName_.clear();
  asked_.clear();
}

}  // namespace dao
