#pragma once
// Personalised debt files, valid or with a fault, as the import reads them.
#include <string>
#include <vector>

#include "platform/vb/date.h"
#include "tools/debtfile/debt_line.h"

namespace debtfile {

struct Options {
  std::string ruc = "20456712348";
  int entity = 1;
  // Date and time of generation; the import refuses a file of an earlier day.
  vb::Date generated = vb::Now();
  int debtsPerCategory = 2;
  std::vector<std::string> categories = {"01", "02", "03"};
  bool goodTaxpayer = false;
  Layout layout = Layout::Current;
};

// A valid file, or one of the faults the import must refuse.
enum class Variant {
  Valid,
  WrongDigest,        // the inner file is named after other content's digest
  UpperCaseDigest,    // its digest written in upper-case hexadecimal
  NotDigestName,      // an inner name that is not 40 characters, a dot and three
  StaleDate,          // generated yesterday
  OldLayout,          // lines end after field 21
  OtherDebts,         // an "05" record after the debts (valid)
  TwoOtherDebts,      // two "05" records: a duplicate key
  BlankLine,          // an empty last line
  LongField,          // the last line's field 0 has 255 characters
  LongLine,           // the last line goes on with 100,000 "|" past its 27 fields
  MixedMonths,        // the last line generated in another month
  EmptyGuarantee,     // fields 23 to 26 empty on the last line
  LongGuarantee,      // field 23 longer than its 10 characters on the last line
  EmptyFile,          // no line at all
  TwoEntries,         // a second file in the archive
  ClimbingEntry,      // the entry's name is "../" + the digest name
  LinkEntry,          // the entry is a symbolic link
};

// "0942" + RUC + entity code + ".zip": the one name the import window lists.
std::string ZipName(const std::string& ruc, int entity);

// The valid lines of a file with these options, without line ends.
std::vector<std::string> DebtLines(const Options& options);

// The file's bytes: every line in Windows-1252 followed by CR LF.
std::string FileText(const std::vector<std::string>& lines);

// The 40 lower-case hexadecimal characters of the SHA-1 of some bytes.
std::string Sha1Hex(const std::string& bytes);

struct WrittenFile {
  std::string zipPath;
  std::string innerName;  // the name stored in the archive
  std::string text;       // the inner file's bytes
};

// Writes ZipName(...) into `folder` (which must exist) holding the text named
// after its own digest plus ".txt", as the variant alters it.
WrittenFile WriteDebtFile(const std::string& folder, const Options& options,
                          Variant variant = Variant::Valid);

// The same from lines the caller made, packed as a valid file.
WrittenFile WriteDebtFile(const std::string& folder, const std::string& ruc, int entity,
                          const std::vector<std::string>& lines);

// The variant of a command-line name ("valid", "wrong-digest", ...); false when
// the name is unknown.
bool VariantNamed(const std::string& name, Variant& variant);
const std::vector<std::string>& VariantNames();

}  // namespace debtfile
