#include "platform/vb/app.h"

#include <unistd.h>

#include <optional>
#include <vector>

namespace vb {
namespace {

struct AppState {
  std::optional<std::string> path;
  std::optional<std::string> exeName;
  std::string productName;
  std::optional<std::string> title;
  std::string helpFile;
  bool prevInstance = false;
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::string command;
};

AppState& State() {
  static AppState state;
  return state;
}

std::string Executable() {
  std::vector<char> buffer(4096);
  ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : std::string();
}

std::string FolderOf(const std::string& file) {
  std::size_t slash = file.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file.substr(0, slash);
}

std::string StemOf(const std::string& file) {
  std::string name = file.substr(file.rfind('/') + 1);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

}  // namespace

std::string App::Path() { return State().path ? *State().path : FolderOf(Executable()); }
void App::SetPath(std::string path) { State().path = std::move(path); }
std::string App::EXEName() { return State().exeName ? *State().exeName : StemOf(Executable()); }
void App::SetEXEName(std::string name) { State().exeName = std::move(name); }
std::string App::ProductName() { return State().productName; }
void App::SetProductName(std::string name) { State().productName = std::move(name); }
std::string App::Title() { return State().title ? *State().title : EXEName(); }
void App::SetTitle(std::string title) { State().title = std::move(title); }
std::string App::HelpFile() { return State().helpFile; }
void App::SetHelpFile(std::string file) { State().helpFile = std::move(file); }
bool App::PrevInstance() { return State().prevInstance; }
void App::SetPrevInstance(bool running) { State().prevInstance = running; }
int App::Major() { return State().major; }
int App::Minor() { return State().minor; }
int App::Revision() { return State().revision; }

void App::SetVersion(int major, int minor, int revision) {
  State().major = major;
  State().minor = minor;
  State().revision = revision;
}

std::string Command() { return State().command; }
void SetCommand(std::string text) { State().command = std::move(text); }

void SetCommand(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) text += (i > 1 ? " " : "") + std::string(argv[i]);
  SetCommand(std::move(text));
}

}  // namespace vb
