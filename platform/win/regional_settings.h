#pragma once
#include <string>

namespace win {

using LCID = unsigned long;
using LCTYPE = unsigned long;

// The regional items the programs check before they work. On this platform the
// user keeps them in the [intl] section of WIN.INI.
constexpr LCTYPE LOCALE_SDECIMAL = 14;
constexpr LCTYPE LOCALE_STHOUSAND = 15;
constexpr LCTYPE LOCALE_IDIGITS = 17;
constexpr LCTYPE LOCALE_ILZERO = 18;
constexpr LCTYPE LOCALE_SMONDECIMALSEP = 22;
constexpr LCTYPE LOCALE_SMONTHOUSANDSEP = 23;
constexpr LCTYPE LOCALE_ICURRDIGITS = 25;
constexpr LCTYPE LOCALE_ICURRENCY = 27;
constexpr LCTYPE LOCALE_INEGCURR = 28;
constexpr LCTYPE LOCALE_SDATE = 29;
constexpr LCTYPE LOCALE_STIME = 30;
constexpr LCTYPE LOCALE_SSHORTDATE = 31;
constexpr LCTYPE LOCALE_SNEGATIVESIGN = 81;
constexpr LCTYPE LOCALE_STIMEFORMAT = 4099;
constexpr LCTYPE LOCALE_INEGNUMBER = 4112;

// Spanish (Peru), the user locale of the machines the suite is prepared for.
constexpr LCID kSpanishPeru = 0x280A;

LCID GetUserDefaultLCID();

// GetLocaleInfo: the user's value of one regional item, whatever the locale
// number. A key missing from [intl] (or a missing WIN.INI) has the value the
// suite's prepared profile gives it, which is the one the programs require.
// When the value and its terminating NUL fit in `size` characters, buffer
// receives the value and the call returns its length plus one; a `size` of 0
// only asks for that count. It returns 0 (failure) for an item it does not
// know, a buffer too small, or a WIN.INI that exists but cannot be read.
long GetLocaleInfo(LCID locale, LCTYPE type, std::string& buffer, long size);

}  // namespace win
