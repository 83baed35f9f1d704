#pragma once
// The width of a combo box's opened list.

namespace forms {
class ComboBox;
class Form;
}  // namespace forms

namespace korva {

// The average character width in pixels of the system's variable-pitch font on
// the window: the width of the 52 letters A-Z and a-z, as the windows' host
// measures it, divided by 52, rounded down.
long AnchoPromedioCaracter(const forms::Form& frm);

// Widens the combo's opened list to hold `iCaracteres` - 2 average characters,
// so that long descriptions can be read while choosing.
void AjustaAnchoCombo(const forms::Form& frm, forms::ComboBox& combo, int iCaracteres);

}  // namespace korva
