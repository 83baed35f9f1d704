#include "formulario/printing/ImpDetalleAnexo.h"

#include <gtest/gtest.h>

#include "formulario/spool/GlobalesImpresion.h"
#include "platform/vb/strings.h"

namespace korva {
namespace {

class ColumnasTest : public ::testing::Test {
 protected:
  void SetUp() override { gsCasillas[541] = "15/04/2010"; }
  void TearDown() override { ReiniciaGlobalesImpresion(); }
};

// The caption lines are printed as they stand: their lengths keep every column
// under its caption.
TEST_F(ColumnasTest, CaptionLinesOfEachCodeKeepTheirLengths) {
  struct Caso {
    const char* codigo;
    long primera;
    long segunda;
  } casos[] = {{"DN", 129, 133},  {"DJ", 126, 130},  {"INF", 129, 133},
               {"ODV", 100, 102}, {"ODDJ", 94, 96},  {"ODINF", 97, 99},
               {"DN_NA", 98, 98}, {"CF", 105, 112}, {"GH", 105, 112}};
  for (const Caso& c : casos) {
    std::vector<std::string> titulos = TitulosColumnas(c.codigo);
    ASSERT_EQ(titulos.size(), 2u) << c.codigo;
    EXPECT_EQ(vb::Len(titulos[0]), c.primera) << c.codigo;
    EXPECT_EQ(vb::Len(titulos[1]), c.segunda) << c.codigo;
  }
  EXPECT_TRUE(TitulosColumnas("XX").empty());
}

TEST_F(ColumnasTest, CaptionLinesAsPrinted) {
  using Titulos = std::vector<std::string>;
  EXPECT_EQ(TitulosColumnas("DN"),
            (Titulos{"PERIODO COD.   DESCRIPCIÓN DE TRIBUTO          TIPO  DE     Nº DE  VALOR    "
                     "FECHA DE      DEUDA SEGÚN    IN  IN     DEUDA ACOGIDA",
                     "        TRIB                                  RESOLUCIÖN                   "
                     "PRESENTAC.        TELVO       AC  CO   SEGÚN CONTRIBUYENTE"}));
  EXPECT_EQ(TitulosColumnas("DN_NA"),
            (Titulos{"PERIODO COD. DESCRIPCIÓN DE TRIBUTO         TIPO  DE   Nº DE VALOR/      "
                     "FECHA DE      DEUDA SEGÚN",
                     "        TRIB                               RESOLUCIÖN  Nº DE DOCUMENTO   "
                     "DESCARGA          TELVO  "}));
  EXPECT_EQ(TitulosColumnas("GH"),
            (Titulos{"N° del valor     Período     Tributo / Concepto                          "
                     "Monto actualizado al: 15/04/2010",
                     "resolución       Mes  Año Código  Denominación                        "
                     "Tributo/Multa       Interés          Total"}));
}

DeudaImpresa Valor() {
  return {.sTipDeu = "01",
          .sPerDoc = "201001",
          .sCodTri = "030301",
          .sNumDoc = " 0240030012345 ",
          .sFecDesDeu = "15/03/2010 10:20:30",
          .sAcog = "1",
          .sConf = "2",
          .sMtoActS = "25000",
          .sMtoTributoC = "18000",
          .sMtoIntC = "2000.75",
          .sMtoActC = "20000.75",
          .sDescripcion = "RENTA ANUAL - TERCERA CATEGORI",
          .sTipoDocumento = "RES. DETER"};
}

DeudaImpresa SinRespuesta() {
  DeudaImpresa d = Valor();
  d.sAcog = d.sConf = d.sMtoActS = d.sMtoActC = "";
  return d;
}

DeudaImpresa DeclaracionJurada(const std::string& sNumDoc) {
  return {.sTipDeu = "02",
          .sPerDoc = "200812",
          .sCodTri = "030301",
          .sNumDoc = sNumDoc,
          .sCodFor = "0621 ",
          .sAcog = "1",
          .sConf = "1",
          .sMtoActS = "800",
          .sMtoActC = "800",
          .sDescripcion = "RENTA ANUAL - TERCERA CATEGORI",
          .sTipoDocumento = "ORDEN DE P"};
}

DeudaImpresa Infraccion() {
  return {.sTipDeu = "04",
          .sPerDoc = "200908",
          .sCodTri = "060401",
          .sCodTriAso = "030301",
          .sNumDoc = "0220020022222",
          .sMtoActS = "350.25",
          .sMtoTributoC = "150",
          .sMtoActC = "180",
          .sDescripcion = "MULTAS - TESORO"};
}

DeudaImpresa ConIntereses(const std::string& sIntC, const std::string& sIntCapC) {
  return {.sTipDeu = "01",
          .sPerDoc = "200912",
          .sCodTri = "010101",
          .sNumDoc = "0230010045678",
          .sMtoTributoC = "1000",
          .sMtoIntC = sIntC,
          .sMtoIntCapC = sIntCapC,
          .sMtoActC = "1234.5",
          .sDescripcion = "IGV - CUENTA PROPIA"};
}

// Each code's line, field by field: periods, display codes, descriptions cut to
// their column, SI/NO/-, amounts through their patterns, blanks for what a row
// does not have, and a text longer than its field left whole.
TEST_F(ColumnasTest, DebtLineOfEachCodeLaysOutItsColumns) {
  DeudaImpresa tipo2 = Valor();
  tipo2.sTipDeu = "02";
  struct Caso {
    const char* codigo;
    DeudaImpresa deuda;
    const char* linea;
  } casos[] = {
      {"DN", Valor(),
       "01/2010 3031   RENTA ANUAL - TERCERA CATEGORI RES. DETER 0240030012345     15/04/2010     "
       "     25,000.00 SI  NO           20,000.75"},
      {"DN", SinRespuesta(),
       "01/2010 3031   RENTA ANUAL - TERCERA CATEGORI RES. DETER 0240030012345     15/04/2010     "
       "               -   -                     "},
      {"DJ", DeclaracionJurada("12345678"),
       "12/2008 3031   RENTA ANUAL - TERCERA CATEGORI            0621-12345678  15/04/2010        "
       "     800.00 SI  SI              800.00"},
      {"DJ", DeclaracionJurada("12345678901234"),
       "12/2008 3031   RENTA ANUAL - TERCERA CATEGORI            0621-12345678901234 15/04/2010   "
       "          800.00 SI  SI              800.00"},
      {"INF", Infraccion(),
       "08/2009 6041   MULTAS - TESORO                0220020022222     3031       15/04/2010     "
       "        350.25 -   -               180.00"},
      {"ODV", Valor(),
       "01/2010 3031 RENTA ANUAL -  RES. DETER 0240030012345     15/04/2010        18,000.00      "
       "  20,000.75"},
      {"ODDJ", DeclaracionJurada("12345678"),
       "12/2008 3031 RENTA ANUAL - TERCER 0621-12345678     15/04/2010                            "
       "800.00"},
      {"ODINF", Infraccion(),
       "08/2009 6041 MULTAS - TESORO                3031       15/04/2010           150.00        "
       "   180.00"},
      {"DN_NA", Valor(),
       "01/2010 3031 RENTA ANUAL - TERCERA CATEGOR RES. DETER 0240030012345     15/03/2010        "
       "  25,000.00"},
      {"DN_NA", tipo2,
       "01/2010 3031 RENTA ANUAL - TERCERA CATEGOR            0240030012345     15/03/2010        "
       "  25,000.00"},
      {"CF", ConIntereses("234.5", ""),
       "0230010045678     12  2009 1011   IGV - CUENTA PROPIA                      1,000.00       "
       "  234.50       1,234.50"},
      {"GH", ConIntereses("100", " "),
       "0230010045678     12  2009 1011   IGV - CUENTA PROPIA                      1,000.00       "
       "  100.00       1,234.50"},
      {"CF", ConIntereses("", "60.3"),
       "0230010045678     12  2009 1011   IGV - CUENTA PROPIA                      1,000.00       "
       "   60.30       1,234.50"},
      {"GH", ConIntereses(" ", ""),
       "0230010045678     12  2009 1011   IGV - CUENTA PROPIA                      1,000.00       "
       "               1,234.50"},
      {"XX", Valor(), ""},
  };
  for (const Caso& c : casos) EXPECT_EQ(LineaDetalle(c.deuda, c.codigo), c.linea) << c.codigo;
}

TEST_F(ColumnasTest, LinesOfEachCodeHaveTheirLength) {
  struct Caso {
    const char* codigo;
    long largo;
  } casos[] = {{"DN", 131},   {"INF", 131},  {"DJ", 128},  {"ODV", 101},
               {"DN_NA", 101}, {"ODDJ", 96}, {"ODINF", 99}};
  for (const Caso& c : casos)
    EXPECT_EQ(vb::Len(LineaDetalle(Valor(), c.codigo)), c.largo) << c.codigo;
}

}  // namespace
}  // namespace korva
