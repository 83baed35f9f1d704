#pragma once
// The hidden table that keeps each table's Jet definition.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/schema.h"

struct sqlite3;

namespace dao {

struct NoCaseLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// The layer's own record of each table's Jet definition, kept in a hidden table of
// the database file so that every program opening the file reads the same types,
// sizes, AllowZeroLength and key names. TableDefs never lists the hidden table.
class Catalogue {
 public:
  static constexpr const char* kTableName = "__dao_catalogue";

  explicit Catalogue(sqlite3* db) : db_(db) {}

  // Reads the hidden table and every table of the file; a table the layer did not
  // create gets types from its declared SQLite types.
  void Load();
  // Creates the hidden table in a new database file.
  void Initialise() { EnsureTable(); }
  const TableSchema* Find(std::string_view table) const;
  std::vector<const TableSchema*> Tables() const;

  // Writes (or removes) the table's rows in the hidden table and the memory copy.
  void Save(const TableSchema& schema);
  void Forget(std::string_view table);

  // Changes whenever a definition changes, so that cached translations and table
  // lists know to renew themselves.
  std::uint64_t Version() const { return version_; }

 private:
  void EnsureTable();
  void LoadStoredTables(std::map<std::string, TableSchema, NoCaseLess>& tables);
  void LoadDefinitions(std::map<std::string, TableSchema, NoCaseLess>& tables);
  TableSchema Derived(const std::string& table);

  sqlite3* db_;
  std::map<std::string, TableSchema, NoCaseLess> tables_;
  std::uint64_t version_ = 0;
};

}  // namespace dao
