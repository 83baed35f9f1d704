#include "tools/debtfile/debt_line.h"

#include <cstdio>

namespace debtfile {
namespace {

// Taxes each entity collects and the family of its document types ("00" for
// TESORO, FONAVI and FONCOMUN, "10" ESSALUD, "11" ONP), as the host stand-in's
// sample PARAM rows hold them (725 and 726).
struct EntityDebts {
  int entity;
  const char* family;
  const char* taxes[5];
};
constexpr EntityDebts kEntityDebts[] = {
    {1, "00", {"010101", "030401", "020101", "030301", "020201"}},
    {2, "10", {"052100", "052209", "052100", "052302", "061101"}},
    {3, "11", {"053100", "053208", "053100", "053209", "061201"}},
    {5, "00", {"050501", "050506", "050501", "050507", "061301"}},
    {8, "00", {"071501", "070101", "071501", "070101", "071501"}},
};
// Determination, payment order and fine resolutions in turn.
constexpr const char* kDocumentKinds[] = {"1000", "3000", "2000"};

const EntityDebts& DebtsOf(int entity) {
  for (const EntityDebts& debts : kEntityDebts)
    if (debts.entity == entity) return debts;
  return kEntityDebts[0];
}

std::string Printed(const char* pattern, int a, int b = 0, int c = 0) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
}

std::string Amount(long long cents) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%02lld", cents / 100, cents % 100);
  return text;
}

std::string Period(vb::Date date) { return Printed("%04d%02d", vb::Year(date), vb::Month(date)); }

// The fields every line carries, whatever its category.
void FillFileFields(Fields& f, const LineValues& values) {
  f[15] = GeneratedText(values.generated);
  f[16] = "0";
  f[17] = "00";
  f[18] = IsoDate(vb::DateAdd("d", 30, values.generated));
  f[19] = IsoDate(vb::DateAdd("d", 60, values.generated));
  f[22] = values.goodTaxpayer ? "1" : "0";
  f[23] = "0";
  f[24] = "01";
  f[25] = "0.00";
  f[26] = "0.00";
}

}  // namespace

std::string GeneratedText(vb::Date generated) {
  return Printed("%02d/%02d/%04d", vb::Day(generated), vb::Month(generated), vb::Year(generated)) +
         Printed(" %02d:%02d:%02d", vb::Hour(generated), vb::Minute(generated),
                 vb::Second(generated));
}

std::string IsoDate(vb::Date date) {
  return Printed("%04d-%02d-%02d", vb::Year(date), vb::Month(date), vb::Day(date));
}

Fields SampleDebt(const LineValues& values, const std::string& category, int sequence) {
  Fields f;
  long long tax = 10000 + 1350LL * (sequence % 97);
  long long interest = tax / 10;
  f[0] = Printed("%014d", 23000000 + sequence);
  f[1] = "0230" + category + Printed("%011d", sequence);
  f[2] = sequence % 2 == 0 ? "621" : "0621";
  f[3] = "0";
  f[4] = Period(vb::DateAdd("m", -(3 + sequence % 36), values.generated));
  const EntityDebts& debts = DebtsOf(values.entity);
  f[5] = debts.taxes[sequence % 5];
  f[6] = IsoDate(vb::DateAdd("d", -2, values.generated));
  f[7] = Amount(tax);
  f[8] = Amount(interest);
  f[9] = "0.00";
  f[10] = Amount(tax + interest);
  f[11] = std::string(debts.family) + kDocumentKinds[sequence % 3];
  f[12] = "000000";
  f[13] = category;
  f[14] = "00";
  f[20] = "24";
  f[21] = Printed("%08d", 1000000 + sequence);
  FillFileFields(f, values);
  return f;
}

Fields OtherDebtsRecord(const LineValues& values) {
  Fields f;
  f[0] = "00000000000000";
  f[7] = "2500.00";
  f[8] = "120.50";
  f[9] = "30.25";
  f[10] = "2650.75";
  FillFileFields(f, values);
  return f;
}

std::string LineText(const Fields& fields, Layout layout) {
  std::size_t count = layout == Layout::Current ? fields.size() : 22;
  std::string line;
  for (std::size_t i = 0; i < count; ++i) line += fields[i] + "|";
  return line;
}

}  // namespace debtfile
