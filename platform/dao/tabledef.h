#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/collection.h"
#include "platform/dao/connection.h"

namespace dao {

// A column of a table definition. AllowZeroLength can be changed: the installer
// lets six amount and reference columns of the debt tables hold "".
class FieldDef {
 public:
  FieldDef(std::shared_ptr<Connection> connection, std::string table, std::string name);

  const std::string& Name() const { return name_; }
  int Type() const;
  long Size() const;
  bool Required() const;
  int Attributes() const;
  bool AllowZeroLength() const;
  // Only text and memo columns have the property (else 3219).
  void SetAllowZeroLength(bool allow);

 private:
  const ColumnDef& Definition() const;
  std::shared_ptr<Connection> connection_;
  std::string table_;
  std::string name_;
};

class TableDef {
 public:
  TableDef(std::shared_ptr<Connection> connection, std::string name);

  const std::string& Name() const { return name_; }
  // The name of the primary key's constraint; "" when the table has no key.
  std::string PrimaryKeyName() const;
  int FieldCount();
  FieldDef& Fields(int index);
  FieldDef& Fields(std::string_view name);
  OwnedIterator<FieldDef> begin();
  OwnedIterator<FieldDef> end();

 private:
  void Sync();
  std::shared_ptr<Connection> connection_;
  std::string name_;
  std::vector<std::unique_ptr<FieldDef>> fields_;
  std::uint64_t version_ = 0;
};

// The tables of the database, by position or by name without regard to case (a
// missing name raises 3265). The layer's own catalogue table is never listed. The
// list follows the definitions the program makes; Refresh also reads what other
// programs changed in the file. A TableDef or FieldDef stays valid for as long as
// its table or column exists.
class TableDefs {
 public:
  explicit TableDefs(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

  void Refresh();
  int Count();
  TableDef& operator[](int index);
  TableDef& operator[](std::string_view name);
  OwnedIterator<TableDef> begin();
  OwnedIterator<TableDef> end();

 private:
  void Sync();
  std::shared_ptr<Connection> connection_;
  std::vector<std::unique_ptr<TableDef>> tables_;
  std::uint64_t version_ = 0;
};

}  // namespace dao
