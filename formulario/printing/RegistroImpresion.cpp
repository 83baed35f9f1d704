#include "formulario/printing/RegistroImpresion.h"

#include "formulario/printing/spool/ImpLinea.h"
#include "formulario/printing/frmPreview.h"

namespace korva {

void RegistraImpresion() { FijaVisorReporte(MuestraPreview); }

}  // namespace korva
