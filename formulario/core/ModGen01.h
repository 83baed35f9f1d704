#pragma once
// Shared procedures: record check code, interest, amount and date checks, key filters.
#include <functional>
#include <string>
#include <vector>

#include "platform/vb/currency.h"
#include "platform/vb/date.h"
#include "platform/vb/variant.h"

namespace dao {
class Recordset;
}
namespace forms {
class DataGrid;
class TextBox;
}

namespace korva {

// The six-character check code of the recordset's current row (the pending values
// of a row being added or edited included), stored by every writer in the row's
// last column. Fields 0 to n-1 are summed as numbers (a date as yyyymmdd, a text
// that is not a number as 0, a number text by its leading number), the fields
// from n to the one before the last character by character (position times the
// Windows-1252 code, each product a 16-bit integer, so a product above 32767
// raises overflow 6); each sum is rounded half away from zero and the code is the
// last three digits of the first followed by the last three of the second. The
// column order of the table therefore decides every code.
std::string GeneraCNumero(dao::Recordset& rs, int n);

// Simple daily interest at the monthly rate gsTIM on the tax amount plus the
// capitalised interest, from one date to the other (no days when the second is
// not after the first), as text "#,###,###,##0.00"; "" for an empty amount. The
// daily rate and the factor are rounded to 7 and 5 decimals on the way, so every
// window that computes interest gets the same cents. A text that is not a number
// raises 13.
std::string CalculaInteres(const std::string& sMonto, const std::string& sInteresCap,
                           const vb::Variant& dDesde, const vb::Variant& dHasta);

// The amount without its thousands commas; the caller's text loses them too. An
// empty text, "0" or "." give "0.00". A temporary (a control's text) may be given.
std::string QuitaComas(std::string& sMonto);
std::string QuitaComas(std::string&& sMonto);

// Whether an amount text keeps to `iEnteros` integer digits and `iDecimales`
// decimals (0 decimals means 2) with one decimal point at most. An empty text is
// set to "0.00" and accepted. A refusal is shown in a box titled "Validación", or
// with `bSilencio` only left in gsMensaje. The form taking a title accepts it and
// does not use it; a temporary text (a control's text) may be given.
bool ValidaNumeroDecimal(std::string& sNumero, int iEnteros, int iDecimales, bool bSilencio);
bool ValidaNumeroDecimal(std::string&& sNumero, int iEnteros, int iDecimales, bool bSilencio);
bool ValidaNumeroDecimal(std::string& sNumero, int iEnteros, int iDecimales,
                         const std::string& sTitulo, bool bSilencio);
bool ValidaNumeroDecimal(std::string&& sNumero, int iEnteros, int iDecimales,
                         const std::string& sTitulo, bool bSilencio);

// An amount as Currency: 0 for Null or a blank text, else the regional reading
// of the value (a text that is not a number raises 13).
vb::Currency ConvierteMoneda(const vb::Variant& valor);

// Checks a date typed into a masked date box. `sTipo` "PRE" is the request's
// update date, which must be the debt file's date, downloaded today; "PAG" a
// payment date, which may not be after today. The first finding is left in
// gsMensaje and, unless `bSilencio` is set, shown with `sTitulo`; the answer is
// then False.
bool ValidaCampoFecha(const std::string& sTipo, const std::string& sNombre,
                      const std::string& sFecha, const std::string& sTitulo, bool bSilencio);

// A critical box with an OK button; answers the button pressed.
int MuestraMensajeError(const std::string& sMensaje, const std::string& sTitulo);

// The request form's debt grids that show the debt file's date, in the order they
// are asked (grids 1, 2 and 5). The request form names them while it is loaded.
using GrillasFechaDescarga = std::function<std::vector<forms::DataGrid*>()>;
void FijaGrillasFechaDescarga(GrillasFechaDescarga grillas);

// The date of the personalised debt file: the first of those grids with rows is
// moved to its first row and its fec_des_deu read; the zero date when no grid
// shows one.
vb::Date ObtieneFechaDescarga();

// Key filters of the entry boxes: a key they refuse is set to 0 (dropped) and the
// answer is False. Numbers take digits, Backspace and Enter; alphanumeric boxes
// also letters and the codes 164 and 165.
bool ValidaTeclaNumerica(int& iTecla);
bool ValidaTeclaAlfanumerica(int& iTecla);

// An amount box whose GotFocus rewrites its text and selects it whole, so that
// typing replaces it: a rewritten text leaves the caret before it, and the
// digits typed would go in ahead of the old ones. A click in the box that has
// the focus would put the caret where it fell; while the box still holds the
// text its focus put there, untouched, a click leaves it selected whole.
class SeleccionDeEntrada {
 public:
  // From GotFocus, once it has written the box's text: selects it whole.
  void Entra(forms::TextBox& caja);
  // From the box's MouseUp.
  void Suelta(forms::TextBox& caja, int Button) const;

 private:
  static void SeleccionaTodo(forms::TextBox& caja);
  const forms::TextBox* caja_ = nullptr;
  std::string sTexto_;
};

}  // namespace korva
