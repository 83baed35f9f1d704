#include "formulario/core/mod_Combo.h"

#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"

namespace korva {
namespace {

// "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz" in the system's 8-point
// variable-pitch font, in pixels.
constexpr long kAnchoAlfabeto = 312;
constexpr long kLetrasAlfabeto = 52;

}  // namespace

long AnchoPromedioCaracter(const forms::Form& /*frm*/) { return kAnchoAlfabeto / kLetrasAlfabeto; }

void AjustaAnchoCombo(const forms::Form& frm, forms::ComboBox& combo, int iCaracteres) {
  combo.SetDropDownWidth(static_cast<int>(AnchoPromedioCaracter(frm) * (iCaracteres - 2)));
}

}  // namespace korva
