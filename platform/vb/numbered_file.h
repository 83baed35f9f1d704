#pragma once
#include <string>

#include "platform/vb/files.h"

namespace vb {

// A file open by number for a scope: it takes the first free number (FreeFile)
// and opens the file with it; Close closes it, and a file still open when the
// guard goes is closed then, whatever road leaves the scope. Close the file
// through its guard, not by its number, so that the guard never closes a number
// that another file has taken since. A guard made without a file holds none:
// the answer of an opening that opened nothing.
class NumberedFile {
 public:
  NumberedFile() = default;
  NumberedFile(const std::string& path, OpenMode mode, int recordLength = 128);
  ~NumberedFile();
  NumberedFile(const NumberedFile&) = delete;
  NumberedFile& operator=(const NumberedFile&) = delete;

  // 0 when the guard was made without a file.
  int Number() const { return number_; }
  bool IsOpen() const { return open_; }
  // Raises what closing the number raises (a write that could not be flushed);
  // the number is free afterwards either way. Closing again does nothing.
  void Close();
  // Hands the open file over to the caller, who closes it by its number where a
  // later procedure must close it at a fixed point; the guard closes nothing
  // then. Answers the number, 0 when the guard held no file.
  int Release();

 private:
  int number_ = 0;
  bool open_ = false;
};

}  // namespace vb
