// The row commands of the debt tabs, with stand-ins for the detail windows that
// later subsystems build.
#include "formulario/request/tests/prueba_solicitud.h"

namespace korva::prueba {
namespace {

// What a detail window found when it opened.
struct Apertura {
  std::string ventana;
  int grilla;
  std::string tag;
  long posicion;
  friend bool operator==(const Apertura&, const Apertura&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Apertura& a) {
    return os << a.ventana << " " << a.grilla << " " << a.tag << " " << a.posicion;
  }
};

class Frm942FilasTest : public PruebaSolicitud {
 protected:
  void SetUp() override {
    PruebaSolicitud::SetUp();
    RegistraSustitutos();
    // The reported-debt window stores an answer for the row it was opened on and
    // calls back the reload and the total; the other one adds a debt.
    driver_.OnModal<frmCondeuDetSustituto>([this](frmCondeuDetSustituto& detalle) {
      Frm942& frm = forms::Instance<Frm942>();
      aperturas_.push_back({"frmCondeuDet", giIndexGrid, frm.Tag(), frm.nPosicion});
      gbGrabado = true;
      Ejecuta("UPDATE TMP_F0942DEUDAS SET ind_acog = 1, ind_conf = 1, mto_act_c = '900' WHERE num_doc = " +
              vb::SqlText(vb::CStr(frm.TDBGrid(giIndexGrid).Columns("num_doc").Value())));
      frm.CargaTabIndex(giIndexGrid);
      frm.CalculaMontoTotal(frm.txtmtototal(giIndexGrid), giIndexGrid);
      forms::Unload(detalle);
    });
    driver_.OnModal<FrmNoNotificadaSustituto>([this](FrmNoNotificadaSustituto& detalle) {
      Frm942& frm = forms::Instance<Frm942>();
      int k = frm.SSTab1.Tab();
      aperturas_.push_back({"FrmNoNotificada", giIndexGrid, frm.Tag(), frm.nPosicion});
      if (frm.Tag() == "N")
        InsertaDeuda("TMP_", Clave({kRucAndina, "201005", 1}),
                     {"04", "00", "201004", "010101", "N-9", "001000", "300.00", "300.00", "1"});
      frm.CalculaMontoTotal(frm.txtmtototal(k), k);
      frm.CargaTabIndex(k);
      forms::Unload(detalle);
    });
  }
  // Three valid unanswered reported debts in grid 1, two in grid 2, one that
  // cannot be included and two debts the taxpayer added.
  void DeclaraDeudas() {
    Declara(kRucAndina, 1,
            {Deuda{"01", "00", "201003", "010101", "1", "001000", "100.00", "100.00"},
             Deuda{"01", "00", "201002", "010101", "2", "001000", "200.00", "200.00"},
             Deuda{"01", "00", "201001", "010101", "3", "001000", "300.00", "300.00"},
             Deuda{"02", "00", "201002", "010101", "4", "001000", "400.00", "400.00"},
             Deuda{"03", "07", "201001", "010101", "5", "001000", "500.00", "500.00"},
             Deuda{"01", "16", "200912", "010101", "6", "001000", "600.00", "600.00"},
             Deuda{"01", "18", "200911", "010101", "7", "001000", "700.00", "700.00"},
             Deuda{"04", "00", "201004", "010101", "8", "001000", "800.00", "800.00", "1"},
             Deuda{"04", "00", "201004", "010101", "8", "002000", "810.00", "810.00", "1"}});
  }
  Filas Respuestas(const std::string& condicion) {
    return Consulta("SELECT num_doc, ind_acog, ind_conf, mto_tributo_c, mto_act_c FROM "
                    "TMP_F0942DEUDAS WHERE " + condicion + " ORDER BY num_doc");
  }
  std::vector<Apertura> aperturas_;
};

TEST_F(Frm942FilasTest, EditHandsTheRowToTheReportedDebtWindowAndComesBackToIt) {
  DeclaraDeudas();
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    for (int n : {1, 2}) {
      driver_.ChooseTab(frm.SSTab1, n);
      driver_.PickRow(frm.TDBGrid(n), 1);
      frm.bModificado = false;
      driver_.Click(frm.cmdEdit(n));
      EXPECT_TRUE(frm.bModificado) << n;
      EXPECT_EQ(frm.TDBGrid(n).CurrentRow(), 1) << n;
      EXPECT_EQ(frm.lblTab(n).Caption(), n == 1 ? "Total de registros : 2 de 3" : "Total de registros : 2 de 2");
      EXPECT_EQ(frm.nPosicion, 0);
    }
    EXPECT_EQ(aperturas_, (std::vector<Apertura>{{"frmCondeuDet", 1, "E", 1}, {"frmCondeuDet", 2, "E", 1}}));
    EXPECT_EQ(frm.txtmtototal(1).Text(), "1,300");
    EXPECT_EQ(frm.txtmtototal(2).Text(), "1,300");
    // The stored answer reached box b through the total, and with it the
    // minimum initial payment that a stored debt asks for.
    EXPECT_EQ(frm.txtValor(500).Text(), "5,510");
    EXPECT_EQ(frm.txtValor(535).Text(), "0");
  });
}

