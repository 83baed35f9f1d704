#include "formulario/core/mod_Combo.h"

#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"

namespace korva {
namespace {

constexpr long kAnchoLetras = 6 * 52;
constexpr long kLetras = 52;

}  // namespace

long AnchoPromedioCaracter(const forms::Form& /*frm*/) { return kAnchoLetras / kLetras; }

void AjustaAnchoCombo(const forms::Form& frm, forms::ComboBox& combo, int iCaracteres) {
  combo.SetDropDownWidth(static_cast<int>(AnchoPromedioCaracter(frm) * (iCaracteres - 2)));
}

}  // namespace korva
