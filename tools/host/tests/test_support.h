#pragma once
#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/vb/conv.h"

namespace host::testing {

using Rows = std::vector<std::vector<std::string>>;

// Every row of a query, each value as CStr writes it ("" for Null).
inline Rows QueryRows(dao::Database& db, const std::string& sql) {
  Rows rows;
  dao::RecordsetPtr rs = db.OpenRecordset(sql, dao::dbOpenSnapshot);
  for (; !rs->Eof(); rs->MoveNext()) {
    std::vector<std::string> row;
    for (dao::Field& field : rs->Fields())
      row.push_back(field.Value().IsNull() ? "" : vb::CStr(field.Value()));
    rows.push_back(row);
  }
  rs->Close();
  return rows;
}

}  // namespace host::testing
