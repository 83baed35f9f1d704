#include "platform/win/regional_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/scoped_env.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/win/profile.h"

namespace win {
namespace {

using testsupport::ScopedEnv;
using testsupport::TempFolder;
using testsupport::WriteBytes;

struct Item {
  LCTYPE type;
  const char* key;
  const char* prepared;
  const char* other;
};

// The fifteen items of the start-up check: their [intl] key, the value of the
// prepared profile and a value a user might have set instead.
const Item kItems[] = {
    {29, "sDate", "/", "-"},
    {31, "sShortDate", "dd/MM/yyyy", "dd-MM-yyyy"},
    {30, "sTime", ":", "."},
    {4099, "sTimeFormat", "hh:mm:ss tt", "HH:mm:ss"},
    {14, "sDecimal", ".", ","},
    {15, "sThousand", ",", "."},
    {17, "iDigits", "2", "3"},
    {81, "sNegativeSign", "-", "~"},
    {4112, "iNegNumber", "1", "0"},
    {18, "iLZero", "1", "0"},
    {22, "sMonDecimalSep", ".", ","},
    {23, "sMonThousandSep", ",", "'"},
    {25, "iCurrDigits", "2", "0"},
    {27, "iCurrency", "0", "2"},
    {28, "iNegCurr", "2", "5"},
};

class RegionalSettingsTest : public ::testing::Test {
 protected:
  TempFolder folder_;
  ScopedEnv windir_{"WINDIR", folder_.Path()};

  std::string Value(LCTYPE type, long expectedCount) {
    std::string buffer = "previous";
    EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), type, buffer, 100), expectedCount) << type;
    return buffer;
  }
};

TEST_F(RegionalSettingsTest, WithoutWinIniEveryItemHasThePreparedValue) {
  for (const Item& item : kItems)
    EXPECT_EQ(Value(item.type, static_cast<long>(std::strlen(item.prepared)) + 1), item.prepared)
        << item.key;
}

TEST_F(RegionalSettingsTest, AbsentKeysKeepThePreparedValueBesideOtherIntlKeys) {
  WriteBytes(folder_ / "win.ini", "[intl]\r\niCountry=51\r\nsCurrency=S/.\r\n");
  for (const Item& item : kItems)
    EXPECT_EQ(Value(item.type, static_cast<long>(std::strlen(item.prepared)) + 1), item.prepared)
        << item.key;
}

TEST_F(RegionalSettingsTest, EachItemIsReadFromItsIntlKey) {
  for (const Item& item : kItems) {
    ASSERT_TRUE(WriteProfileString("intl", item.key, item.other));
    EXPECT_EQ(Value(item.type, static_cast<long>(std::strlen(item.other)) + 1), item.other)
        << item.key;
  }
}

TEST_F(RegionalSettingsTest, KeyNamesAreCaseInsensitiveAndValuesKeepQuotedBlanks) {
  WriteBytes(folder_ / "WIN.INI", "[INTL]\r\nSDECIMAL=.,\r\nsthousand=\" \"\r\nsDate=\r\n");
  EXPECT_EQ(Value(LOCALE_SDECIMAL, 3), ".,");
  EXPECT_EQ(Value(LOCALE_STHOUSAND, 2), " ");
  EXPECT_EQ(Value(LOCALE_SDATE, 1), "");
}

TEST_F(RegionalSettingsTest, StartUpWriteOfTheSeparatorsIsWhatTheCheckReadsNext) {
  WriteBytes(folder_ / "win.ini", "[intl]\r\nsDecimal=,\r\nsThousand=.\r\n");
  ASSERT_TRUE(WriteProfileString("intl", "sDecimal", "."));
  ASSERT_TRUE(WriteProfileString("intl", "sThousand", ","));
  EXPECT_EQ(Value(LOCALE_SDECIMAL, 2), ".");
  EXPECT_EQ(Value(LOCALE_STHOUSAND, 2), ",");
}

TEST_F(RegionalSettingsTest, UnreadableWinIniFailsEveryItem) {
  std::filesystem::create_directory(folder_ / "win.ini");
  for (const Item& item : kItems) EXPECT_EQ(Value(item.type, 0), "previous") << item.key;
}

TEST_F(RegionalSettingsTest, BufferSizeRules) {
  std::string buffer = "previous";
  EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), LOCALE_SSHORTDATE, buffer, 0), 11);
  EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), LOCALE_SSHORTDATE, buffer, 10), 0);
  EXPECT_EQ(buffer, "previous");
  EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), LOCALE_SSHORTDATE, buffer, 11), 11);
  EXPECT_EQ(buffer, "dd/MM/yyyy");
}

TEST_F(RegionalSettingsTest, UnknownItemFails) {
  std::string buffer;
  EXPECT_EQ(GetLocaleInfo(GetUserDefaultLCID(), 0x1001, buffer, 100), 0);
}

}  // namespace
}  // namespace win
