#include "platform/win/regional_settings.h"

#include <array>

#include "platform/win/profile.h"
#include "platform/win/profile_file.h"
#include "platform/win/text_helpers.h"

namespace win {
namespace {

struct RegionalItem {
  LCTYPE type;
  const char* key;
  const char* preparedValue;
};

constexpr std::array<RegionalItem, 15> kItems = {{
    {LOCALE_SDATE, "sDate", "/"},
    {LOCALE_SSHORTDATE, "sShortDate", "dd/MM/yyyy"},
    {LOCALE_STIME, "sTime", ":"},
    {LOCALE_STIMEFORMAT, "sTimeFormat", "hh:mm:ss tt"},
    {LOCALE_SDECIMAL, "sDecimal", "."},
    {LOCALE_STHOUSAND, "sThousand", ","},
    {LOCALE_IDIGITS, "iDigits", "2"},
    {LOCALE_SNEGATIVESIGN, "sNegativeSign", "-"},
    {LOCALE_INEGNUMBER, "iNegNumber", "1"},
    {LOCALE_ILZERO, "iLZero", "1"},
    {LOCALE_SMONDECIMALSEP, "sMonDecimalSep", "."},
    {LOCALE_SMONTHOUSANDSEP, "sMonThousandSep", ","},
    {LOCALE_ICURRDIGITS, "iCurrDigits", "2"},
    {LOCALE_ICURRENCY, "iCurrency", "0"},
    {LOCALE_INEGCURR, "iNegCurr", "2"},
}};

const RegionalItem* FindItem(LCTYPE type) {
  for (const RegionalItem& item : kItems)
    if (item.type == type) return &item;
  return nullptr;
}

}  // namespace

LCID GetUserDefaultLCID() { return kSpanishPeru; }

long GetLocaleInfo(LCID, LCTYPE type, std::string& buffer, long size) {
  const RegionalItem* item = FindItem(type);
  if (!item || size < 0) return 0;
  detail::ProfileFile winIni = detail::ProfileFile::Load(ProfilePath("win.ini"));
  if (winIni.FileState() == detail::ProfileFile::State::Unreadable) return 0;
  std::string value = winIni.Value("intl", item->key).value_or(item->preparedValue);
  long needed = detail::CharCount(value) + 1;
  if (size == 0) return needed;
  if (needed > size) return 0;
  buffer = value;
  return needed;
}

}  // namespace win
