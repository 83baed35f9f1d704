#include "platform/zip/writer.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/zip/libzip_bridge.h"

namespace zip {
namespace {

// The end-of-central-directory record of an archive with no entries; libzip
// removes an archive that it would close empty, so this one is written by hand.
const std::string kEmptyArchive = std::string("PK\x05\x06", 4) + std::string(18, '\0');

unsigned UnixMode(EntryKind kind) {
  switch (kind) {
    case EntryKind::File: return S_IFREG | 0644;
    case EntryKind::Folder: return S_IFDIR | 0755;
    case EntryKind::SymbolicLink: return S_IFLNK | 0777;
    case EntryKind::Device: return S_IFCHR | 0644;
  }
  return 0;
}

void WriteEmptyArchive(const std::string& archivePath) {
  std::ofstream out(archivePath, std::ios::binary | std::ios::trunc);
  out << kEmptyArchive;
  if (!out.flush()) throw Error(archivePath + ": cannot write");
}

}  // namespace

void WriteArchive(const std::string& archivePath, const std::vector<ArchiveEntry>& entries) {
  if (entries.empty()) return WriteEmptyArchive(archivePath);
  std::vector<ziplib::NewEntry> newEntries;
  for (const ArchiveEntry& entry : entries) {
    newEntries.push_back({entry.name, &entry.data, entry.kind == EntryKind::Folder, UnixMode(entry.kind)});
  }
  std::string failure = ziplib::WriteEntries(archivePath, newEntries);
  if (!failure.empty()) throw Error(failure);
}

void ZipFile(const std::string& archivePath, const std::string& filePath) {
  std::ifstream in(filePath, std::ios::binary);
  if (!in) throw Error(filePath + ": cannot read");
  std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string name = std::filesystem::path(filePath).filename().string();
  WriteArchive(archivePath, {{name, std::move(data), EntryKind::File}});
}

}  // namespace zip
