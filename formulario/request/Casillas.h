#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/constants.h"
#include "platform/vb/variant.h"

// The numbered boxes of form "0942" that the request form shows and stores: the
// block of seven payment-mode boxes of each creditor entity, and how each box's
// value is kept in DET.
namespace korva {

// A box the user may fill is white, one he may not is grey; the handlers switch
// between exactly these two values.
inline constexpr forms::Color kBlanco = 0x00FFFFFF;
inline constexpr forms::Color kGris = 0x00C0C0C0;

// The debt grids, each on the tab of its number.
inline constexpr std::array<int, 4> kGrillas = {1, 2, 3, 5};

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

// The rows of a block, each with its caption (txtdescas index and text), its
// top inside the entity frame and how its box starts.
enum class Renglon { Deuda, FormaPago, Meses, Cuotas, MontoCuota, Tributo, Garantia, Cuota, Interes };

struct Fila {
  Renglon renglon;
  int titulo;
  const char* texto;
  int arriba;
  bool blanca;    // white (the user fills it) or grey
  bool habilitada;
  int largo;      // maximum length typed, 0 for none
  bool monto;     // right-aligned amount
  bool visible;
};

inline constexpr std::array<Fila, 9> kFilas = {{
    {Renglon::Deuda, 0, "Deuda acogida", 685, false, false, 0, true, true},
    {Renglon::FormaPago, 1, "Forma de pago (0 Fracc.,2 Apl. con fracc.)", 970, true, true, 1, false,
     true},
    {Renglon::Meses, 2, "Número de meses de aplazamiento", 1265, false, false, 3, false, true},
    {Renglon::Cuotas, 3, "Número de cuotas de fraccionamiento", 1560, false, false, 15, false,
     true},
    {Renglon::MontoCuota, 4, "Monto de la cuota de fraccionamiento", 1870, false, false, 15, true,
     true},
    {Renglon::Tributo, 5, "Código de tributo para pago de cuotas", 2170, false, false, 0, false,
     true},
    {Renglon::Garantia, 7, "Garantía de deuda", 2470, false, false, 0, false, true},
    {Renglon::Cuota, 8, "Cuota de acogimiento", 2760, true, true, 15, true, true},
    {Renglon::Interes, 6, "Monto del interés mensual de aplazamiento", 1860, false, false, 15, true,
     false},
}};

// The number of the block's box on that row.
int CasillaDe(const Bloque& bloque, Renglon renglon);

// The row of a box of the blocks (500 to 534 by their place in the block, 535
// to 539 the initial payments); nullopt for any other box.
std::optional<Renglon> RenglonDe(int nCasilla);
// The block a box 500 to 539 belongs to.
const Bloque& BloqueDeCasilla(int nCasilla);

// Boxes 500 to 534 of all five blocks, row by row (500, 507, 514, 521, 528,
// 501, ...), then the initial-payment boxes 535 to 539: the order in which the
// boxes are stored and loaded.
std::vector<int> CasillasPorFila();

// How DET keeps a box's value: a text as typed, a guarantee as "1"/"0", any
// other box as a whole number.
enum class ClaseCasilla { Texto, Garantia, Numero };
ClaseCasilla ClaseDe(const std::string& sCasilla);

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
