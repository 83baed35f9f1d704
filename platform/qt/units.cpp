#include "platform/qt/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace formsqt {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kDefaultDpi = 96;

}  // namespace

double PixelsPerTwip() {
  QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
  double dpi = screen ? screen->logicalDotsPerInch() : kDefaultDpi;
  return (dpi > 0 ? dpi : kDefaultDpi) / kTwipsPerInch;
}

int ToPixels(double twips) { return static_cast<int>(std::lround(twips * PixelsPerTwip())); }

double ToTwips(int pixels) { return std::round(pixels / PixelsPerTwip()); }

QRect ToPixels(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

}  // namespace formsqt
