#pragma once
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything in
// it at the end of the scope, folders a test left without permissions included.
// A folder that cannot be made throws: a test must never write at "/name".
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  // A file of the folder written or read whole, as bytes.
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace testsupport
