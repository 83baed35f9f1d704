#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/file_system.h"
#include "platform/vb/vb.h"

namespace {

using testsupport::ErrorOf;
using testsupport::TempFolder;
using vb::OpenMode;

class Files : public ::testing::Test {
 protected:
  void TearDown() override { vb::Close(); }
  TempFolder folder;
};

TEST_F(Files, PrintWritesWindows1252WithCrLf) {
  vb::Open(folder / "out.txt", OpenMode::Output, 1);
  vb::Print(1, "Año ñandú € Nº");
  vb::Print(1, "中");
  vb::Print(1, "x", vb::LineEnd::None);
  vb::Print(1, "y");
  vb::Close(1);
  EXPECT_EQ(folder.Read("out.txt"), "A\xF1o \xF1" "and\xFA \x80 N\xBA\r\n?\r\nxy\r\n");
}

TEST_F(Files, OutputReplacesAndAppendAdds) {
  folder.Write("log.txt", "old\r\n");
  vb::Open(folder / "log.txt", OpenMode::Append, 1);
  vb::Print(1, "new");
  vb::Close(1);
  EXPECT_EQ(folder.Read("log.txt"), "old\r\nnew\r\n");
  vb::Open(folder / "log.txt", OpenMode::Output, 1);
  vb::Print(1, "only");
  vb::Close(1);
  EXPECT_EQ(folder.Read("log.txt"), "only\r\n");
  vb::Open(folder / "fresh.txt", OpenMode::Append, 1);
  vb::Close(1);
  EXPECT_EQ(folder.Read("fresh.txt"), "");
}

TEST_F(Files, LineInputAcceptsCrLfLfAndCr) {
  folder.Write("in.txt", "a\r\nb\nc\rd\r\n\r\n\xD1" "e");
  vb::Open(folder / "in.txt", OpenMode::Input, 1);
  std::vector<std::string> lines;
  while (!vb::Eof(1)) lines.push_back(vb::LineInput(1));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "Ñe"}));
  EXPECT_EQ(ErrorOf([] { vb::LineInput(1); }), 62);
}

// Lines are read in pieces; a line of any length comes whole, its
// Windows-1252 characters wherever they fall.
TEST_F(Files, LineInputReadsLongLinesWhole) {
  std::vector<std::string> written;
  std::string file;
  for (std::size_t length : {255u, 256u, 257u, 511u, 512u, 1300u}) {
    std::string line(length, 'x');
    line[length / 2] = '\xD1';
    line[length - 1] = '|';
    file += line + "\r\n";
    written.push_back(line);
  }
  folder.Write("long.txt", file);
  vb::Open(folder / "long.txt", OpenMode::Input, 1);
  for (const std::string& line : written) {
    std::string expected = line.substr(0, line.size() / 2) + "Ñ" + line.substr(line.size() / 2 + 1);
    EXPECT_EQ(vb::LineInput(1), expected) << line.size();
  }
  EXPECT_TRUE(vb::Eof(1));
}

// A line is taken from the stream's read-ahead in pieces: lines that end at,
// before and after the read-ahead runs out, with each kind of line end, come
// whole, an ASCII line after one with a Windows-1252 character is not
// converted, and a read of characters goes on where the last line ended.
TEST_F(Files, LineInputTakesLinesAcrossTheReadAhead) {
  struct Caso {
    std::size_t largo;
    const char* fin;
    bool conEnie;
  };
  // The first lines take 40,494 bytes; the next ends where the 64 KiB
  // read-ahead does, and the one after has its CR LF split across the second.
  const Caso casos[] = {{4095, "\r\n", false}, {1, "\n", true},      {4096, "\r", false},
                        {4094, "\r\n", true},  {8193, "\n", false},  {0, "\r\n", false},
                        {20000, "\r", true},   {3, "\r\n", false},   {25040, "\r\n", true},
                        {65535, "\r\n", false}, {2, "\n", false}};
  std::string file;
  std::vector<std::string> expected;
  for (const Caso& c : casos) {
    std::string line(c.largo, 'y');
    if (c.conEnie && c.largo > 0) line[c.largo - 1] = '\xD1';
    file += line + c.fin;
    expected.push_back(c.conEnie && c.largo > 0 ? line.substr(0, c.largo - 1) + "Ñ" : line);
  }
  folder.Write("ahead.txt", file + "tail");
  vb::Open(folder / "ahead.txt", OpenMode::Input, 1);
  for (const std::string& line : expected) EXPECT_EQ(vb::LineInput(1), line) << line.size();
  EXPECT_EQ(vb::Input(3, 1), "tai");
  EXPECT_EQ(vb::LineInput(1), "l");
  EXPECT_TRUE(vb::Eof(1));
}

