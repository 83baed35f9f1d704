#include "platform/testsupport/pdf_reader.h"

#include <cstdio>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "platform/testsupport/child_process.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/temp_folder.h"

namespace testsupport {
namespace {

// Runs a tool to its end; its standard output as text.
std::string Run(const std::vector<std::string>& argv) {
  ChildProcess tool(argv);
  if (!tool.Started()) throw std::runtime_error("cannot start " + argv[0]);
  std::string output;
  for (std::string line = tool.ReadLine(); !line.empty(); line = tool.ReadLine()) output += line + "\n";
  if (tool.Wait() != 0) throw std::runtime_error(argv[0] + " failed on " + argv.back());
  return output;
}

std::string Unescape(std::string text) {
  for (auto [from, to] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}}) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + 1))
      text.replace(at, std::string(from).size(), to);
  }
  return text;
}

}  // namespace

std::vector<PdfPageSize> PdfPageSizes(const std::string& path) {
  std::string info = Run({"pdfinfo", "-f", "1", "-l", "100000", path});
  static const std::regex kSize(R"(Page +\d+ size: +([\d.]+) x ([\d.]+) pts)");
  std::vector<PdfPageSize> sizes;
  for (std::sregex_iterator it(info.begin(), info.end(), kSize), end; it != end; ++it)
    sizes.push_back({std::stod((*it)[1]), std::stod((*it)[2])});
  return sizes;
}

std::string PdfText(const std::string& path) {
  TempFolder folder;
  Run({"pdftotext", "-layout", "-enc", "UTF-8", path, folder / "text.txt"});
  return ReadBytes(folder / "text.txt");
}

std::vector<PdfWord> PdfWords(const std::string& path) {
  TempFolder folder;
  Run({"pdftotext", "-bbox", "-enc", "UTF-8", path, folder / "words.html"});
  std::string html = ReadBytes(folder / "words.html");
  static const std::regex kPage(R"(<page )");
  static const std::regex kWord(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  std::istringstream lines(html);
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_search(line, kPage)) ++page;
    std::smatch match;
    if (!std::regex_search(line, match, kWord)) continue;
    words.push_back({page, std::stod(match[1]), std::stod(match[2]), std::stod(match[3]),
                     std::stod(match[4]), Unescape(match[5])});
  }
  return words;
}

GrayPicture PdfPagePicture(const std::string& path, int page, int dpi) {
  TempFolder folder;
  std::string number = std::to_string(page);
  Run({"pdftoppm", "-gray", "-r", std::to_string(dpi), "-f", number, "-l", number, "-singlefile",
       path, folder / "page"});
  std::string pgm = ReadBytes(folder / "page.pgm");
  GrayPicture picture;
  int maxValue = 0;
  int consumed = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &picture.width, &picture.height, &maxValue,
                  &consumed) != 3)
    throw std::runtime_error("pdftoppm gave no picture of " + path);
  std::size_t start = static_cast<std::size_t>(consumed) + 1;
  picture.dots.assign(pgm.begin() + static_cast<long>(start), pgm.end());
  return picture;
}

}  // namespace testsupport
