#pragma once
// The App object and the program's command line.
#include <string>

namespace vb {

// The running program as the runtime describes it. Path is the executable's folder
// without a trailing separator (code appends "\errorlog.txt" to it); EXEName is the
// executable's name without extension. Each program sets its own ProductName,
// Title, HelpFile and version at start-up; PrevInstance is set by the
// single-instance lock when another copy already runs. Tests may override Path.
class App {
 public:
  static std::string Path();
  static void SetPath(std::string path);
  static std::string EXEName();
  static void SetEXEName(std::string name);
  static std::string ProductName();
  static void SetProductName(std::string name);
  static std::string Title();
  static void SetTitle(std::string title);
  static std::string HelpFile();
  static void SetHelpFile(std::string file);
  static bool PrevInstance();
  static void SetPrevInstance(bool running);
  static int Major();
  static int Minor();
  static int Revision();
  static void SetVersion(int major, int minor, int revision);
};

// The text after the program's name on its command line, as the runtime's Command
// gives it. The program's main sets it from its arguments, joined by single blanks.
std::string Command();
void SetCommand(std::string text);
void SetCommand(int argc, char** argv);

}  // namespace vb
