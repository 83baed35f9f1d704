// The installer as a script runs it: a child process without a display, whose
// exit status tells whether the module was installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/temp_folder.h"
#include "tools/host/suite.h"

namespace nuvia::testing {
namespace {

TEST(NuviaProgramTest, ExitsWithFailureOnEveryRoadThatDidNotInstallTheModule) {
  struct Case {
    const char* road;
    const char* settings;  // nullptr: the suite's own
    bool inputs;
    int status;
  };
  const Case cases[] = {
      {"installed", nullptr, true, EXIT_SUCCESS},
      {"no install folder", "[Options]\r\nDBName=TESCA.MDB\r\n", true, EXIT_FAILURE},
      {"no database", "[Options]\r\nSysPath=@\r\nDBName=OTRA.MDB\r\n", true, EXIT_FAILURE},
      {"no input files", nullptr, false, EXIT_FAILURE},
  };
  testsupport::TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.road);
    host::SuiteOptions options;
    options.sampleRows = false;
    host::Suite suite = host::CreateSuite(folder / c.road, options);
    if (c.settings) {
      std::string text = c.settings;
      if (std::size_t at = text.find('@'); at != std::string::npos) text.replace(at, 1, suite.installFolder);
      std::ofstream(suite.settingsPath, std::ios::binary) << text;
    }
    for (const char* input : {"env942.txt", "Par942.txt"}) {
      if (c.inputs)
        std::filesystem::copy_file(std::string(NUVIA_INPUTS_DIR) + "/" + input, suite.installFolder + "tmp/" + input);
    }
    testsupport::ChildProcess nuvia({NUVIA_PATH}, {"WINDIR=" + suite.windowsFolder, "DISPLAY=", "WAYLAND_DISPLAY="});
    EXPECT_EQ(nuvia.Wait(), c.status);
  }
}

}  // namespace
}  // namespace nuvia::testing
