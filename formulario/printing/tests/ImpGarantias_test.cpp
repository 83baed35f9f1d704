#include "formulario/printing/ImpGarantias.h"

#include "formulario/printing/ImpDetalleAnexo.h"
#include "formulario/printing/tests/prueba_listados.h"

namespace korva::prueba {
namespace {

std::string B(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

vb::Currency Soles(double monto) { return vb::Currency::FromDouble(monto); }

// The guarantee amount: the total less the initial payment (unless the payment
// form is "2") times the factor, to the nearest whole unit, then ".00".
TEST(ImporteGarantiaTest, AmountCoversTheTotalLessTheInitialPaymentTimesTheFactor) {
  struct Caso {
    double total;
    const char* formaPago;
    const char* cuotaInicial;
    double factor;
    std::string texto;
  } casos[] = {
      {125000.50, "0", "25000", 1.05, B(57) + "105,001.00"},
      {125000.50, "0", "25000", 1.4, B(57) + "140,001.00"},
      {125000.50, "2", "25000", 1.05, B(57) + "131,251.00"},
      {125000.50, "1", "  ", 1.4, B(57) + "175,001.00"},
      {125000.50, "0", "", 1.05, B(57) + "131,251.00"},
      {100, "0", "100", 1.05, B(63) + "0.00"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(TextoImporteGarantia(Soles(c.total), c.formaPago, c.cuotaInicial, c.factor), c.texto)
        << c.total << " " << c.formaPago << " " << c.cuotaInicial << " " << c.factor;
  EXPECT_EQ(testsupport::ErrorOf([] { TextoImporteGarantia(Soles(100), "0", "abc", 1.05); }), 13);
  EXPECT_EQ(TextoTotalGarantia(Soles(125000.50)), B(61) + "125,000.50");
  EXPECT_EQ(TextoTotalGarantia(Soles(0)), B(70) + ".");
}

class GarantiasTest : public PruebaListado {
 protected:
  void SetUp() override {
    PruebaListado::SetUp();
    FijaHoy(Fecha(2026, 6, 3));
  }

  // Debts without an accepted amount, numbered DOC00001 on.
  static std::vector<Deuda> SinMonto(int n) {
    std::vector<Deuda> deudas = Valores(n);
    for (Deuda& d : deudas) d.actc.reset();
    return deudas;
  }

  // The closing block at `y` on page `hoja` of a letter of guarantee whose debts
  // total nothing.
  static Lineas CierreEnCero(int y, int hoja) {
    return {Cuadro(290, y, 12100, y + 540, hoja),
            Pos(6800, y + 30, "Total   :", false, 8, hoja),
            Pos(4260, y, B(70) + ".", false, 8, hoja),
            Pos(6800, y + 300, "Importe de la Carta Fianza:", false, 8, hoja),
            Pos(4630, y + 270, B(63) + "0.00", false, 8, hoja)};
  }
};

const Lineas kCierreCarta = {
    "La carta fianza se debe entregar dentro de los diez (10) días hábiles siguientes de "
    "presentada la solicitud ",
    "de acogimiento, en los lugares establecidos en el numeral 6.2 del artículo 2° del Reglamento "
    "de Aplazamiento ",
    "y/o Fraccionamiento del Art. 36° del Código Tributario. "};

const Lineas kCierreHipoteca = {
    "La documentación sustentatoria de la Hipoteca se debe presentar dentro de los diez (10) días "
    "hábiles",
    "siguientes de presentada la solicitud de acogimiento, en los lugares establecidos en el "
    "numeral 6.2 ",
    "del artículo 2° del Reglamento de Aplazamiento y/o Fraccionamiento del Art. 36° del Código "
    "Tributario.",
    "Se debe adjuntar:",
    "a)  Copia literal de dominio del bien o bienes a hipotecar o hipotecados, certificado de "
    "gravamen del bien ",
    "    hipotecado, así como aquella información necesaria para su debida identificación.",
    "b)  Tasación arancelaria o comercial efectuada por el Cuerpo Técnico de Tasaciones.",
    "c)  Fotocopia simple del poder o poderes correspondientes a la persona o personas "
    "autorizadas a hipotecar ",
    "    el bien o bienes, cuando corresponda."};

const Lineas kDeudasAceptadas = {
    "0240030012345     01  2010 3031   RENTA ANUAL - TERCERA CATEGORI          18,000.00     "
    "  2,000.75      20,000.75",
    "0230010045678     12  2009 1011   IGV - CUENTA PROPIA                      1,000.00     "
    "    234.50       1,234.50",
    "0230010077777     10  2009 1011   IGV - CUENTA PROPIA                        900.00     "
    "    150.40       1,050.40",
    "87654321          09  2009 3031   RENTA ANUAL - TERCERA CATEGORI             700.00     "
    "     60.30         760.30",
    "0220020022222     08  2009 6041   MULTAS - TESORO                            150.00     "
    "                   180.00",
    "0230010033333     03  2009 1011   IGV - CUENTA PROPIA                      2,000.00     "
    "    200.00       2,200.00",
    "12345678          12  2008 3031   RENTA ANUAL - TERCERA CATEGORI             800.00     "
    "                   800.00",
    "0220020011111     11  2008 6041   MULTAS - TESORO                            300.00     "
    "     50.25         350.25"};

// Each report of a declaration with debts in every category, printed alone from
// the dialog: its accepted and non-notified debts, their total of 26,576.20
// and, with an initial payment of 5,000, the amount its guarantee covers. The
// guarantee row is read on the way, trimmed, a blank amount as "0"; without a
// row the guarantee globals keep their values.
TEST_F(GarantiasTest, EachReportListsTheAcceptedDebtsTheTotalAndTheGuaranteeAmount) {
  Agrega(DeudasDeCadaCategoria());
  Ejecuta("INSERT INTO F0942GARANTIA VALUES (6, '20456712348', '201003', '0942', 1, ' 1 ', ' 2 ', "
          "' 26576.20 ', '  ')");
  struct Caso {
    int anexo;
    const char* codigo;
    const char* etiqueta;
    std::string importe;
    const Lineas& cierre;
  } casos[] = {{8, "CF", "Importe de la Carta Fianza:", B(58) + "22,655.00", kCierreCarta},
               {9, "GH", "Importe de la Hipoteca:", B(58) + "30,207.00", kCierreHipoteca}};
  Guarda({kRucAndina, "201003", 1},
         {{"501", "0"}, {"535", "5000"}, {"551", "110"}, {"541", "15/04/2010"}});
  for (const Caso& c : casos) {
    Lineas lineas = ImprimeDesdeDialogo(1, {c.anexo});
    Lineas esperadas = CabeceraGarantia(0, c.codigo, "Fraccionamiento");
    std::vector<std::string> titulos = TitulosColumnas(c.codigo);
    for (std::string linea : {Cuadro(290, 2550, 12100, 3090, 0),
                              Pos(300, 2550, titulos[0], true, 8, 0),
                              Pos(300, 2820, titulos[1], true, 8, 0)})
      esperadas.push_back(linea);
    int y = 2890;
    for (const std::string& deuda : kDeudasAceptadas)
      esperadas.push_back(Pos(300, y += 200, deuda, false, 8, 0));
    y += 270;
    for (std::string linea :
         {Cuadro(290, y, 12100, y + 540, 0), Pos(6800, y + 30, "Total   :", false, 8, 0),
          Pos(4260, y, B(62) + "26,576.20", false, 8, 0),
          Pos(6800, y + 300, c.etiqueta, false, 8, 0), Pos(4630, y + 270, c.importe, false, 8, 0)})
      esperadas.push_back(linea);
    y += 300;
    for (const std::string& linea : c.cierre)
      esperadas.push_back(Pos(300, y += 270, linea, false, 8, 0));
    esperadas.push_back("<!nHojas!>1<!/nHojas!>");
    EXPECT_EQ(lineas, esperadas) << c.codigo;
    EXPECT_EQ((Lineas{gsIndGarantia, gsIndPersona, gsMtoDeuda, gsMtoDeudaGarantia}),
              (Lineas{"1", "2", "26576.20", "0"}));
    Ejecuta("DELETE FROM F0942GARANTIA");
  }
}

// A declaration without accepted debts: the header, a frame with the title in
// bold and the closing text, and no amount.
TEST_F(GarantiasTest, ReportWithoutDebtsSaysThereIsNothingToDeclare) {
  ImprimeGarantia("F0942DEUDAS", "CARTA FIANZA", "CF", true);
  Lineas esperadas = CabeceraGarantia(1, "CF", "Fraccionamiento");
  for (std::string linea : {Cuadro(290, 2280, 16000, 2550, 1),
                            Pos(300, 2280, "CARTA FIANZA", true, 8, 1),
                            Pos(300, 2550, "NO EXISTE INFORMACIÓN A DECLARAR", false, 8, 1)})
    esperadas.push_back(linea);
  EXPECT_EQ(Escrito(), esperadas);
}

// Debts whose accepted amounts are all blank total a lone "." and an amount of
// 0.00; the guarantee row is not read.
TEST_F(GarantiasTest, DebtsWithoutAmountsTotalNothingAndTheGuaranteeRowIsNotRead) {
  gsMtoDeuda = "sin leer";
  Agrega(SinMonto(2));
  ImprimeGarantia("F0942DEUDAS", "CARTA FIANZA", "CF", true);
  Lineas lineas = Escrito();
  Lineas cierre(lineas.end() - 8, lineas.end());
  Lineas esperadas = CierreEnCero(3560, 1);
  for (int i = 0; i < 3; ++i)
    esperadas.push_back(Pos(300, 4130 + 270 * i, kCierreCarta[i], false, 8, 1));
  EXPECT_EQ(cierre, esperadas);
  EXPECT_EQ(gsMtoDeuda, "sin leer");
}

// 35 debts fill the first page (3090 to 9890); the next starts a page with the
// header, the caption frame at 2740 and its first debt at 3280. The closing
// block moves to a page with only the header when it would start below 8900.
TEST_F(GarantiasTest, LongReportContinuesOnPagesWithTheHeaderAndCaptions) {
  struct Caso {
    int filas;
    int hojaCierre;
    int yCierre;
  } casos[] = {{28, 1, 8760}, {29, 2, 2280}, {35, 2, 2280}, {36, 2, 3550}};
  for (const Caso& c : casos) {
    Ejecuta("DELETE FROM F0942DEUDAS");
    Agrega(SinMonto(c.filas));
    AbreSpool();
    ImprimeGarantia("F0942DEUDAS", "CARTA FIANZA", "CF", true);
    Lineas lineas = Escrito();
    Lineas cierre(lineas.end() - 8, lineas.end() - 3);
    EXPECT_EQ(cierre, CierreEnCero(c.yCierre, c.hojaCierre)) << c.filas;
    if (c.filas != 36) continue;
    std::vector<std::string> titulos = TitulosColumnas("CF");
    Lineas esperadas = CabeceraGarantia(2, "CF", "Fraccionamiento");
    for (std::string linea : {Cuadro(290, 2740, 12100, 3280, 2),
                              Pos(300, 2740, titulos[0], true, 8, 2),
                              Pos(300, 3010, titulos[1], true, 8, 2)})
      esperadas.push_back(linea);
    auto inicio = std::find(lineas.begin() + 1, lineas.end(), "pNuevaHoja");
    ASSERT_LT(inicio + static_cast<long>(esperadas.size()), lineas.end());
    EXPECT_EQ(Lineas(inicio, inicio + static_cast<long>(esperadas.size())), esperadas);
    EXPECT_TRUE(inicio[static_cast<long>(esperadas.size())].starts_with("pPos|300|3280|DOC"));
    EXPECT_TRUE(inicio[-1].starts_with("pPos|300|9890|DOC"));
  }
}

}  // namespace
}  // namespace korva::prueba
