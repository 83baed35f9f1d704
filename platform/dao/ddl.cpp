#include "platform/dao/ddl.h"

#include "platform/dao/errors.h"

namespace dao {
namespace {

class DefinitionReader {
 public:
  explicit DefinitionReader(const std::vector<Token>& tokens) : tokens_(tokens) {
    end_ = tokens_.size();
    while (end_ > 0 && tokens_[end_ - 1].IsSymbol(";")) --end_;
  }

  Definition Read() {
    Definition d;
    if (Accept("CREATE")) {
      d.unique = Accept("UNIQUE");
      if (Accept("INDEX")) return ReadCreateIndex(d);
      Expect("TABLE", kErrSyntaxInCreateTable);
      return ReadCreateTable(d);
    }
    if (Accept("DROP")) {
      if (Accept("INDEX")) {
        d.action = Definition::Action::DropIndex;
        d.name = Name(kErrSyntaxInExpression);
        Expect("ON", kErrSyntaxInExpression);
        d.table = Name(kErrSyntaxInExpression);
      } else {
        Expect("TABLE", kErrSyntaxInExpression);
        d.action = Definition::Action::DropTable;
        d.table = Name(kErrSyntaxInExpression);
      }
      Finish(kErrSyntaxInExpression);
      return d;
    }
    Expect("ALTER", kErrSyntaxInAlterTable);
    Expect("TABLE", kErrSyntaxInAlterTable);
    d.table = Name(kErrSyntaxInAlterTable);
    return ReadAlter(d);
  }

 private:
  bool AtEnd() const { return pos_ >= end_; }
  const Token& Peek() const {
    static const Token kNone;
    return AtEnd() ? kNone : tokens_[pos_];
  }
  bool Accept(std::string_view word) {
    if (AtEnd() || !tokens_[pos_].Is(word)) return false;
    ++pos_;
    return true;
  }
  bool AcceptSymbol(std::string_view symbol) {
    if (AtEnd() || !tokens_[pos_].IsSymbol(symbol)) return false;
    ++pos_;
    return true;
  }
  void Expect(std::string_view word, int error) {
    if (!Accept(word)) RaiseEngineError(error);
  }
  void ExpectSymbol(std::string_view symbol, int error) {
    if (!AcceptSymbol(symbol)) RaiseEngineError(error);
  }
  std::string Name(int error) {
    if (AtEnd() || !tokens_[pos_].IsName()) RaiseEngineError(error);
    return tokens_[pos_++].text;
  }
  void Finish(int error) {
    if (!AtEnd()) RaiseEngineError(error);
  }

  std::vector<std::string> NameList(int error) {
    std::vector<std::string> names;
    ExpectSymbol("(", error);
    do {
      names.push_back(Name(error));
      if (!Accept("ASC")) Accept("DESC");
    } while (AcceptSymbol(","));
    ExpectSymbol(")", error);
    return names;
  }

  ColumnDef ReadColumn(TableSchema* schema) {
    ColumnDef column;
    column.name = Name(kErrSyntaxInFieldDefinition);
    if (AtEnd() || Peek().kind != TokenKind::Word ||
        !JetTypeFromName(Peek().upper, column.type, column.size, column.autoIncrement))
      RaiseEngineError(kErrSyntaxInFieldDefinition, column.name);
    ++pos_;
    if (AcceptSymbol("(")) {
      if (AtEnd() || Peek().kind != TokenKind::Number) RaiseEngineError(kErrSyntaxInFieldDefinition, column.name);
      int size = std::stoi(tokens_[pos_++].text);
      if (AcceptSymbol(",")) ++pos_;
      ExpectSymbol(")", kErrSyntaxInFieldDefinition);
      if (column.type == dbText) {
        if (size < 1 || size > 255) RaiseEngineError(kErrSyntaxInFieldDefinition, column.name);
        column.size = size;
      }
    }
    ReadColumnOptions(column, schema);
    return column;
  }

