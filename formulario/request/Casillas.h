#pragma once
#include <array>

#include "formulario/core/Casillas.h"
#include "platform/forms/constants.h"

// The numbered boxes as the request form shows them: their colours, the debt
// grids beside them and each row of an entity's frame. The blocks, their rows
// and how DET keeps each box's value are the core's (formulario/core/Casillas.h).
namespace korva {

// A box the user may fill is white, one he may not is grey; the handlers switch
// between exactly these two values.
inline constexpr forms::Color kBlanco = 0x00FFFFFF;
inline constexpr forms::Color kGris = 0x00C0C0C0;

// The debt grids, each on the tab of its number.
inline constexpr std::array<int, 4> kGrillas = {1, 2, 3, 5};

// The rows of a block, each with its caption (txtdescas index and text), its
// top inside the entity frame and how its box starts.
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

}  // namespace korva
