#include "platform/printer/qt_printer.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "platform/vb/error.h"
#include "platform/vb/file_system.h"
#include "platform/testsupport/child_process.h"
#include "platform/testsupport/file_bytes.h"
#include "platform/testsupport/file_size_limit.h"
#include "platform/testsupport/pdf_reader.h"
#include "platform/testsupport/temp_folder.h"

namespace printer {
namespace {

using testsupport::PdfPagePicture;
using testsupport::PdfPageSizes;
using testsupport::PdfWords;
using testsupport::TempFolder;

constexpr double kTwipsPerPoint = 20;
// The PDF's printable area starts a quarter of an inch (18 points) inside.
constexpr double kMargin = 18;

// Qt's application object on the offscreen platform, for the fonts; its
// runtime folder is the test run's own.
void StartQt() {
  static TempFolder runtime;
  static QGuiApplication* application = [] {
    std::filesystem::permissions(runtime.Path(), std::filesystem::perms::owner_all);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
    static int argc = 1;
    static char name[] = "platform_printer_tests";
    static char* argv[] = {name, nullptr};
    return new QGuiApplication(argc, argv);
  }();
  (void)application;
}

class QtPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { StartQt(); }
  std::unique_ptr<Printer> Pdf() { return service_.PdfPrinter(Path()); }
  std::string Path() const { return folder_ / "job.pdf"; }

