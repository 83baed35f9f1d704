#include "formulario/core/Ventanas.h"

#include <map>
#include <utility>

#include "platform/forms/services.h"

namespace korva {
namespace {

std::map<Ventana, AbreVentana>& Abridores() {
  static std::map<Ventana, AbreVentana> abridores;
  return abridores;
}

DeclaracionElegida& Entregada() {
  static DeclaracionElegida entregada;
  return entregada;
}

}  // namespace

void RegistraVentana(Ventana ventana, AbreVentana abre) {
  if (abre) {
    Abridores()[ventana] = std::move(abre);
  } else {
    Abridores().erase(ventana);
  }
}

bool VentanaDisponible(Ventana ventana) { return Abridores().count(ventana) != 0; }

bool MuestraVentana(Ventana ventana) {
  auto abridor = Abridores().find(ventana);
  if (abridor == Abridores().end()) {
    forms::MsgBox(kFuncionNoDisponible, forms::vbInformation, "Información");
    return false;
  }
  // A copy: the window may register another opener while it is shown.
  AbreVentana abre = abridor->second;
  abre();
  return true;
}

void EntregaDeclaracion(DeclaracionElegida declaracion) { Entregada() = std::move(declaracion); }

const DeclaracionElegida& DeclaracionEntregada() { return Entregada(); }

}  // namespace korva