// A double click opens the row like the edit button but leaves the form's
// changed flag alone; grid 5 opens nothing and keeps its row.
TEST_F(Frm942FilasTest, DoubleClickOpensTheRowsWindowButGridFiveOpensNone) {
  DeclaraDeudas();
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    for (int n : {1, 3, 5}) {
      driver_.ChooseTab(frm.SSTab1, n);
      frm.bModificado = false;
      driver_.DblClickRow(frm.TDBGrid(n), 1);
      // Only the answer stored in grid 1 changes box b, whose cascade marks the form.
      EXPECT_EQ(frm.bModificado, n == 1) << n;
      EXPECT_EQ(frm.TDBGrid(n).CurrentRow(), 1) << n;
    }
    EXPECT_EQ(aperturas_,
              (std::vector<Apertura>{{"frmCondeuDet", 1, "E", 1}, {"FrmNoNotificada", 3, "E", 1}}));
  });
}

TEST_F(Frm942FilasTest, SentDeclarationsRowsOpenNoWindow) {
  Declaracion d{kRucRio, "201005", 2, "15/06/2010", "15/07/2010", "002"};
  InsertaDeclaracion(d);
  InsertaDeuda("H", Clave(d) + ", '002'",
               {"02", "00", "201001", "052100", "7", "101000", "300.00", "300.00", "1"});
  Abre(kRucRio, [this](Frm942& frm) {
    driver_.ChooseTab(frm.SSTab1, 2);
    driver_.DblClickRow(frm.TDBGrid(2), 0);
    EXPECT_EQ(giIndexGrid, 2);
    EXPECT_EQ(frm.TDBGrid(2).CurrentRow(), 0);
  }, true);
  EXPECT_EQ(aperturas_, std::vector<Apertura>{});
}

// Only a debt that cannot be included, which gives the debt file's date.
TEST_F(Frm942FilasTest, EmptyGridHasNothingToAnswerOrDelete) {
  Declara(kRucAndina, 1, {Deuda{"01", "16", "200912", "010101", "6", "001000", "600.00", "600.00"}});
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    struct Caso {
      forms::CommandButton& boton;
      int tab;
      std::string mensaje;
    } casos[] = {
        {frm.cmdEdit(1), 1, "No existen registros disponibles para actualizar"},
        {frm.cmdEdit(3), 3, "No existen registros disponibles para actualizar"},
        {frm.cmdDelete(3), 3, "No existen registros disponibles para eliminar"},
        {frm.CmdAcoge(1), 1, "No existen registros disponibles para actualizar."},
        {frm.CmdNoAcoge(2), 2, "No existen registros disponibles para actualizar."},
    };
    for (const auto& c : casos) {
      driver_.ChooseTab(frm.SSTab1, c.tab);
      driver_.Expect({c.mensaje, forms::vbInformation, "Información"});
      driver_.Click(c.boton);
    }
    EXPECT_EQ(frm.Tag(), "D");
  });
  EXPECT_EQ(aperturas_, std::vector<Apertura>{});
}

TEST_F(Frm942FilasTest, NewAndModifyOpenTheNonNotifiedWindowWithTheirTag) {
  DeclaraDeudas();
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    frm.bModificado = false;
    driver_.Click(frm.cmdNew(3));
    EXPECT_TRUE(frm.bModificado);
    EXPECT_EQ(frm.lblTab(3).Caption(), "Total de registros : 1 de 3");
    EXPECT_EQ(frm.txtmtototal(3).Text(), "1,910");
    driver_.PickRow(frm.TDBGrid(3), 2);
    driver_.Click(frm.cmdEdit(3));
    EXPECT_EQ(frm.TDBGrid(3).CurrentRow(), 2);
  });
  EXPECT_EQ(aperturas_, (std::vector<Apertura>{{"FrmNoNotificada", 0, "N", 0}, {"FrmNoNotificada", 0, "E", 2}}));
  EXPECT_EQ(driver_.ModalForms().back(), "FrmNoNotificada");
}

