#pragma once
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer/print_service.h"
#include "platform/printer/printer.h"

namespace printer {

// One print job as the recording service kept it: where it went ("" for the
// default printer, else the PDF's path) and every call made on it, in order:
// "FontName Courier New", "FontSize 8", "FontBold True", "CurrentX 10",
// "CurrentY 175", "Print text", "DrawWidth 1", "Line 150 2470 150 2815",
// "NewPage", "Orientation 2", "EndDoc". A call the printer refused (error 380)
// is not kept.
struct RecordedJob {
  std::string pdfPath;
  std::vector<std::string> calls;
};

// A printer for headless tests that draws nothing and writes down every call.
class RecordingPrinter final : public Printer {
 public:
  explicit RecordingPrinter(RecordedJob& job, bool failsToStart) : job_(job), failsToStart_(failsToStart) {}

  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool bold) override;
  void SetCurrentX(double x) override;
  void SetCurrentY(double y) override;
  void Print(const std::string& text) override;
  void SetDrawWidth(int width) override;
  void Line(double x1, double y1, double x2, double y2) override;
  void NewPage() override;
  void EndDoc() override;
  void SetOrientation(int orientation) override;

 private:
  void Draw(std::string call);

  RecordedJob& job_;
  bool failsToStart_;
};

// The print service of headless tests: a default printer unless the test takes
// it away, PDF jobs recorded with their path (no file is written), and every job
// kept in the order it was opened.
class RecordingPrintService final : public PrintService {
 public:
  std::unique_ptr<Printer> DefaultPrinter() override;
  std::unique_ptr<Printer> PdfPrinter(const std::string& path) override;

  void SetHasPrinter(bool has) { hasPrinter_ = has; }
  // Jobs that raise error 482 at their first drawing, as a printer that is off.
  void SetJobsFail(bool fail) { jobsFail_ = fail; }
  const std::deque<RecordedJob>& Jobs() const { return jobs_; }

 private:
  bool hasPrinter_ = true;
  bool jobsFail_ = false;
  std::deque<RecordedJob> jobs_;
};

// A number as the calls write it: whole numbers without decimals.
std::string CallNumber(double value);

}  // namespace printer
