#pragma once

namespace korva {

// Registers the import window with the core, so that the main window's
// "Impor&tar Estado de Adeudos" shows it modally. The program calls it once at
// start, before the start routine.
void RegistraImportacion();

}  // namespace korva
