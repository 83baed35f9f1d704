#include "tools/debtfile/debt_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/zip/extract.h"

namespace debtfile {
namespace {

namespace fs = std::filesystem;
using testsupport::ReadBytes;
using testsupport::TempFolder;

vb::Date May15Of2010() { return vb::Date{vb::DateSerial(2010, 5, 15).serial + vb::TimeSerial(10, 30, 0).serial}; }

Options MayOptions() {
  Options options;
  options.generated = May15Of2010();
  return options;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

TEST(DebtFileTest, DebtLineCarriesAllTwentySevenFieldsInTheirForms) {
  LineValues values{May15Of2010(), false};
  EXPECT_EQ(LineText(SampleDebt(values, "01", 1)),
            "00000023000001|02300100000000001|0621|0|201001|030401|2010-05-13|113.50|11.35|0.00|"
            "124.85|003000|000000|01|00|15/05/2010 10:30:00|0|00|2010-06-14|2010-07-14|24|"
            "01000001|0|0|01|0.00|0.00|");
}

TEST(DebtFileTest, OldLayoutEndsAfterFieldTwentyOne) {
  LineValues values{May15Of2010(), true};
  EXPECT_EQ(LineText(SampleDebt(values, "02", 2), Layout::BeforeGuarantee),
            "00000023000002|02300200000000002|621|0|200912|020101|2010-05-13|127.00|12.70|0.00|"
            "139.70|002000|000000|02|00|15/05/2010 10:30:00|0|00|2010-06-14|2010-07-14|24|"
            "01000002|");
}

TEST(DebtFileTest, OtherDebtsRecordLeavesItsKeyFieldsEmpty) {
  LineValues values{May15Of2010(), true};
  EXPECT_EQ(LineText(OtherDebtsRecord(values)),
            "00000000000000|||||||2500.00|120.50|30.25|2650.75|||||15/05/2010 10:30:00|0|00|"
            "2010-06-14|2010-07-14|||1|0|01|0.00|0.00|");
}

TEST(DebtFileTest, ValidFileIsNamedAfterItsDigestInsideTheZipTheWindowLists) {
  TempFolder temp;
  WrittenFile written = WriteDebtFile(temp.Path(), MayOptions());
  EXPECT_EQ(written.zipPath, temp / "0942204567123481.zip");
  EXPECT_EQ(written.innerName, Sha1Hex(written.text) + ".txt");
  EXPECT_EQ(written.innerName.size(), 44u);
  zip::Extraction extraction = zip::ExtractSingleFile(written.zipPath, temp / "out");
  ASSERT_EQ(extraction.files, std::vector<std::string>{written.innerName});
  EXPECT_EQ(ReadBytes(temp / "out" + "/" + written.innerName), written.text);
  std::vector<std::string> lines = SplitLines(written.text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines, DebtLines(MayOptions()));
}

TEST(DebtFileTest, DigestIsTheLowerCaseSha1OfTheBytes) {
  EXPECT_EQ(Sha1Hex(""), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
  EXPECT_EQ(Sha1Hex("abc"), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(DebtFileTest, FileTextIsWindows1252WithCrLf) {
  EXPECT_EQ(FileText({"AÑO|", ""}), "A\xD1O|\r\n\r\n");
}

TEST(DebtFileTest, EachCategoryGetsItsCountOfDebtsWithUniqueDocuments) {
  Options options = MayOptions();
  options.debtsPerCategory = 3;
  options.categories = {"01", "03"};
  std::vector<std::string> lines = DebtLines(options);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[2].substr(15, 17), "02300100000000003");
  EXPECT_EQ(lines[3].substr(15, 17), "02300300000000004");
}

struct LineVariantCase {
  Variant variant;
  std::size_t lineCount;
  std::string lastLine;
};

TEST(DebtFileTest, LineVariantsChangeOnlyWhatTheyName) {
  Options options = MayOptions();
  options.debtsPerCategory = 1;
  options.categories = {"01"};
  LineValues may{May15Of2010(), false};
  Fields debt = SampleDebt(may, "01", 1);
  auto with = [&](int field, const std::string& value) {
    Fields changed = debt;
    changed[field] = value;
    return LineText(changed);
  };
  Fields noGuarantee = debt;
  noGuarantee[23] = noGuarantee[24] = noGuarantee[25] = noGuarantee[26] = "";
  LineValues yesterday{vb::DateAdd("d", -1, May15Of2010()), false};
  const LineVariantCase cases[] = {
      {Variant::Valid, 1, LineText(debt)},
      {Variant::StaleDate, 1, LineText(SampleDebt(yesterday, "01", 1))},
      {Variant::OldLayout, 1, LineText(debt, Layout::BeforeGuarantee)},
      {Variant::OtherDebts, 2, LineText(OtherDebtsRecord(may))},
      {Variant::TwoOtherDebts, 3, LineText(OtherDebtsRecord(may))},
      {Variant::BlankLine, 2, ""},
      {Variant::LongField, 1, with(0, std::string(255, '9'))},
      {Variant::LongLine, 1, LineText(debt) + std::string(100000, '|')},
      {Variant::MixedMonths, 1, with(15, "16/06/2010 10:30:00")},
      {Variant::EmptyGuarantee, 1, LineText(noGuarantee)},
      {Variant::LongGuarantee, 1, with(23, "12345678901")},
  };
  for (const LineVariantCase& c : cases) {
    TempFolder temp;
    std::vector<std::string> lines = SplitLines(WriteDebtFile(temp.Path(), options, c.variant).text);
    ASSERT_EQ(lines.size(), c.lineCount) << static_cast<int>(c.variant);
    EXPECT_EQ(lines.back(), c.lastLine) << static_cast<int>(c.variant);
  }
}

TEST(DebtFileTest, EmptyFileVariantHoldsNoBytes) {
  TempFolder temp;
  WrittenFile written = WriteDebtFile(temp.Path(), MayOptions(), Variant::EmptyFile);
  EXPECT_EQ(written.text, "");
  EXPECT_EQ(written.innerName, "da39a3ee5e6b4b0d3255bfef95601890afd80709.txt");
}

TEST(DebtFileTest, PackagingVariantsNameOrStoreTheEntryWrongly) {
  TempFolder temp;
  Options options = MayOptions();
  WrittenFile wrong = WriteDebtFile(temp.Path(), options, Variant::WrongDigest);
  EXPECT_NE(wrong.innerName, Sha1Hex(wrong.text) + ".txt");
  EXPECT_EQ(wrong.innerName.size(), 44u);
  WrittenFile upper = WriteDebtFile(temp.Path(), options, Variant::UpperCaseDigest);
  std::string digest = Sha1Hex(upper.text);
  for (char& c : digest) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  EXPECT_EQ(upper.innerName, digest + ".txt");
  EXPECT_EQ(WriteDebtFile(temp.Path(), options, Variant::NotDigestName).innerName, "deudas.txt");

  struct Case {
    Variant variant;
    zip::Outcome outcome;
  };
  for (Case c : {Case{Variant::TwoEntries, zip::Outcome::NotOneFile},
                 Case{Variant::ClimbingEntry, zip::Outcome::UnsafeEntry},
                 Case{Variant::LinkEntry, zip::Outcome::UnsafeEntry}}) {
    WrittenFile written = WriteDebtFile(temp.Path(), options, c.variant);
    EXPECT_EQ(zip::ExtractSingleFile(written.zipPath, temp / "out").outcome, c.outcome)
        << static_cast<int>(c.variant);
  }
}

TEST(DebtFileTest, EveryVariantHasACommandLineName) {
  for (const std::string& name : VariantNames()) {
    Variant variant;
    EXPECT_TRUE(VariantNamed(name, variant)) << name;
  }
  Variant variant;
  EXPECT_FALSE(VariantNamed("desconocida", variant));
  EXPECT_EQ(VariantNames().size(), 18u);
}

}  // namespace
}  // namespace debtfile
