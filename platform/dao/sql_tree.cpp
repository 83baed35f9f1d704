#include "platform/dao/sql_tree.h"

#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/dao/schema.h"
#include "platform/vb/conv.h"
#include "platform/vb/sql.h"

namespace dao {
namespace {

std::string Parameter(int param) { return "?" + std::to_string(param + 1); }

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
      return (token.param >= 0 ? Parameter(token.param) : vb::SqlText(token.text)) + " COLLATE JET";
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

}  // namespace

Node Leaf(std::string text, TokenKind kind) {
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

Nodes ParseTree(const std::vector<Token>& tokens) {
  std::size_t i = 0;
  return Parse(tokens, i, false);
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

}  // namespace dao
