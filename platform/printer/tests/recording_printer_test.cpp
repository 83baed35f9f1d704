#include "platform/printer/testing/recording_printer.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/testsupport/error_of.h"

namespace printer {
namespace {

using testsupport::ErrorOf;
using Calls = std::vector<std::string>;

TEST(RecordingPrinterTest, KeepsEveryCallOfEachJobInOrder) {
  RecordingPrintService service;
  {
    std::unique_ptr<Printer> job = service.DefaultPrinter();
    job->SetOrientation(vbPRORLandscape);
    job->SetFontName("Courier New");
    job->SetFontBold(true);
    job->SetFontSize(8);
    job->SetCurrentX(10);
    job->SetCurrentY(175.5);
    job->Print("ÑANDÚ");
    job->NewPage();
    job->SetDrawWidth(1);
    job->Line(150, 2470, 150, 2815);
    job->EndDoc();
  }
  service.PdfPrinter("/tmp/x.pdf")->EndDoc();
  ASSERT_EQ(service.Jobs().size(), 2u);
  EXPECT_EQ(service.Jobs()[0].pdfPath, "");
  EXPECT_EQ(service.Jobs()[0].calls,
            (Calls{"Orientation 2", "FontName Courier New", "FontBold True", "FontSize 8",
                   "CurrentX 10", "CurrentY 175.5", "Print ÑANDÚ", "NewPage", "DrawWidth 1",
                   "Line 150 2470 150 2815", "EndDoc"}));
  EXPECT_EQ(service.Jobs()[1].pdfPath, "/tmp/x.pdf");
  EXPECT_EQ(service.Jobs()[1].calls, Calls{"EndDoc"});
}

TEST(RecordingPrinterTest, RefusesValuesNoPrinterTakesAndKeepsNoTraceOfThem) {
  struct Caso {
    const char* what;
    std::function<void(Printer&)> call;
  } casos[] = {
      {"size 0", [](Printer& p) { p.SetFontSize(0); }},
      {"size 0.5", [](Printer& p) { p.SetFontSize(0.5); }},
      {"size 2161", [](Printer& p) { p.SetFontSize(2161); }},
      {"draw width 0", [](Printer& p) { p.SetDrawWidth(0); }},
      {"orientation 0", [](Printer& p) { p.SetOrientation(0); }},
      {"orientation 3", [](Printer& p) { p.SetOrientation(3); }},
  };
  for (const Caso& c : casos) {
    RecordingPrintService service;
    std::unique_ptr<Printer> job = service.DefaultPrinter();
    EXPECT_EQ(ErrorOf([&] { c.call(*job); }), 380) << c.what;
    EXPECT_TRUE(service.Jobs()[0].calls.empty()) << c.what;
  }
}

}  // namespace
}  // namespace printer
