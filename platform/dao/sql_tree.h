#pragma once
// A Jet statement as a tree of parenthesised groups.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/dao/tokenizer.h"

namespace dao {

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

Node Leaf(std::string text, TokenKind kind = TokenKind::Symbol);
Node Group(Nodes children);
[[noreturn]] void SyntaxError(const std::string& where);

// The tree of `tokens`, each leaf already written as SQLite takes it: literals as
// their bound parameters, [names] as "names", True and False as -1 and 0, Mod as %.
Nodes ParseTree(const std::vector<Token>& tokens);
void Emit(const Nodes& nodes, std::string& out);

std::vector<Nodes> SplitByComma(Nodes nodes);
Nodes JoinWithComma(std::vector<Nodes> items);
std::size_t FindWord(const Nodes& nodes, std::size_t from, std::initializer_list<const char*> words);
// A name followed by a group: a function call.
bool IsCall(const Nodes& nodes, std::size_t i);

// The engine's functions the layer gives as its own jet_* functions, with the
// field type of what they return (0: the type of the value they pass on).
struct JetFunction {
  const char* name;
  const char* sqlite;
  int type;
};
const JetFunction* FindFunction(const std::string& upper);

}  // namespace dao
