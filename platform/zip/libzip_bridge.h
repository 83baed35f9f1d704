#pragma once
// The only way into libzip.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// libzip declares a global "struct zip", which cannot live beside the zip
// namespace in one translation unit; the library is reached only through here.
namespace ziplib {

struct EntryInfo {
  std::string name;
  // The file type and permissions an archive made on Unix records; 0 otherwise.
  unsigned unixMode = 0;
  bool sizeKnown = false;
  std::uint64_t size = 0;
  bool encrypted = false;
};

enum class ReadResult { Done, Unreadable, Stopped };

class Reader {
 public:
  explicit Reader(const std::string& path);
  ~Reader();
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  bool IsOpen() const;
  // -1 when the archive cannot tell.
  long long EntryCount() const;
  bool Info(std::uint64_t index, EntryInfo& info) const;
  // Hands the entry's inflated bytes to `sink` block by block; a sink that
  // answers false stops the reading. A damaged entry (its checksum included) is
  // Unreadable.
  ReadResult Read(std::uint64_t index,
                  const std::function<bool(const char* data, std::size_t size)>& sink) const;

 private:
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

struct NewEntry {
  std::string name;
  const std::string* data = nullptr;
  bool folder = false;
  unsigned unixMode = 0;
};

// Writes a deflated archive of the entries; "" on success, else the reason.
std::string WriteEntries(const std::string& path, const std::vector<NewEntry>& entries);

}  // namespace ziplib
