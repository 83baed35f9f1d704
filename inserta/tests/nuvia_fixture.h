#pragma once
// The environment of the installer's tests: a suite of the host stand-in.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/dao/testing/query_rows.h"
#include "platform/forms/testing/driver.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/suite.h"
#include "tools/host/testing/test_suite.h"

namespace nuvia::testing {

using testsupport::ErrorOf;
using dao::testing::QueryRows;
using Rows = dao::testing::TextRows;

// Gives `table`'s name to a view, which the installer does not see as a table
// and whose name makes its CREATE TABLE fail: a table step that fails.
void TakeTableName(const std::string& database, const std::string& table);

// A suite of the host stand-in in a temporary folder (its database copied from the
// test program's template), with the Windows folder pointed at it, message boxes
// answered by the test driver and End thrown as vb::ProgramEnded. Without sample
// rows unless a test asks for them.
class SuiteTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  virtual host::SuiteOptions Options() const;
  // What the suite's database holds beyond the host's tables.
  virtual host::testing::Preparation Preparation() const { return {}; }

  dao::DatabasePtr OpenDatabase() const;
  Rows Select(const std::string& sql) const;
  // Writes `text` to a file in the install folder ("tmp/env942.txt", "Par942.txt").
  void WriteInstallFile(const std::string& name, const std::string& text) const;
  // The shipped env942.txt and Par942.txt, copied into the install folder's tmp.
  void CopyShippedInputs() const;
  // Rewrites TESCA.INI's Options with these lines ("SysPath=...").
  void WriteSettings(const std::vector<std::string>& lines) const;

  testsupport::TempFolder folder_;
  host::Suite suite_;
  forms::TestDriver driver_;

 private:
  std::optional<testsupport::ScopedEnv> windir_;
};

}  // namespace nuvia::testing
