#pragma once
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace testsupport {

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
