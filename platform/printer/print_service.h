#pragma once
// Where print jobs go: the default printer, or a PDF file.
#include <memory>
#include <string>

#include "platform/printer/printer.h"

namespace printer {

// Where print jobs go: the system's default printer, or a PDF file for a person
// who has none. Each call opens one job; the job is sent by its EndDoc.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // A job on the system's default printer; nullptr when the system has none.
  virtual std::unique_ptr<Printer> DefaultPrinter() = 0;
  // A job written as a PDF file at `path` (an existing file is replaced).
  virtual std::unique_ptr<Printer> PdfPrinter(const std::string& path) = 0;
};

// The service the program prints through; nullptr detaches it (nothing can then
// be printed).
void SetPrintService(PrintService* service);
PrintService* CurrentPrintService();

}  // namespace printer