// Input reads characters as they stand: line ends stay, a Windows-1252 byte is
// one character, and a read past the end raises 62 without moving on.
TEST_F(Files, InputReadsCharactersWithTheirLineEnds) {
  folder.Write("in.txt", "Casilla 500\r\nA\xF1o\r\n");
  vb::Open(folder / "in.txt", OpenMode::Input, 1);
  struct Case {
    long long length;
    std::string text;
  } cases[] = {{0, ""}, {7, "Casilla"}, {6, " 500\r\n"}, {3, "Año"}};
  for (const Case& c : cases) EXPECT_EQ(vb::Input(c.length, 1), c.text) << c.length;
  EXPECT_EQ(ErrorOf([] { vb::Input(3, 1); }), 62);
  EXPECT_EQ(vb::Input(2, 1), "\r\n");
  EXPECT_TRUE(vb::Eof(1));
  vb::Close(1);
  vb::Open(folder / "in.txt", OpenMode::Input, 1);
  EXPECT_EQ(vb::Input(vb::LOF(1), 1), "Casilla 500\r\nAño\r\n");
  EXPECT_EQ(ErrorOf([] { vb::Input(-1, 1); }), 5);
  vb::Open(folder / "out.txt", OpenMode::Output, 2);
  EXPECT_EQ(ErrorOf([] { vb::Input(1, 2); }), 54);
  EXPECT_EQ(ErrorOf([] { vb::Input(1, 3); }), 52);
}

TEST_F(Files, LastLineEndDoesNotMakeAnEmptyLine) {
  folder.Write("in.txt", "uno\r\n");
  vb::Open(folder / "in.txt", OpenMode::Input, 1);
  EXPECT_EQ(vb::LineInput(1), "uno");
  EXPECT_TRUE(vb::Eof(1));
}

TEST_F(Files, FileNumbersAndModesRaiseTheRuntimeNumbers) {
  folder.Write("a.txt", "x");
  std::filesystem::create_directory(folder / "sub");
  vb::Open(folder / "a.txt", OpenMode::Input, 1);
  struct Case {
    const char* what;
    std::function<void()> action;
    int number;
  } cases[] = {
      {"missing file", [&] { vb::Open(folder / "none.txt", OpenMode::Input, 2); }, 53},
      {"missing folder", [&] { vb::Open(folder / "nodir/a.txt", OpenMode::Output, 2); }, 76},
      {"binary read of a missing file", [&] { vb::Open(folder / "none.bin", OpenMode::BinaryRead, 2); }, 53},
      {"number in use", [&] { vb::Open(folder / "b.txt", OpenMode::Output, 1); }, 55},
      {"output while open", [&] { vb::Open(folder / "a.txt", OpenMode::Output, 2); }, 55},
      {"append while open", [&] { vb::Open(folder / "A.TXT", OpenMode::Append, 2); }, 55},
      {"folder as a file", [&] { vb::Open(folder / "sub", OpenMode::Input, 2); }, 75},
      {"empty name", [&] { vb::Open("", OpenMode::Input, 2); }, 75},
      {"number 0", [&] { vb::Open(folder / "b.txt", OpenMode::Output, 0); }, 52},
      {"number 512", [&] { vb::Open(folder / "b.txt", OpenMode::Output, 512); }, 52},
      {"closed number", [] { vb::Close(9); }, 52},
      {"print to input", [] { vb::Print(1, "x"); }, 54},
      {"binary get from input", [] { vb::Get(1, 1); }, 54},
      {"record length 0", [&] { vb::Open(folder / "r.dat", OpenMode::Random, 2, 0); }, 59},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.action), c.number) << c.what;
  vb::Open(folder / "a.txt", OpenMode::Input, 2);
  vb::Open(folder / "b.txt", OpenMode::Output, 3);
  EXPECT_EQ(ErrorOf([] { vb::LineInput(3); }), 54);
  EXPECT_EQ(vb::FreeFile(), 4);
  vb::Close(1);
  EXPECT_EQ(vb::FreeFile(), 1);
}

TEST_F(Files, PermissionDeniedIsSeventy) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  folder.Write("locked.txt", "x");
  std::filesystem::permissions(folder / "locked.txt", std::filesystem::perms::none);
  EXPECT_EQ(ErrorOf([&] { vb::Open(folder / "locked.txt", OpenMode::Input, 1); }), 70);
}

