#include "platform/dao/jet_value.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "platform/dao/errors.h"
#include "platform/dao/sqlite_util.h"
#include "platform/vb/conv.h"
#include "platform/vb/encoding.h"

namespace dao {
namespace {

vb::Variant Integral(long long value) {
  if (value >= std::numeric_limits<std::int32_t>::min() &&
      value <= std::numeric_limits<std::int32_t>::max())
    return vb::Variant::Long(static_cast<std::int32_t>(value));
  return vb::Variant(static_cast<double>(value));
}

vb::Variant AsStored(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL: return vb::Null;
    case SQLITE_INTEGER: return Integral(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT: return vb::Variant(sqlite3_column_double(stmt, column));
    default: {
      const unsigned char* text = sqlite3_column_text(stmt, column);
      return vb::Variant(std::string(reinterpret_cast<const char*>(text),
                                     sqlite3_column_bytes(stmt, column)));
    }
  }
}

double Number(sqlite3_stmt* stmt, int column) { return sqlite3_column_double(stmt, column); }

std::string FieldName(std::string_view table, const ColumnDef& column) {
  return std::string(table) + "." + column.name;
}

// Runs a runtime conversion and gives its failures the engine's numbers.
template <typename F>
auto Converted(F convert, std::string_view table, const ColumnDef& column) {
  try {
    return convert();
  } catch (const vb::Error& error) {
    if (error.Number() == 6) RaiseEngineError(kErrNumericOverflow, FieldName(table, column), "DAO.Field");
    RaiseEngineError(kErrConversion, FieldName(table, column), "DAO.Field");
  }
}

double NumberFrom(const vb::Variant& value) {
  if (value.IsString() && vb::CStr(value).find_first_not_of(" \t") == std::string::npos) vb::Raise(13);
  if (value.Type() == vb::vbBoolean) return value.ToBool() ? -1 : 0;
  return value.ToDouble();
}

vb::Variant IntegralFor(const vb::Variant& value, const ColumnDef& column, std::string_view table) {
  double number = Converted([&] { return NumberFrom(value); }, table, column);
  double rounded = std::nearbyint(number);
  double low = column.type == dbByte ? 0 : column.type == dbInteger ? -32768.0 : -2147483648.0;
  double high = column.type == dbByte ? 255 : column.type == dbInteger ? 32767.0 : 2147483647.0;
  if (std::isnan(rounded) || rounded < low || rounded > high)
    RaiseEngineError(kErrNumericOverflow, FieldName(table, column), "DAO.Field");
  if (column.type == dbByte) return vb::Variant::Byte(static_cast<std::uint8_t>(rounded));
  if (column.type == dbInteger) return vb::Variant::Integer(static_cast<std::int16_t>(rounded));
  return vb::Variant::Long(static_cast<std::int32_t>(rounded));
}

// A text has no more characters than bytes: only a longer one is counted.
void RequireFits(const std::string& text, const ColumnDef& column, std::string_view table) {
  std::size_t size = static_cast<std::size_t>(column.size);
  if (column.type == dbText && text.size() > size && vb::DecodeUtf8(text).size() > size)
    RaiseEngineError(kErrFieldTooSmall, FieldName(table, column), "DAO.Field");
}

vb::Variant TextFor(const vb::Variant& value, const ColumnDef& column, std::string_view table) {
  std::string text = value.IsString() ? value.As<std::string>() : vb::CStr(value);
  RequireFits(text, column, table);
  return vb::Variant(std::move(text));
}

// The column types whose values are kept as text.
bool HoldsText(int type) {
  switch (type) {
    case dbByte:
    case dbInteger:
    case dbLong:
    case dbSingle:
    case dbDouble:
    case dbCurrency:
    case dbDate:
    case dbBoolean: return false;
    default: return true;
  }
}

}  // namespace

vb::Variant ReadValue(sqlite3_stmt* stmt, int column, int jetType) {
  int stored = sqlite3_column_type(stmt, column);
  if (stored == SQLITE_NULL) return vb::Null;
  bool numeric = stored == SQLITE_INTEGER || stored == SQLITE_FLOAT;
  switch (jetType) {
    case dbText:
    case dbMemo: return vb::Variant(ColumnText(stmt, column));
    case dbByte:
      if (stored == SQLITE_INTEGER) return vb::Variant::Byte(static_cast<std::uint8_t>(sqlite3_column_int(stmt, column)));
      break;
    case dbInteger:
      if (stored == SQLITE_INTEGER) return vb::Variant::Integer(static_cast<std::int16_t>(sqlite3_column_int(stmt, column)));
      break;
    case dbLong:
      if (stored == SQLITE_INTEGER) return Integral(sqlite3_column_int64(stmt, column));
      break;
    case dbBoolean:
      if (numeric) return vb::Variant(Number(stmt, column) != 0);
      break;
    case dbSingle:
      if (numeric) return vb::Variant(static_cast<float>(Number(stmt, column)));
      break;
    case dbDouble:
      if (numeric) return vb::Variant(Number(stmt, column));
      break;
    case dbCurrency:
      if (numeric) return vb::Variant(vb::Currency::FromDouble(Number(stmt, column)));
      break;
    case dbDate:
      if (numeric) return vb::Variant(vb::Date{Number(stmt, column)});
      break;
    default: break;
  }
  return AsStored(stmt, column);
}

vb::Variant ValueOf(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_NULL: return vb::Null;
    case SQLITE_INTEGER: return Integral(sqlite3_value_int64(value));
    case SQLITE_FLOAT: return vb::Variant(sqlite3_value_double(value));
    default: {
      const unsigned char* text = sqlite3_value_text(value);
      return vb::Variant(std::string(reinterpret_cast<const char*>(text), sqlite3_value_bytes(value)));
    }
  }
}

