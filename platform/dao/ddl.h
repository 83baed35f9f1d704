#pragma once
// Definition statements read into what they ask for.
#include <string>
#include <vector>

#include "platform/dao/schema.h"
#include "platform/dao/tokenizer.h"

namespace dao {

// A definition statement read into what it asks for. The layer carries these out
// itself because each one changes both the SQLite table and the catalogue.
struct Definition {
  enum class Action {
    CreateTable, DropTable, AddKey, AddColumn, DropColumn, DropConstraint, AlterColumn,
    CreateIndex, DropIndex
  };
  Action action = Action::CreateTable;
  std::string table;
  TableSchema schema;                // CreateTable
  ColumnDef column;                  // AddColumn, AlterColumn
  std::string name;                  // key or index name; DropColumn's column
  std::vector<std::string> columns;  // AddKey, CreateIndex
  bool unique = false;               // CreateIndex
};

// CREATE TABLE with Jet types, DROP TABLE, ALTER TABLE ... ADD CONSTRAINT name
// PRIMARY KEY (...), ADD/DROP/ALTER COLUMN, DROP CONSTRAINT, CREATE [UNIQUE] INDEX
// and DROP INDEX. A statement the engine would refuse raises its syntax error.
Definition ParseDefinition(const std::vector<Token>& tokens);

}  // namespace dao