TEST_F(Files, OperatingSystemFailuresMapToRuntimeNumbers) {
  folder.Write("there.txt", "x");
  struct Case {
    int err;
    std::string path;
    int number;
  } cases[] = {
      {ENOENT, folder / "missing.txt", 53}, {ENOENT, folder / "nodir/missing.txt", 76},
      {ENOTDIR, folder / "there.txt/x", 76}, {EACCES, folder / "there.txt", 70},
      {EPERM, folder / "there.txt", 70},    {ENOSPC, folder / "there.txt", 61},
      {EDQUOT, folder / "there.txt", 61},   {EIO, folder / "there.txt", 57},
      {ENXIO, folder / "there.txt", 68},    {ENOMEDIUM, folder / "there.txt", 71},
      {ENAMETOOLONG, folder / "x", 64},     {EMFILE, folder / "x", 67},
      {EISDIR, folder.Path(), 75},          {EROFS, folder / "there.txt", 75},
  };
  for (const Case& c : cases) EXPECT_EQ(vb::FileErrorNumber(c.err, c.path), c.number) << c.err;
}

TEST_F(Files, BinaryAndRandomAccess) {
  vb::Open(folder / "data.bin", OpenMode::BinaryWrite, 1);
  vb::Put(1, std::string("\x00\x01\xFF", 3));
  vb::Put(1, "AB", 5);
  vb::Close(1);
  EXPECT_EQ(folder.Read("data.bin"), std::string("\x00\x01\xFF\x00" "AB", 6));
  vb::Open(folder / "data.bin", OpenMode::BinaryRead, 1);
  EXPECT_EQ(vb::LOF(1), 6);
  EXPECT_EQ(vb::Get(1, 2, 5), "AB");
  EXPECT_TRUE(vb::Eof(1));
  EXPECT_EQ(vb::Get(1, 3, 2), std::string("\x01\xFF\x00", 3));
  EXPECT_EQ(vb::Get(1, 9), "AB");
  vb::Close(1);

  vb::Open(folder / "rec.dat", OpenMode::Random, 2, 4);
  vb::PutRecord(2, 2, "WXYZ");
  vb::PutRecord(2, 1, "abcd");
  EXPECT_EQ(vb::GetRecord(2, 2), "WXYZ");
  EXPECT_EQ(vb::GetRecord(2, 3), std::string(4, '\0'));
  EXPECT_EQ(ErrorOf([] { vb::PutRecord(2, 1, "toolong"); }), 59);
  EXPECT_EQ(ErrorOf([] { vb::GetRecord(2, 0); }), 63);
  vb::Close(2);
  EXPECT_EQ(folder.Read("rec.dat"), "abcdWXYZ");
}

TEST_F(Files, PathsIgnoreCaseAndTakeBackslashes) {
  std::filesystem::create_directories(folder / "Datos/Sub");
  folder.Write("Datos/Sub/Mens.TXT", "old");
  EXPECT_EQ(vb::ResolvePath(folder.Path() + "\\DATOS\\sub\\mens.txt"), folder / "Datos/Sub/Mens.TXT");
  EXPECT_EQ(vb::ResolvePath(folder.Path() + "\\datos\\nuevo.txt"), folder / "Datos/nuevo.txt");
  EXPECT_EQ(vb::ResolvePath(folder.Path() + "\\datos\\"), folder / "Datos/");
  EXPECT_EQ(vb::ResolvePath(folder.Path() + "/nada/x.txt"), folder / "nada/x.txt");
  vb::Open(folder.Path() + "\\DATOS\\SUB\\MENS.TXT", OpenMode::Output, 1);
  vb::Print(1, "new");
  vb::Close(1);
  EXPECT_EQ(folder.Read("Datos/Sub/Mens.TXT"), "new\r\n");
}

TEST_F(Files, ResolvePathTakesTheFirstMatchInNameOrder) {
  folder.Write("DATA.txt", "1");
  folder.Write("data.TXT", "2");
  EXPECT_EQ(vb::ResolvePath(folder / "Data.txt"), folder / "DATA.txt");
  EXPECT_EQ(vb::ResolvePath(folder / "data.TXT"), folder / "data.TXT");
}

TEST_F(Files, DirListsOrdinaryFilesMatchingWildcards) {
  for (const char* name : {"beta.txt", "Alfa.TXT", "gamma.dat", ".oculto.txt", "LEEME"})
    folder.Write(name, "x");
  std::filesystem::create_directory(folder / "carpeta.txt");
  auto listing = [](const std::string& pattern) {
    std::vector<std::string> names;
    for (std::string name = vb::Dir(pattern); !name.empty(); name = vb::Dir()) names.push_back(name);
    return names;
  };
  using Names = std::vector<std::string>;
  const std::string at = folder.Path() + "\\";
  EXPECT_EQ(listing(at + "*.txt"), (Names{"Alfa.TXT", "beta.txt"}));
  EXPECT_EQ(listing(at + "?ETA.*"), (Names{"beta.txt"}));
  EXPECT_EQ(listing(at + "*.*"), (Names{"Alfa.TXT", "beta.txt", "gamma.dat", "LEEME"}));
  EXPECT_EQ(listing(at), (Names{"Alfa.TXT", "beta.txt", "gamma.dat", "LEEME"}));
  EXPECT_EQ(listing(at + "alfa.txt"), (Names{"Alfa.TXT"}));
  EXPECT_EQ(listing(at + "carpeta.txt"), Names{});
  EXPECT_EQ(listing(at + "?.txt"), Names{});
  EXPECT_EQ(vb::Dir(""), "");
  EXPECT_EQ(ErrorOf([] { vb::Dir(); }), 5);
  EXPECT_EQ(ErrorOf([&] { vb::Dir(at + "nada\\*.txt"); }), 76);
}

