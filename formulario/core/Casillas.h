#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/vb/variant.h"

// The numbered boxes of form "0942": the block of seven payment-mode boxes of
// each creditor entity, and how each box's value is kept in DET. The request
// form shows and stores them, the import writes the guarantee box, the print
// driver prints them and the send summary reads them; each takes the blocks and
// the stored values from here.
namespace korva {

// One entity's block: base box b (the accepted debt) to b+6 (the guarantee),
// its initial-payment box, its hidden deferral-interest box (the stored
// guarantee-type box is the next number), the heading and the tax code that box
// b+5 shows. `orden` is the frame's and the heading's position, 0 to 4.
struct Bloque {
  std::uint8_t semana;
  int orden;
  int base;
  int cuota;
  int interes;
  const char* nombre;
  const char* tributo;
};

inline constexpr std::array<Bloque, 5> kBloques = {{
    {1, 0, 500, 535, 550, "TESORO", "8021"},
    {2, 1, 507, 536, 560, "ESSALUD", "5216"},
    {3, 2, 514, 537, 570, "ONP", "5315"},
    {5, 3, 521, 538, 580, "FONAVI", "5031"},
    {8, 4, 528, 539, 590, "FONCOMUN", "7201"},
}};

// The block of an entity code; nullptr for a code outside 1, 2, 3, 5 and 8.
const Bloque* BloqueDe(int nSemana);

// The rows of a block: boxes b to b+6 in their order, then the initial payment
// and the deferral interest.
enum class Renglon { Deuda, FormaPago, Meses, Cuotas, MontoCuota, Tributo, Garantia, Cuota, Interes };

// The number of the block's box on that row.
int CasillaDe(const Bloque& bloque, Renglon renglon);

// The block's guarantee-type box: one "1"/"0" flag character per kind (letter
// of guarantee, mortgage, chattel guarantee), stored next to the interest box.
int CasillaTipoGarantia(const Bloque& bloque);

// The row of a box of the blocks (500 to 534 by their place in the block, 535
// to 539 the initial payments); nullopt for any other box.
std::optional<Renglon> RenglonDe(int nCasilla);
// The block a box 500 to 539 belongs to.
const Bloque& BloqueDeCasilla(int nCasilla);

// Whether `sCasilla` is the box of that row of one of the blocks, written as
// DET writes it ("501").
bool EsCasillaDeRenglon(const std::string& sCasilla, Renglon renglon);

// Boxes 500 to 534 of all five blocks, row by row (500, 507, 514, 521, 528,
// 501, ...), then the initial-payment boxes 535 to 539: the order in which the
// boxes are stored and loaded.
std::vector<int> CasillasPorFila();

// How DET keeps a box's value: a text as typed, a guarantee as "1"/"0", any
// other box as a whole number.
enum class ClaseCasilla { Texto, Garantia, Numero };
ClaseCasilla ClaseDe(const std::string& sCasilla);

// A guarantee box's stored value as it is shown: "1" as "SI", "0" as "NO",
// anything else as "".
std::string GarantiaMostrada(const std::string& sGrabado);
// And back: "SI" stored as "1", "NO" as "0", anything else as "".
std::string GarantiaGrabada(const std::string& sMostrado);

// The text a stored value shows in its box: a text as stored, a guarantee "1"
// as "SI" and "0" as "NO" (else ""), a number with "," thousands separators.
std::string ValorMostrado(const std::string& sCasilla, const vb::Variant& valor);

// The value DET keeps for a box's text: a text trimmed, a guarantee "SI" as "1"
// and "NO" as "0" (anything else as ""), any other box as the nearest whole
// number without separators (1,234.60 becomes 1235).
std::string ValorGrabado(const std::string& sCasilla, const std::string& sValor);

// DET's idcasilla of a box: "05" for 808, 818, 828, 838 and 848, else "01".
std::string IdCasilla(const std::string& sCasilla);

// The box number as DET and the number label write it: three digits.
std::string NumeroCasilla(int nCasilla);

}  // namespace korva
