#pragma once
#include <span>
#include <string>

// The form numbers that the supporting data of the motives of disagreement
// accept, each list kept as one table: the payment forms of motive 1, the forms
// that did not exist before July 1993, the forms of a data change (motive 2)
// and the rectifying returns (motive 5).
namespace korva {

// The payment forms a payment of motive 1 may have been made with, whatever
// its tax.
std::span<const int> FormulariosPago();
// Forms refused as non-existent for a debt of a period before "199307".
std::span<const int> FormulariosPosteriores1993();
// The forms of a data change, as they read in the form box ("0###").
std::span<const char* const> FormulariosModificacion();
// The returns a rectification of motive 5 may be made with.
std::span<const int> FormulariosRectificatoria();

// Whether the number is in the list; the numeric lists compare numbers, so
// "0621" and "621" are the same form.
bool EsFormulario(std::span<const int> lista, double nFormulario);
bool EsFormulario(std::span<const char* const> lista, const std::string& sFormulario);

// "Sólo puede ingresar los formularios 0194, 1650 o 4949. Rectifique": the data
// change's forms named in the refusal, the last one joined by " o ".
std::string MensajeFormulariosModificacion();

}  // namespace korva
