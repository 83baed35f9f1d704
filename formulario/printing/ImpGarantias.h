#pragma once
// The guarantee reports: the letter of guarantee and the mortgage the request needs.
#include <string>

#include "platform/vb/currency.h"

// The letter-of-guarantee report ("CF") and the mortgage report ("GH") list the
// accepted and the non-notified debts of the declaration being printed, total
// their updated amounts, state the amount the guarantee must cover (the total,
// less the initial payment unless the payment form is "2", times 1.05 for a
// letter of guarantee or 1.4 for a mortgage) and end with what the taxpayer must
// hand in.
namespace korva {

// Writes the report of `sCodigo` into the open spool file, starting on a portrait
// page of its own; `sTitulo` is printed only when there are no debts. The debts
// are read from HF0942DEUDAS while a sent declaration is printed, else from
// F0942DEUDAS; `sTabla` is handed to the column writers, which do not use it.
// Reading the guarantee row overwrites the guarantee globals. Nothing is caught:
// a database error or an amount that is not a number reaches the print driver.
void ImprimeGarantia(const std::string& sTabla, const std::string& sTitulo,
                     const std::string& sCodigo, bool bAcogido);

// Reads the guarantee row of the declaration chosen in the print dialog's list
// (its document type and number) for gsPeriodo and gnSemana into gsIndGarantia,
// gsIndPersona, gsMtoDeuda and gsMtoDeudaGarantia, trimmed; a blank amount reads
// "0". Without a row the four keep their values.
void LeeDatosGarantia();

// The report's total line: 53 blanks and the total right-aligned in 18
// characters ("###,###,###,##0.00", a zero total as a lone ".").
std::string TextoTotalGarantia(vb::Currency total);

// The amount line of a total that is not zero: 50 blanks, the guarantee amount
// to the nearest whole unit right-aligned in 14 characters, then ".00". The
// amount is the total (less the initial payment, a blank one as 0, unless the
// payment form is exactly "2") times `dFactor`; an initial payment that is not
// a number raises 13.
std::string TextoImporteGarantia(vb::Currency total, const std::string& sFormaPago,
                                 const std::string& sCuotaInicial, double dFactor);

}  // namespace korva
