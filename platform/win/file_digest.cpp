#include "platform/win/file_digest.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/vb/error.h"
#include "platform/win/path_resolution.h"

namespace win {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr const char* kSource = "FileSha1";

struct DigestContextFree {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  ~OpenFile() { close(fd_); }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

[[noreturn]] void RaiseFor(int error) {
  if (error == ENOENT || error == ENOTDIR) vb::Raise(53, {}, kSource);
  if (error == EACCES || error == EPERM) vb::Raise(70, {}, kSource);
  vb::Raise(75, {}, kSource);
}

// Non-blocking so that a named pipe cannot stall the program; only ordinary
// files are digested.
int OpenForDigest(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) RaiseFor(errno);
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    vb::Raise(75, {}, kSource);
  }
  return fd;
}

void DigestBlocks(int fd, EVP_MD_CTX* context) {
  std::unique_ptr<unsigned char[]> block(new unsigned char[kBlockSize]);
  for (;;) {
    ssize_t n = read(fd, block.get(), kBlockSize);
    if (n == 0) return;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) RaiseFor(errno);
    if (EVP_DigestUpdate(context, block.get(), static_cast<std::size_t>(n)) != 1)
      vb::Raise(75, {}, kSource);
  }
}

}  // namespace

Sha1Digest FileSha1(const std::string& path) {
  OpenFile file(OpenForDigest(detail::ResolvePath(path)));
  std::unique_ptr<EVP_MD_CTX, DigestContextFree> context(EVP_MD_CTX_new());
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha1(), nullptr) != 1)
    vb::Raise(75, {}, kSource);
  DigestBlocks(file.Fd(), context.get());
  Sha1Digest digest{};
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1 || length != digest.size())
    vb::Raise(75, {}, kSource);
  return digest;
}

std::string FileSha1Hex(const std::string& path) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (unsigned char byte : FileSha1(path)) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

}  // namespace win
