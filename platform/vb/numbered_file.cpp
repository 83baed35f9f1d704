#include "platform/vb/numbered_file.h"

#include "platform/vb/error.h"

namespace vb {

NumberedFile::NumberedFile(const std::string& path, OpenMode mode, int recordLength)
    : number_(FreeFile()) {
  Open(path, mode, number_, recordLength);
  open_ = true;
}

// A write that cannot be flushed on the way out is lost: an error cannot leave a
// destructor, and the scope is already leaving on another road.
NumberedFile::~NumberedFile() {
  try {
    Close();
  } catch (const Error&) {
  }
}

void NumberedFile::Close() {
  if (!open_) return;
  open_ = false;
  vb::Close(number_);
}

int NumberedFile::Release() {
  if (!open_) return 0;
  open_ = false;
  return number_;
}

}  // namespace vb