TEST_F(Files, KillCopyRenameAndFolders) {
  folder.Write("a.tmp", "1");
  folder.Write("b.TMP", "2");
  folder.Write("keep.txt", "3");
  vb::Kill(folder.Path() + "\\*.tmp");
  EXPECT_EQ(vb::Dir(folder / "*.*"), "keep.txt");
  EXPECT_EQ(vb::Dir(), "");
  EXPECT_EQ(ErrorOf([&] { vb::Kill(folder / "*.tmp"); }), 53);

  vb::FileCopy(folder / "KEEP.TXT", folder / "copy.txt");
  EXPECT_EQ(folder.Read("copy.txt"), "3");
  EXPECT_EQ(vb::FileLen(folder / "copy.txt"), 1);
  EXPECT_EQ(ErrorOf([&] { vb::FileCopy(folder / "none.txt", folder / "x.txt"); }), 53);
  EXPECT_EQ(ErrorOf([&] { vb::FileCopy(folder / "keep.txt", folder / "nodir/x.txt"); }), 76);
  EXPECT_EQ(ErrorOf([&] { vb::FileLen(folder / "none.txt"); }), 53);

  vb::Name(folder / "copy.txt", folder / "moved.txt");
  EXPECT_EQ(folder.Read("moved.txt"), "3");
  EXPECT_EQ(ErrorOf([&] { vb::Name(folder / "moved.txt", folder / "keep.txt"); }), 58);
  EXPECT_EQ(ErrorOf([&] { vb::Name(folder / "none.txt", folder / "x.txt"); }), 53);

  vb::Open(folder / "keep.txt", OpenMode::Output, 1);
  EXPECT_EQ(ErrorOf([&] { vb::Kill(folder / "keep.txt"); }), 75);
  EXPECT_EQ(ErrorOf([&] { vb::FileCopy(folder / "keep.txt", folder / "y.txt"); }), 70);
  vb::Close(1);

  vb::MkDir(folder.Path() + "\\Nueva");
  EXPECT_EQ(ErrorOf([&] { vb::MkDir(folder / "nueva"); }), 75);
  EXPECT_EQ(ErrorOf([&] { vb::MkDir(folder / "no/existe"); }), 76);
  folder.Write("Nueva/f.txt", "x");
  EXPECT_EQ(ErrorOf([&] { vb::RmDir(folder / "NUEVA"); }), 75);
  vb::Kill(folder / "nueva/F.TXT");
  vb::RmDir(folder / "NUEVA");
  EXPECT_FALSE(std::filesystem::exists(folder / "Nueva"));
  EXPECT_EQ(ErrorOf([&] { vb::RmDir(folder / "Nueva"); }), 76);
  EXPECT_EQ(ErrorOf([&] { vb::ChDir(folder / "Nueva"); }), 76);
}

TEST_F(Files, ChDirMovesTheCurrentFolder) {
  std::string before = vb::CurDir();
  std::filesystem::create_directory(folder / "Trabajo");
  vb::ChDir(folder.Path() + "\\trabajo");
  EXPECT_EQ(vb::CurDir(), std::filesystem::canonical(folder / "Trabajo").string());
  vb::Open("rel.txt", OpenMode::Output, 1);
  vb::Close(1);
  vb::ChDir(before);
  EXPECT_TRUE(std::filesystem::exists(folder / "Trabajo/rel.txt"));
}

TEST_F(Files, FileDateTimeIsTheLocalModificationTime) {
  folder.Write("f.txt", "x");
  vb::Date stamp = vb::FileDateTime(folder / "f.txt");
  EXPECT_LE(std::abs(vb::DateDiff("s", stamp, vb::Now())), 5);
}

TEST_F(Files, EndClosesOpenFiles) {
  vb::SetEndBehaviour(vb::EndBehaviour::Throw);
  vb::Open(folder / "pending.txt", OpenMode::Output, 1);
  vb::Print(1, "buffered");
  EXPECT_THROW(vb::End(), vb::ProgramEnded);
  EXPECT_EQ(folder.Read("pending.txt"), "buffered\r\n");
  EXPECT_EQ(vb::FreeFile(), 1);
}

}  // namespace
