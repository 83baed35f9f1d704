#include "tools/debtfile/debt_file.h"

#include <openssl/evp.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "platform/vb/encoding.h"
#include "platform/zip/writer.h"

namespace debtfile {
namespace {

const std::vector<std::pair<std::string, Variant>> kVariantNames = {
    {"valid", Variant::Valid},
    {"wrong-digest", Variant::WrongDigest},
    {"upper-case-digest", Variant::UpperCaseDigest},
    {"not-digest-name", Variant::NotDigestName},
    {"stale-date", Variant::StaleDate},
    {"old-layout", Variant::OldLayout},
    {"other-debts", Variant::OtherDebts},
    {"two-other-debts", Variant::TwoOtherDebts},
    {"blank-line", Variant::BlankLine},
    {"long-field", Variant::LongField},
    {"long-line", Variant::LongLine},
    {"mixed-months", Variant::MixedMonths},
    {"empty-guarantee", Variant::EmptyGuarantee},
    {"long-guarantee", Variant::LongGuarantee},
    {"empty-file", Variant::EmptyFile},
    {"two-entries", Variant::TwoEntries},
    {"climbing-entry", Variant::ClimbingEntry},
    {"link-entry", Variant::LinkEntry},
};

LineValues ValuesOf(const Options& options) {
  return {options.generated, options.goodTaxpayer, options.entity};
}

std::vector<Fields> DebtFields(const Options& options) {
  std::vector<Fields> lines;
  int sequence = 0;
  for (const std::string& category : options.categories) {
    for (int i = 0; i < options.debtsPerCategory; ++i) {
      lines.push_back(SampleDebt(ValuesOf(options), category, ++sequence));
    }
  }
  return lines;
}

std::vector<std::string> Rendered(const std::vector<Fields>& lines, Layout layout) {
  std::vector<std::string> texts;
  for (const Fields& fields : lines) texts.push_back(LineText(fields, layout));
  return texts;
}

// How many "|" the long-line variant adds after the last line's fields.
constexpr std::size_t kLongLineTail = 100000;

// The changes a variant makes to the lines themselves.
std::vector<std::string> VariantLines(Options options, Variant variant) {
  if (variant == Variant::EmptyFile) return {};
  if (variant == Variant::StaleDate) options.generated = vb::DateAdd("d", -1, options.generated);
  if (variant == Variant::OldLayout) options.layout = Layout::BeforeGuarantee;
  std::vector<Fields> lines = DebtFields(options);
  if (lines.empty()) lines.push_back(SampleDebt(ValuesOf(options), "01", 1));
  Fields& last = lines.back();
  switch (variant) {
    case Variant::OtherDebts: lines.push_back(OtherDebtsRecord(ValuesOf(options))); break;
    case Variant::TwoOtherDebts:
      lines.push_back(OtherDebtsRecord(ValuesOf(options)));
      lines.push_back(OtherDebtsRecord(ValuesOf(options)));
      break;
    case Variant::LongField: last[0] = std::string(255, '9'); break;
    case Variant::MixedMonths: last[15] = GeneratedText(vb::DateAdd("d", 32, options.generated)); break;
    case Variant::EmptyGuarantee: last[23] = last[24] = last[25] = last[26] = ""; break;
    case Variant::LongGuarantee: last[23] = "12345678901"; break;
    default: break;
  }
  std::vector<std::string> texts = Rendered(lines, options.layout);
  if (variant == Variant::BlankLine) texts.push_back("");
  if (variant == Variant::LongLine) texts.back() += std::string(kLongLineTail, '|');
  return texts;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string InnerName(const std::string& text, Variant variant) {
  switch (variant) {
    case Variant::WrongDigest: return Sha1Hex(text + "otro contenido") + ".txt";
    case Variant::UpperCaseDigest: return Upper(Sha1Hex(text)) + ".txt";
    case Variant::NotDigestName: return "deudas.txt";
    default: return Sha1Hex(text) + ".txt";
  }
}

std::vector<zip::ArchiveEntry> Entries(const std::string& name, const std::string& text,
                                       Variant variant) {
  switch (variant) {
    case Variant::TwoEntries: return {{name, text}, {"leeme.txt", "otro archivo\r\n"}};
    case Variant::ClimbingEntry: return {{"../" + name, text}};
    case Variant::LinkEntry: return {{name, "/etc/passwd", zip::EntryKind::SymbolicLink}};
    default: return {{name, text}};
  }
}

WrittenFile Package(const std::string& folder, const std::string& ruc, int entity,
                    const std::string& text, Variant variant) {
  WrittenFile written;
  written.zipPath = folder + "/" + ZipName(ruc, entity);
  written.innerName = InnerName(text, variant);
  written.text = text;
  zip::WriteArchive(written.zipPath, Entries(written.innerName, text, variant));
  return written;
}

}  // namespace

std::string ZipName(const std::string& ruc, int entity) {
  return "0942" + ruc + std::to_string(entity) + ".zip";
}

std::vector<std::string> DebtLines(const Options& options) {
  return Rendered(DebtFields(options), options.layout);
}

std::string FileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += vb::ToCp1252(line) + "\r\n";
  return text;
}

std::string Sha1Hex(const std::string& bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (EVP_Digest(bytes.data(), bytes.size(), digest, &size, EVP_sha1(), nullptr) != 1) {
    throw std::runtime_error("SHA-1 failed");
  }
  std::string hex;
  for (unsigned int i = 0; i < size; ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", digest[i]);
    hex += pair;
  }
  return hex;
}

WrittenFile WriteDebtFile(const std::string& folder, const Options& options, Variant variant) {
  return Package(folder, options.ruc, options.entity, FileText(VariantLines(options, variant)),
                 variant);
}

WrittenFile WriteDebtFile(const std::string& folder, const std::string& ruc, int entity,
                          const std::vector<std::string>& lines) {
  return Package(folder, ruc, entity, FileText(lines), Variant::Valid);
}

bool VariantNamed(const std::string& name, Variant& variant) {
  for (const auto& [known, value] : kVariantNames) {
    if (known == name) {
      variant = value;
      return true;
    }
  }
  return false;
}

const std::vector<std::string>& VariantNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const auto& entry : kVariantNames) all.push_back(entry.first);
    return all;
  }();
  return names;
}

}  // namespace debtfile
