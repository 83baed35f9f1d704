#include "tools/host/testing/test_suite.h"

#include <filesystem>

#include "platform/dao/dbengine.h"
#include "platform/testsupport/shared_template.h"
#include "platform/testsupport/temp_folder.h"

namespace host::testing {
namespace {

std::string TemplateName(const SuiteOptions& options, const Preparation& preparation) {
  std::string name = "suite-" + options.user + "-" + options.userType + (options.sampleRows ? "-rows" : "-empty");
  if (preparation.add) name += std::string("-") + preparation.name;
  return name + ".mdb";
}

void MakeTemplate(const std::string& path, const SuiteOptions& options, const Preparation& preparation) {
  testsupport::TempFolder folder;
  Suite suite = CreateSuite(folder / "suite", options);
  if (preparation.add) {
    dao::DatabasePtr db = dao::Engine().Workspaces(0).OpenDatabase(suite.databasePath);
    preparation.add(*db);
    db->Close();
  }
  std::filesystem::copy_file(suite.databasePath, path);
}

}  // namespace

Suite CreateTestSuite(const std::string& folder, const SuiteOptions& options, const Preparation& preparation) {
  std::string database = testsupport::SharedTemplate(
      TemplateName(options, preparation),
      [&](const std::string& path) { MakeTemplate(path, options, preparation); });
  return CreateSuiteWithDatabase(folder, options, database);
}

}  // namespace host::testing
