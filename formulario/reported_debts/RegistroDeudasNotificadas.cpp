#include "formulario/reported_debts/RegistroDeudasNotificadas.h"

#include "formulario/core/Ventanas.h"
#include "formulario/reported_debts/DialogoSustento.h"
#include "formulario/reported_debts/frmCondeuDet.h"
#include "formulario/reported_debts/frmSustento.h"
#include "platform/forms/instance.h"

namespace korva {

// The window decides itself, when it closes, whether its instance is let go;
// it loads the request form's current row whenever it loads. The
// supporting-data dialog reloads from the window whenever it opens.
void RegistraDeudasNotificadas() {
  RegistraVentana(Ventana::frmCondeuDet,
                  [] { forms::Instance<frmCondeuDet>().Show(forms::vbModal); });
  FijaDialogoSustento([] { forms::Instance<frmSustento>().Show(forms::vbModal); });
}

}  // namespace korva
