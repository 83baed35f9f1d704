#include "formulario/core/mod_Combo.h"

#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"

namespace korva {
namespace {

constexpr const char* kAlfabeto = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr long kLetrasAlfabeto = 52;

// The system's ANSI variable-width font.
const forms::Font kFuenteVariable{"MS Sans Serif", 8};

}  // namespace

long AnchoPromedioCaracter(const forms::Form& /*frm*/) {
  return forms::TextWidth(kAlfabeto, kFuenteVariable) / kLetrasAlfabeto;
}

void AjustaAnchoCombo(const forms::Form& frm, forms::ComboBox& combo, int iCaracteres) {
  combo.SetDropDownWidth(static_cast<int>(AnchoPromedioCaracter(frm) * (iCaracteres - 2)));
}

}  // namespace korva
