#pragma once
// The column layouts of the listings: their two caption lines and one debt's line.
#include <map>
#include <string>
#include <vector>

#include "platform/dao/recordset.h"

// The annexes and the guarantee reports print their debts as fixed-pitch text:
// every line is one text at x 300 whose columns are fields filled with blanks to
// their width (the utility component's RellenaDerecha and RellenaIzquierda: a
// text longer than its field is left whole) and joined by single blanks. The
// category codes are the annexes' "DN", "DJ", "INF", "ODV", "ODDJ", "ODINF",
// "DN_NA" and the guarantee reports' "CF", "GH"; any other code writes nothing.
namespace korva {

// One debt row as its line needs it: the texts of the row's columns (a column
// without a value is ""), and what the parameter lookups gave for its tax
// (the description of PARAM 725, as long as the code's column takes) and its
// document type (the first ten characters of PARAM 726's description, "" when
// the code's line has no such column).
struct DeudaImpresa {
  std::string sTipDeu{};
  std::string sPerDoc{};
  std::string sCodTri{};
  std::string sCodTriAso{};
  std::string sNumDoc{};
  std::string sCodFor{};
  std::string sFecDesDeu{};
  std::string sAcog{};
  std::string sConf{};
  std::string sMtoActS{};
  std::string sMtoTributoC{};
  std::string sMtoIntC{};
  std::string sMtoIntCapC{};
  std::string sMtoActC{};
  std::string sDescripcion{};
  std::string sTipoDocumento{};
};

// While one lives, the debt lines read each description of a tax or a document
// type from PARAM once and keep it, instead of once a line: a listing of 10,000
// debts spent most of its time on those lookups. The listings hold one while
// they write; nothing is kept once it is gone, so a change of PARAM is seen by
// the next listing.
class MemoriaDescripciones {
 public:
  MemoriaDescripciones();
  ~MemoriaDescripciones();
  MemoriaDescripciones(const MemoriaDescripciones&) = delete;
  MemoriaDescripciones& operator=(const MemoriaDescripciones&) = delete;

  // The slice of PARAM's Funcion of that number and argument, from position 1,
  // as LeeParametro reads it.
  std::string Lee(const std::string& sNumero, const std::string& sArgumento, int iLargo);

 private:
  std::map<std::string, std::string> leidas_;
  MemoriaDescripciones* anterior_;
};

// The code's two caption lines; none for a code outside the list. The
// guarantee reports' first line ends with box 541 of gsCasillas.
std::vector<std::string> TitulosColumnas(const std::string& sCodigo);

// The line of one debt for the code ("" for a code outside the list). The
// presentation-date column shows box 541 of gsCasillas on every line.
std::string LineaDetalle(const DeudaImpresa& deuda, const std::string& sCodigo);

// Writes the code's first caption line at (300, iPosY) and the second 270 lower,
// bold at gnTamanoListado, on page iHoja; iPosY is left on the second line.
// `sTabla` is not used.
void ImprimeTitulosColumnas(int iHoja, int& iPosY, const std::string& sTabla,
                            const std::string& sCodigo);

// Writes the line of the row `rs` stands on at (300, iPosY), not bold, at
// gnTamanoListado, on page iHoja. Neither the row nor iPosY move. `sTabla` is not
// used. Database errors, and an amount that is not a number in the interest
// column, reach the caller.
void ImprimeDetalleAnexo(int iHoja, int iPosY, dao::Recordset& rs, const std::string& sTabla,
                         const std::string& sCodigo);

}  // namespace korva
