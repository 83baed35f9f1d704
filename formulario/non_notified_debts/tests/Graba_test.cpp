// Storing an accepted entry: the row a new debt becomes, with its check code
// computed here from the row's fields; the columns of each kind of debt; an
// edit's new amounts; the refusals of a duplicate and of a reported
// instalment; the request form's tab afterwards and the deletion of the row.

#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"
#include "platform/vb/format.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

constexpr const char* kColumnas =
    "tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, per_doc, cod_tri, Num_doc, "
    "Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, Num_cuo, Fec_ult_cap, Num_pro, "
    "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
    "mto_int_cap_c, mto_int_c, mto_act_c, Cod_for_dj, Num_ord_dj, Ind_valor, Ind_deuda_dj, "
    "Ind_impugnado, cnumero";
constexpr const char* kDocumento =
    "Num_doc, Cod_for, Cod_tip_doc, Cod_tri_aso, Num_cuo, ind_conf, Cod_for_dj, Num_ord_dj, "
    "Ind_valor, Ind_deuda_dj";
constexpr const char* kSinTipo = "No ha ingresado tipo de resolución. ¿Desea continuar?";

class GrabaTest : public PruebaNoNotificada {
 protected:
  Filas Agregadas(const std::string& columnas = kColumnas) {
    return Consulta("SELECT " + columnas +
                    " FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04' ORDER BY per_doc, num_doc");
  }
  std::string CodigoCalculado(int n) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(
        "SELECT * FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04'", dao::dbOpenSnapshot);
    std::string codigo = CodigoDeControl(*rs, n);
    rs->Close();
    return codigo;
  }
  void FormularioDeTributo(const std::string& argumento, const std::string& tributo) {
    Ejecuta("INSERT INTO PARAM (Numero, Argumento, Funcion, Correl_Param) VALUES ('728', " +
            vb::SqlText(argumento) + ", " + vb::SqlText(tributo + " 2003") + ", '000')");
  }
};

// The window is then cleared for the next debt with the focus on the period,
// and grid 3 shows the debt; its total is the request form's once the window
// closes. The copy into the stored debts that storing the declaration makes
// takes the row, and the declaration opened again shows it.
TEST_F(GrabaTest, ANewValorIsStoredWithEveryColumnAndItsCheckCodeAndShowsInTheGrid) {
  Declara942(1);
  Entra(
      "N",
      [this](FrmNoNotificada& v) {
        Acepta(v, Valor({.montos = {"1,234.50", "0.00", "10.40"}, .foco = "mkePeriodo"}), 1);
        Filas filas = Agregadas();
        ASSERT_EQ(filas.size(), 1u);
        EXPECT_EQ(filas[0], (Textos{"6", kRucAndina, "201005", "0942", "1", "04", "201001",
                                    "010101",
                                    "123312345", "0", "003000", "000000", "00",
                                    "15/05/2010 08:00:00 a.m.", "0", "01/01/1901", "Null", "0.00",
                                    "0.00", "0.00", "0.00", "1", "1", "1234.50", "0.00", "10.40",
                                    "1245", "1", "Null", "1", "0", "Null", CodigoCalculado(9)}));
        EXPECT_EQ(Aspectos({&v.mkePeriodo, &v.cboTipoDeuda, &v.txtmtoTributo, &v.lblMtoAcogido}),
                  (Textos{"habilitado ventana '__/____'", "habilitado ventana ''",
                          "habilitado ventana ''", "habilitado gris ''"}));
        Frm942& frm = forms::Instance<Frm942>();
        EXPECT_EQ(frm.TDBGrid(3).RowCount(), 1);
        EXPECT_EQ(frm.txtmtototal(3).Text(), "0");
      },
      0,
      [](Frm942& frm) {
        EXPECT_EQ(frm.txtmtototal(3).Text(), "1,245");
        frm.CargaDataTemporales("G");
      });
  Abre(kRucAndina, [this](Frm942& frm) {
    Identifica(frm);
    driver_.ChooseTab(frm.SSTab1, 3);
    EXPECT_EQ(frm.TDBGrid(3).RowCount(), 1);
    EXPECT_EQ(frm.txtmtototal(3).Text(), "1,245");
  });
}

