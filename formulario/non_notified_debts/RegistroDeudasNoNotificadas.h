#pragma once

namespace korva {

// Makes the entry window of a debt the administration did not notify the one
// the request form opens from its tab of other debts
// (Ventana::FrmNoNotificada). Called once by the program before it starts.
void RegistraDeudasNoNotificadas();

}  // namespace korva
