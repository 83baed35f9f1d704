#include "platform/printer/printer.h"

#include "platform/vb/error.h"

namespace printer {
namespace {

constexpr int kValorNoValido = 380;
constexpr double kMaxFontSize = 2160;

}  // namespace

void CheckFontSize(double points) {
  if (!(points >= 1 && points <= kMaxFontSize)) vb::Raise(kValorNoValido);
}

void CheckDrawWidth(int width) {
  if (width < 1) vb::Raise(kValorNoValido);
}

void CheckOrientation(int orientation) {
  if (orientation != vbPRORPortrait && orientation != vbPRORLandscape) vb::Raise(kValorNoValido);
}

}  // namespace printer
