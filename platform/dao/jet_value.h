#pragma once
// Values between the engine's Jet types and SQLite's storage.
#include <string_view>

#include "platform/dao/schema.h"
#include "platform/vb/variant.h"

struct sqlite3_stmt;
struct sqlite3_value;
struct sqlite3_context;

namespace dao {

// A stored value as a Variant of the column's Jet type: a BYTE column gives Byte, a
// SHORT column Integer, a DATE column Date, and so on; Null stays Null. Type 0
// means "as stored" (an expression without a type of its own).
vb::Variant ReadValue(sqlite3_stmt* stmt, int column, int jetType);
vb::Variant ValueOf(sqlite3_value* value);

// How values go into SQLite: dates as day serials, so that they compare and sort as
// dates; Yes/No as -1 and 0; Currency as its amount. A text is bound without a
// copy, so `value` must outlive the statement's run.
void BindValue(sqlite3_stmt* stmt, int index, const vb::Variant& value);
void ResultValue(sqlite3_context* context, const vb::Variant& value);

// A value assigned to a field, converted by the engine's rules for the column's
// type: "0" into a BYTE is 0, 0 into a TEXT is "0", "01/01/1901" into a DATE is that
// date. A text that does not convert raises 3421, a number out of range 3349, a
// text longer than the column's size 3163.
vb::Variant CoerceToColumn(const vb::Variant& value, const ColumnDef& column,
                           std::string_view table);
// The same for a value given up: a text for a text column is kept, not copied.
vb::Variant CoerceToColumn(vb::Variant&& value, const ColumnDef& column, std::string_view table);

// The field type of a Variant, for expressions without a declared type.
int JetTypeOfValue(const vb::Variant& value);

}  // namespace dao
