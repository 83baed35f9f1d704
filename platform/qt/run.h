#pragma once
// Running a program's windows with Qt, and pictures of them.
#include <functional>
#include <string>

class QApplication;

namespace forms {
class Form;
}

namespace formsqt {

// The program's QApplication, created on first use, with Qt's Spanish
// translations installed and, where the system's locale is not a Spanish one,
// Spanish as Qt's locale.
QApplication& Application();

// Shows the windows to a person: creates the QApplication if needed, makes Qt
// the windows' host, shows `main` and runs until it unloads or the program ends
// (End, or an error no handler took, reported first). Answers the exit code.
int Run(forms::Form& main);
// The same for a program that starts in its own procedure: `start` runs first
// and shows the forms; the run ends once no form is loaded.
int Run(const std::function<void()>& start);

// A PNG picture of a loaded form's window as it is on screen now; false when
// the form has no window (no Qt host, not loaded) or the file cannot be written.
bool SaveImage(const forms::Form& form, const std::string& path);

}  // namespace formsqt
