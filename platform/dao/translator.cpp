#include "platform/dao/translator.h"

#include <algorithm>
#include <set>

#include "platform/dao/catalogue.h"
#include "platform/dao/errors.h"
#include "platform/vb/conv.h"

namespace dao {
namespace {

// The statement as a tree: a group is what stands between a pair of parentheses, so
// every rewrite can work one level at a time and treat a group as one operand.
struct Node {
  bool group = false;
  Token token;
  std::string text;
  std::vector<Node> children;

  bool Is(std::string_view word) const { return !group && token.Is(word); }
  bool IsSymbol(std::string_view symbol) const { return !group && token.IsSymbol(symbol); }
  bool IsName() const { return !group && token.IsName(); }
  bool StartsSelect() const {
    return group && !children.empty() && (children[0].Is("SELECT") || children[0].StartsSelect());
  }
};
using Nodes = std::vector<Node>;

Node Leaf(std::string text, TokenKind kind = TokenKind::Symbol) {
  Node node;
  node.token.kind = kind;
  node.token.text = text;
  if (kind == TokenKind::Word) node.token.upper = AsciiUpper(text);
  node.text = std::move(text);
  return node;
}

Node Group(Nodes children) {
  Node node;
  node.group = true;
  node.children = std::move(children);
  return node;
}

[[noreturn]] void SyntaxError(const std::string& where) { RaiseEngineError(kErrSyntaxInExpression, where); }

std::string Parameter(int param) { return "?" + std::to_string(param + 1); }

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted + "'";
}

std::string LeafText(const Token& token) {
  switch (token.kind) {
    case TokenKind::Word:
      if (token.upper == "TRUE") return "-1";
      if (token.upper == "FALSE") return "0";
      if (token.upper == "MOD") return "%";
      return token.text;
    case TokenKind::QuotedName: return QuoteName(token.text);
    case TokenKind::String:
      // Literals compare as the engine compares text, whatever the other side is.
      return (token.param >= 0 ? Parameter(token.param) : Quoted(token.text)) + " COLLATE JET";
    case TokenKind::Number: return token.param >= 0 ? Parameter(token.param) : token.text;
    case TokenKind::Date:
      return token.param >= 0 ? Parameter(token.param) : vb::NumberText(DateLiteralSerial(token.text));
    case TokenKind::Symbol:
      if (token.text == "!") return ".";
      if (token.text == "\\" || token.text == "^") SyntaxError(token.text);
      return token.text;
  }
  return token.text;
}

Nodes Parse(const std::vector<Token>& tokens, std::size_t& i, bool nested) {
  Nodes nodes;
  while (i < tokens.size()) {
    const Token& token = tokens[i++];
    if (token.IsSymbol("(")) {
      nodes.push_back(Group(Parse(tokens, i, true)));
    } else if (token.IsSymbol(")")) {
      if (!nested) SyntaxError(")");
      return nodes;
    } else {
      Node leaf;
      leaf.token = token;
      leaf.text = LeafText(token);
      nodes.push_back(std::move(leaf));
    }
  }
  if (nested) SyntaxError("(");
  return nodes;
}

struct JetFunction {
  const char* name;
  const char* sqlite;
  int type;
};

constexpr JetFunction kFunctions[] = {
    {"MID", "jet_mid", dbText},         {"MID$", "jet_mid", dbText},
    {"LEFT", "jet_left", dbText},       {"LEFT$", "jet_left", dbText},
    {"RIGHT", "jet_right", dbText},     {"RIGHT$", "jet_right", dbText},
    {"LEN", "jet_len", dbLong},         {"TRIM", "jet_trim", dbText},
    {"TRIM$", "jet_trim", dbText},      {"LTRIM", "jet_ltrim", dbText},
    {"LTRIM$", "jet_ltrim", dbText},    {"RTRIM", "jet_rtrim", dbText},
    {"RTRIM$", "jet_rtrim", dbText},    {"UCASE", "jet_ucase", dbText},
    {"UCASE$", "jet_ucase", dbText},    {"LCASE", "jet_lcase", dbText},
    {"LCASE$", "jet_lcase", dbText},    {"INSTR", "jet_instr", dbLong},
    {"VAL", "jet_val", dbDouble},       {"IIF", "jet_iif", 0},
    {"ISNULL", "jet_isnull", dbBoolean}, {"NZ", "jet_nz", 0},
    {"FORMAT", "jet_format", dbText},   {"FORMAT$", "jet_format", dbText},
    {"CSTR", "jet_cstr", dbText},       {"CINT", "jet_cint", dbInteger},
    {"CLNG", "jet_clng", dbLong},       {"CBYTE", "jet_cbyte", dbByte},
    {"CSNG", "jet_csng", dbSingle},     {"CDBL", "jet_cdbl", dbDouble},
    {"CCUR", "jet_ccur", dbCurrency},   {"CDATE", "jet_cdate", dbDate},
    {"CVDATE", "jet_cdate", dbDate},    {"CBOOL", "jet_cbool", dbBoolean},
    {"STR", "jet_str", dbText},         {"STR$", "jet_str", dbText},
    {"SPACE", "jet_space", dbText},     {"SPACE$", "jet_space", dbText},
    {"DATE", "jet_date", dbDate},       {"NOW", "jet_now", dbDate},
    {"YEAR", "jet_year", dbInteger},    {"MONTH", "jet_month", dbInteger},
    {"DAY", "jet_day", dbInteger},      {"HOUR", "jet_hour", dbInteger},
    {"MINUTE", "jet_minute", dbInteger}, {"SECOND", "jet_second", dbInteger},
    {"WEEKDAY", "jet_weekday", dbInteger}, {"JET_CONCAT", "jet_concat", dbText},
};

const JetFunction* FindFunction(const std::string& upper) {
  for (const auto& f : kFunctions) {
    if (upper == f.name) return &f;
  }
  return nullptr;
}

bool IsCall(const Nodes& nodes, std::size_t i) {
  return i + 1 < nodes.size() && !nodes[i].group && nodes[i].token.kind == TokenKind::Word &&
         nodes[i + 1].group;
}

void RenameFunctions(Nodes& nodes) {
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].group) {
      RenameFunctions(nodes[i].children);
    } else if (IsCall(nodes, i)) {
      if (const JetFunction* f = FindFunction(nodes[i].token.upper)) nodes[i].text = f->sqlite;
    }
  }
}

