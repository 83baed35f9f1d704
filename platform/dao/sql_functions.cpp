#include "platform/dao/sql_functions.h"

#include <sqlite3.h>

#include <string>

#include "platform/dao/errors.h"
#include "platform/dao/jet_value.h"
#include "platform/dao/row_rules.h"
#include "platform/vb/conv.h"
#include "platform/vb/date.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace dao {
namespace {

using Args = sqlite3_value**;

bool IsNull(sqlite3_value* value) { return sqlite3_value_type(value) == SQLITE_NULL; }

// A runtime failure inside a function goes back through SQLite as "jet:N:" and is
// raised by the statement with the number N; a type mismatch is the engine's 3464.
void ReportError(sqlite3_context* context, int number) {
  if (number == 13) number = kErrTypeMismatch;
  std::string message = "jet:" + std::to_string(number) + ":";
  sqlite3_result_error(context, message.c_str(), -1);
}

template <typename F>
void Guarded(sqlite3_context* context, F body) {
  try {
    body();
  } catch (const vb::Error& error) {
    ReportError(context, error.Number());
  } catch (const std::exception&) {
    ReportError(context, kErrReserved);
  }
}

std::string TextOf(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER: return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT: return vb::NumberText(sqlite3_value_double(value));
    default: {
      const unsigned char* text = sqlite3_value_text(value);
      return std::string(reinterpret_cast<const char*>(text), sqlite3_value_bytes(value));
    }
  }
}

long long WholeOf(sqlite3_value* value) {
  if (IsNull(value)) vb::Raise(94);
  return ValueOf(value).ToLong();
}

vb::Date DateOf(sqlite3_value* value) {
  if (sqlite3_value_type(value) == SQLITE_TEXT) return vb::ParseDate(TextOf(value));
  return vb::Date{sqlite3_value_double(value)};
}

void ResultText(sqlite3_context* context, const std::string& text) {
  sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// The text functions count characters, never bytes, through the runtime's own.
void Mid(sqlite3_context* context, int argc, Args argv) {
  Guarded(context, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(context);
    std::string text = TextOf(argv[0]);
    long start = static_cast<long>(WholeOf(argv[1]));
    ResultText(context, argc > 2 ? vb::Mid(text, start, static_cast<long>(WholeOf(argv[2])))
                                 : vb::Mid(text, start));
  });
}

template <std::string (*Take)(const std::string&, long)>
void Slice(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(context);
    ResultText(context, Take(TextOf(argv[0]), static_cast<long>(WholeOf(argv[1]))));
  });
}

void Len(sqlite3_context* context, int, Args argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(context);
  sqlite3_result_int64(context, vb::Len(TextOf(argv[0])));
}

template <std::string (*Map)(const std::string&)>
void TextMap(sqlite3_context* context, int, Args argv) {
  if (IsNull(argv[0])) return sqlite3_result_null(context);
  ResultText(context, Map(TextOf(argv[0])));
}

// Text compared as the engine compares it in queries: without regard to case.
void InStr(sqlite3_context* context, int argc, Args argv) {
  Guarded(context, [&] {
    int first = argc >= 3 ? 1 : 0;
    long start = argc >= 3 ? static_cast<long>(WholeOf(argv[0])) : 1;
    if (IsNull(argv[first]) || IsNull(argv[first + 1])) return sqlite3_result_null(context);
    sqlite3_result_int64(context, vb::InStr(start, TextOf(argv[first]), TextOf(argv[first + 1]),
                                            vb::vbTextCompare));
  });
}

void Val(sqlite3_context* context, int, Args argv) {
  int type = sqlite3_value_type(argv[0]);
  if (type == SQLITE_NULL) return sqlite3_result_null(context);
  if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
    return sqlite3_result_double(context, sqlite3_value_double(argv[0]));
  sqlite3_result_double(context, vb::Val(TextOf(argv[0])));
}

// An operand of arithmetic: a text is read as the runtime's CDbl reads it under
// the regional settings ("1,234.50" is 1234.5), a blank text counts as 0 so that
// an empty amount adds nothing to a sum, and a text that is not a number is the
// engine's type mismatch. Numbers and Null pass unchanged.
void Number(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) return sqlite3_result_value(context, argv[0]);
    std::string text = TextOf(argv[0]);
    if (vb::Trim(text).empty()) return sqlite3_result_int(context, 0);
    sqlite3_result_double(context, vb::CDbl(vb::Variant(text)));
  });
}

bool Truth(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_NULL: return false;
    case SQLITE_INTEGER: return sqlite3_value_int64(value) != 0;
    case SQLITE_FLOAT: return sqlite3_value_double(value) != 0;
    default: return vb::CBool(ValueOf(value));
  }
}

void IIf(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] { sqlite3_result_value(context, Truth(argv[0]) ? argv[1] : argv[2]); });
}

void IsNullFunction(sqlite3_context* context, int, Args argv) {
  sqlite3_result_int(context, IsNull(argv[0]) ? -1 : 0);
}

void Nz(sqlite3_context* context, int argc, Args argv) {
  if (!IsNull(argv[0])) return sqlite3_result_value(context, argv[0]);
  if (argc > 1) return sqlite3_result_value(context, argv[1]);
  sqlite3_result_text(context, "", 0, SQLITE_STATIC);
}

// Conversions take the value through the runtime's own function.
template <typename F>
void Convert(sqlite3_context* context, sqlite3_value* value, F convert) {
  Guarded(context, [&] {
    if (IsNull(value)) vb::Raise(94);
    ResultValue(context, convert(ValueOf(value)));
  });
}

