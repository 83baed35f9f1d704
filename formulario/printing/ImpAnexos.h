#pragma once
// The annex listings: one category of the declaration's debts, page by page.
#include <string>

// An annex lists one category of the debts of the declaration being printed
// (gsRuc, gsPeriodo, gnSemana and, while giEnviadas is set, gsCorrel): a title
// block, the caption lines and one line per debt on each page, then the count
// and the category's totals, or "NO EXISTE INFORMACIÓN A DECLARAR" when the
// category has no debts. "DN", "DJ" and "INF" are printed on landscape pages,
// "ODV", "ODDJ", "ODINF" and "DN_NA" on portrait ones.
namespace korva {

// Writes the annex of category `sCodigo` under `sTitulo` into the open spool
// file, starting on a page of its own. The debts are read from HF0942DEUDAS
// while a sent declaration is printed, else from F0942DEUDAS, whatever `sTabla`
// says; `bAcogido` chooses between the included and the other valores of "DN".
// Nothing is caught: a database error or an amount that is not a number ends the
// listing where it stands and reaches the print driver.
void ImprimeAnexo(const std::string& sTabla, const std::string& sTitulo, const std::string& sCodigo,
                  bool bAcogido);

// Builds in gsSQL the SELECT of the debts of category `sCodigo` of table
// `sTabla`, newest period first, then by tax code. "CF" and "GH" (the guarantee
// reports) select every accepted debt and every non-notified one. The
// declaration's key reaches the statement as quoted texts.
void ArmaConsultaAnexo(const std::string& sTabla, const std::string& sCodigo, bool bAcogido);

}  // namespace korva
