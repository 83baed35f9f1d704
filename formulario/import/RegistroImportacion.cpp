#include "formulario/import/RegistroImportacion.h"

#include "formulario/core/Ventanas.h"
#include "formulario/import/FrmImportar.h"
#include "platform/forms/instance.h"

namespace korva {

void RegistraImportacion() {
  RegistraVentana(Ventana::FrmImportar, [] { forms::Instance<FrmImportar>().Show(forms::vbModal); });
}

}  // namespace korva
