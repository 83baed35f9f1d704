#pragma once
// The print driver and the declaration page of form "0942".
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "formulario/core/Casillas.h"

// The driver writes the whole report of the declaration the print dialog chose
// (its key in the declaration globals, its boxes in gsCasillas) into the spool
// file gsArchivoReporte: the declaration page first when asked, then each annex
// and guarantee report ticked, in a fixed order, and last the page-count trailer.
namespace korva {

// What the print dialog asks the driver for: the declaration page, and which of
// its ten annex boxes are ticked, by the boxes' indexes (0 "Valores - Acogidos"
// to 9 "Garantía - Reporte de Garantía Hipotecaria").
struct SeleccionImpresion {
  bool bDeclaracion = false;
  std::array<bool, 10> bAnexos{};
};

// The payment-mode block of entity 1, 2, 3, 5 or 8; any other code has none and
// raises error 9.
const Bloque& BloqueDeEntidad(std::uint8_t iSemana);

// Writes the report into gsArchivoReporte (a file of that name is replaced),
// once per copy of giCopias, and closes it. Nothing is caught: an error ends
// the report where it stands, with the file closed, and reaches the caller.
void ImprimeDeclaracion(const SeleccionImpresion& seleccion);

// The declaration page, page 0: the header tags, the page's header block and the
// table "MODALIDAD DE PAGO" with the boxes of gnSemana's block.
void ImprimeFormulario();

// The writers of the annex listings and of the guarantee reports, called with
// (table name, title, category code, accepted flag) as the driver's order gives
// them: ("F0942DEUDAS", "VALORES - ACOGIDOS", "DN", True) and so on, and
// ("F0942DEUDAS", "CARTA FIANZA", "CF", True) or ("F0942DEUDAS", "HIPOTECA",
// "GH", True). The listings install themselves here; until they do, a ticked
// annex ends the report with error 438 and a message saying so.
using EscritorAnexo = std::function<void(const std::string& sTabla, const std::string& sTitulo,
                                         const std::string& sCodigo, bool bAcogido)>;
void FijaEscritoresAnexos(EscritorAnexo imprimeAnexo, EscritorAnexo imprimeGarantia);

}  // namespace korva
