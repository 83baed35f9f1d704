#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

#include "formulario/core/ModGen01.h"
#include "formulario/request/tests/prueba_validacion.h"
#include "platform/dao/dao.h"

namespace korva::prueba {
namespace {

const MessageBoxCall kGrabadaConInconsistencias{"La declaración fue grabada con inconsistencias..!!",
                                                forms::vbExclamation, kTitulo};

const char* const kTablasDeclaracion[] = {"CAB", "DET", "F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN",
                                          "F0942GARANTIA"};

// The number a text begins with: digits with at most one point.
double NumeroInicial(const std::string& sTexto) {
  std::size_t fin = 0;
  bool bPunto = false;
  while (fin < sTexto.size() && (std::isdigit(static_cast<unsigned char>(sTexto[fin])) ||
                                 (sTexto[fin] == '.' && !bPunto))) {
    bPunto = bPunto || sTexto[fin] == '.';
    ++fin;
  }
  return fin == 0 ? 0 : std::atof(sTexto.substr(0, fin).c_str());
}

// A stored row's check code worked out again from its values as texts: the
// first `n` add up their leading numbers, the others up to the one before the
// last add each character's position times its Windows-1252 code; the code is
// the last three digits of each rounded sum.
std::string CodigoDeControl(const std::vector<std::string>& valores, std::size_t n) {
  double dNumeros = 0;
  long long nLetras = 0;
  for (std::size_t i = 0; i + 1 < valores.size(); ++i) {
    std::string sTexto = valores[i] == "Null" ? "" : vb::ToCp1252(vb::Trim(valores[i]));
    if (i < n) {
      dNumeros += NumeroInicial(sTexto);
    } else {
      for (std::size_t j = 0; j < sTexto.size(); ++j)
        nLetras += static_cast<long long>(j + 1) * static_cast<unsigned char>(sTexto[j]);
    }
  }
  return vb::Format(vb::Variant(static_cast<long long>(std::llround(dNumeros) % 1000)), "000") +
         vb::Format(vb::Variant(nLetras % 1000), "000");
}

using std::chrono::milliseconds;

// Another program's write transaction on the suite's database, which holds
// its write lock until it ends; or, given a period, one holding it for
// `retiene` out of every `cada` until the object goes.
class OtroPrograma {
 public:
  explicit OtroPrograma(const std::string& sBase) {
    sqlite3_open(sBase.c_str(), &db_);
    sqlite3_busy_timeout(db_, 10000);
    sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  }
  OtroPrograma(const std::string& sBase, milliseconds retiene, milliseconds cada) : OtroPrograma(sBase) {
    hilo_ = std::thread([this, retiene, cada] {
      for (;;) {
        std::this_thread::sleep_for(retiene);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        std::this_thread::sleep_for(cada - retiene);
        if (fin_) return;
        sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
      }
    });
  }
  ~OtroPrograma() {
    fin_ = true;
    if (hilo_.joinable()) hilo_.join();
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
  }
  OtroPrograma(const OtroPrograma&) = delete;
  OtroPrograma& operator=(const OtroPrograma&) = delete;

 private:
  sqlite3* db_ = nullptr;
  std::atomic<bool> fin_ = false;
  std::thread hilo_;
};

class Frm942GrabacionTest : public PruebaValidacion {
 protected:
  // Every row of the tables that hold stored declarations.
  std::vector<Filas> Almacen() {
    std::vector<Filas> tablas;
    for (const char* tabla : kTablasDeclaracion)
      tablas.push_back(Consulta(std::string("SELECT * FROM ") + tabla + " ORDER BY 1, 2, 3, 4, 5, 6, 7, 8"));
    return tablas;
  }
  // The declarant's rows of a table: every column in key order, or the columns
  // named in their first one's order.
  Filas De(const std::string& tabla, const std::string& ruc, const std::string& columnas = "*") {
    return Consulta("SELECT " + columnas + " FROM " + tabla + " WHERE doc_id_d = " + vb::SqlText(ruc) +
                    (columnas == "*" ? " ORDER BY 1, 2, 3, 4, 5, 6, 7, 8" : " ORDER BY 1"));
  }
  // Each row's last column is the check code of the values before it.
  void CodigosCorrectos(const Filas& filas, std::size_t n) {
    for (const auto& fila : filas) EXPECT_EQ(fila.back(), CodigoDeControl(fila, n)) << fila[5];
  }

