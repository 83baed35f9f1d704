#pragma once
// The printing's registration with the program.

namespace korva {

// Links printing into the program: from here on MuestraReporte previews a
// report or prints it, and the main window's "&Imprimir" opens the print dialog.
void RegistraImpresion();

}  // namespace korva
