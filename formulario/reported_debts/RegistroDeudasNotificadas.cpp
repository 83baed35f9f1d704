#include "formulario/reported_debts/RegistroDeudasNotificadas.h"

#include "formulario/core/Ventanas.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "platform/forms/instance.h"

namespace korva {

// The window decides itself, when it closes, whether its instance is let go;
// it loads the request form's current row whenever it loads.
void RegistraDeudasNotificadas() {
  RegistraVentana(Ventana::frmCondeuDet,
                  [] { forms::Instance<frmCondeuDet>().Show(forms::vbModal); });
}

}  // namespace korva
