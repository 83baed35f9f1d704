#include "platform/vb/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>

#include "platform/vb/encoding.h"
#include "platform/vb/error.h"
#include "platform/vb/file_system.h"

namespace vb {
namespace {

constexpr int kLastFileNumber = 511;

struct OpenFile {
  std::FILE* stream = nullptr;
  OpenMode mode = OpenMode::Input;
  std::string path;
  dev_t device = 0;
  ino_t inode = 0;
  long long recordLength = 0;
  // A file read line by line is read ahead in large pieces: a debt file of
  // some megabytes would otherwise take a system call every four kilobytes.
  std::shared_ptr<char[]> readAhead;
};

constexpr std::size_t kReadAhead = 1 << 16;
// The line buffer LineInput keeps between lines, at most.
constexpr std::size_t kKeptLineBuffer = 1 << 16;

std::map<int, OpenFile>& Files() {
  static std::map<int, OpenFile> files;
  return files;
}

bool Writes(OpenMode mode) { return mode == OpenMode::Output || mode == OpenMode::Append; }

void RegisterEndHookOnce() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  AddEndHook([] {
    try {
      Close();
    } catch (const Error&) {
      // The program is ending: a file that cannot be flushed is lost either way.
    }
  });
}

void CheckFileNumber(int fileNumber) {
  if (fileNumber < 1 || fileNumber > kLastFileNumber) Raise(52);
}

OpenFile& FileOf(int fileNumber) {
  CheckFileNumber(fileNumber);
  auto it = Files().find(fileNumber);
  if (it == Files().end()) Raise(52);
  return it->second;
}

OpenFile& FileFor(int fileNumber, std::initializer_list<OpenMode> allowed) {
  OpenFile& file = FileOf(fileNumber);
  for (OpenMode mode : allowed)
    if (file.mode == mode) return file;
  Raise(54);
}

int FlagsOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::Output: return O_WRONLY | O_CREAT | O_TRUNC;
    case OpenMode::Input: return O_RDONLY;
    case OpenMode::Append: return O_WRONLY | O_CREAT | O_APPEND;
    case OpenMode::Random: return O_RDWR | O_CREAT;
    case OpenMode::BinaryRead: return O_RDONLY;
    case OpenMode::BinaryWrite: return O_WRONLY | O_CREAT;
  }
  return O_RDONLY;
}

const char* StreamModeOf(OpenMode mode) {
  switch (mode) {
    case OpenMode::Output: return "wb";
    case OpenMode::Append: return "ab";
    case OpenMode::Random: return "r+b";
    case OpenMode::BinaryWrite: return "wb";
    default: return "rb";
  }
}

// A file open for output or append is the program's alone; any other mode may
// share a file with other numbers opened the same way.
void CheckNotOpenElsewhere(const std::string& path, OpenMode mode) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return;
  for (const auto& [number, file] : Files()) {
    if (file.device != info.st_dev || file.inode != info.st_ino) continue;
    if (Writes(mode) || Writes(file.mode)) Raise(55);
  }
}

int OpenDescriptor(const std::string& path, OpenMode mode) {
  int fd = ::open(path.c_str(), FlagsOf(mode) | O_CLOEXEC, 0666);
  if (fd < 0) RaiseFileError(errno, path);
  struct stat info;
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    Raise(75);
  }
  return fd;
}

// Moves the bytes the stream holds read ahead, up to the end of the line, into
// `bytes` in one piece, and gives the high bits of those bytes: a byte at a time
// through the stream's lock and checks costs several times more. The stream is
// left at the line's end or, when its buffer ran out first, where the next read
// fills it again. Other C libraries read a byte at a time.
int TakeLineBytes(std::FILE* stream, std::string& bytes) {
#ifdef __GLIBC__
  const char* start = stream->_IO_read_ptr;
  const char* end = stream->_IO_read_end;
  const char* at = start;
  unsigned char high = 0;
  while (at < end && *at != '\r' && *at != '\n') high |= static_cast<unsigned char>(*at++);
  bytes.append(start, at);
  stream->_IO_read_ptr = const_cast<char*>(at);
  return high & 0x80;
#else
  (void)stream;
  (void)bytes;
  return 0;
#endif
}

void CheckStream(std::FILE* stream, const std::string& path) {
  if (std::ferror(stream) == 0) return;
  int err = errno;
  std::clearerr(stream);
  RaiseFileError(err == 0 ? EIO : err, path);
}

void WriteBytes(OpenFile& file, const std::string& bytes) {
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file.stream);
  CheckStream(file.stream, file.path);
}

void SeekTo(OpenFile& file, long long offset) {
  if (std::fseek(file.stream, offset, SEEK_SET) != 0) RaiseFileError(errno, file.path);
}

// A stream that both reads and writes must be positioned between the two.
void PositionFor(OpenFile& file, long long position) {
  if (position > 0)
    SeekTo(file, position - 1);
  else if (std::fseek(file.stream, 0, SEEK_CUR) != 0)
    RaiseFileError(errno, file.path);
}

std::string ReadBytes(OpenFile& file, long long length) {
  std::string bytes(static_cast<std::size_t>(length), '\0');
  std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.stream);
  CheckStream(file.stream, file.path);
  bytes.resize(got);
  return bytes;
}

long long RecordOffset(const OpenFile& file, long long record) {
  if (record < 1) Raise(63);
  return (record - 1) * file.recordLength;
}

}  // namespace

int FreeFile() {
  for (int number = 1; number <= kLastFileNumber; ++number)
    if (!Files().count(number)) return number;
  Raise(67);
}

