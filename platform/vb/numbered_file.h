#pragma once
#include <string>

#include "platform/vb/files.h"

namespace vb {

// A file open by number for a scope: it takes the first free number (FreeFile)
// and opens the file with it; Close closes it, and a file still open when the
// guard goes is closed then, whatever road leaves the scope. Close the file
// through its guard, not by its number, so that the guard never closes a number
// that another file has taken since.
class NumberedFile {
 public:
  NumberedFile(const std::string& path, OpenMode mode, int recordLength = 128);
  ~NumberedFile();
  NumberedFile(const NumberedFile&) = delete;
  NumberedFile& operator=(const NumberedFile&) = delete;

  int Number() const { return number_; }
  // Raises what closing the number raises (a write that could not be flushed);
  // the number is free afterwards either way. Closing again does nothing.
  void Close();

 private:
  int number_;
  bool open_ = false;
};

}  // namespace vb
