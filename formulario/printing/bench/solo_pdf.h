#pragma once
// The print service of the printing benchmarks: PDF files, no printer.
#include <memory>
#include <string>

#include "platform/printer/qt_printer.h"

namespace bench {

// PDF jobs through Qt and no printer, as on a machine without one.
class SoloPdf final : public printer::PrintService {
 public:
  std::unique_ptr<printer::Printer> DefaultPrinter() override { return nullptr; }
  std::unique_ptr<printer::Printer> PdfPrinter(const std::string& path) override {
    return qt_.PdfPrinter(path);
  }

 private:
  printer::QtPrintService qt_;
};

}  // namespace bench