void Open(const std::string& path, OpenMode mode, int fileNumber, int recordLength) {
  CheckFileNumber(fileNumber);
  if (Files().count(fileNumber)) Raise(55);
  if (path.empty()) Raise(75);
  if (mode == OpenMode::Random && recordLength < 1) Raise(59);
  std::string resolved = ResolvePath(path);
  CheckNotOpenElsewhere(resolved, mode);
  int fd = OpenDescriptor(resolved, mode);
  std::FILE* stream = fdopen(fd, StreamModeOf(mode));
  if (stream == nullptr) {
    int err = errno;
    ::close(fd);
    RaiseFileError(err, resolved);
  }
  struct stat info;
  fstat(fd, &info);
  std::shared_ptr<char[]> readAhead;
  if (mode == OpenMode::Input) {
    readAhead.reset(new char[kReadAhead]);
    std::setvbuf(stream, readAhead.get(), _IOFBF, kReadAhead);
  }
  RegisterEndHookOnce();
  Files()[fileNumber] = OpenFile{stream, mode, resolved, info.st_dev, info.st_ino, recordLength, readAhead};
}

void Close(int fileNumber) {
  OpenFile file = FileOf(fileNumber);
  Files().erase(fileNumber);
  bool failed = std::fflush(file.stream) != 0 || std::ferror(file.stream) != 0;
  int err = errno;
  if (std::fclose(file.stream) != 0 && !failed) {
    failed = true;
    err = errno;
  }
  if (failed) RaiseFileError(err == 0 ? EIO : err, file.path);
}

void Close() {
  int firstError = 0;
  while (!Files().empty()) {
    try {
      Close(Files().begin()->first);
    } catch (const Error& e) {
      if (firstError == 0) firstError = e.Number();
    }
  }
  if (firstError != 0) Raise(firstError);
}

void Print(int fileNumber, const std::string& text, LineEnd end) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::Output, OpenMode::Append});
  WriteBytes(file, ToCp1252(text) + (end == LineEnd::CrLf ? "\r\n" : ""));
}

std::string LineInput(int fileNumber) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::Input});
  int c = std::getc(file.stream);
  if (c == EOF) {
    CheckStream(file.stream, file.path);
    Raise(62);
  }
  // The line's bytes go into a buffer kept between lines: a file of thousands
  // of lines is read without growing a new text for each.
  thread_local std::string bytes;
  bytes.clear();
  // A line of ASCII bytes, the usual one, reads the same in Windows-1252 and
  // UTF-8: the bytes are seen once, and not again to be converted.
  int high = 0;
  flockfile(file.stream);
  while (c != EOF && c != '\r' && c != '\n') {
    high |= c & 0x80;
    bytes += static_cast<char>(c);
    high |= TakeLineBytes(file.stream, bytes);
    c = getc_unlocked(file.stream);
  }
  funlockfile(file.stream);
  if (c == '\r') {
    int next = std::getc(file.stream);
    if (next != '\n' && next != EOF) std::ungetc(next, file.stream);
  }
  CheckStream(file.stream, file.path);
  if (bytes.capacity() <= kKeptLineBuffer) return high ? FromCp1252(bytes) : bytes;
  // A long line's buffer is not kept for the next lines: handed over rather
  // than copied, or let go once converted, so that one long line costs its
  // length once.
  std::string line = std::exchange(bytes, std::string());
  if (high) return FromCp1252(line);
  return line;
}

std::string Input(long long length, int fileNumber) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::Input});
  if (length < 0) Raise(5);
  long long start = std::ftell(file.stream);
  std::string bytes = ReadBytes(file, length);
  if (static_cast<long long>(bytes.size()) < length) {
    SeekTo(file, start);
    Raise(62);
  }
  return FromCp1252(bytes);
}

bool Eof(int fileNumber) {
  OpenFile& file = FileOf(fileNumber);
  if (file.mode == OpenMode::Output || file.mode == OpenMode::Append || file.mode == OpenMode::BinaryWrite)
    return true;
  int c = std::getc(file.stream);
  if (c == EOF) {
    CheckStream(file.stream, file.path);
    return true;
  }
  std::ungetc(c, file.stream);
  return false;
}

long long LOF(int fileNumber) {
  OpenFile& file = FileOf(fileNumber);
  std::fflush(file.stream);
  struct stat info;
  if (fstat(fileno(file.stream), &info) != 0) RaiseFileError(errno, file.path);
  return static_cast<long long>(info.st_size);
}

std::string Get(int fileNumber, long long length, long long position) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::BinaryRead, OpenMode::Random});
  if (length < 0 || position < 0) Raise(5);
  PositionFor(file, position);
  return ReadBytes(file, length);
}

void Put(int fileNumber, const std::string& bytes, long long position) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::BinaryWrite, OpenMode::Random});
  if (position < 0) Raise(5);
  PositionFor(file, position);
  WriteBytes(file, bytes);
}

std::string GetRecord(int fileNumber, long long record) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::Random});
  SeekTo(file, RecordOffset(file, record));
  std::string bytes = ReadBytes(file, file.recordLength);
  bytes.resize(static_cast<std::size_t>(file.recordLength), '\0');
  return bytes;
}

void PutRecord(int fileNumber, long long record, const std::string& bytes) {
  OpenFile& file = FileFor(fileNumber, {OpenMode::Random});
  if (static_cast<long long>(bytes.size()) > file.recordLength) Raise(59);
  SeekTo(file, RecordOffset(file, record));
  WriteBytes(file, bytes);
}

bool IsOpenInProgram(const std::string& path, OpenUse use) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return false;
  for (const auto& [number, file] : Files()) {
    if (file.device != info.st_dev || file.inode != info.st_ino) continue;
    if (use == OpenUse::Any || file.mode != OpenMode::Input) return true;
  }
  return false;
}

}  // namespace vb
