#pragma once
// Translation of a Jet data statement into SQLite's.
#include <string>
#include <vector>

#include "platform/dao/tokenizer.h"

namespace dao {

class Catalogue;

enum class StatementKind {
  Select, Insert, Update, Delete, SelectInto, CreateTable, CreateIndex, AlterTable, DropTable, DropIndex
};

// What a select-list entry is called and the field type the engine gives it when it
// is an expression: text functions give Text, arithmetic Double, SUM of a Currency
// column Currency. Type 0: as the stored value says.
struct ColumnHint {
  std::string name;
  int type = 0;
};

// A Jet statement as SQLite runs it. Literals are bound parameters ?1, ?2, ... in
// the order they stand in the Jet text, so one translation serves every statement
// of the same shape.
struct Translation {
  StatementKind kind = StatementKind::Select;
  std::string sql;
  std::string table;  // the target of INSERT, UPDATE, DELETE and SELECT ... INTO;
                      // the one table of an updatable SELECT
  std::vector<ColumnHint> hints;
  bool updatable = false;  // the first result column is the row's rowid
};

StatementKind KindOf(const std::vector<Token>& tokens);
bool IsDefinition(StatementKind kind);

// Translates a data statement (SELECT, INSERT, UPDATE, DELETE). `withRowid` asks
// for the rowid of a single-table SELECT, for recordsets that write back.
Translation TranslateStatement(std::vector<Token> tokens, const Catalogue& catalogue, bool withRowid);

}  // namespace dao
