#include "platform/dao/select_translator.h"

#include "platform/dao/catalogue.h"
#include "platform/dao/constants.h"

namespace dao {
namespace {

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

}  // namespace

void TranslateSelect(Nodes& nodes, Translation& translation, const Catalogue& catalogue, bool withRowid) {
  SelectTranslator(nodes, translation, catalogue).Run(withRowid);
}

}  // namespace dao
