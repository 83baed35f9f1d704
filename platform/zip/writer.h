#pragma once
// Writing zip archives, unsafe entries included.
#include <stdexcept>
#include <string>
#include <vector>

namespace zip {

// What an entry of a written archive is, as an archive made on Unix records it.
// Links and devices exist so that the refusal of such entries can be exercised.
enum class EntryKind { File, Folder, SymbolicLink, Device };

struct ArchiveEntry {
  std::string name;
  std::string data;  // a file's bytes, a link's target
  EntryKind kind = EntryKind::File;
};

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes a deflated archive holding the entries in order, replacing any file of
// that name; an empty list gives a valid archive with no entries. Names are
// stored exactly as given, unsafe ones included. Raises zip::Error on failure.
void WriteArchive(const std::string& archivePath, const std::vector<ArchiveEntry>& entries);

// Zips one file under its base name.
void ZipFile(const std::string& archivePath, const std::string& filePath);

}  // namespace zip
