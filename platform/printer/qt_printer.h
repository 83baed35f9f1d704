#pragma once
// Print jobs drawn with Qt's print support.
#include <QPainter>
#include <memory>
#include <string>

#include "platform/printer/print_service.h"
#include "platform/printer/printer.h"

class QPagedPaintDevice;
class QPrinter;

namespace printer {

class ReplacingFile;

// A print job drawn with Qt's print support, on the system's default printer or
// into a PDF file. Twips become the device's own dots (its resolution, not the
// screen's); "Courier New" and "Courier" are drawn in Liberation Mono, which has
// their metrics, so that fixed-pitch listings keep their columns. A job that
// cannot start raises error 482.
class QtPrinter final : public Printer {
 public:
  // A job on the printer `name`; with nothing drawn it sends nothing.
  QtPrinter(std::unique_ptr<QPrinter> device, std::string name);
  // A job into the PDF file at `path` on A4 sheets: it always leaves a file, one
  // blank sheet when nothing was drawn. EndDoc puts the file there only whole;
  // a file that could not be written whole raises the runtime's file error of
  // its cause (61 for a full disk) and leaves what was at `path` as it was.
  explicit QtPrinter(const std::string& path);
  ~QtPrinter() override;

  void SetFontName(const std::string& name) override;
  void SetFontSize(double points) override;
  void SetFontBold(bool bold) override;
  void SetCurrentX(double x) override { currentX_ = x; }
  void SetCurrentY(double y) override { currentY_ = y; }
  void Print(const std::string& text) override;
  void SetDrawWidth(int width) override;
  void Line(double x1, double y1, double x2, double y2) override;
  void NewPage() override;
  void EndDoc() override;
  void SetOrientation(int orientation) override;

  // The width of `text` in twips in the current font, as the device lays it out.
  double TextWidth(const std::string& text);

 private:
  QPainter& Sheet();
  void Begin();
  double Dots(double twips) const;
  double Twips(double dots) const;
  QFont CurrentFont() const;

  // The PDF file being written (none on a printer), before the device that
  // writes into it, which must go first.
  std::unique_ptr<ReplacingFile> file_;
  std::unique_ptr<QPagedPaintDevice> device_;
  std::string destination_;
  QPainter painter_;
  std::string fontName_ = "Arial";
  double fontSize_ = 10;
  bool fontBold_ = false;
  double currentX_ = 0;
  double currentY_ = 0;
  int drawWidth_ = 1;
  int orientation_ = vbPRORPortrait;
  // Sheets ended by NewPage whose successor has not started yet.
  int sheetsEnded_ = 0;
};

// The system's default printer as QPrinterInfo finds it (none on a machine
// without a print server), and PDF files on A4 sheets with a printable area a
// quarter of an inch inside the edges, as a laser printer has it.
class QtPrintService final : public PrintService {
 public:
  std::unique_ptr<Printer> DefaultPrinter() override;
  std::unique_ptr<Printer> PdfPrinter(const std::string& path) override;
};

}  // namespace printer