// The installer made the working tables again behind the open request form: a
// new debt is not added to tables that no longer hold the declaration; the
// user is told and nothing is stored.
TEST_F(GrabaTest, ANewDebtIsNotStoredOnceTheWorkingTablesLostTheDeclaration) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    InstalaTablas();
    Acepta(v, Valor({.caja = {kTemporalesPerdidas, forms::vbCritical, kTituloNuevo}}), 1);
    EXPECT_EQ(Agregadas(), Filas{});
    EXPECT_EQ(dao::Engine().Workspaces(0).TransactionLevel(), 0);
  });
}

// Document, associated tax, quota, agreement, debt type, payment type and the
// two flags of each kind of debt. A blank key column holds "0" (an order
// number, a document) or "0000" (a form); a fine that takes no associated tax
// holds "000000".
TEST_F(GrabaTest, DocumentColumnsFollowTheDebtTypeAndTheSwornDeclarationAnswer) {
  FormularioDeTributo("062109", "020101");
  FormularioDeTributo("062110", "030304");
  Ejecuta("UPDATE PARAM SET Funcion = Left(Funcion, 58) & '1' & Mid(Funcion, 60) "
          "WHERE Numero = '725' AND Argumento = '050507'");
  auto asociado = [](FrmNoNotificada& v) {
    v.CboTributoAsociado.SetListIndex(Indice(v.CboTributoAsociado, "3011"));
  };
  const std::vector<Caso> tesoro = {
      {.tipo = 2, .tributo = "6041", .ajusta = asociado, .pregunta = kSinTipo,
       .foco = "mkePeriodo"},
      {.tipo = 2, .tributo = "6041", .documento = "002001", .numero = "12345", .ajusta = asociado,
       .pregunta = "La comunicación de infracción debe ser de 13 o 14 caracteres. Se grabará en "
                   "blanco ¿Desea continuar?",
       .foco = "mkePeriodo"},
      {.tipo = 1, .dj = 0, .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "13/2009", .tributo = "3037", .dj = 1, .formulario = "0000",
       .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "12/2008", .tributo = "2011", .dj = 1, .formulario = "0621",
       .orden = "5", .semana = 2, .montos = {"0.00", "10.00", "0.00"}, .foco = "mkePeriodo"},
      {.tipo = 1, .periodo = "03/2009", .tributo = "3034", .dj = 1, .formulario = "0621",
       .orden = "5", .pago = 1, .foco = "mkePeriodo"},
  };
  const std::vector<Caso> fonavi = {
      {.tipo = 2, .tributo = "6131", .pregunta = kSinTipo, .foco = "mkePeriodo"},
      {.tipo = 1, .tributo = "5057", .dj = 0, .aviso = true, .foco = "mkePeriodo"},
  };
  const std::vector<Textos> esperados = {
      {"0", "0", "0", "030101", "0", "1", "3", "Null", "0", "0"},
      {"0", "0", "002001", "030101", "0", "1", "3", "Null", "0", "0"},
      {"0", "0000", "0", "000000", "0", "0", "2", "Null", "0", "1"},
      {"0", "0000", "0", "000000", "0", "1", "2", "Null", "0", "1"},
      {"5", "0621", "0", "000000", "2", "1", "2", "Null", "0", "1"},
      {"5", "0621", "0", "000000", "1", "1", "2", "1", "0", "1"},
      {"0", "0", "0", "000000", "0", "1", "3", "Null", "0", "0"},
      {"0", "0000", "0", "000000", "0", "1", "2", "Null", "0", "1"},
  };
  std::size_t n = 0;
  auto comprueba = [&](FrmNoNotificada&, const Caso& c) {
    EXPECT_EQ(Agregadas(kDocumento), Filas{esperados[n++]}) << c.tributo;
  };
  Comprueba(1, tesoro, comprueba);
  OlvidaDeclaracion();
  Comprueba(5, fonavi, comprueba);
  EXPECT_EQ(n, esperados.size());
}

