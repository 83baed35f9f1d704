#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/vb/date.h"

namespace debtfile {

// One line of a personalised debt file: 27 fields, numbered from 0, each ended by
// "|". Field by field:
//   0 procedure number        9 capitalised interest   18 due date (yyyy-mm-dd)
//   1 document number        10 updated total          19 second due date
//   2 form code (3 or 4)     11 document type code     20 alternative instalments
//   3 instalments            12 associated tax code    21 sworn declaration order
//   4 period yyyymm          13 category, "" for "05"  22 good-taxpayer flag
//   5 tax code (6)           14 verification state     23 guarantee indicator
//   6 last capitalisation    15 generated, "dd/mm/yyyy hh:mm:ss"
//   7 tax amount             16 criminal proceedings   24 person type
//   8 interest               17 challenge indicator    25 other debt amount
//                                                      26 amount under guarantee
using Fields = std::array<std::string, 27>;

// Files generated before 24.07.2006 end each line after field 21.
enum class Layout { Current, BeforeGuarantee };

struct LineValues {
  vb::Date generated;
  bool goodTaxpayer = false;
  // The creditor entity, which decides the debt's taxes and document types.
  int entity = 1;
};

// A debt of a category ("01", "02", "03"); `sequence` makes its key unique within
// the file and varies its period, tax, form code and amounts.
Fields SampleDebt(const LineValues& values, const std::string& category, int sequence);

// The record of other debts: category empty, its key fields unread.
Fields OtherDebtsRecord(const LineValues& values);

// The line's text without its line end.
std::string LineText(const Fields& fields, Layout layout = Layout::Current);

// "dd/mm/yyyy hh:mm:ss", the form of field 15.
std::string GeneratedText(vb::Date generated);
// "yyyy-mm-dd", the form of fields 6, 18 and 19.
std::string IsoDate(vb::Date date);

}  // namespace debtfile