  void ReadColumnOptions(ColumnDef& column, TableSchema* schema) {
    while (!AtEnd() && !Peek().IsSymbol(",") && !Peek().IsSymbol(")")) {
      std::string keyName;
      if (Accept("NOT")) {
        Expect("NULL", kErrSyntaxInFieldDefinition);
        column.required = true;
      } else if (Accept("NULL") || (Accept("WITH") && (Accept("COMPRESSION") || Accept("COMP")))) {
      } else if (Accept("CONSTRAINT")) {
        keyName = Name(kErrSyntaxInFieldDefinition);
        ReadInlineKey(column, schema, keyName);
      } else if (Peek().Is("PRIMARY") || Peek().Is("UNIQUE")) {
        ReadInlineKey(column, schema, "PrimaryKey");
      } else {
        RaiseEngineError(kErrSyntaxInFieldDefinition, column.name);
      }
    }
  }

  void ReadInlineKey(const ColumnDef& column, TableSchema* schema, const std::string& keyName) {
    if (Accept("UNIQUE")) return;
    Expect("PRIMARY", kErrSyntaxInFieldDefinition);
    Expect("KEY", kErrSyntaxInFieldDefinition);
    if (schema == nullptr || !schema->keyColumns.empty()) RaiseEngineError(kErrPrimaryKeyExists);
    schema->keyName = keyName;
    schema->keyColumns = {column.name};
  }

  Definition ReadCreateTable(Definition& d) {
    d.action = Definition::Action::CreateTable;
    d.table = Name(kErrSyntaxInCreateTable);
    d.schema.name = d.table;
    ExpectSymbol("(", kErrSyntaxInCreateTable);
    do {
      if (Accept("CONSTRAINT")) {
        std::string keyName = Name(kErrSyntaxInCreateTable);
        if (Accept("UNIQUE")) {
          NameList(kErrSyntaxInCreateTable);
          continue;
        }
        Expect("PRIMARY", kErrSyntaxInCreateTable);
        Expect("KEY", kErrSyntaxInCreateTable);
        if (!d.schema.keyColumns.empty()) RaiseEngineError(kErrPrimaryKeyExists, d.table);
        d.schema.keyName = keyName;
        d.schema.keyColumns = NameList(kErrSyntaxInCreateTable);
      } else {
        d.schema.columns.push_back(ReadColumn(&d.schema));
      }
    } while (AcceptSymbol(","));
    ExpectSymbol(")", kErrSyntaxInCreateTable);
    Finish(kErrSyntaxInCreateTable);
    if (d.schema.columns.empty()) RaiseEngineError(kErrSyntaxInCreateTable);
    return d;
  }

  Definition ReadAlter(Definition& d) {
    if (Accept("ADD")) {
      if (Accept("CONSTRAINT")) {
        d.name = Name(kErrSyntaxInAlterTable);
        Expect("PRIMARY", kErrSyntaxInAlterTable);
        Expect("KEY", kErrSyntaxInAlterTable);
        d.action = Definition::Action::AddKey;
        d.columns = NameList(kErrSyntaxInAlterTable);
      } else {
        Accept("COLUMN");
        d.action = Definition::Action::AddColumn;
        d.column = ReadColumn(nullptr);
      }
    } else if (Accept("DROP")) {
      if (Accept("CONSTRAINT")) {
        d.action = Definition::Action::DropConstraint;
      } else {
        Accept("COLUMN");
        d.action = Definition::Action::DropColumn;
      }
      d.name = Name(kErrSyntaxInAlterTable);
    } else if (Accept("ALTER")) {
      Accept("COLUMN");
      d.action = Definition::Action::AlterColumn;
      d.column = ReadColumn(nullptr);
    } else {
      RaiseEngineError(kErrSyntaxInAlterTable);
    }
    Finish(kErrSyntaxInAlterTable);
    return d;
  }

  Definition ReadCreateIndex(Definition& d) {
    d.action = Definition::Action::CreateIndex;
    d.name = Name(kErrSyntaxInExpression);
    Expect("ON", kErrSyntaxInExpression);
    d.table = Name(kErrSyntaxInExpression);
    d.columns = NameList(kErrSyntaxInExpression);
    if (Accept("WITH")) {
      if (Accept("PRIMARY")) {
        d.action = Definition::Action::AddKey;
      } else if (Accept("DISALLOW") || Accept("IGNORE")) {
        Expect("NULL", kErrSyntaxInExpression);
      } else {
        RaiseEngineError(kErrSyntaxInExpression);
      }
    }
    Finish(kErrSyntaxInExpression);
    return d;
  }

  const std::vector<Token>& tokens_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

}  // namespace

Definition ParseDefinition(const std::vector<Token>& tokens) { return DefinitionReader(tokens).Read(); }

}  // namespace dao