// The same added debt twice: the table's key refuses the second one, which
// leaves the entry on screen; without a download date in the grids (the
// reported debt's taken away once the acceptance date was checked) the row
// has none, nor a procedure number.
TEST_F(GrabaTest, ASecondEqualDebtIsRefusedAndADebtWithoutDownloadDateStoresNone) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    Ejecuta("UPDATE TMP_F0942DEUDAS SET Fec_des_deu = Null");
    forms::Instance<Frm942>().CargaTabIndex(1);
    Caso c{.tipo = 1, .dj = 0, .foco = "mkePeriodo"};
    Acepta(v, c, 1);
    c.caja = {"La información que quiere actualizar ya se encuentra registrada.",
              forms::vbExclamation, kTituloNuevo};
    Acepta(v, c, 1);
    EXPECT_EQ(Aspectos({&v.mkePeriodo, &v.txtmtoTributo}),
              (Textos{"habilitado ventana '01/2010'", "habilitado ventana '100.00'"}));
    EXPECT_EQ(Agregadas("Num_doc, Fec_des_deu, Num_pro"), (Filas{{"0", "Null", "Null"}}));
  });
}

// An earlier regime's instalment the administration reported for the period,
// or with an order of payment of its balance for any period, is not added.
TEST_F(GrabaTest, AReportedInstalmentRefusesTheEntryBeforeAnythingIsWritten) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    const struct {
      const char* fila;
      const char* mensaje;
    } casos[] = {
        {"'01', '201001', '080207', '7', Null",
         "La OP que esta ingresando ya se encuentra registrada en valores."},
        {"'02', '200812', '080207', '7', '3'",
         "Tiene Op saldo emitida, no es posible acoger cuotas."},
    };
    for (const auto& c : casos) {
      Ejecuta("INSERT INTO TMP_F0942DEUDAS (tip_doc_d, doc_id_d, periodo, formulario, semana, "
              "Ind_tip_deu, per_doc, cod_tri, Num_doc, Num_ord_dj, Cod_for, Cod_tip_doc, "
              "Cod_tri_aso) VALUES (" +
              Clave({kRucAndina, "201005", 1}) + ", " + c.fila + ", '0', '0', '000000')");
      driver_.Answer(forms::vbOK);
      Teclea(v, {.tipo = 1, .tributo = "8027", .dj = 0});
      driver_.Expect({c.mensaje, forms::vbExclamation, kTituloNuevo});
      v.GrabaDatos();
      EXPECT_TRUE(Agregadas().empty()) << c.mensaje;
      EXPECT_EQ(v.mkePeriodo.Text(), "01/2010");
      Ejecuta("DELETE FROM TMP_F0942DEUDAS WHERE num_doc = '7'");
    }
  });
}

// A sworn declaration without order number ("0"): the edit finds its row and
// rewrites the four accepted amounts and the check code (over the first 10
// fields) only; "&Eliminar" then deletes it.
TEST_F(GrabaTest, AnEditRewritesOnlyTheAmountsAndCheckCodeAndEliminarDeletesTheRow) {
  Declara942(1, {{.tipo = "2", .periodo = "200913", .tributo = "030307", .numero = "0",
                  .formulario = "0000", .tipoDoc = "0", .deudaDJ = 1}});
  Filas esperadas;
  Entra(
      "E",
      [&](FrmNoNotificada& v) {
        esperadas = Agregadas();
        v.txtmtoTributo.SetText("300.00");
        v.TxtMtoIntereses.SetText("20.60");
        driver_.Expect({"La información se modificó con éxito", forms::vbInformation,
                        "Otras deudas - (Modificación)"});
        driver_.Click(v.cmdOpcion(0));
        EXPECT_FALSE(v.IsLoaded());
      },
      0,
      [&](Frm942& frm) {
        ASSERT_EQ(esperadas.size(), 1u);
        Textos& fila = esperadas[0];
        fila[23] = "300.00";
        fila[25] = "20.60";
        fila[26] = "321";
        fila[32] = CodigoCalculado(10);
        EXPECT_EQ(Agregadas(), esperadas);
        driver_.PickRow(frm.TDBGrid(3), 0);
        driver_.Answer(forms::vbYes);
        driver_.Expect({"Se eliminó el registro satisfactoriamente", forms::vbInformation,
                        frm.Caption()});
        driver_.Click(frm.cmdDelete(3));
        EXPECT_TRUE(Agregadas().empty());
      });
}

}  // namespace
}  // namespace korva::prueba
