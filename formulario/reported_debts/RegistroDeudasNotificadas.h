#pragma once

namespace korva {

// Makes the detail window of a reported debt the one the request form opens for
// a row of its "Valores" grid and of its grid of self-assessed debts
// (Ventana::frmCondeuDet). Called once by the program before it starts.
void RegistraDeudasNotificadas();

}  // namespace korva
