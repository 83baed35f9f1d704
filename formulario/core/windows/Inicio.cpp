#include "formulario/core/windows/Inicio.h"

#include <cstdlib>

#include "formulario/core/ModGen00.h"
#include "formulario/core/cWindows.h"
#include "formulario/core/windows/MDIFrm.h"
#include "platform/forms/instance.h"
#include "platform/forms/services.h"
#include "platform/vb/app.h"
#include "platform/vb/error.h"

namespace korva {

void Main() {
  cWindows ventanas;
  if (!ventanas.CorreApp("Orvane")) {
    forms::MsgBox("Debe ejecutar este módulo desde el Morvel del ZEP", forms::vbCritical,
                  "Error al ejecutar el módulo");
    vb::End(EXIT_FAILURE);
  }
  if (vb::App::PrevInstance()) {
    forms::MsgBox("La Aplicación ya se encuentra en ejecución", forms::vbInformation,
                  vb::App::ProductName());
    vb::End(EXIT_FAILURE);
  }
  if (!VerificaConfiguracionRegional()) vb::End(EXIT_FAILURE);
  forms::Instance<MDIFrm>().Show();
}

}  // namespace korva
