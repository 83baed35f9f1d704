#pragma once
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

// A folder and the files in it that match a pattern, one of which may be chosen:
// what the import window needs of a drive, a folder and a file list. Patterns
// use * and ?, compare without regard to case and may be several, separated by
// ";". Only ordinary files are listed, sorted by name.
class FileChooser : public Control {
 public:
  FileChooser(Place place, std::string name, int index = -1);
  std::string_view Kind() const override { return "FileChooser"; }
  bool CanTakeFocus() const override { return true; }

  const std::string& Path() const { return props_->path; }
  // A folder that does not exist raises error 76 and leaves the chooser as it
  // was. A new folder lists its files, with none chosen, and runs PathChange.
  void SetPath(std::string path);
  const std::string& Pattern() const { return props_->pattern; }
  // A new pattern lists the matching files, with none chosen, and runs
  // PatternChange.
  void SetPattern(std::string pattern);
  // Reads the folder again.
  void Refresh();

  int ListCount() const { return static_cast<int>(files_.size()); }
  std::string List(int index) const;
  int ListIndex() const { return props_->listIndex; }
  // Choosing another file runs Click; -1 chooses none. Other values raise 380.
  void SetListIndex(int index);
  // The chosen file's name, "" with none.
  std::string FileName() const { return List(ListIndex()); }
  // The chosen file's full path, "" with none.
  std::string FilePath() const;

  Event<> PathChange;
  Event<> PatternChange;

 protected:
  void OnUserKey(int keyCode, int shift) override;
  void RestoreDesign() override;

 private:
  struct Props {
    std::string path;
    std::string pattern = "*.*";
    int listIndex = -1;
  };

  void ReadFolder();

  Persistent<Props> props_{Slots()};
  std::vector<std::string> files_;
};

// Whether `name` matches a pattern such as "*.zip" or "0942*.zip;*.txt".
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace forms
