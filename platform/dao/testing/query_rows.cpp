#include "platform/dao/testing/query_rows.h"

#include "platform/dao/constants.h"
#include "platform/dao/recordset.h"
#include "platform/vb/conv.h"

namespace dao::testing {

TextRows QueryRows(Database& db, const std::string& sql, const std::string& null) {
  TextRows rows;
  RecordsetPtr rs = db.OpenRecordset(sql, dbOpenSnapshot);
  for (; !rs->Eof(); rs->MoveNext()) {
    std::vector<std::string> row;
    for (Field& field : rs->Fields()) {
      vb::Variant value = field.Value();
      row.push_back(value.IsNull() ? null : vb::CStr(value));
    }
    rows.push_back(row);
  }
  rs->Close();
  return rows;
}

}  // namespace dao::testing