  QtPrintService service_;
  TempFolder folder_;
};

TEST_F(QtPrinterTest, CourierFontsKeepTheirPitchTenCharactersAtEightPointsAre960Twips) {
  for (const char* name : {"Courier New", "Courier"}) {
    {
      std::unique_ptr<Printer> job = Pdf();
      job->SetFontName(name);
      job->SetFontSize(8);
      EXPECT_NEAR(static_cast<QtPrinter&>(*job).TextWidth("0123456789"), 960, 1) << name;
      job->SetCurrentX(1440);
      job->SetCurrentY(1440);
      job->Print("0123456789");
      job->EndDoc();
    }
    std::vector<testsupport::PdfWord> words = PdfWords(Path());
    ASSERT_EQ(words.size(), 1u) << name;
    EXPECT_EQ(words[0].text, "0123456789");
    EXPECT_NEAR((words[0].xMax - words[0].xMin) * kTwipsPerPoint, 960, 1) << name;
    EXPECT_NEAR((words[0].xMin - kMargin) * kTwipsPerPoint, 1440, 1) << name;
  }
}

// The text's box starts at the position given: its top is the font's ascent
// above the baseline, not the baseline itself.
TEST_F(QtPrinterTest, TextHangsFromItsTopLeftCorner) {
  {
    std::unique_ptr<Printer> job = Pdf();
    job->SetFontName("Courier New");
    job->SetFontSize(10);
    job->SetCurrentX(2880);
    job->SetCurrentY(2880);
    job->Print("MODALIDAD");
    job->EndDoc();
  }
  std::vector<testsupport::PdfWord> words = PdfWords(Path());
  ASSERT_EQ(words.size(), 1u);
  EXPECT_NEAR(words[0].xMin, kMargin + 144, 0.1);
  EXPECT_NEAR(words[0].yMin, kMargin + 144, 1.5);
  EXPECT_GT(words[0].yMax, kMargin + 144 + 8);
}

TEST_F(QtPrinterTest, EachSheetTakesTheOrientationSetBeforeItsFirstDrawing) {
  {
    std::unique_ptr<Printer> job = Pdf();
    job->SetFontName("Courier New");
    job->SetFontSize(8);
    job->Print("vertical");
    job->NewPage();
    job->SetOrientation(vbPRORLandscape);
    job->Print("horizontal");
    job->NewPage();
    job->SetOrientation(vbPRORPortrait);
    job->Line(0, 0, 1440, 0);
    job->NewPage();
    job->EndDoc();
  }
  std::vector<testsupport::PdfPageSize> sizes = PdfPageSizes(Path());
  ASSERT_EQ(sizes.size(), 3u) << "a break just before the end adds no sheet";
  for (int page : {0, 2}) {
    EXPECT_NEAR(sizes[page].width, 595.3, 0.5) << page;
    EXPECT_NEAR(sizes[page].height, 841.9, 0.5) << page;
  }
  EXPECT_NEAR(sizes[1].width, 841.9, 0.5);
  EXPECT_NEAR(sizes[1].height, 595.3, 0.5);
}

TEST_F(QtPrinterTest, APdfJobWithNothingDrawnStillLeavesItsFile) {
  Pdf()->EndDoc();
  EXPECT_EQ(PdfPageSizes(Path()).size(), 1u);
}

// Blanks printed across a line leave the line whole: text paints its glyphs
// only, never a box behind them.
TEST_F(QtPrinterTest, TextDrawsNoBackgroundOverWhatIsBeneath) {
  constexpr int kDpi = 144;
  {
    std::unique_ptr<Printer> job = Pdf();
    job->SetDrawWidth(12);
    job->Line(1440, 1500, 5760, 1500);
    job->SetFontName("Courier New");
    job->SetFontSize(12);
    job->SetCurrentX(1440);
    job->SetCurrentY(1440);
    job->Print("          ");
    job->EndDoc();
  }
  testsupport::GrayPicture page = PdfPagePicture(Path(), 1, kDpi);
  int y = static_cast<int>(std::lround((kMargin + 1500.0 / kTwipsPerPoint) * kDpi / 72));
  for (double twips : {1600.0, 3000.0, 5500.0}) {
    int x = static_cast<int>(std::lround((kMargin + twips / kTwipsPerPoint) * kDpi / 72));
    EXPECT_LT(page.At(x, y), 128) << twips;
  }
}

TEST_F(QtPrinterTest, AJobThatCannotWriteItsFileRaisesPrinterError) {
  std::unique_ptr<Printer> job = service_.PdfPrinter(folder_ / "no/such/folder/job.pdf");
  job->SetFontName("Courier New");
  try {
    job->Print("x");
    ADD_FAILURE() << "the job started";
  } catch (const vb::Error& error) {
    EXPECT_EQ(error.Number(), 482);
    EXPECT_EQ(error.Description(),
              "No se pudo iniciar la impresión en " + folder_ / "no/such/folder/job.pdf" + ": " + vb::ErrorText(76));
  }
}

// A PDF the disk cuts short (full at its first byte, in its middle, at its
// last) is never put where a person would take it for the report: the job
// raises the runtime's full disk naming the file, no temporary file is left
// beside it, and the file that was there before stays as it was.
TEST_F(QtPrinterTest, APdfCutByAFullDiskIsNotLeftAndRaisesDiskFull) {
  auto print = [this] {
    std::unique_ptr<Printer> job = Pdf();
    for (const char* sheet : {"uno", "dos", "tres"}) {
      job->Print(sheet);
      job->NewPage();
    }
    job->EndDoc();
  };
  print();
  const rlim_t whole = std::filesystem::file_size(Path());
  for (rlim_t limit : {rlim_t{0}, whole / 2, whole - 1}) {
    SCOPED_TRACE(limit);
    testsupport::WriteBytes(Path(), "anterior");
    try {
      testsupport::ScopedFileSizeLimit disk(limit);
      print();
      ADD_FAILURE() << "printed whole";
    } catch (const vb::Error& error) {
      EXPECT_EQ(error.Number(), 61);
      EXPECT_EQ(error.Description(), "No se pudo guardar el archivo " + Path() + ": Disco lleno");
    }
    EXPECT_EQ(vb::FolderEntries(folder_.Path()), std::vector<std::string>{"job.pdf"});
    EXPECT_EQ(testsupport::ReadBytes(Path()), "anterior");
  }
}

// The ends of a box of no width are lines of no length: Qt's PDF writer would
// write each as an empty path, which PDF readers complain of.
TEST_F(QtPrinterTest, LineOfNoLengthLeavesNothingForAReaderToComplainOf) {
  {
    std::unique_ptr<Printer> job = Pdf();
    job->Line(1000, 1000, 1000, 1000);
    job->Line(1000, 1000, 1000, 2000);
    job->EndDoc();
  }
  testsupport::ChildProcess lector({"sh", "-c", "pdftotext \"$0\" /dev/null 2>&1", Path()});
  EXPECT_EQ(lector.ReadLine(), "");
  EXPECT_EQ(lector.Wait(), 0);
}

}  // namespace
}  // namespace printer
