#pragma once
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/vb/conv.h"

namespace host::testing {

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "host-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : "";
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Sets (or, with nullopt, removes) an environment variable until the end of the scope.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) old_ = old;
    Apply(value);
  }
  ~ScopedEnv() { Apply(old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Apply(const std::optional<std::string>& value) {
    if (value) setenv(name_.c_str(), value->c_str(), 1);
    else unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

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
