#pragma once
#include <functional>
#include <stdexcept>
#include <string>

namespace vb {

// A run-time error as the runtime raises it: a number, a Spanish description and
// the name of whatever raised it. Every layer raises this one type so that a
// procedure's handler can branch on the number (3051 locked, 3022 duplicate...).
class Error : public std::runtime_error {
 public:
  explicit Error(int number, std::string description = {}, std::string source = {});
  int Number() const { return number_; }
  const std::string& Description() const { return description_; }
  const std::string& Source() const { return source_; }

 private:
  int number_;
  std::string description_;
  std::string source_;
};

// Out of memory ("Memoria insuficiente"): what an allocation that fails raises
// once it reaches the program's handlers.
inline constexpr int kErrOutOfMemory = 7;

// Raises error `number`; an empty description takes the runtime's own text.
[[noreturn]] void Raise(int number, std::string description = {}, std::string source = {});

// The Spanish description of an error number ("Error definido por la aplicación o
// por el objeto" when the number has none). Other layers add their own numbers.
std::string ErrorText(int number);
void SetErrorText(int number, std::string text);

// End ends the program: the clean-up hooks run (newest first), every open file is
// closed and the process exits. Tests ask for ProgramEnded to be thrown instead so
// that fatal roads can be asserted.
struct ProgramEnded {
  int exitCode = 0;
};
enum class EndBehaviour { Exit, Throw };
void SetEndBehaviour(EndBehaviour behaviour);
using EndHookId = int;
EndHookId AddEndHook(std::function<void()> hook);
void RemoveEndHook(EndHookId id);
[[noreturn]] void End(int exitCode = 0);

}  // namespace vb
