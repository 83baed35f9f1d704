#include "formulario/request/RegistroSolicitud.h"

#include "formulario/core/Ventanas.h"
#include "formulario/request/Frm942.h"
#include "platform/forms/instance.h"

namespace korva {

// Every opening builds the window afresh, since it reads its declaration from
// the chooser's row and the shared globals when it loads.
void RegistraSolicitud() {
  RegistraVentana(Ventana::Frm942, [] {
    forms::Release<Frm942>();
    forms::Instance<Frm942>().Show(forms::vbModal);
  });
}

}  // namespace korva
