#pragma once
// Suites for tests, their databases copied from a template.
#include <string>

#include "platform/dao/database.h"
#include "tools/host/suite.h"

namespace host::testing {

// What a test program adds to a suite's database beyond the host's tables and
// rows (the module's tables, say), named for the template that holds it.
struct Preparation {
  const char* name = "";
  void (*add)(dao::Database& db) = nullptr;
};

// A suite for one test. Its database is a copy of the test program's template for
// these options and preparation, made once with CreateSuite and the preparation,
// so that a test does not make the tables and rows again.
Suite CreateTestSuite(const std::string& folder, const SuiteOptions& options = {},
                      const Preparation& preparation = {});

}  // namespace host::testing
