// jet_check_row: the column rules a stored table's CHECK gives, checked on each
// row written. Built into the layer and into the loadable extension.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dao/errors.h"
#include "platform/dao/row_rules.h"
#include "platform/dao/sqlite_api.h"

namespace dao {
namespace {

constexpr std::size_t kKeptRules = 64;

struct Rule {
  std::string column;
  char kind;  // t text, m memo, b byte, i integer, l long, y yes/no, n other numbers
  int size = 0;
  bool allowZeroLength = false;
};

std::vector<Rule> Decode(const std::string& text) {
  std::vector<Rule> rules;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(kRuleSeparator, start);
    if (end == std::string::npos) end = text.size();
    std::string item = text.substr(start, end - start);
    std::size_t colon = item.rfind(':');
    Rule rule;
    rule.column = item.substr(0, colon);
    rule.kind = item[colon + 1];
    std::size_t pos = colon + 2;
    while (pos < item.size() && item[pos] >= '0' && item[pos] <= '9') rule.size = rule.size * 10 + (item[pos++] - '0');
    rule.allowZeroLength = pos < item.size() && item[pos] == 'z';
    rules.push_back(std::move(rule));
    start = end + 1;
  }
  return rules;
}

long Characters(const unsigned char* text, int bytes) {
  long count = 0;
  for (int i = 0; i < bytes; ++i) count += (text[i] & 0xC0) != 0x80;
  return count;
}

// 0 when the value keeps the rule, else the engine's number.
int Broken(const Rule& rule, sqlite3_value* value) {
  int type = sqlite3_value_type(value);
  if (type == SQLITE_NULL) return 0;
  switch (rule.kind) {
    case 't':
    case 'm': {
      if (type != SQLITE_TEXT) return kErrTypeMismatch;
      int bytes = sqlite3_value_bytes(value);
      if (bytes == 0) return rule.allowZeroLength ? 0 : kErrZeroLength;
      if (rule.kind == 't' && bytes > rule.size && Characters(sqlite3_value_text(value), bytes) > rule.size)
        return kErrFieldTooSmall;
      return 0;
    }
    case 'n': return type == SQLITE_INTEGER || type == SQLITE_FLOAT ? 0 : kErrTypeMismatch;
    case 'y': return type == SQLITE_INTEGER ? 0 : kErrTypeMismatch;
    default: {
      if (type != SQLITE_INTEGER) return kErrTypeMismatch;
      sqlite3_int64 number = sqlite3_value_int64(value);
      sqlite3_int64 low = rule.kind == 'b' ? 0 : rule.kind == 'i' ? -32768 : -2147483648LL;
      sqlite3_int64 high = rule.kind == 'b' ? 255 : rule.kind == 'i' ? 32767 : 2147483647LL;
      return number < low || number > high ? kErrNumericOverflow : 0;
    }
  }
}

// The parsed rules of each rules text. Rows come table after table, so the
// rules used last are compared first; a statement run once per row neither
// parses them again nor looks them up by name.
const std::vector<Rule>& RulesOf(sqlite3_value* text) {
  struct Parsed {
    std::string text;
    std::vector<Rule> rules;
  };
  static thread_local std::vector<std::unique_ptr<Parsed>> parsed;
  static thread_local Parsed* last = nullptr;
  const unsigned char* chars = sqlite3_value_text(text);
  std::string_view rules(chars ? reinterpret_cast<const char*>(chars) : "", sqlite3_value_bytes(text));
  if (last != nullptr && last->text == rules) return last->rules;
  for (const auto& entry : parsed) {
    if (entry->text == rules) {
      last = entry.get();
      return last->rules;
    }
  }
  // Rules texts change only with a table's definition; a long session keeps
  // a bounded few.
  if (parsed.size() >= kKeptRules) parsed.clear();
  parsed.push_back(std::make_unique<Parsed>(Parsed{std::string(rules), Decode(std::string(rules))}));
  last = parsed.back().get();
  return last->rules;
}

// jet_check_row(table, rules, value...).
void CheckRow(sqlite3_context* context, int argc, sqlite3_value** argv) {
  // Called by hand (the sqlite3 shell loads the function too) it may lack both.
  if (argc < 2) return sqlite3_result_error(context, "jet_check_row: table and rules expected", -1);
  const std::vector<Rule>& rules = RulesOf(argv[1]);
  std::size_t count = std::min(rules.size(), static_cast<std::size_t>(argc - 2));
  for (std::size_t i = 0; i < count; ++i) {
    const Rule& rule = rules[i];
    if (int number = Broken(rule, argv[i + 2])) {
      const unsigned char* table = sqlite3_value_text(argv[0]);
      std::string message = "jet:" + std::to_string(number) + ":" +
                            (table ? reinterpret_cast<const char*>(table) : "") + "." + rule.column;
      return sqlite3_result_error(context, message.c_str(), -1);
    }
  }
  sqlite3_result_int(context, 1);
}

}  // namespace

void RegisterRowCheck(sqlite3* db) {
  sqlite3_create_function_v2(db, "jet_check_row", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                             nullptr, CheckRow, nullptr, nullptr, nullptr);
}

}  // namespace dao
