#pragma once
// The registry through which one subsystem opens windows that another builds.
#include <cstdint>
#include <functional>
#include <string>

namespace korva {

// The windows that one subsystem opens but another builds: the request form
// (from the chooser's "&Actualizar" and "&Ver Declaración"), the print dialog
// (from the main window's "&Imprimir"), the import window (from the main
// window's "Impor&tar Estado de Adeudos"), and the detail windows of a reported
// debt and of a debt the taxpayer adds (from the request form's debt tabs). Each
// subsystem registers how to show its window when it is linked into the program,
// so the subsystem that opens it never depends on it.
enum class Ventana { Frm942, frmImprimir, FrmImportar, frmCondeuDet, FrmNoNotificada };

// How to show a window modally; it returns once the window has closed. Each
// opening builds the window afresh (the request form unloads any earlier
// instance first), since it reads the declaration the chooser handed over and the
// shared globals when it loads.
using AbreVentana = std::function<void()>;

// Registers (or, with an empty function, withdraws) the opener of a window.
void RegistraVentana(Ventana ventana, AbreVentana abre);
bool VentanaDisponible(Ventana ventana);

// Shows the window through its opener and answers True. A window whose subsystem
// is not part of this build is not shown: the user is told plainly, in an
// information box, that the function is not available, and the answer is False.
bool MuestraVentana(Ventana ventana);

// The text of that information box.
inline constexpr const char* kFuncionNoDisponible =
    "Esta función no está disponible en esta versión del módulo.";

// The declaration a chooser hands to the request form: its chosen row's document
// type, taxpayer number and name, creditor entity and, for a sent declaration,
// its correlative ("" for a pending one). The period, the entity's code and the
// due dates travel in the shared globals.
struct DeclaracionElegida {
  std::uint8_t nTipoDoc = 0;
  std::string sNumDoc;
  std::string sNombre;
  std::string sEntidad;
  std::string sCorrel;
};

// A chooser hands its row over before it shows the request form, which reads it
// when it loads.
void EntregaDeclaracion(DeclaracionElegida declaracion);
const DeclaracionElegida& DeclaracionEntregada();

}  // namespace korva
