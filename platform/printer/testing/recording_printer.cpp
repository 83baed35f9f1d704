#include "platform/printer/testing/recording_printer.h"

#include <cmath>
#include <sstream>

#include "platform/vb/error.h"

namespace printer {
namespace {

constexpr int kErrImpresora = 482;

}  // namespace

std::string CallNumber(double value) {
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    return std::to_string(static_cast<long long>(value));
  std::ostringstream text;
  text << value;
  return text.str();
}

void RecordingPrinter::SetFontName(const std::string& name) { job_.calls.push_back("FontName " + name); }

void RecordingPrinter::SetFontSize(double points) {
  CheckFontSize(points);
  job_.calls.push_back("FontSize " + CallNumber(points));
}

void RecordingPrinter::SetFontBold(bool bold) {
  job_.calls.push_back(bold ? "FontBold True" : "FontBold False");
}

void RecordingPrinter::SetCurrentX(double x) { job_.calls.push_back("CurrentX " + CallNumber(x)); }
void RecordingPrinter::SetCurrentY(double y) { job_.calls.push_back("CurrentY " + CallNumber(y)); }

void RecordingPrinter::Draw(std::string call) {
  if (failsToStart_) vb::Raise(kErrImpresora, "La impresora no responde");
  job_.calls.push_back(std::move(call));
}

void RecordingPrinter::Print(const std::string& text) { Draw("Print " + text); }

void RecordingPrinter::SetDrawWidth(int width) {
  CheckDrawWidth(width);
  job_.calls.push_back("DrawWidth " + std::to_string(width));
}

void RecordingPrinter::Line(double x1, double y1, double x2, double y2) {
  Draw("Line " + CallNumber(x1) + " " + CallNumber(y1) + " " + CallNumber(x2) + " " + CallNumber(y2));
}

void RecordingPrinter::NewPage() { job_.calls.push_back("NewPage"); }
void RecordingPrinter::EndDoc() { job_.calls.push_back("EndDoc"); }

void RecordingPrinter::SetOrientation(int orientation) {
  CheckOrientation(orientation);
  job_.calls.push_back("Orientation " + std::to_string(orientation));
}

std::unique_ptr<Printer> RecordingPrintService::DefaultPrinter() {
  if (!hasPrinter_) return nullptr;
  jobs_.push_back({});
  return std::make_unique<RecordingPrinter>(jobs_.back(), jobsFail_);
}

std::unique_ptr<Printer> RecordingPrintService::PdfPrinter(const std::string& path) {
  jobs_.push_back({path, {}});
  return std::make_unique<RecordingPrinter>(jobs_.back(), jobsFail_);
}

}  // namespace printer
