#include "formulario/core/ModGen01.h"

#include "formulario/core/tests/entorno_prueba.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

using forms::MessageBoxCall;

const std::string kClave = "6, '20456712348', '201003', '0942', 2";
const std::string kDeuda =
    kClave +
    ", '01', '200901', '010101', '0230012345', '0621', '001000', Null, '00', "
    "#03/15/2010#, 0, Null, Null, '1500', '0', '120.50', '1620.50', 1, 1, "
    "'1500', '0', '120.50', '1620.50', Null, Null, 1, 0, '00', 'zzzzzz'";
const std::string kMotivo = kClave + ", '01', '200901', '010101', '0230012345', '0621', 1";

class GeneraCNumeroTest : public PruebaConSuite {
 protected:
  host::testing::Preparation Preparacion() const override { return {"sin-claves", CreaTablasSinClaves}; }
  // The module's tables without their keys: the check code does not look at
  // them, and some rows below leave key columns empty.
  static void CreaTablasSinClaves(dao::Database& db) {
    for (const char* tabla : nuvia::kTablasModulo) db.Execute(nuvia::SentenciaCreaTabla(tabla));
  }
  std::string Codigo(const std::string& origen, int n) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(origen, dao::dbOpenDynaset);
    std::string codigo = GeneraCNumero(*rs, n);
    rs->Close();
    return codigo;
  }
};

