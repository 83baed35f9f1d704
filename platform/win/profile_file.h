#pragma once
// One profile (INI) file as it stands on disk.
#include <optional>
#include <string>
#include <vector>

namespace win::detail {

// One profile (INI) file as it stands on disk: Windows-1252 lines. Lookups fold
// the case of section and key names; a write changes or adds one line and keeps
// every other line, comment and blank line byte for byte.
class ProfileFile {
 public:
  enum class State { Missing, Unreadable, Read };

  static ProfileFile Load(const std::string& path);

  State FileState() const { return state_; }

  // The value of key in section: blanks around it removed and, when it is
  // wrapped in a pair of matching quotes (" or '), without them.
  std::optional<std::string> Value(const std::string& section, const std::string& key) const;

  // Sets key=value in section, adding the section at the end of the file and the
  // key after the section's last key when they are missing.
  void SetValue(const std::string& section, const std::string& key, const std::string& value);

  // The whole file as written to disk: Windows-1252, every line ended by CR LF.
  std::string Bytes() const;

 private:
  State state_ = State::Missing;
  std::vector<std::string> lines_;  // raw Windows-1252 bytes, without line ends

  std::optional<std::size_t> FindSection(const std::string& section) const;
  std::size_t SectionEnd(std::size_t header) const;
  void AppendSection(const std::string& section, const std::string& entry);
};

// Replaces the file's contents in one step (a new file renamed over the old
// one), so that a failed write never leaves a half-written settings file. A
// link in the file's place is written through only when this account or the
// owner of its folder made it; otherwise nothing is written (false).
bool SaveFile(const std::string& path, const std::string& bytes);

}  // namespace win::detail
