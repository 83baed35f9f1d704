#pragma once
// A file that takes its destination's place only once it is whole.
#include <QIODevice>
#include <string>

namespace printer {

// A file written under a temporary name beside its destination, which replaces
// the destination only once every write, the sync and the close have succeeded,
// so that a file cut short (a full disk) is never left where a person would
// take it for the whole one. Qt's PDF writer ignores failed writes; this device
// keeps the first one's cause until Commit. Never committed, the temporary
// file goes with the object and the destination stays as it was.
class ReplacingFile final : public QIODevice {
 public:
  explicit ReplacingFile(std::string destination);
  ~ReplacingFile() override;
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Makes the temporary file, empty and open for writing; false when it cannot
  // be made (no such folder, no permission, a full disk), and Reason says why.
  bool Create();
  // Why the file could not be made or written, as the runtime words the file
  // error ("Ruta de acceso no encontrada"); "" while nothing failed.
  std::string Reason() const;
  // Writes out what is held, syncs and closes the temporary file and renames it
  // to the destination. When any of it failed the temporary file is removed and
  // the runtime's file error of the first failure is raised (61 for a full
  // disk), its description naming the file and the cause.
  void Commit();

  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  void WriteHeld();
  void Discard();

  std::string destination_;
  std::string temporary_;
  int fd_ = -1;
  // The errno of the first failure; 0 while every step succeeded.
  int error_ = 0;
  std::string held_;
};

}  // namespace printer