// Expected codes worked out by hand from each row's texts: the first group's
// numbers summed, the rest character by character.
TEST_F(GeneraCNumeroTest, EveryWritersRowGetsItsCode) {
  gDB->Execute("INSERT INTO CAB VALUES (" + kClave +
               ", '15/03/2010', 0, '31/03/2010', '30/04/2010', '1', 0, 1, 'zzzzzz')");
  gDB->Execute("INSERT INTO DET VALUES (" + kClave + ", '500', '1,234.50', '01', '1', 'zzzzzz')");
  gDB->Execute("INSERT INTO HDET VALUES (" + kClave +
               ", '500', '001', '1,234.50', '01', '1', 'zzzzzz')");
  gDB->Execute("INSERT INTO F0942DEUDAS VALUES (" + kDeuda + ")");
  gDB->Execute("INSERT INTO TMP_F0942DEUDAS VALUES (" + kDeuda + ")");
  gDB->Execute("INSERT INTO TMP_F0942MOTIVO VALUES (" + kMotivo + ", 'zzzzzz')");
  gDB->Execute(
      "INSERT INTO TMP_F0942SUSTEN VALUES (" + kMotivo +
      ", 1, '0621', 12345, '0230012345', 1, 'EXP-2009-1', 'Ñandú€', '15/02/2010', 'zzzzzz')");
  struct Case {
    const char* tabla;
    int n;
    const char* codigo;
  } cases[] = {
      {"CAB", 5, "301225"},
      {"DET", 6, "801977"},
      {"HDET", 6, "801268"},
      {"F0942DEUDAS", 7, "203549"},
      {"TMP_F0942DEUDAS", 9, "649746"},
      {"TMP_F0942DEUDAS", 10, "270244"},
      {"TMP_F0942MOTIVO", 8, "304334"},
      {"TMP_F0942SUSTEN", 10, "270923"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Codigo(std::string("SELECT * FROM ") + c.tabla, c.n), c.codigo)
        << c.tabla << " " << c.n;
}

TEST_F(GeneraCNumeroTest, CodeOfARowBeingAddedIsTheCodeItKeeps) {
  dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT * FROM TMP_F0942DEUDAS", dao::dbOpenDynaset);
  rs->AddNew();
  const char* campos[] = {"tip_doc_d", "doc_id_d",    "periodo",    "formulario",
                          "semana",    "Ind_tip_deu", "per_doc",    "cod_tri",
                          "Num_doc",   "Cod_for",     "Cod_tip_doc"};
  const char* valores[] = {"6",      "20456712348", "201003",     "0942", "2",     "01",
                           "200901", "010101",      "0230012345", "0621", "001000"};
  for (int i = 0; i < 11; ++i) (*rs)(campos[i]) = valores[i];
  (*rs)("Ind_ver_deu") = "00";
  (*rs)("Fec_des_deu") = "15/03/2010";
  (*rs)("Num_cuo") = 0;
  for (const char* monto : {"mto_tributo_s", "mto_tributo_c"}) (*rs)(monto) = "1500";
  for (const char* monto : {"mto_int_cap_s", "mto_int_cap_c"}) (*rs)(monto) = "0";
  for (const char* monto : {"mto_int_s", "mto_int_c"}) (*rs)(monto) = "120.50";
  for (const char* monto : {"mto_act_s", "mto_act_c"}) (*rs)(monto) = "1620.50";
  (*rs)("ind_acog") = 1;
  (*rs)("ind_conf") = 1;
  (*rs)("Ind_valor") = 1;
  (*rs)("Ind_deuda_dj") = 0;
  (*rs)("Ind_impugnado") = "00";
  std::string codigo = GeneraCNumero(*rs, 9);
  EXPECT_EQ(codigo, "649746");
  (*rs)("cnumero") = codigo;
  rs->Update();
  rs->Close();
  EXPECT_EQ(Codigo("SELECT * FROM TMP_F0942DEUDAS", 9), codigo);
}

TEST_F(GeneraCNumeroTest, CheckCodeIgnoresItsOwnColumn) {
  gDB->Execute("INSERT INTO TMP_F0942MOTIVO VALUES (" + kMotivo + ", Null)");
  EXPECT_EQ(Codigo("SELECT * FROM TMP_F0942MOTIVO", 8), "304334");
  gDB->Execute("UPDATE TMP_F0942MOTIVO SET cnumero = '999999'");
  EXPECT_EQ(Codigo("SELECT * FROM TMP_F0942MOTIVO", 8), "304334");
}

// A first-group text counts its leading number, its sign and digits with at most
// one point, once it is a number at all: no exponent, no radix prefix.
TEST_F(GeneraCNumeroTest, FirstGroupRoundsHalvesAwayAndDropsTheSign) {
  struct Case {
    const char* fila;
    const char* codigo;
  } cases[] = {
      {"0, 'ABC', 'P', 'X', 0, 'AB', Null, Null, Null, Null, Null, Null, Null", "000197"},
      {"0, '1234567.5', 'P', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "568000"},
      {"0, '-1234567.5', 'P', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "568000"},
      {"0, '1,234.50', '7', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "008000"},
      {"0, '12AB', 'P', 'F', 0, '  AB  ', Null, Null, Null, Null, Null, Null, Null", "000197"},
      {"0, '12E3', 'P', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "012000"},
      {"0, '&H1F', 'P', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "000000"},
      {"0, '1 234', 'P', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "000000"},
      {"0, '+7.5', '.5', 'F', 0, Null, Null, Null, Null, Null, Null, Null, Null", "008000"},
  };
  for (const auto& c : cases) {
    gDB->Execute("DELETE FROM CAB");
    gDB->Execute(std::string("INSERT INTO CAB VALUES (") + c.fila + ")");
    EXPECT_EQ(Codigo("SELECT * FROM CAB", 5), c.codigo) << c.fila;
  }
}

TEST_F(GeneraCNumeroTest, FieldsCountByTheirTypes) {
  gDB->Execute(
      "CREATE TABLE Tipos (d DOUBLE, c CURRENCY, y YESNO, s SINGLE, i SHORT, f DATE, "
      "t TEXT(20), cnumero TEXT(6))");
  gDB->Execute(
      "INSERT INTO Tipos VALUES (1234567.25, 0.25, True, 1.5, -300, #03/15/2010#, ' AB ', Null)");
  EXPECT_EQ(Codigo("SELECT * FROM Tipos", 3), "568778");
  gDB->Execute("INSERT INTO TMP_F0942DEUDAS (doc_id_d, Fec_des_deu) VALUES ('1', #03/15/2010#)");
  EXPECT_EQ(Codigo("SELECT Fec_des_deu, cnumero FROM TMP_F0942DEUDAS", 1), "315000");
}

TEST_F(GeneraCNumeroTest, CharactersCountByTheirWindows1252CodesUpToTheIntegerLimit) {
  gDB->Execute("INSERT INTO PARAM VALUES ('999', 'Ñ€', '" + vb::String(128, "ÿ") + "', '000')");
  EXPECT_EQ(Codigo("SELECT * FROM PARAM WHERE Numero = '999'", 1), "999745");
  gDB->Execute("UPDATE PARAM SET Funcion = '" + vb::String(129, "ÿ") + "' WHERE Numero = '999'");
  EXPECT_EQ(ErrorOf([&] { Codigo("SELECT * FROM PARAM WHERE Numero = '999'", 1); }), 6);
}

TEST(CalculaInteres, SimpleDailyInterestAtTheMonthlyRate) {
  struct Case {
    const char* tim;
    const char* monto;
    const char* capitalizado;
    vb::Date desde;
    vb::Date hasta;
    const char* interes;
  } cases[] = {
      {"1.5", "1,000.00", "0", Fecha(2010, 3, 1), Fecha(2010, 3, 31), "15.00"},
      {"1.2", "1,000.00", "0", Fecha(2010, 3, 1), Fecha(2010, 3, 31), "12.00"},
      {"1.5", "1,000.00", "0", Fecha(2010, 3, 31), Fecha(2010, 3, 1), "0.00"},
      {"1.5", "1,000.00", "", Fecha(2010, 3, 1), Fecha(2010, 3, 1), "0.00"},
      {"1.5", "1,000.00", "0.00", Fecha(2007, 1, 15), Fecha(2007, 2, 16), "16.00"},
      {"1.5", "1,000.00", "100.00", Fecha(2005, 12, 20), Fecha(2005, 12, 31), "6.05"},
      {"1.5", "1116.05", "0", Fecha(2005, 12, 31), Fecha(2006, 1, 10), "5.58"},
      {"1.5", "17810", "", Fecha(2010, 3, 1), Fecha(2010, 3, 2), "8.91"},
      {"1.5", "1,234,567.89", "0", Fecha(2010, 3, 1), Fecha(2010, 3, 2), "617.28"},
      {"1.5", "3,000,000.00", "0", Fecha(2009, 1, 1), Fecha(2010, 1, 1), "547,500.00"},
      {"1.5", "", "100", Fecha(2010, 3, 1), Fecha(2010, 3, 31), ""},
  };
  for (const auto& c : cases) {
    gsTIM = c.tim;
    EXPECT_EQ(CalculaInteres(c.monto, c.capitalizado, c.desde, c.hasta), c.interes) << c.monto;
  }
  gsTIM = "1.5";
  EXPECT_EQ(CalculaInteres("1,000.00", "0", "01/03/2010", "31/03/2010"), "15.00");
  EXPECT_THROW(CalculaInteres("mil", "0", Fecha(2010, 3, 1), Fecha(2010, 3, 31)), vb::Error);
  gsTIM = "";
}

TEST(Montos, QuitaComasRemovesCommasFromTheCallersTextToo) {
  struct Case {
    const char* monto;
    const char* resultado;
    const char* despues;
  } cases[] = {
      {"1,234,567.89", "1234567.89", "1234567.89"},
      {",", "0.00", ""},
      {"", "0.00", ""},
      {"0", "0.00", "0"},
      {".", "0.00", "."},
      {" 0 ", "0.00", " 0 "},
      {"12", "12", "12"},
  };
  for (const auto& c : cases) {
    std::string monto = c.monto;
    EXPECT_EQ(QuitaComas(monto), c.resultado) << c.monto;
    EXPECT_EQ(monto, c.despues) << c.monto;
  }
}

TEST(Montos, ValidaNumeroDecimalRefusesTooManyDigitsOrPoints) {
  forms::TestDriver driver;
  const std::string limites = "Registre como máximo 10 enteros y 2 decimales";
  const MessageBoxCall cifras{limites, forms::vbCritical, "Validación"};
  const MessageBoxCall puntos{"No registre mas de un punto decimal", forms::vbOKOnly, "Validación"};
  struct Case {
    const char* texto;
    bool aceptado;
    const MessageBoxCall* caja;
  } cases[] = {
      {"12345678901", false, &cifras},
      {"1234567890.12", true, nullptr},
      {"1.123", false, &cifras},
      {"1.2.3", false, &puntos},
      {".", true, nullptr},
      {"1.234.5", false, &cifras},
      {"1234567890", true, nullptr},
      {"-123456789.5", true, nullptr},
  };
  for (const auto& c : cases) {
    std::string texto = c.texto;
    if (c.caja) driver.Expect(*c.caja);
    EXPECT_EQ(ValidaNumeroDecimal(texto, 10, 2, false), c.aceptado) << c.texto;
    EXPECT_EQ(texto, c.texto);
  }
  std::string vacio;
  EXPECT_TRUE(ValidaNumeroDecimal(vacio, 10, 2, false));
  EXPECT_EQ(vacio, "0.00");
}

TEST(Montos, ValidaNumeroDecimalTakesZeroDecimalsAsTwoAndCanStayQuiet) {
  forms::TestDriver driver;
  gsMensaje = "";
  EXPECT_FALSE(ValidaNumeroDecimal("1.234", 10, 0, true));
  EXPECT_EQ(gsMensaje, "Registre como máximo 10 enteros y 2 decimales");
  EXPECT_TRUE(ValidaNumeroDecimal("1.23", 10, 0, true));
  EXPECT_FALSE(ValidaNumeroDecimal("1..2", 10, 2, "0942  Plexo", true));
  EXPECT_EQ(gsMensaje, "No registre mas de un punto decimal");
  EXPECT_TRUE(driver.MessageBoxes().empty());
  gsMensaje = "";
}

TEST(Montos, ConvierteMonedaReadsBlankAsZero) {
  EXPECT_EQ(ConvierteMoneda(vb::Null), vb::Currency());
  EXPECT_EQ(ConvierteMoneda("   "), vb::Currency());
  EXPECT_EQ(ConvierteMoneda("1,234.50"), vb::Currency::FromDouble(1234.5));
  EXPECT_EQ(ConvierteMoneda(" -0.25 "), vb::Currency::FromDouble(-0.25));
  EXPECT_EQ(ErrorOf([&] { ConvierteMoneda("12a"); }), 13);
}

TEST(Teclas, KeyFiltersDropWhatTheyRefuse) {
  struct Case {
    int tecla;
    bool numerica;
    bool alfanumerica;
  } cases[] = {{'0', true, true},   {'9', true, true},   {8, true, true},     {13, true, true},
               {'A', false, true},  {'z', false, true},  {164, false, true},  {165, false, true},
               {241, false, false}, {209, false, false}, {'.', false, false}, {' ', false, false},
               {'-', false, false}};
  for (const auto& c : cases) {
    int numerica = c.tecla;
    int alfanumerica = c.tecla;
    EXPECT_EQ(ValidaTeclaNumerica(numerica), c.numerica) << c.tecla;
    EXPECT_EQ(numerica, c.numerica ? c.tecla : 0) << c.tecla;
    EXPECT_EQ(ValidaTeclaAlfanumerica(alfanumerica), c.alfanumerica) << c.tecla;
    EXPECT_EQ(alfanumerica, c.alfanumerica ? c.tecla : 0) << c.tecla;
  }
}

// The request form's debt grids 1, 2 and 5, which show the debt file's date.
class Frm942 : public forms::Form {
 public:
  Frm942() : Form("Frm942") {
    for (int n : {1, 2, 5}) {
      Dat.Add(n);
      TDBGrid.Add(n).SetDataSource(&Dat(n));
      TDBGrid(n).AddColumn("per_doc", "Periodo");
      TDBGrid(n).AddColumn("fec_des_deu", "Fecha");
    }
  }
  forms::ControlArray<forms::DataControl> Dat{*this, "Dat"};
  forms::ControlArray<forms::DataGrid> TDBGrid{*this, "TDBGrid"};
};

class FechaCampoTest : public GeneraCNumeroTest {
 protected:
  void SetUp() override {
    GeneraCNumeroTest::SetUp();
    vb::SetClock([] { return Fecha(2010, 3, 15); });
    frm_.Show();
    FijaGrillasFechaDescarga([this] {
      return std::vector<forms::DataGrid*>{&frm_.TDBGrid(1), &frm_.TDBGrid(2), &frm_.TDBGrid(5)};
    });
  }
  void TearDown() override {
    FijaGrillasFechaDescarga({});
    GeneraCNumeroTest::TearDown();
  }
  void Deuda(const std::string& categoria, const std::string& periodo, const std::string& fecha) {
    gDB->Execute(
        "INSERT INTO TMP_F0942DEUDAS (doc_id_d, Ind_tip_deu, per_doc, Fec_des_deu) VALUES "
        "('20456712348', '" +
        categoria + "', '" + periodo + "', " + fecha + ")");
  }
  void Carga() {
    const char* categorias[] = {"01", "02", "05"};
    int grillas[] = {1, 2, 5};
    for (int i = 0; i < 3; ++i) {
      dao::RecordsetPtr rs = gDB->OpenRecordset(
          std::string("SELECT per_doc, fec_des_deu FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '") +
              categorias[i] + "' ORDER BY per_doc",
          dao::dbOpenSnapshot);
      if (!rs->Eof()) rs->MoveLast();
      frm_.Dat(grillas[i]).SetRecordset(rs);
    }
  }
  bool Valida(const std::string& tipo, const std::string& fecha, bool silencio = false) {
    return ValidaCampoFecha(tipo, "fecha de actualización", fecha, "0942  Plexo", silencio);
  }
  MessageBoxCall Caja(const std::string& texto) {
    return {texto, forms::vbCritical, "0942  Plexo"};
  }

  Frm942 frm_;
};

TEST_F(FechaCampoTest, PaymentDateMayNotBeAfterToday) {
  struct Case {
    const char* fecha;
    const char* mensaje;
  } cases[] = {
      {"15/03/2010", ""},
      {"01/01/1850", ""},
      {"16/03/2010", "La fecha de pago no debe ser mayor a la fecha del sistema "},
      {"__/__/____", "Debe registrar la fecha de pago"},
      {"31/02/2010", "La fecha de pago no es válida"},
      {"31/12/1849", "La fecha de pago no es válida"},
  };
  for (const auto& c : cases) {
    std::string mensaje = c.mensaje;
    if (!mensaje.empty()) driver_.Expect({mensaje, forms::vbCritical, "Pago"});
    EXPECT_EQ(ValidaCampoFecha("PAG", "fecha de pago", c.fecha, "Pago", false), mensaje.empty())
        << c.fecha;
  }
}

TEST_F(FechaCampoTest, QuietCheckLeavesItsFindingInTheSharedMessage) {
  EXPECT_FALSE(ValidaCampoFecha("PAG", "fecha de pago", "16/03/2010", "Pago", true));
  EXPECT_EQ(gsMensaje, "La fecha de pago no debe ser mayor a la fecha del sistema ");
  EXPECT_TRUE(driver_.MessageBoxes().empty());
}

TEST_F(FechaCampoTest, UpdateDateMustBeTheDateOfTodaysDebtFile) {
  Deuda("01", "200901", "#03/15/2010#");
  Deuda("01", "200902", "#03/15/2010#");
  Carga();
  EXPECT_TRUE(Valida("PRE", "15/03/2010"));
  EXPECT_EQ(frm_.Dat(1).Recordset()->AbsolutePosition(), 0);
  driver_.Expect(
      Caja("La fecha de actualización no debe ser menor a la fecha de pedido de archivo "
           "personalizado. \nFecha de pedido de archivo personalizado: 15/03/2010"));
  EXPECT_FALSE(Valida("PRE", "14/03/2010"));
  driver_.Expect(Caja("La fecha de actualización no corresponde con la fecha del personalizado"));
  EXPECT_FALSE(Valida("PRE", "16/03/2010"));
  EXPECT_FALSE(Valida("PRE", "14/03/2010", true));
  EXPECT_EQ(gsMensaje,
            "La fecha de actualización no debe ser menor a la fecha de pedido de archivo "
            "personalizado. Fecha de pedido de archivo personalizado: 15/03/2010");
}

TEST_F(FechaCampoTest, DebtFileOfAnotherDayMustBeDownloadedAgain) {
  Deuda("02", "200901", "#03/14/2010#");
  Carga();
  driver_.Expect(
      Caja("El archivo personalizado no es de hoy día, por favor descargue y procese "
           "nuevamente el archivo"));
  EXPECT_FALSE(Valida("PRE", "15/03/2010"));
}

TEST_F(FechaCampoTest, DebtFileDateComesFromTheFirstGridThatShowsOne) {
  Deuda("02", "200901", "Null");
  Deuda("05", "200901", "#03/12/2010 10:30:00#");
  Carga();
  EXPECT_EQ(ObtieneFechaDescarga(), vb::Date{Fecha(2010, 3, 12).serial + 10.5 / 24});
  Deuda("01", "200901", "#03/14/2010#");
  Carga();
  EXPECT_EQ(ObtieneFechaDescarga(), Fecha(2010, 3, 14));
}

TEST_F(FechaCampoTest, NoDebtFileDateAsksForTodaysFile) {
  Carga();
  EXPECT_EQ(ObtieneFechaDescarga(), vb::Date{});
  driver_.Expect(
      Caja("El archivo personalizado no es de hoy día, por favor descargue y procese "
           "nuevamente el archivo"));
  EXPECT_FALSE(Valida("PRE", "15/03/2010"));
}

}  // namespace
}  // namespace korva::prueba
