// The program itself, started as the host starts it: the declaration's key as one
// argument, no display, a suite of the host stand-in.
#include <gtest/gtest.h>

#include "platform/testsupport/child_process.h"
#include "reporte/tests/resumen_prueba.h"

namespace tarvel::prueba {
namespace {

TEST_F(ResumenTest, TarvelStartedByTheHostWritesBothSummariesForIt) {
  const Declaracion& declaracion = Declaraciones().front();
  Declara(declaracion.casillas);
  testsupport::ChildProcess tarvel({TARVEL_PATH, kComando},
                                   {"WINDIR=" + suite_.windowsFolder, "DISPLAY=", "WAYLAND_DISPLAY="});
  ASSERT_TRUE(tarvel.Started());
  EXPECT_EQ(tarvel.Wait(), 0);
  EXPECT_EQ(tarvel.ReadLine(std::chrono::milliseconds(100)), "");
  EXPECT_EQ(Bytes("TMP/" + kRaiz + ".txt"), Cp1252(ResumenDeTexto(declaracion.cuerpo)));
  EXPECT_EQ(Archivos("TMP"), std::vector<std::string>{kRaiz + ".txt"});
  EXPECT_EQ(Bytes("RPT/" + kRaiz + ".PRN"), Bytes("RPT/00000001.PRN"));
  EXPECT_EQ(Consulta("SELECT Archivo, CodRep FROM SPOOL"), (Filas{{"00000001.PRN", "F36004"}}));
}

}  // namespace
}  // namespace tarvel::prueba