// The added debt goes by its stored key: the other debt of the same period, tax
// and number stays. A row whose key changed behind the form is reported, not
// announced as deleted.
TEST_F(Frm942FilasTest, DeletingAnAddedDebtTakesExactlyItsRow) {
  DeclaraDeudas();
  const MessageBoxCall pregunta{"¿Confirma que va a eliminar el registro seleccionado?",
                                forms::vbYesNo + forms::vbDefaultButton2 + forms::vbQuestion, kTitulo};
  Abre(kRucAndina, [&](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    driver_.PickRow(frm.TDBGrid(3), 1);
    driver_.Expect(pregunta, forms::vbNo);
    std::size_t nMensajes = driver_.MessageBoxes().size() + 1;
    driver_.Click(frm.cmdDelete(3));
    EXPECT_EQ(driver_.MessageBoxes().size(), nMensajes);
    EXPECT_EQ(Cuenta("TMP_F0942DEUDAS WHERE ind_tip_deu = '04'"), 2);
    std::string tipoDoc = vb::CStr(frm.TDBGrid(3).Columns("cod_tip_doc").Value());
    driver_.Expect(pregunta, forms::vbYes);
    driver_.Expect({"Se eliminó el registro satisfactoriamente", forms::vbInformation, kTitulo});
    driver_.Click(frm.cmdDelete(3));
    EXPECT_EQ(Consulta("SELECT num_doc, cod_tip_doc FROM TMP_F0942DEUDAS WHERE ind_tip_deu = '04'"),
              (Filas{{"8", tipoDoc == "001000" ? "002000" : "001000"}}));
    EXPECT_EQ(frm.lblTab(3).Caption(), "Total de registros : 1 de 1");
    Ejecuta("UPDATE TMP_F0942DEUDAS SET num_doc = '9' WHERE ind_tip_deu = '04'");
    driver_.Expect(pregunta, forms::vbYes);
    driver_.Expect({"No se pudo eliminar el registro seleccionado.", forms::vbCritical, kTitulo});
    driver_.Click(frm.cmdDelete(3));
    EXPECT_EQ(Cuenta("TMP_F0942DEUDAS WHERE ind_tip_deu = '04'"), 1);
  });
}

// "Acoger todas" includes every unanswered valid debt with the reported amounts
// brought up to the acceptance date, except a debt under appeal; "No acoge"
// leaves that one out too. Answered debts and status "0" stay as they were.
TEST_F(Frm942FilasTest, AcceptAllAndExcludeAllAnswerOnlyUnansweredValidDebts) {
  Declara(kRucAndina, 1,
          {Deuda{"01", "00", "201003", "010101", "1", "001000", "100.00", "100.00"},
           Deuda{"01", "00", "201002", "010101", "2", "001000", "200.00", "200.00"},
           Deuda{"01", "00", "201001", "010101", "3", "001000", "300.00", "0", "2"},
           Deuda{"01", "0", "200912", "010101", "9", "001000", "5.00", "5.00"},
           Deuda{"02", "00", "201002", "010101", "4", "001000", "400.00", "400.00"},
           Deuda{"03", "07", "201001", "010101", "5", "001000", "500.00", "500.00"}});
  Ejecuta("UPDATE F0942DEUDAS SET ind_impugnado = '01' WHERE num_doc = '2'");
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 1);
    driver_.Expect({"Se modificarán las deudas sin marcar como acogidas. ¿ Desea continuar ?",
                    forms::vbYesNo + forms::vbQuestion, kTitulo},
                   forms::vbYes);
    driver_.Click(frm.CmdAcoge(1));
    EXPECT_EQ(Respuestas("ind_tip_deu = '01'"), (Filas{{"1", "1", "1", "100.00", "100"},
                                                       {"2", "Null", "Null", "200.00", "200.00"},
                                                       {"3", "2", "Null", "0", "0"},
                                                       {"9", "Null", "Null", "5.00", "5.00"}}));
    EXPECT_EQ(Rejilla(frm.TDBGrid(1), {3, 5, 24}),
              (std::vector<std::vector<std::string>>{
                  {"1", "100", "SI"}, {"2", "200", ""}, {"3", "0", "NO"}, {"9", "5", ""}}));
    driver_.Expect({"Se modificarán las deudas sin marcar como no acogidas. ¿ Desea continuar ?",
                    forms::vbYesNo + forms::vbQuestion, kTitulo},
                   forms::vbYes);
    driver_.Click(frm.CmdNoAcoge(1));
    EXPECT_EQ(Respuestas("num_doc in ('2', '9')"),
              (Filas{{"2", "2", "Null", "0", "0"}, {"9", "Null", "Null", "5.00", "5.00"}}));
    EXPECT_EQ(Rejilla(frm.TDBGrid(1), {3, 5}).at(1), (std::vector<std::string>{"2", "0"}));
    driver_.Expect({"No existen deudas sin acoger", forms::vbInformation, kTitulo});
    driver_.Click(frm.CmdAcoge(1));
    // Declined, nothing changes.
    driver_.ChooseTab(frm.SSTab1, 2);
    driver_.Expect({"Se modificarán las deudas sin marcar como no acogidas. ¿ Desea continuar ?",
                    forms::vbYesNo + forms::vbQuestion, kTitulo},
                   forms::vbNo);
    driver_.Click(frm.CmdNoAcoge(2));
    EXPECT_EQ(Respuestas("ind_tip_deu in ('02', '03')"),
              (Filas{{"4", "Null", "Null", "400.00", "400.00"}, {"5", "Null", "Null", "500.00", "500.00"}}));
  });
}

}  // namespace
}  // namespace korva::prueba
