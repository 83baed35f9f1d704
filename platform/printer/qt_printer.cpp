#include "platform/printer/qt_printer.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/printer/replacing_file.h"
#include "platform/vb/error.h"

namespace printer {
namespace {

constexpr int kErrImpresora = 482;
constexpr double kTwipsPerInch = 1440;
constexpr double kMargenMm = 6.35;
// A dot per twip: font sizes of whole points (or twentieths of one) are then a
// whole number of dots, which the font engine would otherwise round.
constexpr int kPuntosPorPulgada = 1440;

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Liberation Mono has the advance widths of Courier New, so a listing's columns
// fall where they were designed.
QString FamilyFor(const std::string& name) {
  if (name == "Courier New" || name == "Courier") return QStringLiteral("Liberation Mono");
  return ToQString(name);
}

QPageLayout::Orientation ToQOrientation(int orientation) {
  return orientation == vbPRORLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> device, std::string name)
    : device_(std::move(device)), destination_(std::move(name)) {}

// Qt's PDF writer on a file of our own: the writer itself reports no failed
// write, the file keeps them.
QtPrinter::QtPrinter(const std::string& path)
    : file_(std::make_unique<ReplacingFile>(path)), destination_(path) {
  auto writer = std::make_unique<QPdfWriter>(file_.get());
  writer->setResolution(kPuntosPorPulgada);
  writer->setPageSize(QPageSize(QPageSize::A4));
  writer->setPageMargins(QMarginsF(kMargenMm, kMargenMm, kMargenMm, kMargenMm), QPageLayout::Millimeter);
  device_ = std::move(writer);
}

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
}

void QtPrinter::SetFontName(const std::string& name) { fontName_ = name; }

void QtPrinter::SetFontSize(double points) {
  CheckFontSize(points);
  fontSize_ = points;
}

void QtPrinter::SetFontBold(bool bold) { fontBold_ = bold; }

void QtPrinter::SetDrawWidth(int width) {
  CheckDrawWidth(width);
  drawWidth_ = width;
}

void QtPrinter::SetOrientation(int orientation) {
  CheckOrientation(orientation);
  orientation_ = orientation;
}

QFont QtPrinter::CurrentFont() const {
  QFont font(FamilyFor(fontName_));
  font.setPointSizeF(fontSize_);
  font.setBold(fontBold_);
  // Outlines at their design widths: a hinted advance rounded to whole dots
  // would move the columns of a long line.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

// Twips in the device's dots: its logical resolution is the one set on it.
double QtPrinter::Dots(double twips) const { return twips * device_->logicalDpiY() / kTwipsPerInch; }
double QtPrinter::Twips(double dots) const { return dots * kTwipsPerInch / device_->logicalDpiY(); }

void QtPrinter::Begin() {
  device_->setPageOrientation(ToQOrientation(orientation_));
  if (file_ && !file_->Create())
    vb::Raise(kErrImpresora, "No se pudo iniciar la impresión en " + destination_ + ": " + file_->Reason());
  if (!painter_.begin(device_.get()))
    vb::Raise(kErrImpresora, "No se pudo iniciar la impresión en " + destination_);
}

// The sheet the next drawing lands on: the job starts with the first drawing,
// and each sheet that NewPage ended is followed by a new one in the orientation
// set meanwhile.
QPainter& QtPrinter::Sheet() {
  if (!painter_.isActive()) Begin();
  for (; sheetsEnded_ > 0; --sheetsEnded_) {
    device_->setPageOrientation(ToQOrientation(orientation_));
    device_->newPage();
  }
  return painter_;
}

void QtPrinter::Print(const std::string& text) {
  QPainter& painter = Sheet();
  QFont font = CurrentFont();
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  QFontMetricsF metrics(painter.font(), device_.get());
  painter.drawText(QPointF(Dots(currentX_), Dots(currentY_) + metrics.ascent()), ToQString(text));
  currentX_ = 0;
  currentY_ += Twips(metrics.height());
}

double QtPrinter::TextWidth(const std::string& text) {
  QFontMetricsF metrics(CurrentFont(), device_.get());
  return Twips(metrics.horizontalAdvance(ToQString(text)));
}

// A line whose ends are one point (an end of a box of no width) draws nothing:
// Qt would stroke it into an empty path, which its PDF writer writes as a bare
// "close and fill" that PDF readers complain of.
void QtPrinter::Line(double x1, double y1, double x2, double y2) {
  QPainter& painter = Sheet();
  painter.setPen(QPen(Qt::black, drawWidth_));
  if (x1 != x2 || y1 != y2) painter.drawLine(QPointF(Dots(x1), Dots(y1)), QPointF(Dots(x2), Dots(y2)));
  currentX_ = x2;
  currentY_ = y2;
}

void QtPrinter::NewPage() {
  ++sheetsEnded_;
  currentX_ = 0;
  currentY_ = 0;
}

void QtPrinter::EndDoc() {
  if (!painter_.isActive() && file_) Begin();
  sheetsEnded_ = 0;
  if (painter_.isActive() && !painter_.end())
    vb::Raise(kErrImpresora, "No se pudo terminar la impresión en " + destination_);
  if (file_) file_->Commit();
}

std::unique_ptr<Printer> QtPrintService::DefaultPrinter() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto device = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  device->setResolution(kPuntosPorPulgada);
  return std::make_unique<QtPrinter>(std::move(device), info.printerName().toStdString());
}

std::unique_ptr<Printer> QtPrintService::PdfPrinter(const std::string& path) {
  return std::make_unique<QtPrinter>(path);
}

}  // namespace printer