// Tokens that end an operand of `&`: it binds more loosely than arithmetic and more
// tightly than comparison, so "'a' & 1 + 2" is "a3" and "x = 'a' & b" compares x.
bool IsOperandBoundary(const Nodes& nodes, std::size_t i) {
  static const std::set<std::string> kWords = {
      "AND", "OR", "NOT", "XOR", "EQV", "IMP", "LIKE", "IS", "IN", "BETWEEN", "SELECT", "FROM",
      "WHERE", "GROUP", "BY", "HAVING", "ORDER", "AS", "ON", "JOIN", "INNER", "OUTER", "CROSS",
      "UNION", "ALL", "DISTINCT", "DISTINCTROW", "TOP", "SET", "VALUES", "INTO", "ASC", "DESC",
      "INSERT", "UPDATE", "DELETE", "EXISTS", "LIMIT"};
  static const std::set<std::string> kSymbols = {",", "=", "<>", "<", ">", "<=", ">=", "!=", ";"};
  const Node& node = nodes[i];
  if (node.group) return false;
  if (node.token.kind == TokenKind::Symbol) return kSymbols.count(node.token.text) > 0;
  if (node.token.kind != TokenKind::Word) return false;
  if (node.token.upper == "LEFT" || node.token.upper == "RIGHT") return !IsCall(nodes, i);
  return kWords.count(node.token.upper) > 0;
}

