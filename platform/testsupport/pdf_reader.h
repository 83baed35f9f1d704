#pragma once
#include <string>
#include <vector>

namespace testsupport {

// What the PDF tools of poppler-utils read back from a PDF file, so that tests
// check what a person would see in it.

// The size of each page in points (1/72 inch), width then height.
struct PdfPageSize {
  double width = 0;
  double height = 0;
};
std::vector<PdfPageSize> PdfPageSizes(const std::string& path);

// The text of every page in reading order, pages ended by a form feed ("\f").
std::string PdfText(const std::string& path);

// Each word with its box in points from the page's top-left corner.
struct PdfWord {
  int page = 0;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
  std::string text;
};
std::vector<PdfWord> PdfWords(const std::string& path);

// One page as a grey picture at `dpi` dots per inch, one byte a dot (0 black,
// 255 white), row after row.
struct GrayPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> dots;
  int At(int x, int y) const { return dots[static_cast<std::size_t>(y) * width + x]; }
};
GrayPicture PdfPagePicture(const std::string& path, int page, int dpi);

}  // namespace testsupport
