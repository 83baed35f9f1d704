#include <optional>

#include "formulario/import/FrmImportar.h"
#include "formulario/import/tests/prueba_importacion.h"
#include "platform/dao/dbengine.h"

namespace korva::prueba {
namespace {

using debtfile::Fields;
using debtfile::LineText;

class FrmImportarLineaTest : public PruebaImportacion {
 protected:
  // A fresh window with the first taxpayer chosen and the entity set, as the run
  // leaves them for the loader.
  FrmImportar& Ventana(int entidad = 1) {
    forms::Release<FrmImportar>();
    FrmImportar& frm = AbreVentana();
    driver_.Select(frm.CmbRuc, 0);
    gnSemana = static_cast<std::uint8_t>(entidad);
    return frm;
  }
  // Loads the line inside a transaction, as the run does, and answers what it
  // stored: every column of the debt row but its check code.
  Filas Carga(FrmImportar& frm, const std::string& linea, bool* resultado = nullptr) {
    dao::Engine().BeginTrans();
    bool cargada = frm.CargaTablaValor(linea);
    if (resultado) *resultado = cargada;
    Filas filas = Consulta("SELECT * FROM F0942DEUDAS");
    dao::Engine().Rollback();
    for (auto& fila : filas) fila.pop_back();
    return filas;
  }
  std::string Columna(const Filas& filas, int columna) {
    return filas.size() == 1 ? filas[0][columna] : "(" + std::to_string(filas.size()) + " filas)";
  }
  debtfile::LineValues Hoy(bool bueno = false) { return {OpcionesArchivo().generated, bueno}; }
};

// Columns of F0942DEUDAS by position.
constexpr int kCodTri = 7;
constexpr int kCodFor = 9;
constexpr int kIndVerDeu = 12;
constexpr int kNumCuo = 14;
constexpr int kIndAcog = 21;
constexpr int kMtoActC = 26;

TEST_F(FrmImportarLineaTest, RetornaCampoGivesTheTrimmedFieldOrNothing) {
  FrmImportar& frm = AbreVentana();
  struct Caso {
    std::string linea;
    const char* campo;
    std::string esperado;
  };
  const Caso casos[] = {
      {"a|b|c|", "0", "a"},
      {"a|b|c|", "2", "c"},
      {"a|b|c|", "3", ""},
      {"a|b|c", "2", ""},
      {"  uno dos  |", "0", "uno dos"},
      {"||x|", "1", ""},
      {"", "0", ""},
      {"a|b|", "01", "b"},
      {"a|b|c|", " 2", "c"},
      {"a|b|c|", "1x", "b"},
      {"a|b|c|", "0002", "c"},
      {"a|b|c|", "2.0", "c"},
      {std::string(254, '7') + "|", "0", std::string(254, '7')},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(frm.RetornaCampo(c.linea, c.campo), c.esperado) << c.linea << " / " << c.campo;
}

TEST_F(FrmImportarLineaTest, RetornaCampoOverflowsOnAFieldOf255Characters) {
  FrmImportar& frm = AbreVentana();
  for (const std::string& linea : {std::string(255, '7') + "|", "a|" + std::string(255, '7') + "|"}) {
    EXPECT_EQ(ErrorOf([&] { frm.RetornaCampo(linea, "0"); }), 6) << linea.size();
  }
}

// The line's separators are found in one pass, eight bytes at a time: fields of
// every length up to two such steps, separators in a line's last bytes, and a
// field of more bytes than characters, which is counted, all come whole.
TEST_F(FrmImportarLineaTest, RetornaCampoFindsEverySeparatorOfALine) {
  FrmImportar& frm = AbreVentana();
  std::string enies;
  for (int i = 0; i < 250; ++i) enies += "ñ";
  std::vector<std::string> lineas;
  for (std::size_t desde = 0; desde < 8; ++desde) {
    std::vector<std::string> campos;
    for (std::size_t largo = 0; largo <= 17; ++largo) campos.push_back(std::string(largo + desde, 'k'));
    lineas.push_back("");
    for (const std::string& campo : campos) lineas.back() += campo + "|";
  }
  lineas.push_back("a|" + enies + "|b|");
  for (const std::string& linea : lineas) {
    std::size_t inicio = 0;
    int numero = 0;
    for (std::size_t fin = linea.find('|'); fin != std::string::npos; fin = linea.find('|', inicio)) {
      EXPECT_EQ(frm.RetornaCampo(linea, std::to_string(numero)), linea.substr(inicio, fin - inicio))
          << numero << " of " << linea;
      inicio = fin + 1;
      ++numero;
    }
    EXPECT_EQ(frm.RetornaCampo(linea, std::to_string(numero)), "") << linea;
  }
}

// The search goes one field past the one asked for, and a field counter past 255
// overflows: a long field two places on, or field 256, is no obstacle to field 0,
// but a field beyond a line's last one is looked for through all of them. The
// limit counts characters, not bytes: a field of 254 two-byte characters is
// read, one of 255 overflows.
TEST_F(FrmImportarLineaTest, RetornaCampoOverflowsOnlyWhereItsSearchReaches) {
  FrmImportar& frm = AbreVentana();
  const std::string largo = "a|b|" + std::string(255, '7') + "|c|";
  auto campos = [](int n) {
    std::string linea;
    for (int i = 0; i < n; ++i) linea += std::to_string(i) + "|";
    return linea;
  };
  auto enes = [](int n) {
    std::string texto;
    for (int i = 0; i < n; ++i) texto += "Ñ";
    return texto;
  };
  const std::optional<std::string> desborda;
  struct Caso {
    std::string linea;
    const char* campo;
    std::optional<std::string> esperado;  // none: overflow
  };
  const Caso casos[] = {
      {largo, "0", "a"},          {largo, "1", desborda},       {largo, "3", desborda},
      {largo, "9", desborda},     {largo + "x", "0", "a"},      {"a|" + std::string(300, '7'), "0", "a"},
      {"a|" + std::string(300, '7'), "1", ""},                  {campos(300), "255", "255"},
      {campos(300), "256", desborda},                           {campos(300), "400", desborda},
      {campos(256), "255", "255"}, {campos(256), "256", desborda}, {campos(255), "254", "254"},
      {campos(255), "255", ""},    {campos(255), "1.5", ""},      {campos(3), "-1", ""},
      {enes(254) + "|", "0", enes(254)},                        {enes(255) + "|", "0", desborda},
      {"a|" + enes(200) + std::string(54, 'x') + "|b|", "1", enes(200) + std::string(54, 'x')},
      {"a|" + enes(128) + std::string(127, 'x') + "|", "0", desborda},
  };
  for (const Caso& c : casos) {
    try {
      std::string campo = frm.RetornaCampo(c.linea, c.campo);
      if (!c.esperado)
        ADD_FAILURE() << "no overflow for field " << c.campo << " of " << c.linea;
      else
        EXPECT_EQ(campo, *c.esperado) << c.campo << " of " << c.linea;
    } catch (const vb::Error& error) {
      EXPECT_FALSE(c.esperado) << "overflow for field " << c.campo << " of " << c.linea;
      EXPECT_EQ(error.Number(), 6);
    }
  }
}

// 27 fields of at most 254 characters and their "|": 6,885 characters.
TEST_F(FrmImportarLineaTest, ALineLongerThanItsTwentySevenFieldsIsRefusedAsAnOverflow) {
  std::string linea = LineText(debtfile::SampleDebt(Hoy(), "01", 1));
  std::string llena = linea + std::string(6885 - linea.size(), '|');
  bool cargada = false;
  EXPECT_EQ(Carga(Ventana(), llena, &cargada).size(), 1u);
  EXPECT_TRUE(cargada);
  driver_.Expect({kErrorTecnico, forms::vbCritical, "Error tecnico : 6"});
  EXPECT_EQ(Carga(Ventana(), llena + "|", &cargada), Filas{});
  EXPECT_FALSE(cargada);
}

TEST_F(FrmImportarLineaTest, DebtLineIsStoredFieldByFieldWithItsDerivedColumns) {
  FrmImportar& frm = Ventana();
  EXPECT_EQ(Carga(frm, LineText(debtfile::SampleDebt(Hoy(), "01", 1))),
            (Filas{{"6",      kRuc,     "201005", "0942",     "1",      "01",      "201001",
                    "030401", "02300100000000001", "0621",    "003000", "000000",  "00",
                    "15/05/2010 08:00:00 a.m.", "0", "13/05/2010", "00000023000001", "113.50",
                    "0.00",   "11.35",  "124.85", "Null",     "Null",   "Null",    "Null",
                    "Null",   "Null",   "Null",   "01000001", "Null",   "Null",    "00"}}));
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<MessageBoxCall>{});
}

TEST_F(FrmImportarLineaTest, RecordOfOtherDebtsTakesFixedKeysAndSwapsItsInterests) {
  FrmImportar& frm = Ventana();
  EXPECT_EQ(Carga(frm, LineText(debtfile::OtherDebtsRecord(Hoy()))),
            (Filas{{"6",     kRuc,   "201005", "0942", "1",     "05",    "200508", "0",
                    "0",     "0",    "0",      "0",    "0",     "15/05/2010 08:00:00 a.m.",
                    "0",     "01/01/1901", "00000000000000", "2500.00", "120.50", "30.25",
                    "2650.75", "2",  "Null",   "0.00", "0.00",  "0.00",  "0.00",   "Null",
                    "Null",  "Null", "Null",   "00"}}));
}

TEST_F(FrmImportarLineaTest, ThreeDigitFormCodesGainALeadingZero) {
  const std::pair<const char*, const char*> casos[] = {
      {"621", "0621"}, {" 621 ", "0621"}, {"0621", "0621"}, {"21", "21"}, {"1", "1"}};
  for (const auto& [codigo, guardado] : casos) {
    Fields deuda = debtfile::SampleDebt(Hoy(), "01", 1);
    deuda[2] = codigo;
    EXPECT_EQ(Columna(Carga(Ventana(), LineText(deuda)), kCodFor), guardado) << codigo;
  }
}

TEST_F(FrmImportarLineaTest, OnlyUnansweredStatesLeaveInclusionAndAcceptedAmountsOpen) {
  struct Caso {
    const char* estado;
    const char* inclusion;
    const char* aceptado;
  };
  const Caso casos[] = {{"00", "Null", "Null"}, {"07", "Null", "Null"}, {"08", "Null", "Null"},
                        {"01", "2", "0.00"},    {"06", "2", "0.00"},    {"18", "2", "0.00"}};
  for (const Caso& c : casos) {
    Fields deuda = debtfile::SampleDebt(Hoy(), "01", 1);
    deuda[14] = c.estado;
    Filas filas = Carga(Ventana(), LineText(deuda));
    EXPECT_EQ(Columna(filas, kIndAcog), c.inclusion) << c.estado;
    EXPECT_EQ(Columna(filas, kMtoActC), c.aceptado) << c.estado;
  }
}

TEST_F(FrmImportarLineaTest, GoodTaxpayersRecentPeriodsInState06Or18BecomePending) {
  struct Caso {
    vb::Date archivo;
    const char* periodo;
    const char* estado;
    const char* bueno;
    const char* guardado;
  };
  const vb::Date mayo = Momento(2010, 5, 15), marzo = Momento(2010, 3, 15), abril = Momento(2010, 4, 15);
  const vb::Date enero = Momento(2010, 1, 15), febrero = Momento(2010, 2, 15);
  const Caso casos[] = {
      {mayo, "201003", "06", "1", "00"},   {mayo, "201003", "18", "1", "00"},
      {mayo, "200913", "06", "1", "00"},   {mayo, "201002", "06", "1", "06"},
      {mayo, "200912", "18", "1", "18"},   {mayo, "201004", "06", "1", "06"},
      {mayo, "201003", "01", "1", "01"},   {mayo, "201003", "06", "0", "06"},
      {mayo, "201003", "18", "0", "18"},   {marzo, "201001", "06", "1", "00"},
      {marzo, "200913", "06", "1", "06"},  {abril, "200913", "18", "1", "00"},
      {enero, "200911", "18", "1", "00"},  {enero, "200912", "06", "1", "06"},
      {febrero, "200912", "06", "1", "00"}, {febrero, "200911", "06", "1", "06"},
  };
  for (const Caso& c : casos) {
    FijaHoy(c.archivo);
    Fields deuda = debtfile::SampleDebt({c.archivo, false}, "01", 1);
    deuda[4] = c.periodo;
    deuda[14] = c.estado;
    deuda[22] = c.bueno;
    EXPECT_EQ(Columna(Carga(Ventana(), LineText(deuda)), kIndVerDeu), c.guardado)
        << vb::Month(c.archivo) << " " << c.periodo << " " << c.estado << " " << c.bueno;
  }
}

TEST_F(FrmImportarLineaTest, TreasuryInstalmentTaxesTakeTheAlternativeCount) {
  struct Caso {
    const char* tributo;
    int entidad;
    const char* cuotas;
  };
  const Caso casos[] = {{"020101", 1, "24"}, {"020201", 1, "24"}, {"020301", 1, "24"},
                        {"020401", 1, "24"}, {"020101", 2, "0"},  {"020501", 1, "0"},
                        {"010101", 1, "0"}};
  for (const Caso& c : casos) {
    Fields deuda = debtfile::SampleDebt(Hoy(), "01", 1);
    deuda[5] = c.tributo;
    Filas filas = Carga(Ventana(c.entidad), LineText(deuda));
    EXPECT_EQ(Columna(filas, kNumCuo), c.cuotas) << c.tributo << " " << c.entidad;
    EXPECT_EQ(Columna(filas, kCodTri), c.tributo);
  }
}

TEST_F(FrmImportarLineaTest, AFileOfYesterdayIsStaleWithoutAMessageAndOneOfTomorrowLoads) {
  FrmImportar& frm = Ventana();
  bool cargada = true;
  Filas filas = Carga(frm, LineText(debtfile::SampleDebt({Momento(2010, 5, 14, 23, 59), false}, "01", 1)),
                      &cargada);
  EXPECT_FALSE(cargada);
  EXPECT_FALSE(frm.bFechaHoy);
  EXPECT_EQ(filas, Filas{});
  EXPECT_EQ(driver_.MessageBoxes(), std::vector<MessageBoxCall>{});
  EXPECT_EQ(Carga(Ventana(), LineText(debtfile::SampleDebt({Momento(2010, 5, 16, 1), false}, "01", 1)),
                  &cargada).size(),
            1u);
  EXPECT_TRUE(cargada);
}

TEST_F(FrmImportarLineaTest, EachLineLeavesTheHeaderValuesForTheRun) {
  Fields deuda = debtfile::SampleDebt(Hoy(true), "01", 1);
  deuda[16] = "1";
  deuda[23] = " G1 ";
  deuda[24] = "PJ";
  deuda[25] = "1500.00";
  deuda[26] = "900.00";
  FrmImportar& frm = Ventana();
  Carga(frm, LineText(deuda));
  EXPECT_EQ(gsPeriodo, "201005");
  EXPECT_EQ(gnRucDelito, 1);
  EXPECT_EQ(gsFechaVenc, "14/06/2010");
  EXPECT_EQ(gsFecVencRenta, "14/07/2010");
  EXPECT_EQ(gsBuenContrib, "1");
  EXPECT_EQ(frm.sIndGarantia, "G1");
  EXPECT_EQ(frm.sIndPersona, "PJ");
  EXPECT_EQ(frm.sMtoDeuda, "1500.00");
  EXPECT_EQ(frm.sMtoDeudaGarantia, "900.00");
  EXPECT_TRUE(frm.bFechaHoy);
}

TEST_F(FrmImportarLineaTest, ShortLinesFailOnTheVersionOrOnTheFirstMissingField) {
  Fields deuda = debtfile::SampleDebt(Hoy(), "01", 1);
  std::string hasta21 = LineText(deuda, debtfile::Layout::BeforeGuarantee);
  driver_.Expect({"Se han presentado problemas técnicos al momento de importar su información. Esta "
                  "versión del ZEP requiere que el archivo personalizado haya sido generado a partir "
                  "del 24.07.2006.",
                  forms::vbCritical, "Error tecnico : 0"});
  bool cargada = true;
  EXPECT_EQ(Carga(Ventana(), hasta21, &cargada), Filas{});
  EXPECT_FALSE(cargada);
  EXPECT_EQ(gsFechaVenc, "14/06/2010");

  std::string hasta15;
  for (int i = 0; i <= 15; ++i) hasta15 += deuda[i] + "|";
  driver_.Expect({kErrorTecnico, forms::vbCritical, "Error tecnico : 13"});
  FrmImportar& frm = Ventana();
  EXPECT_EQ(Carga(frm, hasta15, &cargada), Filas{});
  EXPECT_FALSE(cargada);
  EXPECT_TRUE(frm.bFechaHoy);
  EXPECT_EQ(driver_.PendingAnswers(), 0u);
}

TEST_F(FrmImportarLineaTest, ADeclarationAlreadyImportedForTheFilesPeriodRefusesTheLine) {
  gDB->Execute("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana) VALUES "
               "(6, '20456712348', '201005', '0942', 1)");
  driver_.Expect({"La información de deudas para el RUC seleccionado ya fue importada.",
                  forms::vbExclamation, "Información"});
  FrmImportar& frm = Ventana();
  bool cargada = true;
  EXPECT_EQ(Carga(frm, LineText(debtfile::SampleDebt(Hoy(), "01", 1)), &cargada), Filas{});
  EXPECT_FALSE(cargada);
  EXPECT_TRUE(frm.bFechaHoy);
}

// A line whose declaration was found not imported leaves that answer for the
// later lines of the run; a line of another entity asks again, and so does any
// line after the run's dynaset was closed by a refused line.
TEST_F(FrmImportarLineaTest, TheImportedBeforeAnswerIsKeptOnlyForTheSameDeclarationAndDynaset) {
  struct Caso {
    const char* nombre;
    int entidadSegunda;
    bool lineaRechazadaEntre;
  } casos[] = {
      {"another entity", 2, false},
      {"after a refused line", 1, true},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    FrmImportar& frm = Ventana();
    dao::Engine().BeginTrans();
    EXPECT_TRUE(frm.CargaTablaValor(LineText(debtfile::SampleDebt(Hoy(), "01", 1))));
    gDB->Execute("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana) VALUES "
                 "(6, '20456712348', '201005', '0942', " + std::to_string(caso.entidadSegunda) + ")");
    if (caso.lineaRechazadaEntre) {
      driver_.Expect({kErrorTecnico, forms::vbCritical, "Error tecnico : 5"});
      EXPECT_FALSE(frm.CargaTablaValor(
          LineText(debtfile::SampleDebt({Momento(2010, 6, 2, 8), false}, "01", 2))));
    }
    gnSemana = static_cast<std::uint8_t>(caso.entidadSegunda);
    driver_.Expect({"La información de deudas para el RUC seleccionado ya fue importada.",
                    forms::vbExclamation, "Información"});
    EXPECT_FALSE(frm.CargaTablaValor(LineText(debtfile::SampleDebt(Hoy(), "01", 3))));
    EXPECT_EQ(Cuenta("F0942DEUDAS"), 1);
    EXPECT_EQ(driver_.PendingAnswers(), 0u);
    dao::Engine().Rollback();
  }
}

TEST_F(FrmImportarLineaTest, ALineOfAnotherMonthThanTheFirstIsATechnicalError) {
  FrmImportar& frm = Ventana();
  dao::Engine().BeginTrans();
  EXPECT_TRUE(frm.CargaTablaValor(LineText(debtfile::SampleDebt(Hoy(), "01", 1))));
  driver_.Expect({kErrorTecnico, forms::vbCritical, "Error tecnico : 5"});
  EXPECT_FALSE(frm.CargaTablaValor(
      LineText(debtfile::SampleDebt({Momento(2010, 6, 2, 8), false}, "01", 2))));
  EXPECT_EQ(gsPeriodo, "201005");
  EXPECT_EQ(Cuenta("F0942DEUDAS"), 1);
  dao::Engine().Rollback();
}

}  // namespace
}  // namespace korva::prueba
