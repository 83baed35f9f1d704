#pragma once
// The print service of a machine without a printer, for tests and benchmarks: every
// job is a PDF file written through Qt, whatever printers this machine has.
#include <memory>
#include <string>

#include "platform/printer/qt_printer.h"

namespace printer::testing {

class PdfOnlyService final : public PrintService {
 public:
  std::unique_ptr<Printer> DefaultPrinter() override { return nullptr; }
  std::unique_ptr<Printer> PdfPrinter(const std::string& path) override { return qt_.PdfPrinter(path); }

 private:
  QtPrintService qt_;
};

}  // namespace printer::testing