// `a & b & c` becomes jet_concat(a, b, c): SQLite's own & is a bitwise AND, which
// would silently turn every concatenation into a number.
void RewriteConcat(Nodes& nodes) {
  for (auto& node : nodes) {
    if (node.group) RewriteConcat(node.children);
  }
  Nodes out;
  std::size_t i = 0;
  while (i < nodes.size()) {
    if (IsOperandBoundary(nodes, i)) {
      out.push_back(std::move(nodes[i++]));
      continue;
    }
    std::size_t end = i;
    bool concat = false;
    while (end < nodes.size() && !IsOperandBoundary(nodes, end)) concat |= nodes[end++].IsSymbol("&");
    if (!concat) {
      for (; i < end; ++i) out.push_back(std::move(nodes[i]));
      continue;
    }
    Nodes arguments;
    Nodes operand;
    for (; i < end; ++i) {
      if (nodes[i].IsSymbol("&")) {
        if (operand.empty()) SyntaxError("&");
        for (auto& part : operand) arguments.push_back(std::move(part));
        arguments.push_back(Leaf(","));
        operand.clear();
      } else {
        operand.push_back(std::move(nodes[i]));
      }
    }
    if (operand.empty()) SyntaxError("&");
    for (auto& part : operand) arguments.push_back(std::move(part));
    out.push_back(Leaf("jet_concat", TokenKind::Word));
    out.push_back(Group(std::move(arguments)));
  }
  nodes = std::move(out);
}

void AppendUnwrapped(Node& group, Nodes& out) {
  if (group.children.size() == 1 && group.children[0].StartsSelect()) {
    AppendUnwrapped(group.children[0], out);
    return;
  }
  for (auto& child : group.children) out.push_back(std::move(child));
}

// "SELECT ... UNION (SELECT ...)": SQLite takes the members of a UNION without
// parentheses.
void UnwrapUnionMembers(Nodes& nodes) {
  Nodes out;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    std::size_t n = out.size();
    bool member = nodes[i].StartsSelect() &&
                  (i == 0 || out[n - 1].Is("UNION") || (n >= 2 && out[n - 1].Is("ALL") && out[n - 2].Is("UNION")));
    if (member) {
      AppendUnwrapped(nodes[i], out);
    } else {
      out.push_back(std::move(nodes[i]));
    }
  }
  nodes = std::move(out);
}

std::vector<Nodes> SplitByComma(Nodes nodes) {
  std::vector<Nodes> items(1);
  for (auto& node : nodes) {
    if (node.IsSymbol(",")) {
      items.emplace_back();
    } else {
      items.back().push_back(std::move(node));
    }
  }
  if (items.size() == 1 && items[0].empty()) items.clear();
  return items;
}

Nodes JoinWithComma(std::vector<Nodes> items) {
  Nodes nodes;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) nodes.push_back(Leaf(","));
    for (auto& node : items[i]) nodes.push_back(std::move(node));
  }
  return nodes;
}

std::size_t FindWord(const Nodes& nodes, std::size_t from, std::initializer_list<const char*> words) {
  for (std::size_t i = from; i < nodes.size(); ++i) {
    for (const char* word : words) {
      if (nodes[i].Is(word)) return i;
    }
  }
  return nodes.size();
}

// Every ORDER BY term sorts text as the engine does.
void CollateOrderBy(Nodes& nodes) {
  std::size_t order = 0;
  while (order + 1 < nodes.size() && !(nodes[order].Is("ORDER") && nodes[order + 1].Is("BY"))) ++order;
  if (order + 1 >= nodes.size()) return;
  std::size_t end = FindWord(nodes, order + 2, {"LIMIT"});
  Nodes terms(std::make_move_iterator(nodes.begin() + order + 2), std::make_move_iterator(nodes.begin() + end));
  std::vector<Nodes> items = SplitByComma(std::move(terms));
  for (auto& item : items) {
    std::size_t at = item.size();
    if (!item.empty() && (item.back().Is("ASC") || item.back().Is("DESC"))) --at;
    item.insert(item.begin() + at, Leaf("COLLATE JET"));
  }
  Nodes joined = JoinWithComma(std::move(items));
  nodes.erase(nodes.begin() + order + 2, nodes.begin() + end);
  nodes.insert(nodes.begin() + order + 2, std::make_move_iterator(joined.begin()),
               std::make_move_iterator(joined.end()));
}

