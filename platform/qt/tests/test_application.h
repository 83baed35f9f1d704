#pragma once
// The renderer tests' offscreen application, and helpers for modal windows.
#include <QString>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/testsupport/temp_folder.h"

class QMessageBox;
class QWidget;

namespace formsqt::testing {

// The tests' QApplication on the offscreen platform. Its runtime, cache and
// configuration folders (and HOME) are a temporary folder of the test run's own.
void StartApplication();

using testsupport::TempFolder;

// Waits (running the event loop) until a modal window is up, then hands it to
// `act`, which must close it. Arms the wait and returns at once: the window is
// expected from the next action.
void WhenModalShows(std::function<void(QWidget&)> act);
// The next message box is answered with the button of that caption; `seen`
// receives the box first.
void AnswerMessageBox(const QString& button, std::function<void(QMessageBox&)> seen = {});

// Where the pictures of the tests go: the build folder when the test runs under
// CTest, else the temporary folder.
std::filesystem::path PictureFolder();

}  // namespace formsqt::testing
