#include "platform/dao/jet_rewrites.h"

#include <set>

namespace dao {
namespace {

bool IsSqlKeyword(const Token& token) {
  static const std::set<std::string> kWords = {
      "AND", "OR", "NOT", "XOR", "EQV", "IMP", "LIKE", "IS", "IN", "BETWEEN", "SELECT", "FROM",
      "WHERE", "GROUP", "BY", "HAVING", "ORDER", "AS", "ON", "JOIN", "INNER", "OUTER", "CROSS",
      "UNION", "ALL", "DISTINCT", "DISTINCTROW", "TOP", "SET", "VALUES", "INTO", "ASC", "DESC",
      "INSERT", "UPDATE", "DELETE", "EXISTS", "LIMIT"};
  return token.kind == TokenKind::Word && kWords.count(token.upper) > 0;
}

// Tokens that end an operand of `&`: it binds more loosely than arithmetic and more
// tightly than comparison, so "'a' & 1 + 2" is "a3" and "x = 'a' & b" compares x.
bool IsOperandBoundary(const Nodes& nodes, std::size_t i) {
  static const std::set<std::string> kSymbols = {",", "=", "<>", "<", ">", "<=", ">=", "!=", ";"};
  const Node& node = nodes[i];
  if (node.group) return false;
  if (node.token.kind == TokenKind::Symbol) return kSymbols.count(node.token.text) > 0;
  if (node.token.kind != TokenKind::Word) return false;
  if (node.token.upper == "LEFT" || node.token.upper == "RIGHT") return !IsCall(nodes, i);
  return IsSqlKeyword(node.token);
}

bool IsKeyword(const Node& node) { return !node.group && IsSqlKeyword(node.token); }

// A value an operator may stand beside: a literal, a name, a call's or a
// parenthesis' group.
bool IsOperand(const Node& node) {
  if (node.group) return true;
  return node.token.IsLiteral() || (node.token.IsName() && !IsKeyword(node));
}

bool IsArithmetic(const Node& node) {
  return node.IsSymbol("*") || node.IsSymbol("/") || node.IsSymbol("-") || node.Is("MOD");
}

bool IsQualifier(const Node& node) { return node.IsSymbol(".") || node.IsSymbol("!"); }

bool IsFunctionCall(const Nodes& nodes, std::size_t i) { return IsCall(nodes, i) && !IsKeyword(nodes[i]); }

// The first node of the operand that ends at `last`: a call's name, a qualified
// name's table.
std::size_t OperandStart(const Nodes& nodes, std::size_t last) {
  std::size_t start = last;
  if (nodes[start].group && start > 0 && IsFunctionCall(nodes, start - 1)) --start;
  while (start >= 2 && IsQualifier(nodes[start - 1]) && nodes[start - 2].IsName()) start -= 2;
  return start;
}

// One past the last node of the operand that begins at `first`.
std::size_t OperandEnd(const Nodes& nodes, std::size_t first) {
  if (IsFunctionCall(nodes, first)) return first + 2;
  std::size_t end = first + 1;
  while (end + 1 < nodes.size() && IsQualifier(nodes[end]) && nodes[end + 1].IsName()) end += 2;
  return end;
}

// Wraps nodes [first, end) in jet_num( ) unless they are a number or date
// literal or already wrapped; answers where the operand now ends.
std::size_t WrapNumber(Nodes& nodes, std::size_t first, std::size_t end) {
  const Node& head = nodes[first];
  bool literal = end - first == 1 && !head.group &&
                 (head.token.kind == TokenKind::Number || head.token.kind == TokenKind::Date);
  if (literal || (end - first == 2 && head.Is("JET_NUM"))) return end;
  Nodes operand(std::make_move_iterator(nodes.begin() + first), std::make_move_iterator(nodes.begin() + end));
  nodes.erase(nodes.begin() + first, nodes.begin() + end);
  nodes.insert(nodes.begin() + first, Leaf("jet_num", TokenKind::Word));
  nodes.insert(nodes.begin() + first + 1, Group(std::move(operand)));
  return first + 2;
}

void AppendUnwrapped(Node& group, Nodes& out) {
  if (group.children.size() == 1 && group.children[0].StartsSelect()) {
    AppendUnwrapped(group.children[0], out);
    return;
  }
  for (auto& child : group.children) out.push_back(std::move(child));
}

}  // namespace

void RenameFunctions(Nodes& nodes) {
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].group) {
      RenameFunctions(nodes[i].children);
    } else if (IsCall(nodes, i)) {
      if (const JetFunction* f = FindFunction(nodes[i].token.upper)) nodes[i].text = f->sqlite;
    }
  }
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

// The engine converts a text in arithmetic as the runtime's CDbl does, with the
// regional settings, so "1,234.50" * 1 is 1234.5; SQLite would read only the
// leading digits and give 1. `+` is left alone: between two texts the engine
// joins them, and the module adds no texts.
void ConvertArithmeticOperands(Nodes& nodes) {
  for (auto& node : nodes) {
    if (node.group) ConvertArithmeticOperands(node.children);
  }
  for (std::size_t i = 1; i + 1 < nodes.size(); ++i) {
    if (!IsArithmetic(nodes[i]) || !IsOperand(nodes[i - 1]) || !IsOperand(nodes[i + 1])) continue;
    WrapNumber(nodes, i + 1, OperandEnd(nodes, i + 1));
    std::size_t start = OperandStart(nodes, i - 1);
    i = WrapNumber(nodes, start, i);
  }
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

}  // namespace dao