struct TableRef {
  std::string name;
  std::string alias;
};

bool IsJoinWord(const Node& node) {
  return node.Is("INNER") || node.Is("LEFT") || node.Is("RIGHT") || node.Is("OUTER") ||
         node.Is("CROSS") || node.Is("FULL");
}

bool EndsFrom(const Node& node) {
  return node.Is("WHERE") || node.Is("GROUP") || node.Is("ORDER") || node.Is("HAVING") ||
         node.Is("UNION") || node.Is("LIMIT");
}

void CollectTables(const Nodes& nodes, std::size_t from, std::vector<TableRef>& refs, bool& joined) {
  bool expectTable = true;
  bool inCondition = false;
  for (std::size_t i = from; i < nodes.size() && !EndsFrom(nodes[i]); ++i) {
    const Node& node = nodes[i];
    if (node.IsSymbol(",") || node.Is("JOIN")) {
      expectTable = true;
      inCondition = false;
      joined = true;
    } else if (node.Is("ON")) {
      inCondition = true;
    } else if (inCondition || IsJoinWord(node)) {
      continue;
    } else if (expectTable && node.group) {
      if (node.StartsSelect()) refs.push_back({});
      else CollectTables(node.children, 0, refs, joined);
      joined = true;
      expectTable = false;
    } else if (expectTable && node.IsName()) {
      TableRef ref{node.token.text, {}};
      std::size_t next = i + 1;
      if (next < nodes.size() && nodes[next].Is("AS")) ++next;
      if (next < nodes.size() && nodes[next].IsName() && !EndsFrom(nodes[next]) &&
          !nodes[next].Is("ON") && !nodes[next].Is("JOIN") && !IsJoinWord(nodes[next])) {
        ref.alias = nodes[next].token.text;
        i = next;
      }
      refs.push_back(ref);
      expectTable = false;
    }
  }
}

class TypeInference {
 public:
  TypeInference(const Catalogue& catalogue, std::vector<TableRef> refs)
      : catalogue_(catalogue), refs_(std::move(refs)) {}

  int Of(const Nodes& expr) const {
    if (expr.size() == 1) return OfSingle(expr[0]);
    if (expr.size() == 3 && expr[0].IsName() && expr[1].IsSymbol(".") && expr[2].IsName())
      return Column(expr[0].token.text, expr[2].token.text);
    if (expr.size() == 2 && IsCall(expr, 0)) return OfCall(expr[0].token.upper, expr[1].children);
    bool arithmetic = false;
    for (const auto& node : expr) {
      if (node.IsSymbol("=") || node.IsSymbol("<>") || node.IsSymbol("<") || node.IsSymbol(">") ||
          node.IsSymbol("<=") || node.IsSymbol(">=") || node.Is("AND") || node.Is("OR") ||
          node.Is("NOT") || node.Is("LIKE") || node.Is("IS"))
        return dbBoolean;
      arithmetic |= node.IsSymbol("+") || node.IsSymbol("-") || node.IsSymbol("*") ||
                    node.IsSymbol("/") || node.IsSymbol("%");
    }
    return arithmetic ? dbDouble : 0;
  }

 private:
  int OfSingle(const Node& node) const {
    if (node.group) return node.StartsSelect() ? OfSubquery(node) : Of(node.children);
    switch (node.token.kind) {
      case TokenKind::String: return dbText;
      case TokenKind::Date: return dbDate;
      case TokenKind::Number: return 0;
      case TokenKind::Word:
        if (node.token.upper == "TRUE" || node.token.upper == "FALSE") return dbBoolean;
        if (node.token.upper == "NULL") return 0;
        [[fallthrough]];
      case TokenKind::QuotedName: return Column({}, node.token.text);
      default: return 0;
    }
  }

