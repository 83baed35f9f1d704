#include "formulario/non_notified_debts/RegistroDeudasNoNotificadas.h"

#include "formulario/core/Ventanas.h"
#include "formulario/non_notified_debts/FrmNoNotificada.h"
#include "platform/forms/instance.h"

namespace korva {

// Every opening builds the window afresh, since it reads the request form's
// mode, tab and row when it loads; once closed its instance is let go.
void RegistraDeudasNoNotificadas() {
  RegistraVentana(Ventana::FrmNoNotificada, [] {
    forms::Release<FrmNoNotificada>();
    forms::Instance<FrmNoNotificada>().Show(forms::vbModal);
    forms::Release<FrmNoNotificada>();
  });
}

}  // namespace korva
