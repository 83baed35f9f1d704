#pragma once
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// An account a child runs as: numeric ids, which need not exist in the
// system's lists. Only root can take one (tests skip where they cannot).
struct Account {
  uid_t uid;
  gid_t gid;
  std::vector<gid_t> groups;
};
bool CanTakeAccounts();

// Runs `work` in a forked child (as `account` when given) and gives back what
// it returned; 126 when the child could not take the account, -1 when it did
// not end within `timeout` (it is then killed), so a call that hangs fails.
int RunInChild(const std::function<int()>& work, const Account* account = nullptr,
               std::chrono::milliseconds timeout = std::chrono::seconds(30));

// Whether `program` is an executable file in one of PATH's folders.
bool OnPath(const std::string& program);

// A program started for a test with its standard output on a pipe. It gets this
// process's environment with `environment`'s "NAME=value" entries added or put in
// place of the variables of the same name. One that has not ended by itself is
// ended when the object goes, so that no test leaves a program running.
class ChildProcess {
 public:
  explicit ChildProcess(const std::vector<std::string>& argv,
                        const std::vector<std::string>& environment = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // One line of its output without the line end; what came before the output
  // ended, or "" when no line comes within `timeout`.
  std::string ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(30));
  // Its exit status; -1 when a signal ended it or it has not ended within
  // `timeout` (it is then left running until Kill or the end of the object).
  int Wait(std::chrono::milliseconds timeout = std::chrono::seconds(60));
  // Ends it: SIGTERM, then SIGKILL for one that does not end within ten seconds.
  void Kill();
  // Ends it at once with SIGKILL, as a power cut would: it runs nothing more.
  void KillNow();

 private:
  bool Reap(bool block);

  pid_t pid_ = -1;
  int output_ = -1;
  bool ended_ = false;
  int status_ = 0;
};

}  // namespace testsupport
