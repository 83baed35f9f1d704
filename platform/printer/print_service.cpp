#include "platform/printer/print_service.h"

namespace printer {
namespace {

PrintService* gService = nullptr;

}  // namespace

void SetPrintService(PrintService* service) { gService = service; }
PrintService* CurrentPrintService() { return gService; }

}  // namespace printer
