#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/testsupport/shared_template.h"
#include "platform/vb/vb.h"

namespace {

// Compiles the Spanish locale into the folder `path`.
void CompileSpanishLocale(const std::string& path) {
  std::string command = "localedef -i es_ES -f UTF-8 '" + path + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("localedef failed");
}

// Sets a C locale whose decimal mark is ",": an installed one, else one compiled
// with localedef once for the test program. Returns false when neither can be had.
bool SetCommaLocale() {
  for (const char* name : {"es_ES.UTF-8", "es_ES.utf8", "de_DE.UTF-8", "fr_FR.UTF-8", "es_PE.UTF-8"})
    if (std::setlocale(LC_ALL, name) != nullptr && std::string(std::localeconv()->decimal_point) == ",")
      return true;
  std::string compiled;
  try {
    compiled = testsupport::SharedTemplate("es_ES.UTF-8", CompileSpanishLocale);
  } catch (const std::exception&) {
    return false;
  }
  setenv("LOCPATH", std::filesystem::path(compiled).parent_path().c_str(), 1);
  return std::setlocale(LC_ALL, "es_ES.UTF-8") != nullptr &&
         std::string(std::localeconv()->decimal_point) == ",";
}

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!SetCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma is available";
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the process locale did not change";
  }
  void TearDown() override {
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
  }
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
