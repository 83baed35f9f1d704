#pragma once
// The declaration page as its spool file holds it, line by line.
#include <string>
#include <vector>

#include "formulario/spool/tests/prueba_spool.h"

// The declaration page as the spool file holds it, for the declarant COMERCIAL
// ANDINA DEL SUR S.A.C. (RUC 20456712348, telephone 4567890).
namespace korva::prueba {

// The declaration page's header block on page 0 for that declarant, telephone
// 4567890.
inline Lineas CabeceraFormulario() {
  return {"pPos|300|350|TELVO|True|16|0|",
          "pPos|550|1330|0942|True|12|0|",
          "pCuadro|150|300|1700|1640|0|",
          "pPos|1760|400|SOLICITUD Plexo - VANDOR|True|9|0|",
          "pCuadro|1700|300|8500|1100|0|",
          "pPos|1750|1170|RUC|False|8|0|",
          "pPos|3150|1170|20456712348|True|8|0|",
          "pCuadro|3100|1100|11000|1370|0|",
          "pCuadro|8500|1100|11000|1370|0|",
          "pPos|9030|1170|TELEFONO|False|8|0|",
          "pPos|9030|1440|4567890|False|8|0|",
          "pPos|1750|1450|RAZÓN SOCIAL|False|8|0|",
          "pPos|3150|1450|COMERCIAL ANDINA DEL SUR S.A.C.|True|8|0|",
          "pCuadro|1700|1370|3100|1640|0|",
          "pCuadro|3100|1370|8500|1640|0|",
          "pPos|9000|400|Copia para el|False|8|0|",
          "pPos|9000|700|Contribuyente (1)|False|8|0|",
          "pCuadro|8500|300|11000|1100|0|",
          "pCuadro|8500|1100|11000|1640|0|"};
}

inline const Lineas kEtiquetasVertical = {"<!font!>Courier New<!/font!>",
                                          "<!Orientacion!>V<!/Orientacion!>",
                                          "<!Color!>&H00FFFFC0&<!/Color!>"};

// The texts of the table "MODALIDAD DE PAGO" of one declaration: the first box
// of its entity's block, its initial-payment box and the value of each row.
struct Modalidad {
  int base;
  int cuotaInicial;
  std::string entidad;
  std::string deuda;
  std::string forma;
  std::string meses;
  std::string cuotas;
  std::string monto;
  std::string tributo;
  std::string garantia;
  std::string inicial;
  std::string tipos;
  std::string fecha;
};

// The declaration page as the spool file holds it: header tags, header block,
// the table's rules and title, then its rows.
inline Lineas PaginaDeclaracion(const Modalidad& m) {
  auto pos = [](int x, int y, const std::string& texto) {
    return "pPos|" + std::to_string(x) + "|" + std::to_string(y) + "|" + texto + "|False|8|0|";
  };
  auto fila = [&](int y, const std::string& etiqueta, int casilla, const std::string& valor) {
    return Lineas{pos(300, y, etiqueta), pos(8775, y, std::to_string(casilla)),
                  pos(9275, y, valor)};
  };
  Lineas pagina = kEtiquetasVertical;
  for (const Lineas& parte : std::vector<Lineas>{
           CabeceraFormulario(),
           {"pCuadro|150|2820|11000|3090|0|", "pCuadro|8675|2820|8675|3090|0|"},
           {"pCuadro|150|3090|11000|3360|0|", "pCuadro|8675|3090|8675|3360|0|",
            "pCuadro|9175|3090|9175|3360|0|"},
           {"pCuadro|150|3360|11000|3630|0|", "pCuadro|8675|3360|8675|3630|0|",
            "pCuadro|9175|3360|9175|3630|0|"},
           {"pCuadro|150|3630|11000|3900|0|", "pCuadro|8675|3630|8675|3900|0|",
            "pCuadro|9175|3630|9175|3900|0|"},
           {"pCuadro|150|3900|11000|4170|0|", "pCuadro|8675|3900|8675|4170|0|",
            "pCuadro|9175|3900|9175|4170|0|"},
           {"pCuadro|150|4170|11000|4440|0|", "pCuadro|8675|4170|8675|4440|0|",
            "pCuadro|9175|4170|9175|4440|0|"},
           {"pCuadro|150|4440|11000|4710|0|", "pCuadro|8675|4440|8675|4710|0|",
            "pCuadro|9175|4440|9175|4710|0|"},
           {"pCuadro|150|4710|11000|4980|0|", "pCuadro|8675|4710|8675|4980|0|",
            "pCuadro|9175|4710|9175|4980|0|"},
           {"pCuadro|150|4980|11000|5250|0|", "pCuadro|8675|4980|8675|5250|0|",
            "pCuadro|9175|4980|9175|5250|0|"},
           {"pCuadro|150|5250|11000|5520|0|"},
           {"pCuadro|150|5790|11000|6060|0|", "pCuadro|8675|5790|8675|6060|0|",
            "pCuadro|9175|5790|9175|6060|0|"},
           {"pCuadro|150|6060|11000|6330|0|", "pCuadro|8675|6060|8675|6330|0|"},
           {"pCuadro|150|2470|11000|2815|0|", "pPos|300|2540|MODALIDAD DE PAGO|True|10|0|"},
           {pos(300, 2880, "Entidad"), "pPos|9800|2880|" + m.entidad + "|True|8|0|"},
           fila(3150, "Deuda acogida", m.base, m.deuda),
           fila(3420, "Forma de pago", m.base + 1, m.forma),
           fila(3690, "Número de meses de aplazamiento", m.base + 2, m.meses),
           fila(3960, "Número de cuotas de fraccionamiento", m.base + 3, m.cuotas),
           fila(4230, "Monto de la cuota de fraccionamiento", m.base + 4, m.monto),
           fila(4500, "Código de tributo", m.base + 5, m.tributo),
           fila(4770, "Garantía de deuda", m.base + 6, m.garantia),
           fila(5040, "Cuota de acogimiento", m.cuotaInicial, m.inicial),
           {pos(300, 5310, "Tipo de garantía"), pos(3275, 5310, m.tipos),
            pos(300, 6120, "Fecha de actualización"), pos(9275, 6120, m.fecha)}})
    pagina.insert(pagina.end(), parte.begin(), parte.end());
  return pagina;
}

}  // namespace korva::prueba