void CStr(sqlite3_context* c, int, Args v) {
  Guarded(c, [&] {
    if (IsNull(v[0])) vb::Raise(94);
    ResultText(c, TextOf(v[0]));
  });
}
void CInt(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant::Integer(vb::CInt(x)); });
}
void CLng(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant::Long(vb::CLng(x)); });
}
void CByte(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant::Byte(vb::CByte(x)); });
}
void CSng(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant(vb::CSng(x)); });
}
void CDbl(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant(vb::CDbl(x)); });
}
void CCur(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant(vb::CCur(x)); });
}
void CDate(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant(vb::CDate(x)); });
}
void CBool(sqlite3_context* c, int, Args v) {
  Convert(c, v[0], [](const vb::Variant& x) { return vb::Variant(vb::CBool(x)); });
}

void Str(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(context);
    ResultText(context, vb::Str(ValueOf(argv[0]).ToDouble()));
  });
}

void Space(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(context);
    ResultText(context, vb::Space(static_cast<long>(WholeOf(argv[0]))));
  });
}

void Format(sqlite3_context* context, int argc, Args argv) {
  Guarded(context, [&] {
    std::string pattern = argc > 1 && !IsNull(argv[1]) ? TextOf(argv[1]) : std::string();
    ResultText(context, vb::Format(ValueOf(argv[0]), pattern));
  });
}

void DateFunction(sqlite3_context* context, int, Args) {
  sqlite3_result_double(context, vb::Today().serial);
}
void NowFunction(sqlite3_context* context, int, Args) {
  sqlite3_result_double(context, vb::Now().serial);
}

template <int (*Part)(vb::Date)>
void DatePart(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (IsNull(argv[0])) return sqlite3_result_null(context);
    sqlite3_result_int(context, Part(DateOf(argv[0])));
  });
}

// A value bound for a DATE column: a text is read as a date under the enforced
// regional format, so "01/01/1901" stores that day.
void ToDate(sqlite3_context* context, int, Args argv) {
  Guarded(context, [&] {
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) return sqlite3_result_value(context, argv[0]);
    sqlite3_result_double(context, DateOf(argv[0]).serial);
  });
}

// `&`: every operand as text, Null as ""; Null only when all operands are Null.
void Concat(sqlite3_context* context, int argc, Args argv) {
  std::string text;
  bool any = false;
  for (int i = 0; i < argc; ++i) {
    if (IsNull(argv[i])) continue;
    any = true;
    text += TextOf(argv[i]);
  }
  if (!any) return sqlite3_result_null(context);
  ResultText(context, text);
}

void Like(sqlite3_context* context, int, Args argv) {
  if (IsNull(argv[0]) || IsNull(argv[1])) return sqlite3_result_null(context);
  sqlite3_result_int(context, JetLike(TextOf(argv[1]), TextOf(argv[0])) ? 1 : 0);
}

struct Function {
  const char* name;
  int arguments;
  void (*body)(sqlite3_context*, int, Args);
  bool deterministic = true;
};

constexpr Function kFunctions[] = {
    {"jet_mid", 2, Mid},
    {"jet_mid", 3, Mid},
    {"jet_left", 2, Slice<vb::Left>},
    {"jet_right", 2, Slice<vb::Right>},
    {"jet_len", 1, Len},
    {"jet_trim", 1, TextMap<vb::Trim>},
    {"jet_ltrim", 1, TextMap<vb::LTrim>},
    {"jet_rtrim", 1, TextMap<vb::RTrim>},
    {"jet_ucase", 1, TextMap<vb::UCase>},
    {"jet_lcase", 1, TextMap<vb::LCase>},
    {"jet_format", 1, Format},
    {"jet_format", 2, Format},
    {"jet_instr", 2, InStr},
    {"jet_instr", 3, InStr},
    {"jet_instr", 4, InStr},
    {"jet_val", 1, Val},
    {"jet_num", 1, Number},
    {"jet_iif", 3, IIf},
    {"jet_isnull", 1, IsNullFunction},
    {"jet_nz", 1, Nz},
    {"jet_nz", 2, Nz},
    {"jet_cstr", 1, CStr},
    {"jet_cint", 1, CInt},
    {"jet_clng", 1, CLng},
    {"jet_cbyte", 1, CByte},
    {"jet_csng", 1, CSng},
    {"jet_cdbl", 1, CDbl},
    {"jet_ccur", 1, CCur},
    {"jet_cdate", 1, CDate},
    {"jet_cbool", 1, CBool},
    {"jet_str", 1, Str},
    {"jet_space", 1, Space},
    {"jet_date", 0, DateFunction, false},
    {"jet_now", 0, NowFunction, false},
    {"jet_year", 1, DatePart<vb::Year>},
    {"jet_month", 1, DatePart<vb::Month>},
    {"jet_day", 1, DatePart<vb::Day>},
    {"jet_hour", 1, DatePart<vb::Hour>},
    {"jet_minute", 1, DatePart<vb::Minute>},
    {"jet_second", 1, DatePart<vb::Second>},
    {"jet_weekday", 1, DatePart<vb::Weekday>},
    {"jet_todate", 1, ToDate},
    {"jet_concat", -1, Concat},
    {"like", 2, Like},
    {"like", 3, Like},
};

}  // namespace

void RegisterJetSql(sqlite3* db) {
  RegisterJetCollation(db);
  RegisterRowCheck(db);
  for (const Function& f : kFunctions) {
    int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, f.name, f.arguments, flags, nullptr, f.body, nullptr, nullptr,
                               nullptr);
  }
}

}  // namespace dao