  int OfCall(const std::string& name, const Nodes& arguments) const {
    if (name == "COUNT") return dbLong;
    if (name == "AVG") return dbDouble;
    if (name == "SUM" || name == "MIN" || name == "MAX" || name == "FIRST" || name == "LAST") {
      int type = Of(arguments);
      if (name == "SUM" && (type == dbByte || type == dbInteger)) return dbLong;
      return type;
    }
    const JetFunction* f = FindFunction(name);
    return f ? f->type : 0;
  }

  int OfSubquery(const Node& node) const {
    const Nodes* inner = &node.children;
    while (inner->size() == 1 && (*inner)[0].StartsSelect()) inner = &(*inner)[0].children;
    std::size_t from = FindWord(*inner, 0, {"FROM"});
    Nodes first;
    for (std::size_t i = 1; i < from && !(*inner)[i].IsSymbol(","); ++i) first.push_back((*inner)[i]);
    if (first.size() > 2 && first[first.size() - 2].Is("AS")) first.resize(first.size() - 2);
    std::vector<TableRef> refs;
    bool joined = false;
    if (from < inner->size()) CollectTables(*inner, from + 1, refs, joined);
    refs.insert(refs.end(), refs_.begin(), refs_.end());
    return TypeInference(catalogue_, refs).Of(first);
  }

  int Column(const std::string& qualifier, const std::string& column) const {
    for (const auto& ref : refs_) {
      if (!qualifier.empty() && !EqualsNoCase(qualifier, ref.alias) && !EqualsNoCase(qualifier, ref.name))
        continue;
      const TableSchema* schema = catalogue_.Find(ref.name);
      if (const ColumnDef* def = schema ? schema->Column(column) : nullptr) return def->type;
    }
    return 0;
  }

  const Catalogue& catalogue_;
  std::vector<TableRef> refs_;
};

bool IsAggregateCall(const Nodes& item) {
  for (std::size_t i = 0; i < item.size(); ++i) {
    if (IsCall(item, i)) {
      const std::string& name = item[i].token.upper;
      if (name == "COUNT" || name == "SUM" || name == "MIN" || name == "MAX" || name == "AVG") return true;
    }
  }
  return false;
}

bool IsColumnReference(const Nodes& item) {
  if (item.size() == 1) return item[0].IsName() || item[0].IsSymbol("*");
  return item.size() == 3 && item[0].IsName() && item[1].IsSymbol(".") &&
         (item[2].IsName() || item[2].IsSymbol("*"));
}

class SelectTranslator {
 public:
  SelectTranslator(Nodes& nodes, Translation& translation, const Catalogue& catalogue)
      : nodes_(nodes), tr_(translation), catalogue_(catalogue) {}

  void Run(bool withRowid) {
    std::size_t list = SkipQuantifiers();
    std::size_t end = FindWord(nodes_, list, {"FROM", "INTO", "UNION"});
    if (end < nodes_.size() && nodes_[end].Is("INTO")) end = TakeInto(end);
    std::vector<TableRef> refs;
    bool joined = false;
    std::size_t from = FindWord(nodes_, end, {"FROM"});
    if (from < nodes_.size()) CollectTables(nodes_, from + 1, refs, joined);
    Nodes listNodes(std::make_move_iterator(nodes_.begin() + list), std::make_move_iterator(nodes_.begin() + end));
    std::vector<Nodes> items = SplitByComma(std::move(listNodes));
    bool aggregate = false;
    TypeInference infer(catalogue_, refs);
    for (std::size_t i = 0; i < items.size(); ++i) {
      aggregate |= IsAggregateCall(items[i]);
      NameItem(items[i], i, infer);
    }
    bool simple = refs.size() == 1 && !joined && !refs[0].name.empty() && !aggregate && !distinct_ &&
                  FindWord(nodes_, 0, {"UNION", "GROUP"}) == nodes_.size();
    if (withRowid && simple && tr_.kind == StatementKind::Select) {
      Nodes rowid{Leaf(QuoteName(refs[0].alias.empty() ? refs[0].name : refs[0].alias)), Leaf("."),
                  Leaf("rowid"), Leaf("AS"), Leaf("\"__dao_rowid\"")};
      items.insert(items.begin(), std::move(rowid));
      tr_.updatable = true;
      tr_.table = refs[0].name;
    }
    Nodes joinedList = JoinWithComma(std::move(items));
    nodes_.erase(nodes_.begin() + list, nodes_.begin() + end);
    nodes_.insert(nodes_.begin() + list, std::make_move_iterator(joinedList.begin()),
                  std::make_move_iterator(joinedList.end()));
    if (!limit_.empty()) {
      nodes_.push_back(Leaf("LIMIT"));
      nodes_.push_back(Leaf(limit_));
    }
  }