void BindValue(sqlite3_stmt* stmt, int index, const vb::Variant& value) {
  switch (value.Type()) {
    case vb::vbEmpty:
    case vb::vbNull: sqlite3_bind_null(stmt, index); break;
    case vb::vbInteger:
    case vb::vbLong:
    case vb::vbByte: sqlite3_bind_int64(stmt, index, value.ToLong()); break;
    case vb::vbBoolean: sqlite3_bind_int(stmt, index, value.ToBool() ? -1 : 0); break;
    case vb::vbString: {
      const std::string& text = value.As<std::string>();
      sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
      break;
    }
    default: sqlite3_bind_double(stmt, index, value.ToDouble()); break;
  }
}

void ResultValue(sqlite3_context* context, const vb::Variant& value) {
  switch (value.Type()) {
    case vb::vbEmpty:
    case vb::vbNull: sqlite3_result_null(context); break;
    case vb::vbInteger:
    case vb::vbLong:
    case vb::vbByte: sqlite3_result_int64(context, value.ToLong()); break;
    case vb::vbBoolean: sqlite3_result_int(context, value.ToBool() ? -1 : 0); break;
    case vb::vbString: {
      const std::string& text = value.As<std::string>();
      sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
      break;
    }
    default: sqlite3_result_double(context, value.ToDouble()); break;
  }
}

vb::Variant CoerceToColumn(const vb::Variant& value, const ColumnDef& column, std::string_view table) {
  if (value.IsNull() || value.IsEmpty()) return vb::Null;
  switch (column.type) {
    case dbByte:
    case dbInteger:
    case dbLong: return IntegralFor(value, column, table);
    case dbSingle:
      return vb::Variant(static_cast<float>(Converted([&] { return NumberFrom(value); }, table, column)));
    case dbDouble: return vb::Variant(Converted([&] { return NumberFrom(value); }, table, column));
    case dbCurrency: return vb::Variant(Converted([&] { return value.ToCurrency(); }, table, column));
    case dbDate: return vb::Variant(Converted([&] { return value.ToDate(); }, table, column));
    case dbBoolean: return vb::Variant(Converted([&] { return value.ToBool(); }, table, column));
    default: return TextFor(value, column, table);
  }
}

vb::Variant CoerceToColumn(vb::Variant&& value, const ColumnDef& column, std::string_view table) {
  if (!value.IsString() || !HoldsText(column.type)) return CoerceToColumn(std::as_const(value), column, table);
  RequireFits(value.As<std::string>(), column, table);
  return std::move(value);
}

int JetTypeOfValue(const vb::Variant& value) {
  switch (value.Type()) {
    case vb::vbInteger: return dbInteger;
    case vb::vbLong: return dbLong;
    case vb::vbByte: return dbByte;
    case vb::vbSingle: return dbSingle;
    case vb::vbDouble: return dbDouble;
    case vb::vbCurrency: return dbCurrency;
    case vb::vbDate: return dbDate;
    case vb::vbBoolean: return dbBoolean;
    default: return dbText;
  }
}

}  // namespace dao
