#include "formulario/printing/RegistroImpresion.h"

#include "formulario/core/Ventanas.h"
#include "formulario/printing/ImpAnexos.h"
#include "formulario/printing/ImpDeclaracion.h"
#include "formulario/printing/ImpGarantias.h"
#include "formulario/printing/frmImprimir.h"
#include "formulario/printing/frmPreview.h"
#include "formulario/spool/ImpLinea.h"
#include "platform/forms/instance.h"

namespace korva {

void RegistraImpresion() {
  FijaVisorReporte(MuestraPreview);
  FijaEscritoresAnexos(ImprimeAnexo, ImprimeGarantia);
  RegistraVentana(Ventana::frmImprimir,
                  [] { forms::Instance<frmImprimir>().Show(forms::vbModal); });
}

}  // namespace korva
