#include "platform/win/file_digest.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/testsupport/error_of.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"

namespace win {
namespace {

using testsupport::ErrorOf;
using testsupport::TempFolder;
using testsupport::WriteBytes;

TEST(FileDigestTest, KnownContentsGiveTheirSha1InLowerCaseHex) {
  TempFolder folder;
  struct Case {
    std::string contents;
    const char* digest;
  };
  const Case cases[] = {
      {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
      {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
      {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
      {std::string("\0\r\n\xFF", 4), "941fac201d4ba9e933868500a98d02f2c94657f7"},
  };
  for (const Case& c : cases) {
    WriteBytes(folder / "deudas.txt", c.contents);
    EXPECT_EQ(FileSha1Hex(folder / "deudas.txt"), c.digest) << c.contents.size() << " bytes";
  }
}

TEST(FileDigestTest, RawDigestStartsWithTheBytesTheTextSpells) {
  TempFolder folder;
  WriteBytes(folder / "abc.txt", "abc");
  Sha1Digest digest = FileSha1(folder / "abc.txt");
  EXPECT_EQ(digest[0], 0xa9);
  EXPECT_EQ(digest[1], 0x99);
  EXPECT_EQ(digest[19], 0x9d);
}

TEST(FileDigestTest, PathWithBackslashesAndAnotherCaseIsFound) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "Tmp");
  WriteBytes(folder / "Tmp/Deudas.TXT", "abc");
  EXPECT_EQ(FileSha1Hex(folder.Path() + "\\TMP\\deudas.txt"),
            "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(FileDigestTest, FileThatCannotBeReadRaisesInsteadOfGivingADigest) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "carpeta");
  struct Case {
    std::string path;
    int number;
  };
  const Case cases[] = {
      {folder / "missing.txt", 53},
      {folder / "missing/deudas.txt", 53},
      {folder / "carpeta", 75},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { FileSha1Hex(c.path); }), c.number) << c.path;
}

TEST(FileDigestTest, FileWithoutReadPermissionRaisesPermissionDenied) {
  if (geteuid() == 0) GTEST_SKIP() << "running as root: every file can be read";
  TempFolder folder;
  WriteBytes(folder / "deudas.txt", "abc");
  std::filesystem::permissions(folder / "deudas.txt", std::filesystem::perms::none);
  EXPECT_EQ(ErrorOf([&] { FileSha1Hex(folder / "deudas.txt"); }), 70);
}

}  // namespace
}  // namespace win
