// debtfile: writes a personalised debt file for a taxpayer and an entity.
//
//   debtfile --folder DIR [--ruc RUC] [--entity N] [--date dd/mm/yyyy]
//            [--time hh:mm:ss] [--debts N] [--categories 01,02,03] [--good]
//            [--old-layout] [--variant NAME]
//
// Without --date the file is dated now, so it can be imported at once. The path
// of the zip written is printed.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "tools/debtfile/debt_file.h"

namespace {

struct Arguments {
  std::string folder;
  debtfile::Options options;
  debtfile::Variant variant = debtfile::Variant::Valid;
};

[[noreturn]] void Usage(const std::string& problem) {
  std::cerr << "debtfile: " << problem << "\n"
            << "usage: debtfile --folder DIR [--ruc RUC] [--entity N] [--date dd/mm/yyyy]\n"
            << "                [--time hh:mm:ss] [--debts N] [--categories 01,02,03] [--good]\n"
            << "                [--old-layout] [--variant NAME]\nvariants:";
  for (const std::string& name : debtfile::VariantNames()) std::cerr << " " << name;
  std::cerr << "\n";
  std::exit(2);
}

bool ReadThree(const std::string& text, char separator, int& a, int& b, int& c) {
  char s1 = 0, s2 = 0;
  std::istringstream in(text);
  return static_cast<bool>(in >> a >> s1 >> b >> s2 >> c) && s1 == separator && s2 == separator &&
         in.peek() == EOF;
}

vb::Date DateNamed(const std::string& text) {
  int day = 0, month = 0, year = 0;
  if (!ReadThree(text, '/', day, month, year) || month < 1 || month > 12 || day < 1 || day > 31) {
    Usage("a date is dd/mm/yyyy: " + text);
  }
  return vb::DateSerial(year, month, day);
}

vb::Date TimeNamed(const std::string& text) {
  int hour = 0, minute = 0, second = 0;
  if (!ReadThree(text, ':', hour, minute, second) || hour > 23 || minute > 59 || second > 59) {
    Usage("a time is hh:mm:ss: " + text);
  }
  return vb::TimeSerial(hour, minute, second);
}

std::vector<std::string> CategoriesNamed(const std::string& text) {
  std::vector<std::string> categories;
  std::istringstream in(text);
  for (std::string category; std::getline(in, category, ',');) categories.push_back(category);
  return categories;
}

int NumberNamed(const std::string& text) {
  try {
    std::size_t used = 0;
    int value = std::stoi(text, &used);
    if (used == text.size() && value >= 0) return value;
  } catch (const std::exception&) {
  }
  Usage("not a whole number: " + text);
}

Arguments Parse(int argc, char** argv) {
  Arguments arguments;
  vb::Date now = vb::Now();
  vb::Date date = vb::DateOnly(now), time = vb::TimeOnly(now);
  for (int i = 1; i < argc; ++i) {
    std::string flag = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) Usage(flag + " needs a value");
      return argv[++i];
    };
    if (flag == "--folder") arguments.folder = value();
    else if (flag == "--ruc") arguments.options.ruc = value();
    else if (flag == "--entity") arguments.options.entity = NumberNamed(value());
    else if (flag == "--date") date = DateNamed(value());
    else if (flag == "--time") time = TimeNamed(value());
    else if (flag == "--debts") arguments.options.debtsPerCategory = NumberNamed(value());
    else if (flag == "--categories") arguments.options.categories = CategoriesNamed(value());
    else if (flag == "--good") arguments.options.goodTaxpayer = true;
    else if (flag == "--old-layout") arguments.options.layout = debtfile::Layout::BeforeGuarantee;
    else if (flag == "--variant") {
      std::string name = value();
      if (!debtfile::VariantNamed(name, arguments.variant)) Usage("unknown variant " + name);
    } else Usage("unknown option " + flag);
  }
  if (arguments.folder.empty()) Usage("--folder is required");
  arguments.options.generated = vb::Date{date.serial + time.serial};
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments = Parse(argc, argv);
  try {
    debtfile::WrittenFile written =
        debtfile::WriteDebtFile(arguments.folder, arguments.options, arguments.variant);
    std::cout << written.zipPath << "\n";
  } catch (const std::exception& error) {
    std::cerr << "debtfile: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
