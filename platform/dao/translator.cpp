#include "platform/dao/translator.h"

#include "platform/dao/catalogue.h"
#include "platform/dao/errors.h"
#include "platform/dao/jet_rewrites.h"
#include "platform/dao/select_translator.h"
#include "platform/dao/sql_tree.h"

namespace dao {
namespace {

std::string TableName(const Nodes& nodes, std::size_t at) {
  if (at >= nodes.size() || !nodes[at].IsName()) SyntaxError(at < nodes.size() ? nodes[at].text : "");
  return nodes[at].token.text;
}

// A value headed for a DATE column goes through jet_todate, so that a text such as
// "01/01/1901" is stored as that date and not as text.
void WrapForColumn(Nodes& value, const TableSchema* schema, const std::string& column) {
  const ColumnDef* def = schema ? schema->Column(column) : nullptr;
  if (def == nullptr || def->type != dbDate) return;
  bool number = value.size() == 1 && !value[0].group &&
                (value[0].token.kind == TokenKind::Date || value[0].token.kind == TokenKind::Number);
  if (number) return;
  Nodes wrapped{Leaf("jet_todate", TokenKind::Word), Group(std::move(value))};
  value = std::move(wrapped);
}

// "INSERT INTO t VALUES (a, b)" with fewer values than t has columns fills the
// leading columns, as the engine does; SQLite wants the column list spelt out.
void TranslateInsert(Nodes& nodes, Translation& tr, const Catalogue& catalogue) {
  if (nodes.size() < 3 || !nodes[1].Is("INTO")) SyntaxError("INSERT");
  tr.table = TableName(nodes, 2);
  const TableSchema* schema = catalogue.Find(tr.table);
  std::size_t at = 3;
  std::vector<std::string> columns;
  bool listed = at < nodes.size() && nodes[at].group && !nodes[at].StartsSelect();
  if (listed) {
    for (const auto& node : nodes[at].children) {
      if (node.IsName()) columns.push_back(node.token.text);
    }
    ++at;
  }
  if (at >= nodes.size() || !nodes[at].Is("VALUES")) return;
  if (at + 1 >= nodes.size() || !nodes[at + 1].group) SyntaxError("VALUES");
  std::vector<Nodes> values = SplitByComma(std::move(nodes[at + 1].children));
  if (!listed && schema != nullptr) {
    if (values.size() > schema->columns.size()) RaiseEngineError(kErrValueCountMismatch);
    Nodes list;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (i > 0) list.push_back(Leaf(","));
      list.push_back(Leaf(QuoteName(schema->columns[i].name)));
      columns.push_back(schema->columns[i].name);
    }
    nodes.insert(nodes.begin() + at, Group(std::move(list)));
    ++at;
  }
  for (std::size_t i = 0; i < values.size() && i < columns.size(); ++i) WrapForColumn(values[i], schema, columns[i]);
  nodes[at + 1].children = JoinWithComma(std::move(values));
}

void TranslateUpdate(Nodes& nodes, Translation& tr, const Catalogue& catalogue) {
  tr.table = TableName(nodes, 1);
  std::size_t set = FindWord(nodes, 2, {"SET"});
  if (set >= nodes.size()) SyntaxError("UPDATE");
  std::size_t end = FindWord(nodes, set + 1, {"WHERE"});
  Nodes assignments(std::make_move_iterator(nodes.begin() + set + 1), std::make_move_iterator(nodes.begin() + end));
  std::vector<Nodes> items = SplitByComma(std::move(assignments));
  const TableSchema* schema = catalogue.Find(tr.table);
  for (auto& item : items) {
    std::size_t equals = 0;
    while (equals < item.size() && !item[equals].IsSymbol("=")) ++equals;
    if (equals == 0 || equals >= item.size()) SyntaxError("SET");
    Nodes value(std::make_move_iterator(item.begin() + equals + 1), std::make_move_iterator(item.end()));
    WrapForColumn(value, schema, item[equals - 1].token.text);
    item.resize(equals + 1);
    for (auto& node : value) item.push_back(std::move(node));
  }
  Nodes joined = JoinWithComma(std::move(items));
  nodes.erase(nodes.begin() + set + 1, nodes.begin() + end);
  nodes.insert(nodes.begin() + set + 1, std::make_move_iterator(joined.begin()), std::make_move_iterator(joined.end()));
}

// "DELETE * FROM t" and "DELETE t.* FROM t" are "DELETE FROM t".
void TranslateDelete(Nodes& nodes, Translation& tr) {
  std::size_t from = FindWord(nodes, 1, {"FROM"});
  if (from >= nodes.size()) SyntaxError("DELETE");
  nodes.erase(nodes.begin() + 1, nodes.begin() + from);
  tr.table = TableName(nodes, 2);
}

}  // namespace

StatementKind KindOf(const std::vector<Token>& tokens) {
  std::size_t i = 0;
  while (i < tokens.size() && tokens[i].IsSymbol("(")) ++i;
  if (i < tokens.size()) {
    const Token& first = tokens[i];
    if (first.Is("SELECT")) return StatementKind::Select;
    if (i == 0) {
      if (first.Is("INSERT")) return StatementKind::Insert;
      if (first.Is("UPDATE")) return StatementKind::Update;
      if (first.Is("DELETE")) return StatementKind::Delete;
      bool index = tokens.size() > 2 && (tokens[1].Is("INDEX") || tokens[2].Is("INDEX"));
      if (first.Is("CREATE")) return index ? StatementKind::CreateIndex : StatementKind::CreateTable;
      if (first.Is("DROP")) return index ? StatementKind::DropIndex : StatementKind::DropTable;
      if (first.Is("ALTER")) return StatementKind::AlterTable;
    }
  }
  RaiseEngineError(kErrInvalidSql);
}

bool IsDefinition(StatementKind kind) {
  return kind == StatementKind::CreateTable || kind == StatementKind::CreateIndex ||
         kind == StatementKind::AlterTable || kind == StatementKind::DropTable ||
         kind == StatementKind::DropIndex;
}

Translation TranslateStatement(std::vector<Token> tokens, const Catalogue& catalogue, bool withRowid) {
  while (!tokens.empty() && tokens.back().IsSymbol(";")) tokens.pop_back();
  Translation tr;
  tr.kind = KindOf(tokens);
  Nodes nodes = ParseTree(tokens);
  RenameFunctions(nodes);
  RewriteConcat(nodes);
  ConvertArithmeticOperands(nodes);
  UnwrapUnionMembers(nodes);
  switch (tr.kind) {
    case StatementKind::Select: TranslateSelect(nodes, tr, catalogue, withRowid); break;
    case StatementKind::Insert: TranslateInsert(nodes, tr, catalogue); break;
    case StatementKind::Update: TranslateUpdate(nodes, tr, catalogue); break;
    case StatementKind::Delete: TranslateDelete(nodes, tr); break;
    default: break;
  }
  CollateOrderBy(nodes);
  Emit(nodes, tr.sql);
  return tr;
}

}  // namespace dao
