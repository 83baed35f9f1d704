#include "platform/testsupport/child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace testsupport {
namespace {

using Clock = std::chrono::steady_clock;

std::string NameOf(const std::string& variable) { return variable.substr(0, variable.find('=')); }

// This process's environment with `changes` put in place of, or beside, its
// variables.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes) {
  std::vector<std::string> result;
  for (char** variable = environ; *variable; ++variable) {
    std::string name = NameOf(*variable);
    bool replaced = false;
    for (const std::string& change : changes) replaced = replaced || NameOf(change) == name;
    if (!replaced) result.push_back(*variable);
  }
  result.insert(result.end(), changes.begin(), changes.end());
  return result;
}

// The pointers execvpe wants, ending with a null; they point into `texts`.
std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

int Remaining(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// In a forked child: the supplementary groups first, the user last, as only
// root may change them.
bool TakeAccount(const Account* account) {
  return !account || (setgroups(account->groups.size(), account->groups.data()) == 0 &&
                      setgid(account->gid) == 0 && setuid(account->uid) == 0);
}

}  // namespace

bool CanTakeAccounts() { return geteuid() == 0; }

int RunInChild(const std::function<int()>& work, const Account* account, std::chrono::milliseconds timeout) {
  pid_t child = fork();
  if (child == 0) _exit(TakeAccount(account) ? work() : 126);
  Clock::time_point deadline = Clock::now() + timeout;
  int status = 0;
  while (child > 0 && waitpid(child, &status, WNOHANG) == 0) {
    if (Clock::now() >= deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool OnPath(const std::string& program) {
  const char* path = getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    std::string candidate = folders.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& environment) {
  std::vector<std::string> arguments = argv;
  std::vector<std::string> variables = ChildEnvironment(environment);
  std::vector<char*> args = Pointers(arguments);
  std::vector<char*> env = Pointers(variables);
  int fds[2];
  if (arguments.empty() || pipe2(fds, O_CLOEXEC) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(fds[1], STDOUT_FILENO);
    execvpe(args[0], args.data(), env.data());
    _exit(127);
  }
  close(fds[1]);
  if (pid_ < 0) {
    close(fds[0]);
    return;
  }
  output_ = fds[0];
}

ChildProcess::~ChildProcess() {
  Kill();
  if (output_ >= 0) close(output_);
}

std::string ChildProcess::ReadLine(std::chrono::milliseconds timeout) {
  std::string line;
  if (output_ < 0) return line;
  Clock::time_point deadline = Clock::now() + timeout;
  pollfd ready{output_, POLLIN, 0};
  char c;
  while (poll(&ready, 1, Remaining(deadline)) == 1 && read(output_, &c, 1) == 1 && c != '\n')
    line += c;
  return line;
}

bool ChildProcess::Reap(bool block) {
  if (ended_ || pid_ <= 0) return true;
  if (waitpid(pid_, &status_, block ? 0 : WNOHANG) != pid_) return false;
  ended_ = true;
  return true;
}

int ChildProcess::Wait(std::chrono::milliseconds timeout) {
  if (pid_ <= 0) return -1;
  Clock::time_point deadline = Clock::now() + timeout;
  while (!Reap(false)) {
    if (Clock::now() >= deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

void ChildProcess::Kill() {
  if (pid_ <= 0 || Reap(false)) return;
  kill(pid_, SIGTERM);
  if (Wait(std::chrono::seconds(10)) == -1 && !ended_) {
    kill(pid_, SIGKILL);
    Reap(true);
  }
}

void ChildProcess::KillNow() {
  if (pid_ <= 0 || Reap(false)) return;
  kill(pid_, SIGKILL);
  Reap(true);
}

}  // namespace testsupport
