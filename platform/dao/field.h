#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/dao/collection.h"
#include "platform/dao/connection.h"
#include "platform/vb/variant.h"

namespace dao {

class Recordset;

// One column of a recordset. Its Value is the current row's value, or the pending
// value while the row is being added or edited: the record check code is computed
// from a new row's values before Update stores them.
class Field {
 public:
  Field(Recordset& owner, int index, ResultColumn column);
  Field(const Field&) = delete;
  Field& operator=(const Field&) = delete;

  const std::string& Name() const { return column_.name; }
  int Type() const { return column_.type; }
  long Size() const { return column_.size; }
  int OrdinalPosition() const { return index_; }
  // The table column behind the field; "" for an expression.
  const std::string& SourceTable() const { return column_.table; }
  bool DataUpdatable() const { return column_.tableColumn >= 0; }
  bool AllowZeroLength() const;
  bool Required() const;

  // Raises 3021 when the recordset has no current row.
  vb::Variant Value() const;
  // The same value where the recordset holds it, without a copy: it stays good
  // until the recordset moves, is written to or closes. A check code counts
  // every field of every row it stores.
  const vb::Variant& ValueInPlace() const;
  // Only between AddNew or Edit and Update (else 3020); the value is converted to
  // the column's type at once, so a wrong one fails here, as it does in the engine.
  void SetValue(const vb::Variant& value);
  // The same, keeping the text of a value given up rather than copying it.
  void SetValue(vb::Variant&& value);

  Field& operator=(const vb::Variant& value) {
    SetValue(value);
    return *this;
  }
  Field& operator=(vb::Variant&& value) {
    SetValue(std::move(value));
    return *this;
  }
  operator vb::Variant() const { return Value(); }

 private:
  friend class Recordset;
  const ColumnDef* Definition() const;

  Recordset& owner_;
  int index_;
  ResultColumn column_;
};

// The fields of a recordset, by position or by name without regard to case; a name
// that is not there raises 3265. Two fields of one name answer to the first.
class Fields {
 public:
  int Count() const { return static_cast<int>(fields_.size()); }
  Field& operator[](int index) const;
  Field& operator[](std::string_view name) const;
  Field* Find(std::string_view name) const;
  OwnedIterator<Field> begin() const { return OwnedIterator<Field>(fields_.begin()); }
  OwnedIterator<Field> end() const { return OwnedIterator<Field>(fields_.end()); }

 private:
  friend class Recordset;
  std::vector<std::unique_ptr<Field>> fields_;
  // Positions by name without regard to ASCII case, made at the first search by
  // name: a loader names some forty fields for every row it adds.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const;
  };
  struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
  };
  mutable std::unordered_map<std::string, int, NameHash, NameEqual> byName_;
  // The names asked for lately, by where their text stood: a loader names the
  // same fields with the same texts for every row it adds, and finds each again
  // by comparing the text, without hashing or folding it.
  struct Asked {
    const char* data = nullptr;
    std::string name;
    int index = -1;
  };
  static constexpr int kAskedBits = 6;
  static constexpr std::size_t kAskedSlots = std::size_t{1} << kAskedBits;
  mutable std::vector<Asked> asked_;
  // After the fields were given other columns.
  void ForgetNames();
};

}  // namespace dao
