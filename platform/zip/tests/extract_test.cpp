#include "platform/zip/extract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/zip/writer.h"

namespace zip {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::TempFolder;
using testsupport::WriteBytes;

std::vector<std::string> FolderListing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Patches a little-endian 32-bit field at `offset` after every occurrence of a
// record signature.
void PatchField(std::string& bytes, const std::string& signature, std::size_t offset,
                std::uint32_t value) {
  for (std::size_t at = bytes.find(signature); at != std::string::npos;
       at = bytes.find(signature, at + 1)) {
    for (int i = 0; i < 4; ++i) bytes[at + offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

TEST(ExtractTest, WritesEachFileUnderItsBaseNameInAFolderItCreates) {
  TempFolder temp;
  WriteArchive(temp / "a.zip", {{"uno.txt", "primero\r\n"},
                                {"sub/", "", EntryKind::Folder},
                                {"sub/dos.txt", "segundo"},
                                {"otra\\tres.txt", ""}});
  Extraction result = ExtractAll(temp / "a.zip", temp / "REG/20100000001");
  EXPECT_EQ(result.outcome, Outcome::Extracted);
  EXPECT_EQ(result.files, (std::vector<std::string>{"uno.txt", "dos.txt", "tres.txt"}));
  EXPECT_EQ(FolderListing(temp / "REG/20100000001"),
            (std::vector<std::string>{"dos.txt", "tres.txt", "uno.txt"}));
  EXPECT_EQ(ReadBytes(temp / "REG/20100000001/uno.txt"), "primero\r\n");
  EXPECT_EQ(ReadBytes(temp / "REG/20100000001/dos.txt"), "segundo");
}

TEST(ExtractTest, ReplacesAnExistingFileOfTheSameName) {
  TempFolder temp;
  fs::create_directory(temp / "out");
  WriteBytes(temp / "out/uno.txt", "viejo contenido mas largo");
  WriteArchive(temp / "a.zip", {{"uno.txt", "nuevo"}});
  EXPECT_EQ(ExtractAll(temp / "a.zip", temp / "out").Count(), 1);
  EXPECT_EQ(ReadBytes(temp / "out/uno.txt"), "nuevo");
}

TEST(ExtractTest, ReplacesALinkInTheFolderItselfNotWhatItPointsTo) {
  TempFolder temp;
  fs::create_directory(temp / "out");
  WriteBytes(temp / "ajeno.txt", "no tocar");
  fs::create_symlink(temp / "ajeno.txt", temp / "out/uno.txt");
  WriteArchive(temp / "a.zip", {{"uno.txt", "nuevo"}});
  EXPECT_EQ(ExtractAll(temp / "a.zip", temp / "out").Count(), 1);
  EXPECT_EQ(ReadBytes(temp / "ajeno.txt"), "no tocar");
  EXPECT_FALSE(fs::is_symlink(temp / "out/uno.txt"));
  EXPECT_EQ(ReadBytes(temp / "out/uno.txt"), "nuevo");
}

TEST(ExtractTest, UnsafeEntriesRefuseTheWholeArchiveAndWriteNothing) {
  struct Case {
    const char* what;
    std::vector<ArchiveEntry> entries;
    std::string entry;
  };
  const std::vector<Case> cases = {
      {"climbs out", {{"bueno.txt", "x"}, {"../fuera.txt", "x"}}, "../fuera.txt"},
      {"climbs out with backslashes", {{"sub\\..\\..\\fuera.txt", "x"}}, "sub\\..\\..\\fuera.txt"},
      {"absolute", {{"/tmp/fuera.txt", "x"}}, "/tmp/fuera.txt"},
      {"drive letter", {{"C:\\fuera.txt", "x"}}, "C:\\fuera.txt"},
      {"symbolic link", {{"enlace.txt", "/etc/passwd", EntryKind::SymbolicLink}}, "enlace.txt"},
      {"device", {{"disp", "", EntryKind::Device}}, "disp"},
      {"folder that climbs out", {{"../", "", EntryKind::Folder}}, "../"},
      {"one base name twice", {{"a/uno.txt", "1"}, {"b/uno.txt", "2"}}, "b/uno.txt"},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    fs::create_directory(temp / "out");
    WriteBytes(temp / "out/previo.txt", "previo");
    WriteArchive(temp / "a.zip", c.entries);
    Extraction result = ExtractAll(temp / "a.zip", temp / "out");
    EXPECT_EQ(result.outcome, Outcome::UnsafeEntry) << c.what;
    EXPECT_EQ(result.entry, c.entry) << c.what;
    EXPECT_EQ(result.Count(), 0) << c.what;
    EXPECT_EQ(FolderListing(temp / "out"), std::vector<std::string>{"previo.txt"}) << c.what;
    EXPECT_FALSE(fs::exists(temp / "fuera.txt")) << c.what;
  }
}

TEST(ExtractTest, ZipBombIsStoppedByItsDeclaredSize) {
  TempFolder temp;
  WriteArchive(temp / "bomba.zip", {{"ceros.txt", std::string(8 << 20, '0')}});
  Limits limits;
  limits.maxTotalBytes = 1 << 20;
  Extraction result = ExtractAll(temp / "bomba.zip", temp / "out", limits);
  EXPECT_EQ(result.outcome, Outcome::TooLarge);
  EXPECT_FALSE(fs::exists(temp / "out/ceros.txt"));
}

TEST(ExtractTest, ZipBombThatUnderstatesItsSizeIsStoppedAndLeavesNothing) {
  TempFolder temp;
  WriteArchive(temp / "bomba.zip", {{"ceros.txt", std::string(8 << 20, '0')}});
  std::string bytes = ReadBytes(temp / "bomba.zip");
  PatchField(bytes, "PK\x03\x04", 22, 100);
  PatchField(bytes, std::string("PK\x01\x02", 4), 24, 100);
  WriteBytes(temp / "bomba.zip", bytes);
  Limits limits;
  limits.maxTotalBytes = 1 << 20;
  Extraction result = ExtractAll(temp / "bomba.zip", temp / "out", limits);
  EXPECT_EQ(result.outcome, Outcome::TooLarge);
  EXPECT_EQ(result.Count(), 0);
  EXPECT_TRUE(!fs::exists(temp / "out") || FolderListing(temp / "out").empty());
}

TEST(ExtractTest, TooManyEntriesAreRefused) {
  TempFolder temp;
  std::vector<ArchiveEntry> entries;
  for (int i = 0; i < 5; ++i) entries.push_back({"f" + std::to_string(i), "x"});
  WriteArchive(temp / "a.zip", entries);
  Limits limits;
  limits.maxEntries = 4;
  EXPECT_EQ(ExtractAll(temp / "a.zip", temp / "out", limits).outcome, Outcome::TooLarge);
}

TEST(ExtractTest, MissingDamagedOrForeignArchivesAreUnreadable) {
  TempFolder temp;
  WriteBytes(temp / "texto.zip", "esto no es un zip");
  WriteArchive(temp / "bueno.zip", {{"uno.txt", std::string(5000, 'a') + std::string(5000, 'b')}});
  std::string bytes = ReadBytes(temp / "bueno.zip");
  bytes[40] = static_cast<char>(bytes[40] ^ 0x55);
  WriteBytes(temp / "danado.zip", bytes);
  for (const char* name : {"falta.zip", "texto.zip", "danado.zip"}) {
    Extraction result = ExtractAll(temp / name, temp / "out");
    EXPECT_EQ(result.outcome, Outcome::Unreadable) << name;
    EXPECT_TRUE(!fs::exists(temp / "out") || FolderListing(temp / "out").empty()) << name;
  }
}

TEST(ExtractTest, AFolderThatCannotBeCreatedIsAWriteFailure) {
  TempFolder temp;
  WriteBytes(temp / "ocupado", "un archivo, no una carpeta");
  WriteArchive(temp / "a.zip", {{"uno.txt", "x"}});
  EXPECT_EQ(ExtractAll(temp / "a.zip", temp / "ocupado").outcome, Outcome::WriteFailed);
}

TEST(ExtractTest, SingleFileArchiveGivesTheNameItStoredIgnoringFolderEntries) {
  TempFolder temp;
  WriteArchive(temp / "a.zip", {{"sub/", "", EntryKind::Folder}, {"sub/abc.txt", "abc"}});
  Extraction result = ExtractSingleFile(temp / "a.zip", temp / "out");
  EXPECT_EQ(result.outcome, Outcome::Extracted);
  EXPECT_EQ(result.files, std::vector<std::string>{"abc.txt"});
  EXPECT_EQ(ReadBytes(temp / "out/abc.txt"), "abc");
}

TEST(ExtractTest, SingleFileArchiveWithAnyOtherCountWritesNothing) {
  const std::vector<std::vector<ArchiveEntry>> archives = {
      {},
      {{"sub/", "", EntryKind::Folder}},
      {{"uno.txt", "1"}, {"dos.txt", "2"}},
  };
  for (const auto& entries : archives) {
    TempFolder temp;
    WriteArchive(temp / "a.zip", entries);
    Extraction result = ExtractSingleFile(temp / "a.zip", temp / "out");
    EXPECT_EQ(result.outcome, Outcome::NotOneFile) << entries.size();
    EXPECT_FALSE(fs::exists(temp / "out")) << entries.size();
  }
}

TEST(ExtractTest, ZipFileStoresTheFileUnderItsBaseName) {
  TempFolder temp;
  fs::create_directory(temp / "origen");
  WriteBytes(temp / "origen/deudas.txt", std::string("a|b|\r\n\xE9|", 9));
  ZipFile(temp / "d.zip", temp / "origen/deudas.txt");
  Extraction result = ExtractSingleFile(temp / "d.zip", temp / "out");
  EXPECT_EQ(result.files, std::vector<std::string>{"deudas.txt"});
  EXPECT_EQ(ReadBytes(temp / "out/deudas.txt"), std::string("a|b|\r\n\xE9|", 9));
}

}  // namespace
}  // namespace zip
