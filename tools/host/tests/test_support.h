#pragma once
// A query's rows as texts, for the host stand-in's tests.
#include <string>

#include "platform/dao/dao.h"
#include "platform/dao/testing/query_rows.h"

namespace host::testing {

using Rows = dao::testing::TextRows;

// Every row of a query, each value as CStr writes it ("" for Null).
inline Rows QueryRows(dao::Database& db, const std::string& sql) {
  return dao::testing::QueryRows(db, sql, "");
}

}  // namespace host::testing
