#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zip {

// How an extraction ended. Anything but Extracted means that nothing was left in
// the folder: the archive counts as having extracted nothing.
enum class Outcome {
  Extracted,
  Unreadable,   // not a zip archive, damaged data, encrypted or unsupported entry
  UnsafeEntry,  // a name that climbs out or is absolute; a link, device or pipe;
                // two entries with one base name
  TooLarge,     // more data or entries than the limits allow
  NotOneFile,   // the archive had to hold exactly one file and does not
  WriteFailed,  // the folder could not be created or written
};

// A zip bomb is stopped by the bytes actually inflated, not by the sizes the
// archive declares, so a lying header gains nothing.
struct Limits {
  std::uint64_t maxTotalBytes = 64ull << 20;
  std::size_t maxEntries = 1000;
};

struct Extraction {
  Outcome outcome = Outcome::Unreadable;
  // The base names written, in archive order; empty unless Extracted.
  std::vector<std::string> files;
  // The entry that stopped the extraction, when one did.
  std::string entry;
  // The system's error number (errno) of what WriteFailed on: ENOSPC for a full
  // disk, EROFS for a read-only one.
  int writeError = 0;

  int Count() const { return static_cast<int>(files.size()); }
};

// Extracts every file of the archive into `folder` (created when missing), each
// under its base name: stored folders are not recreated, folder entries are
// skipped, an existing file of the same name is replaced. Only regular files are
// written. Every entry is checked before anything is written, and the data goes
// through temporary files that are renamed into place only once all of it has
// been read, so a refused or failed archive leaves the folder as it was.
// Paths are the operating system's.
Extraction ExtractAll(const std::string& archivePath, const std::string& folder,
                      const Limits& limits = {});

// The same for an archive that must hold exactly one file (folder entries aside):
// any other count is NotOneFile and nothing is written. files[0] is the name the
// archive gave that file.
Extraction ExtractSingleFile(const std::string& archivePath, const std::string& folder,
                             const Limits& limits = {});

}  // namespace zip
