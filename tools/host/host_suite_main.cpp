// host-suite: makes a suite folder and prints the line that points the programs at it.
#include <exception>
#include <iostream>
#include <string>

#include "platform/vb/error.h"
#include "tools/host/suite.h"

namespace {

constexpr const char* kUsage = "usage: host-suite <folder> [--user NAME] [--empty]\n";

struct Command {
  std::string folder;
  host::SuiteOptions options;
  bool valid = false;
};

Command ParseCommand(int argc, char** argv) {
  Command command;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--user" && i + 1 < argc && argv[i + 1][0] != '\0') {
      command.options.user = argv[++i];
    } else if (arg == "--empty") {
      command.options.sampleRows = false;
    } else if (!arg.empty() && arg[0] != '-' && command.folder.empty()) {
      command.folder = arg;
    } else {
      return {};
    }
  }
  command.valid = !command.folder.empty();
  return command;
}

// Single quotes keep every character of the folder for the shell that reads the line.
std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

int main(int argc, char** argv) {
  Command command = ParseCommand(argc, argv);
  if (!command.valid) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    host::Suite suite = host::CreateSuite(command.folder, command.options);
    std::cout << "export WINDIR=" << ShellQuoted(suite.windowsFolder) << "\n";
    return 0;
  } catch (const vb::Error& error) {
    std::cerr << "host-suite: error " << error.Number() << ": " << error.Description() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "host-suite: " << error.what() << "\n";
  }
  return 1;
}
