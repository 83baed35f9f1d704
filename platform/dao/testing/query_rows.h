#pragma once
#include <string>
#include <vector>

#include "platform/dao/database.h"

namespace dao::testing {

using TextRows = std::vector<std::vector<std::string>>;

// Every row of a query, each value as CStr writes it and Null as `null`, so that
// a test compares whole tables with one expectation.
TextRows QueryRows(Database& db, const std::string& sql, const std::string& null = "Null");

}  // namespace dao::testing
