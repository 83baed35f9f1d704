#include "formulario/reported_debts/DialogoSustento.h"

#include "formulario/core/Ventanas.h"
#include "platform/forms/services.h"

namespace korva {
namespace {

AbreDialogoSustento& Abridor() {
  static AbreDialogoSustento abridor;
  return abridor;
}

}  // namespace

void FijaDialogoSustento(AbreDialogoSustento abre) { Abridor() = std::move(abre); }

void MuestraDialogoSustento() {
  if (!Abridor()) {
    forms::MsgBox(kFuncionNoDisponible, forms::vbInformation, "Información");
    return;
  }
  // A copy: the dialog may name another while it is shown.
  AbreDialogoSustento abre = Abridor();
  abre();
}

}  // namespace korva
