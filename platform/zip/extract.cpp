#include "platform/zip/extract.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <set>

#include "platform/zip/entry_name.h"
#include "platform/zip/libzip_bridge.h"

namespace zip {
namespace {

namespace fs = std::filesystem;

// Temporary files in the extraction folder; whatever was not handed over with
// Release is removed when the extraction leaves.
class TemporaryFiles {
 public:
  explicit TemporaryFiles(std::string folder) : folder_(std::move(folder)) {}
  ~TemporaryFiles() {
    for (const std::string& path : paths_) unlink(path.c_str());
  }
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;

  // A new empty file open for writing, or -1.
  int Create(std::string& path) {
    std::string pattern = folder_ + "/.unzip-XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) return -1;
    fchmod(fd, 0644);
    paths_.push_back(pattern);
    path = pattern;
    return fd;
  }
  void Release() { paths_.clear(); }

 private:
  std::string folder_;
  std::vector<std::string> paths_;
};

enum class EntryKind { File, Folder, Special };

// Archives made on Unix keep the entry's file type in their attributes; a link,
// device, pipe or socket there is never written.
EntryKind KindOf(const ziplib::EntryInfo& info) {
  unsigned type = info.unixMode & S_IFMT;
  if (type == S_IFDIR) return EntryKind::Folder;
  if (type != 0 && type != S_IFREG) return EntryKind::Special;
  return IsFolderName(info.name) ? EntryKind::Folder : EntryKind::File;
}

bool FolderEntryIsSafe(std::string name) {
  while (IsFolderName(name)) name.pop_back();
  return SafeBaseName(name).has_value();
}

struct PlannedFile {
  std::uint64_t index;
  std::string entry;
  std::string baseName;
};

struct Plan {
  Outcome outcome = Outcome::Extracted;
  std::string entry;
  std::vector<PlannedFile> files;
};

Plan Refused(Outcome outcome, std::string entry) {
  Plan plan;
  plan.outcome = outcome;
  plan.entry = std::move(entry);
  return plan;
}

// Checks every entry before anything is written.
Plan PlanExtraction(const ziplib::Reader& archive, const Limits& limits) {
  long long count = archive.EntryCount();
  if (count < 0) return Refused(Outcome::Unreadable, {});
  if (static_cast<std::uint64_t>(count) > limits.maxEntries) return Refused(Outcome::TooLarge, {});
  Plan plan;
  std::set<std::string> baseNames;
  std::uint64_t declared = 0;
  for (std::uint64_t index = 0; index < static_cast<std::uint64_t>(count); ++index) {
    ziplib::EntryInfo info;
    if (!archive.Info(index, info)) return Refused(Outcome::Unreadable, {});
    EntryKind kind = KindOf(info);
    if (kind == EntryKind::Special) return Refused(Outcome::UnsafeEntry, info.name);
    if (kind == EntryKind::Folder) {
      if (!FolderEntryIsSafe(info.name)) return Refused(Outcome::UnsafeEntry, info.name);
      continue;
    }
    std::optional<std::string> baseName = SafeBaseName(info.name);
    if (!baseName || !baseNames.insert(*baseName).second) {
      return Refused(Outcome::UnsafeEntry, info.name);
    }
    if (info.encrypted) return Refused(Outcome::Unreadable, info.name);
    if (info.sizeKnown) declared += info.size;
    if (declared > limits.maxTotalBytes) return Refused(Outcome::TooLarge, info.name);
    plan.files.push_back({index, info.name, *baseName});
  }
  return plan;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;  // nothing written and no error: no room left
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Inflates one entry into an open file, counting every byte against the limit;
// a write that fails leaves its errno in `writeError`.
Outcome Inflate(const ziplib::Reader& archive, std::uint64_t index, int fd,
                std::uint64_t& total, const Limits& limits, int& writeError) {
  Outcome stopped = Outcome::Extracted;
  ziplib::ReadResult result = archive.Read(index, [&](const char* data, std::size_t size) {
    total += size;
    if (total > limits.maxTotalBytes) {
      stopped = Outcome::TooLarge;
      return false;
    }
    if (!WriteAll(fd, data, size)) {
      stopped = Outcome::WriteFailed;
      writeError = errno;
      return false;
    }
    return true;
  });
  if (result == ziplib::ReadResult::Unreadable) return Outcome::Unreadable;
  return stopped;
}

// 0 when the folder is there, created when missing; otherwise why not (errno).
int EnsureFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  std::error_code ignored;
  if (fs::is_directory(folder, ignored)) return 0;
  return error ? error.value() : ENOTDIR;
}

Extraction Finished(Outcome outcome, std::string entry, std::vector<std::string> files = {}) {
  Extraction result;
  result.outcome = outcome;
  result.entry = std::move(entry);
  result.files = std::move(files);
  return result;
}

Extraction WriteFailed(int writeError, std::string entry = {}) {
  Extraction result = Finished(Outcome::WriteFailed, std::move(entry));
  result.writeError = writeError;
  return result;
}

// Moves the inflated files to their names; when one cannot be moved, the ones
// already moved are removed again and the answer is why (errno), else 0.
// Renaming replaces a link of that name, never the file it points to.
int MoveIntoPlace(const std::vector<std::string>& temporary, const std::vector<std::string>& final) {
  for (std::size_t i = 0; i < temporary.size(); ++i) {
    if (std::rename(temporary[i].c_str(), final[i].c_str()) != 0) {
      int error = errno;
      for (std::size_t j = 0; j < i; ++j) unlink(final[j].c_str());
      return error;
    }
  }
  return 0;
}

Extraction Extract(const std::string& archivePath, const std::string& folder,
                   const Limits& limits, bool exactlyOne) {
  ziplib::Reader archive(archivePath);
  if (!archive.IsOpen()) return Finished(Outcome::Unreadable, {});
  Plan plan = PlanExtraction(archive, limits);
  if (plan.outcome != Outcome::Extracted) return Finished(plan.outcome, plan.entry);
  if (exactlyOne && plan.files.size() != 1) return Finished(Outcome::NotOneFile, {});
  if (int error = EnsureFolder(folder)) return WriteFailed(error);

  TemporaryFiles temporaries(folder);
  std::vector<std::string> temporaryPaths, finalPaths, names;
  std::uint64_t total = 0;
  for (const PlannedFile& file : plan.files) {
    std::string temporary;
    int fd = temporaries.Create(temporary);
    if (fd < 0) return WriteFailed(errno, file.entry);
    int writeError = 0;
    Outcome outcome = Inflate(archive, file.index, fd, total, limits, writeError);
    if (close(fd) != 0 && outcome == Outcome::Extracted) {
      outcome = Outcome::WriteFailed;
      writeError = errno;
    }
    if (outcome == Outcome::WriteFailed) return WriteFailed(writeError, file.entry);
    if (outcome != Outcome::Extracted) return Finished(outcome, file.entry);
    temporaryPaths.push_back(temporary);
    finalPaths.push_back(folder + "/" + file.baseName);
    names.push_back(file.baseName);
  }
  if (int error = MoveIntoPlace(temporaryPaths, finalPaths)) return WriteFailed(error);
  temporaries.Release();
  return Finished(Outcome::Extracted, {}, std::move(names));
}

}  // namespace

Extraction ExtractAll(const std::string& archivePath, const std::string& folder,
                      const Limits& limits) {
  return Extract(archivePath, folder, limits, false);
}

Extraction ExtractSingleFile(const std::string& archivePath, const std::string& folder,
                             const Limits& limits) {
  return Extract(archivePath, folder, limits, true);
}

}  // namespace zip
