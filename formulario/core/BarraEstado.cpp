#include "formulario/core/BarraEstado.h"

#include <utility>

namespace korva {
namespace {

BarraEstado& Barra() {
  static BarraEstado barra;
  return barra;
}

}  // namespace

void RegistraBarraEstado(BarraEstado barra) { Barra() = std::move(barra); }

void MuestraEnBarraEstado(const DeclaracionEnBarra& declaracion) {
  if (Barra()) Barra()(declaracion);
}

}  // namespace korva
