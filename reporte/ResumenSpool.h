#pragma once
#include <string>

// The spool summary: the text summary's lines as a one-page report in the spool
// format, registered in SPOOL as report "F36004" so that the host shows and
// prints it like the main program's reports.
namespace tarvel {

// Registers the summary, writes its file in the report folder (gsArchivoSpool)
// with the page header, the identification and the payment mode, and closes it.
void ImprimeResumenSpool();

// Adds the summary's SPOOL row (document type 6; user "ADMINIST" when the
// settings name none) and answers its file name ("00000042.PRN").
std::string RegistraSpoolResumen(const std::string& sCodRep, const std::string& sDocId);

// One line, through the main program's free-text writer on the summary's own
// file and counters: a header tag ("<!...") as it stands while on the first
// page, any other text as a free-text line at x 10, 175 twips below the last, 8
// points. A "|" in the text becomes "¦" and a line break a blank, so that the
// text stays one field of one line. After 80 lines the page moves on with
// "pNuevaHoja".
void EscribeLineaSpool(const std::string& sLinea);

}  // namespace tarvel
