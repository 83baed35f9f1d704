#include "reporte/DatosResumen.h"

#include "platform/vb/app.h"
#include "reporte/Globales.h"
#include "reporte/ModResumen.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

// Boxes 721, 722 and 790 are passed over whatever they hold, 861-999 accepted
// and not kept; a box number is read as the number its text begins with.
TEST_F(ResumenTest, BoxesOfTheDeclarationFillTheirCells) {
  Declara({{"721", "abc"}, {"722", ""}, {"790", "x"}, {"871", "5"}, {"0503", "12"}, {"600", "fin"},
           {"1", "uno"}});
  Declara({{"500", "otra entidad"}}, 2);
  vb::SetCommand(kComando);
  LeeConfiguracionResumen();
  AbreBaseResumen();
  LeeLineaComando();
  LeeCasillasResumen();
  for (int casilla = 1; casilla <= kUltimaCasilla; ++casilla) {
    std::string esperado = casilla == 503 ? "12" : casilla == 600 ? "fin" : casilla == 1 ? "uno" : "";
    EXPECT_EQ(Casilla(casilla), esperado) << casilla;
  }
}

}  // namespace
}  // namespace tarvel::prueba
