#pragma once

namespace korva {

// Makes the request form the window the choosers open for a declaration
// (Ventana::Frm942). Called once by the program before it starts.
void RegistraSolicitud();

}  // namespace korva
