#pragma once

namespace korva {

// Links the preview and printer renderer into the program: from here on
// MuestraReporte previews a report or prints it.
void RegistraImpresion();

}  // namespace korva
