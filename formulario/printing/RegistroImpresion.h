#pragma once
// The printing's registration with the program.

namespace korva {

// Links printing into the program: from here on MuestraReporte previews a
// report or prints it, the main window's "&Imprimir" opens the print dialog, and
// the print driver writes the annex listings and guarantee reports ticked.
void RegistraImpresion();

}  // namespace korva
