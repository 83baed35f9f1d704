#include "tools/host/settings_files.h"

#include <stdexcept>
#include <vector>

#include "platform/win/profile.h"

namespace host {
namespace {

struct Entry {
  const char* key;
  std::string value;
};

void WriteSection(const std::string& path, const char* section, const std::vector<Entry>& entries) {
  for (const Entry& entry : entries)
    if (!win::WritePrivateProfileString(section, entry.key, entry.value, path))
      throw std::runtime_error("cannot write " + std::string(entry.key) + " into " + path);
}

}  // namespace

void WriteSuiteSettings(const Suite& suite, const SuiteOptions& options) {
  WriteSection(suite.settingsPath, "Options",
               {{"SysPath", suite.installFolder},
                {"DBPath", suite.installFolder},
                {"DBName", kDatabaseName},
                {"SysUser", options.user},
                {"SysHelp", "ZEP.HLP"},
                {"SysMenu", "1"},
                {"SysAsist0942", "0"}});
}

// The fifteen items the programs check before they work: dates dd/MM/yyyy with
// "/", times hh:mm:ss tt with ":", "." for decimals and "," for thousands in
// numbers and amounts, two decimals, leading zeros, "-" in front of negatives.
void WriteRegionalSettings(const std::string& windowsFolder) {
  WriteSection(windowsFolder + "/win.ini", "intl",
               {{"sDate", "/"},
                {"sShortDate", "dd/MM/yyyy"},
                {"sTime", ":"},
                {"sTimeFormat", "hh:mm:ss tt"},
                {"sDecimal", "."},
                {"sThousand", ","},
                {"iDigits", "2"},
                {"sNegativeSign", "-"},
                {"iNegNumber", "1"},
                {"iLZero", "1"},
                {"sMonDecimalSep", "."},
                {"sMonThousandSep", ","},
                {"iCurrDigits", "2"},
                {"iCurrency", "0"},
                {"iNegCurr", "2"}});
}

}  // namespace host