 private:
  std::size_t SkipQuantifiers() {
    std::size_t i = 1;
    while (i < nodes_.size()) {
      if (nodes_[i].Is("DISTINCTROW")) {
        nodes_.erase(nodes_.begin() + i);
      } else if (nodes_[i].Is("DISTINCT") || nodes_[i].Is("ALL")) {
        distinct_ |= nodes_[i].Is("DISTINCT");
        ++i;
      } else if (nodes_[i].Is("TOP") && i + 1 < nodes_.size() && !nodes_[i + 1].group) {
        limit_ = nodes_[i + 1].token.text;
        nodes_.erase(nodes_.begin() + i, nodes_.begin() + i + 2);
        if (i < nodes_.size() && nodes_[i].Is("PERCENT")) SyntaxError("PERCENT");
      } else {
        break;
      }
    }
    return i;
  }

  // "SELECT ... INTO table FROM ...": the statement makes a table of its result.
  std::size_t TakeInto(std::size_t into) {
    if (into + 1 >= nodes_.size() || !nodes_[into + 1].IsName()) SyntaxError("INTO");
    tr_.kind = StatementKind::SelectInto;
    tr_.table = nodes_[into + 1].token.text;
    nodes_.erase(nodes_.begin() + into, nodes_.begin() + into + 2);
    return into;
  }

  // An expression without a name is called Expr1000, Expr1001, ... by its place.
  void NameItem(Nodes& item, std::size_t index, const TypeInference& infer) {
    ColumnHint hint;
    Nodes expr = item;
    if (item.size() > 2 && item[item.size() - 2].Is("AS")) {
      hint.name = item.back().token.text;
      expr.resize(expr.size() - 2);
    } else if (IsColumnReference(item)) {
      if (item.back().IsSymbol("*")) return;
      hint.name = item.back().token.text;
    } else {
      hint.name = "Expr" + std::to_string(1000 + index);
      item.push_back(Leaf("AS"));
      item.push_back(Leaf(QuoteName(hint.name)));
    }
    hint.type = infer.Of(expr);
    tr_.hints.push_back(hint);
  }

  Nodes& nodes_;
  Translation& tr_;
  const Catalogue& catalogue_;
  bool distinct_ = false;
  std::string limit_;
};

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

void Emit(const Nodes& nodes, std::string& out) {
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const Node& node = nodes[i];
    bool dot = !node.group && node.text == ".";
    bool afterDot = i > 0 && !nodes[i - 1].group && nodes[i - 1].text == ".";
    if (!out.empty() && out.back() != '(' && !dot && !afterDot) out += ' ';
    if (node.group) {
      out += '(';
      Emit(node.children, out);
      out += ')';
    } else {
      out += node.text;
    }
  }
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
  std::size_t i = 0;
  Nodes nodes = Parse(tokens, i, false);
  RenameFunctions(nodes);
  RewriteConcat(nodes);
  UnwrapUnionMembers(nodes);
  switch (tr.kind) {
    case StatementKind::Select: SelectTranslator(nodes, tr, catalogue).Run(withRowid); break;
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
