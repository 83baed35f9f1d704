#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "platform/testsupport/temp_folder.h"
#include "platform/vb/vb.h"

namespace {

using testsupport::TempFolder;

// Sets a C locale whose decimal mark is ",": an installed one, else one compiled
// into a temporary folder with localedef. Returns false when neither can be had.
bool SetCommaLocale(const TempFolder& folder) {
  for (const char* name : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_PE.UTF-8"})
    if (std::setlocale(LC_ALL, name) != nullptr && std::string(std::localeconv()->decimal_point) == ",")
      return true;
  std::string command = "localedef -i es_ES -f UTF-8 '" + (folder / "es_ES.UTF-8") + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  setenv("LOCPATH", folder.Path().c_str(), 1);
  return std::setlocale(LC_ALL, "es_ES.UTF-8") != nullptr &&
         std::string(std::localeconv()->decimal_point) == ",";
}

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SetCommaLocale(folder_)) GTEST_SKIP() << "no locale with a decimal comma is available";
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the process locale did not change";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }

 private:
  TempFolder folder_;
};

TEST_F(CommaLocale, ConversionsAndFormatIgnoreTheProcessLocale) {
  EXPECT_EQ(vb::Val("1.5"), 1.5);
  EXPECT_EQ(vb::Val("1,5"), 1);
  EXPECT_EQ(vb::CDbl("1,234.5"), 1234.5);
  EXPECT_EQ(vb::CCur("1,234.5678").Raw(), 12345678);
  EXPECT_EQ(vb::CStr(1.5), "1.5");
  EXPECT_EQ(vb::CStr(vb::Variant::Single(2.25f)), "2.25");
  EXPECT_EQ(vb::CStr(vb::CCur("7.25")), "7.25");
  EXPECT_EQ(vb::NumberText(1e20), "1E+20");
  EXPECT_EQ(vb::Format(1234567.891, "#,###,###,##0.00"), "1,234,567.89");
  EXPECT_EQ(vb::Format(17810 * 0.0005, "0.00"), "8.91");
  EXPECT_EQ(vb::Format("1,234.5", "0.0"), "1234.5");
  EXPECT_EQ(vb::Round(2.675, 2), 2.68);
  EXPECT_EQ(vb::CDate("15/03/2006"), vb::DateSerial(2006, 3, 15));
  EXPECT_TRUE(vb::IsNumeric("0.5"));
  EXPECT_FALSE(vb::IsNumeric("0,5x"));
  EXPECT_EQ(vb::UCase("ñandú"), "ÑANDÚ");
}

}  // namespace
