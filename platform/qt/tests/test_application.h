#pragma once
// The renderer tests' offscreen application.
#include <filesystem>

#include "platform/testsupport/temp_folder.h"

namespace formsqt::testing {

// The tests' QApplication on the offscreen platform. Its runtime, cache and
// configuration folders (and HOME) are a temporary folder of the test run's own.
void StartApplication();

using testsupport::TempFolder;

// Where the pictures of the tests go: the build folder when the test runs under
// CTest, else the temporary folder.
std::filesystem::path PictureFolder();

}  // namespace formsqt::testing