  // The numbers of a table's answered debts whose check code is not the one
  // their values give now.
  std::vector<std::string> CodigosErrados(const std::string& tabla) {
    std::vector<std::string> errados;
    dao::RecordsetPtr rs = gDB->OpenRecordset("SELECT * FROM " + tabla + " WHERE ind_acog is not null",
                                              dao::dbOpenSnapshot);
    for (; !rs->Eof(); rs->MoveNext())
      if (vb::CStr((*rs)("cnumero").Value() & vb::Variant("")) != GeneraCNumero(*rs, 9))
        errados.push_back(vb::CStr((*rs)("num_doc").Value()));
    return errados;
  }

  std::unique_ptr<OtroPrograma> otro_;

  // "&Grabar" with its closing message; the store is expected to run.
  void Graba(Frm942& frm, const MessageBoxCall& mensaje = kGrabada) {
    driver_.Expect(mensaje);
    driver_.Click(frm.CmdGrabar);
    EXPECT_FALSE(frm.bModificado);
    EXPECT_EQ(forms::Screen.MousePointer(), forms::vbDefault);
  }

  // A declaration of entity 1 whose debts are all answered, with one motive and
  // its supporting data stored for the first debt.
  void DeclaraRespondida(const std::string& ruc) {
    Declara(ruc, 1, {Deuda{"01", "00", "201001", "010101", "1", "001000", "100.00", "100.00", "1"},
                     Deuda{"02", "07", "200912", "030301", "2", "001000", "250.50", "250.50", "1"}});
    std::string clave = Clave({ruc, "201005", 1});
    Ejecuta("UPDATE F0942DEUDAS SET ind_conf = 1");
    Ejecuta("INSERT INTO F0942MOTIVO (tip_doc_d, doc_id_d, periodo, formulario, Semana, Ind_tip_deu, "
            "per_doc, cod_tri, num_doc, cod_for, cod_motivo, cnumero) VALUES (" + clave +
            ", '01', '201001', '010101', '1', '0621', 1, '123456')");
    Ejecuta("INSERT INTO F0942SUSTEN (tip_doc_d, doc_id_d, periodo, formulario, Semana, Ind_tip_deu, "
            "per_doc, cod_tri, num_doc, cod_for, cod_motivo, num_sust, num_res, cnumero) VALUES (" +
            clave + ", '01', '201001', '010101', '1', '0621', 1, 1, 'R-1', '654321')");
  }
};

// What a person changed while the form was open (answers, an added debt, a new
// motive with its supporting data, the first motive withdrawn, every kind of
// box) is what the store keeps and the next opening shows; the header and each
// box row carry their check codes.
TEST_F(Frm942GrabacionTest, StoreAndReopenKeepEveryBoxKindAndEveryRow) {
  DeclaraRespondida(kRucAndina);
  std::vector<Filas> temporales;
  Abre(kRucAndina, [&](Frm942& frm) {
    Identifica(frm);
    std::string clave = Clave({kRucAndina, "201005", 1});
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_conf = 2, mto_act_c = '240.00' WHERE num_doc = '2'");
    InsertaDeuda("TMP_", clave, Deuda{"04", "00", "201002", "010101", "3", "001000", "75.00", "75.00", "1"});
    Ejecuta("UPDATE TMP_F0942DEUDAS SET Cod_for_dj = '0621' WHERE num_doc = '3'");
    Ejecuta("DELETE FROM TMP_F0942MOTIVO");
    Ejecuta("DELETE FROM TMP_F0942SUSTEN");
    Ejecuta("INSERT INTO TMP_F0942MOTIVO (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
            "Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, cod_motivo, cnumero) VALUES (" + clave +
            ", '02', '200912', '030301', '2', '0621', 3, '111222')");
    Ejecuta("INSERT INTO TMP_F0942SUSTEN (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
            "Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, cod_motivo, num_sust, des_otros, "
            "fec_pago, cnumero) VALUES (" + clave + ", '02', '200912', '030301', '2', '0621', 3, 2, "
            "'Pagó en ventanilla', '10/01/2010', '333444')");
    Llena(frm, {{500, "10,000"}, {501, "0"}, {503, "12"}, {504, "1,000"}, {506, "SI"}, {535, "1,234.60"}});
    frm.ChkGarantia(0).SetValue(forms::vbChecked);
    frm.ChkGarantia(2).SetValue(forms::vbChecked);
    for (const char* tabla : {"TMP_F0942DEUDAS", "TMP_F0942MOTIVO", "TMP_F0942SUSTEN"})
      temporales.push_back(De(tabla, kRucAndina));
    Graba(frm);
  });
  EXPECT_EQ(De("F0942DEUDAS", kRucAndina), temporales[0]);
  EXPECT_EQ(De("F0942MOTIVO", kRucAndina), temporales[1]);
  EXPECT_EQ(De("F0942SUSTEN", kRucAndina), temporales[2]);
  EXPECT_EQ(De("CAB", kRucAndina, "fec_pro, bcolibrad, nrocheque, efectivo, cheque, Rectifica, estado"),
            (Filas{{"15/05/2010", "0", "15/06/2010", "15/07/2010", "0", "0", "0"}}));
  EXPECT_EQ(De("DET", kRucAndina, "Casilla, i_valor, idcasilla"),
            (Filas{{"002", "20456712348", "01"}, {"005", "0", "01"},   {"007", "201005", "01"},
                   {"028", "4567890", "01"},     {"500", "10000", "01"}, {"501", "0", "01"},
                   {"503", "12", "01"},          {"504", "1000", "01"}, {"505", "8021", "01"},
                   {"506", "1", "01"},           {"535", "1235", "01"}, {"541", "15/05/2010", "01"},
                   {"551", "101", "01"},         {"589", "0", "01"},    {"593", "0", "01"},
                   {"594", "15/06/2010", "01"},  {"595", "1", "01"},    {"596", "1", "01"},
                   {"597", "1", "01"},           {"721", "1.5", "01"},  {"790", "05/01/2016", "01"},
                   {"871", "0", "01"}}));
  CodigosCorrectos(De("CAB", kRucAndina), 5);
  CodigosCorrectos(De("DET", kRucAndina), 6);

  gsGarantia.clear();
  Abre(kRucAndina, [&](Frm942& frm) {
    EXPECT_EQ(De("TMP_F0942DEUDAS", kRucAndina), temporales[0]);
    EXPECT_EQ(De("TMP_F0942MOTIVO", kRucAndina), temporales[1]);
    EXPECT_EQ(De("TMP_F0942SUSTEN", kRucAndina), temporales[2]);
    const std::pair<int, const char*> casillas[] = {
        {500, "10,000"}, {501, "0"}, {502, ""},  {503, "12"}, {504, "1,000"}, {505, "8021"},
        {506, "SI"},     {507, ""},  {508, ""},  {515, ""},   {535, "1,235"}, {536, ""}};
    for (auto [nCasilla, sTexto] : casillas) EXPECT_EQ(frm.txtValor(nCasilla).Text(), sTexto) << nCasilla;
    EXPECT_EQ(gsGarantia, "1");
    EXPECT_EQ(frm.txtTelefono.Text(), "4567890");
    EXPECT_EQ(frm.mkeFechaAcog.Text(), kHoy);
    EXPECT_EQ(frm.ChkGarantia(0).Value(), forms::vbChecked);
    EXPECT_EQ(frm.ChkGarantia(1).Value(), forms::vbUnchecked);
    EXPECT_EQ(frm.ChkGarantia(2).Value(), forms::vbChecked);
    EXPECT_EQ(frm.lblTab(3).Caption(), "Total de registros : 1 de 1");
  });
}

// Every debt "Acoger todas" or "No acoge" answers carries the check code of its
// new values, in the working table and once stored: categories 01 and 05 of
// tab 1, 02 and 03 of tab 2, each tab answered both ways.
TEST_F(Frm942GrabacionTest, WholeGridAnswersGiveEachRowItsCheckCode) {
  for (bool bAcogeTabUno : {true, false}) {
    SCOPED_TRACE(bAcogeTabUno ? "tab 1 included" : "tab 1 left out");
    for (const char* tabla : {"CAB", "F0942DEUDAS", "F0942GARANTIA"})
      Ejecuta(std::string("DELETE FROM ") + tabla);
    Declara(kRucAndina, 1,
            {Deuda{"01", "00", "201001", "010101", "1"}, Deuda{"05", "08", "200912", "010101", "2"},
             Deuda{"02", "00", "201002", "010101", "3"}, Deuda{"03", "07", "201003", "010101", "4"},
             Deuda{"02", "16", "200911", "010101", "5"}});
    Ejecuta("UPDATE F0942DEUDAS SET mto_int_cap_s = '1.00', mto_int_s = '2.00', mto_act_s = '103.00' "
            "WHERE num_doc = '2'");
    Abre(kRucAndina, [&](Frm942& frm) {
      Identifica(frm);
      for (int n : {1, 2}) {
        bool bAcoge = (n == 1) == bAcogeTabUno;
        driver_.ChooseTab(frm.SSTab1, n);
        driver_.Answer(forms::vbYes);
        driver_.Click(bAcoge ? frm.CmdAcoge(n) : frm.CmdNoAcoge(n));
        EXPECT_EQ(Cuenta("TMP_F0942DEUDAS WHERE ind_acog is not null"), 2 * n);
        EXPECT_EQ(CodigosErrados("TMP_F0942DEUDAS"), std::vector<std::string>{}) << n;
      }
      // The 05 debt, which no interest update touches, accepts the reported amounts or none.
      EXPECT_EQ(Consulta("SELECT mto_tributo_c, mto_int_cap_c, mto_int_c, mto_act_c FROM TMP_F0942DEUDAS "
                         "WHERE num_doc = '2'"),
                (bAcogeTabUno ? Filas{{"100.00", "1.00", "2.00", "103.00"}} : Filas{{"0", "0", "0", "0"}}));
      Graba(frm, kGrabadaConInconsistencias);
    });
    EXPECT_EQ(Cuenta("F0942DEUDAS WHERE ind_acog is not null"), 4);
    EXPECT_EQ(CodigosErrados("F0942DEUDAS"), std::vector<std::string>{});
  }
}

// Storing one declaration replaces its own rows only: another declaration of
// the same taxpayer and every declaration of another keep theirs.
TEST_F(Frm942GrabacionTest, StoringOneDeclarationLeavesEveryOtherOneUntouched) {
  Importa(kRucRio);
  Importa(kRucAndina);
  Declara(kRucAndina, 2, {Deuda{"02", "00", "201001", "052100", "9"}});
  Casilla(kRucAndina, 2, "507", "300");
  auto otras = [this] {
    std::vector<Filas> tablas;
    for (const char* tabla : kTablasDeclaracion)
      tablas.push_back(Consulta(std::string("SELECT * FROM ") + tabla +
                                " WHERE doc_id_d <> '20456712348' OR Semana <> 1 ORDER BY 1, 2, 3, 4, 5, 6, 7, 8"));
    return tablas;
  };
  std::vector<Filas> antes = otras();
  ASSERT_FALSE(antes[2].empty());
  Filas respondidas;
  Abre(kRucAndina, [&](Frm942& frm) {
    Identifica(frm);
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 2, mto_act_c = '0'");
    Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE ind_tip_deu = '02'");
    respondidas = De("TMP_F0942DEUDAS", kRucAndina);
    frm.nDeudasTemporales = static_cast<long>(respondidas.size());
    PagoSinHallazgos(frm);
    Graba(frm);
  }, false, true, "TESORO");
  EXPECT_EQ(otras(), antes);
  EXPECT_EQ(Consulta("SELECT * FROM F0942DEUDAS WHERE doc_id_d = '20456712348' AND semana = 1 "
                     "ORDER BY 1, 2, 3, 4, 5, 6, 7, 8"),
            respondidas);
  EXPECT_EQ(De("CAB", kRucAndina, "Semana, fec_pro"), (Filas{{"1", "15/05/2010"}, {"2", "Null"}}));
}

// A writer of the working tables as a person reaches it, its question (if
// any) answered Yes, after the installer made the tables again (bInstala) or
// another opening of the form copied the declaration into them again.
struct Escritor {
  const char* caso;
  bool bInstala;
  std::function<void(Frm942&)> escribe;
  const char* pregunta = nullptr;
  int estilo = forms::vbYesNo + forms::vbQuestion;
};

// Behind the open form the installer made the working tables again, or another
// opening of the form copied the declaration into them again (as many rows,
// none of this form's answers): the store, the whole-grid answers, the
// recalculation and the deletion of an added debt find their copy gone, say so
// and change nothing, stored or working, and the form stays open. An added
// debt the user deleted in the form is no such loss.
TEST_F(Frm942GrabacionTest, WorkingTablesThatLostTheDeclarationAreNeitherStoredNorWritten) {
  DeclaraRespondida(kRucAndina);
  std::string clave = Clave({kRucAndina, "201005", 1});
  InsertaDeuda("", clave, Deuda{"01", "00", "201002", "010101", "3"});
  InsertaDeuda("", clave, Deuda{"04", "00", "201002", "010101", "7"});
  std::vector<Filas> antes = Almacen();
  auto graba = [this](Frm942& frm) { driver_.Click(frm.CmdGrabar); };
  const Escritor escritores[] = {
      {"&Grabar", true, graba},
      {"&Grabar", false, graba},
      {"Acoger todas", false,
       [&](Frm942& frm) { driver_.ChooseTab(frm.SSTab1, 1); driver_.Click(frm.CmdAcoge(1)); },
       "Se modificarán las deudas sin marcar como acogidas. ¿ Desea continuar ?"},
      {"&Eliminar", false,
       [&](Frm942& frm) { driver_.ChooseTab(frm.SSTab1, 3); driver_.Click(frm.cmdDelete(3)); },
       "¿Confirma que va a eliminar el registro seleccionado?",
       forms::vbYesNo + forms::vbDefaultButton2 + forms::vbQuestion},
      {"la fecha de actualización", true,
       [&](Frm942& frm) {
         frm.mkeFechaAcog.SetText("14/05/2010");
         driver_.Focus(frm.mkeFechaAcog);
         frm.mkeFechaAcog.SetSelStart(0);
         driver_.Keys(frm, "15");
         driver_.Focus(frm.txtTelefono);
         EXPECT_EQ(frm.mkeFechaAcog.Text(), "14/05/2010");
       },
       "Se procederá a la actualización de la deuda. ¿Desea continuar?"},
  };
  for (const Escritor& escritor : escritores) {
    SCOPED_TRACE(std::string(escritor.caso) + (escritor.bInstala ? ", instalación" : ", otra apertura"));
    Abre(kRucAndina, [&](Frm942& frm) {
      Completa(frm);
      Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 2, mto_act_c = '0'");
      escritor.bInstala ? InstalaTablas() : CopiaOtraVez();
      Filas trabajo = Consulta("SELECT * FROM TMP_F0942DEUDAS ORDER BY num_doc");
      if (escritor.pregunta) driver_.Expect({escritor.pregunta, escritor.estilo, kTitulo}, forms::vbYes);
      driver_.Expect({kTemporalesPerdidas, forms::vbCritical, kTitulo});
      escritor.escribe(frm);
      EXPECT_TRUE(frm.Visible());
      EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
      EXPECT_EQ(Consulta("SELECT * FROM TMP_F0942DEUDAS ORDER BY num_doc"), trabajo);
      frm.bModificado = false;
    });
    EXPECT_EQ(Almacen(), antes);
  }
  Abre(kRucAndina, [&](Frm942& frm) {
    Completa(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    driver_.Expect({"¿Confirma que va a eliminar el registro seleccionado?",
                    forms::vbYesNo + forms::vbDefaultButton2 + forms::vbQuestion, kTitulo},
                   forms::vbYes);
    driver_.Expect({"Se eliminó el registro satisfactoriamente", forms::vbInformation, kTitulo});
    driver_.Click(frm.cmdDelete(3));
    // Stored, with the finding of an accepted debt below the minimum.
    Graba(frm, kGrabadaConInconsistencias);
  });
  std::erase_if(antes[2], [](const std::vector<std::string>& fila) { return fila[5] == "04"; });
  EXPECT_EQ(Almacen()[2], antes[2]);
}

// Another program takes the write lock 20 ms of every 100 ms (the send summary
// registering its spool file, say): the interest recalculation, which reads
// 1,500 debts before its first write, and the store wait for it and complete,
// with nothing told.
TEST_F(Frm942GrabacionTest, RecalculationAndStoreWaitForALockHeldTwentyMsOfEveryHundred) {
  Importa(kRucAndina, 1, [](debtfile::Options& o) { o.debtsPerCategory = 500; });
  Ejecuta("UPDATE F0942DEUDAS SET ind_acog = 1, ind_conf = 1");
  std::size_t nMensajes = driver_.MessageBoxes().size();
  Abre(kRucAndina, [this](Frm942& frm) {
    Completa(frm);
    frm.Obtiene_TIM("201005");
    OtroPrograma otro(suite_.databasePath, milliseconds(20), milliseconds(100));
    for (int vez = 0; vez < 10; ++vez) frm.Recalcula_deuda();
    giGrabando = 1;
    for (int vez = 0; vez < 10; ++vez) EXPECT_TRUE(frm.GrabaFormulario());
  });
  EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
  EXPECT_EQ(Consulta("SELECT count(*) FROM F0942DEUDAS WHERE mto_int_c IS NOT NULL"), (Filas{{"1500"}}));
}

// The edge cases of storing boxes: a good taxpayer's initial payment is stored
// as 0 whatever it shows, a header is marked 9 after an inconsistency and 0
// after none, a stored box the form does not hold goes, and storing twice
// leaves one row per box.
TEST_F(Frm942GrabacionTest, StoredHeaderAndBoxesFollowTheTaxpayerAndTheValidation) {
  Declara(kRucRio, 3, {Deuda{"01", "00", "201001", "010101", "1", "001000", "100.00", "100.00", "1"}}, "1");
  Casilla(kRucRio, 3, "999", "7");
  Abre(kRucRio, [&](Frm942& frm) {
    Identifica(frm);
    Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_conf = 1");
    Llena(frm, {{514, "10,000"}, {515, "0"}, {517, "12"}, {518, "1,000"}, {537, "500"}});
    Graba(frm);
    Filas primera = De("DET", kRucRio, "Casilla, i_valor");
    EXPECT_EQ(De("DET", kRucRio, "i_valor") .size(), primera.size());
    EXPECT_EQ(Consulta("SELECT i_valor FROM DET WHERE Casilla = '537'"), (Filas{{"0"}}));
    EXPECT_EQ(Consulta("SELECT i_valor FROM DET WHERE Casilla = '520'"), (Filas{{"0"}}));
    EXPECT_EQ(Consulta("SELECT i_valor FROM DET WHERE Casilla = '589'"), (Filas{{"1"}}));
    EXPECT_EQ(Consulta("SELECT i_valor FROM DET WHERE Casilla = '999'"), Filas{});
    EXPECT_EQ(De("CAB", kRucRio, "estado"), (Filas{{"0"}}));
    Llena(frm, {{517, "1"}});
    Graba(frm, kGrabadaConInconsistencias);
    EXPECT_EQ(De("CAB", kRucRio, "estado"), (Filas{{"9"}}));
    Llena(frm, {{517, "12"}});
    Graba(frm);
    EXPECT_EQ(De("DET", kRucRio, "Casilla, i_valor"), primera);
    EXPECT_EQ(De("CAB", kRucRio, "estado"), (Filas{{"0"}}));
  });
}

// A declarant who is not identified by a RUC gets no box 002; a header the
// declaration lacks is added with its key.
TEST_F(Frm942GrabacionTest, HeaderMissingIsAddedAndOnlyARucIsStoredInBox002) {
  Declara(kRucAndina, 1, {});
  Abre(kRucAndina, [&](Frm942& frm) {
    Completa(frm);
    frm.nTipoDoc = 1;
    giGrabando = 1;
    giInconsistencia = 0;
    frm.GrabaFormulario();
  });
  EXPECT_EQ(Consulta("SELECT tip_doc_d, fec_pro, Rectifica, estado FROM CAB WHERE doc_id_d = "
                     "'20456712348' ORDER BY tip_doc_d"),
            (Filas{{"1", "15/05/2010", "0", "0"}, {"6", "Null", "Null", "0"}}));
  EXPECT_EQ(Consulta("SELECT count(*) FROM DET WHERE tip_doc_d = 1 AND Casilla = '002'"), (Filas{{"0"}}));
  EXPECT_EQ(Consulta("SELECT count(*) FROM DET WHERE tip_doc_d = 1 AND Casilla = '028'"), (Filas{{"1"}}));
  CodigosCorrectos(Consulta("SELECT * FROM CAB WHERE tip_doc_d = 1"), 5);
}

// An error anywhere in the store undoes all of it: the stored declarations are
// exactly as they were, the transaction is gone before the program ends, and
// the error is reported with the routine it struck.
TEST_F(Frm942GrabacionTest, ErrorInsideTheStoreUndoesAllOfItBeforeTheProgramEnds) {
  struct Caso {
    const char* que;
    std::function<void(Frm942&)> prepara;
    int numero;
    const char* rutina;
  } casos[] = {
      {"a duplicate key in the last table copied back",
       [this](Frm942&) {
         Ejecuta("INSERT INTO TMP_F0942SUSTEN (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
                 "Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, cod_motivo, num_sust) VALUES (" +
                 Clave({kRucAndina, "201005", 1}) + ", '02', '200912', '030301', '2', '0621', 3, 2)");
       },
       3022, "GrabaFormulario"},
      {"a box too long for its column",
       [](Frm942& frm) { frm.txtTelefono.SetText(std::string(51, '4')); }, 3163, "GrabarCasilla"},
      {"the database locked by another program",
       [this](Frm942&) { otro_ = std::make_unique<OtroPrograma>(suite_.databasePath); }, 3051,
       "GrabaFormulario"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.que);
    Ejecuta("DELETE FROM CAB");
    for (const char* tabla : {"DET", "F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN", "F0942GARANTIA"})
      Ejecuta(std::string("DELETE FROM ") + tabla);
    DeclaraRespondida(kRucAndina);
    Casilla(kRucAndina, 1, "500", "777");
    // Another declaration of the taxpayer and entity, of the month before, whose
    // supporting data has the key the test may give a row of this one.
    Ejecuta("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana, estado) VALUES "
            "(6, '20456712348', '201004', '0942', 1, 0)");
    Ejecuta("INSERT INTO F0942SUSTEN (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
            "Ind_tip_deu, per_doc, cod_tri, num_doc, cod_for, cod_motivo, num_sust) VALUES (6, "
            "'20456712348', '201004', '0942', 1, '02', '200912', '030301', '2', '0621', 3, 2)");
    std::vector<Filas> antes = Almacen();
    int nNivel = -1;
    vb::EndHookId gancho = vb::AddEndHook([&] { nNivel = dao::Engine().Workspaces(0).TransactionLevel(); });
    driver_.Answer(forms::vbOK);
    EXPECT_THROW(Abre(kRucAndina, [&](Frm942& frm) {
                   Completa(frm);
                   c.prepara(frm);
                   driver_.Click(frm.CmdGrabar);
                 }),
                 vb::ProgramEnded);
    vb::RemoveEndHook(gancho);
    otro_.reset();
    EXPECT_EQ(nNivel, 0);
    EXPECT_EQ(Almacen(), antes);
    ASSERT_FALSE(driver_.MessageBoxes().empty());
    EXPECT_EQ(driver_.MessageBoxes().back().title,
              "Error crítico: " + std::to_string(c.numero) + " (Rutina: " + c.rutina + ") ");
    std::vector<std::string> lineas = vb::Split(vb::FromCp1252(Bitacora()), "\r\n");
    ASSERT_GE(lineas.size(), 2u);
    EXPECT_EQ(lineas[1], std::string("Error producido en    : ") + c.rutina);
    std::filesystem::remove(carpeta_ / "programa/errorlog.txt");
    forms::ResetApplication();
  }
}

}  // namespace
}  // namespace korva::prueba
