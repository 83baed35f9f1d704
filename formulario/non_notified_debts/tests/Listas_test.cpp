// The code lists of the window and the reset of the document, sworn-declaration
// and associated-tax fields that the debt type and the tax decide.
#include "formulario/core/Globales.h"
#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

class ListasTest : public PruebaNoNotificada {};

// ESSALUD's taxes: 5210, the three regimes' instalment codes 5229, 5232 and
// 5233, and the fine 6111; PARAM 729 leaves 5229 out of its associated taxes.
TEST_F(ListasTest, TaxListsFollowTheEntityTheDebtTypeAndTheExclusionsOfParameter729) {
  const struct {
    bool asociado;
    const char* tipo;
    Textos codigos;
  } casos[] = {
      {false, "", {"5210", "5229", "5232", "5233", "6111"}},
      {false, "1", {"5210", "6111"}},
      {false, "2", {"5210", "5229", "5232", "5233"}},
      {false, "3", {"6111"}},
      {true, "", {"5210", "5232", "5233"}},
      {true, "1", {"5210", "5232", "5233"}},
      {true, "2", {"5210", "5229", "5232", "5233"}},
      {true, "3", {}},
  };
  Declara942(2);
  Entra("N", [&](FrmNoNotificada& v) {
    for (const auto& c : casos) {
      forms::ComboBox& lista = c.asociado ? v.CboTributoAsociado : v.cboTributo;
      v.CargaTributo(lista, "", c.tipo);
      EXPECT_EQ(Codigos(lista), c.codigos) << lista.Name() << " tipo '" << c.tipo << "'";
    }
    v.CargaTributo(v.cboTributo, "", " 3 ");
    EXPECT_EQ(gsSQL,
              "SELECT argumento, left(funcion,40) FROM PARAM WHERE numero = '725' AND "
              "mid(funcion,62,1) = '1' "
              "AND mid(funcion,68,1) = '1' ORDER BY argumento ");
    EXPECT_EQ(Items(v.cboTributo), Textos{"6111  " + Rellena("MULTAS - ESSALUD", 40)});
  });
}

// A stored code selects its item, which runs the list's Click (in new mode an
// instalment code tells its regime); an empty code selects nothing; a query
// without rows leaves the list and its selection as they were.
TEST_F(ListasTest, TaxListSelectsTheStoredCodeAndKeepsItsItemsWhenNoRowComes) {
  Declara942(2);
  Entra("N", [this](FrmNoNotificada& v) {
    driver_.TakeLog();
    const forms::MessageBoxCall regimen{
        "Usted ha seleccionado un código de tributo de fraccionamiento SEAP, por lo cual se "
        "entiende que desea acoger "
        "al fraccionamiento una cuota vencida pendiente de pago por la que no se ha emitido su "
        "correspondiente orden "
        "de pago.",
        forms::vbInformation, "Información"};
    driver_.Expect(regimen);
    v.CargaTributo(v.cboTributo, "052302", "");
    EXPECT_EQ(v.cboTributo.ListIndex(), 2);
    EXPECT_EQ(v.txtTributo.Text(), "ESSALUD - CUOTAS SEAP");
    EXPECT_EQ(driver_.TakeLog(),
              (Textos{"cboTributo_Click", "MsgBox: " + regimen.text, "TxtMtoInteresesCAP_Change"}));
    Ejecuta("DELETE FROM PARAM WHERE Numero = '725' AND mid(Funcion,62,1) = '1'");
    v.CargaTributo(v.cboTributo, "", "");
    EXPECT_EQ(v.cboTributo.ListIndex(), 2);
    EXPECT_EQ(v.cboTributo.ListCount(), 5);
    v.CargaTributo(v.CboTributoAsociado, "052100", "");
    EXPECT_EQ(v.CboTributoAsociado.ListIndex(), -1);
    EXPECT_EQ(driver_.TakeLog(), Textos{});
    // Leaving the period on the way out runs the tax's rules, and its message, again.
    driver_.Expect(regimen);
  });
}

// The document types of the entity's family: with a fine, only those of codes
// 002, 102 and 112, the infraction communications (ending 1) for an infraction
// and the others for a valor; with any other tax none of those.
TEST_F(ListasTest, DocumentTypesFollowTheEntitysFamilyTheTaxAndTheDebtType) {
  const struct {
    int entidad;
    int tipo;
    const char* tributo;
    Textos codigos;
  } casos[] = {
      {1, 2, "060401", {"002001"}},
      {1, 0, "060401", {"002000"}},
      {1, 1, "060401", {"002000", "002001"}},
      {1, 0, "010101", {"001000", "001004", "001005", "001007", "003000"}},
      {1, 2, "010101", {"001000", "001004", "001005", "001007", "003000"}},
      {3, 0, "053100", {"111000", "111004", "111005", "111007", "113000"}},
      {3, 2, "061201", {"112001"}},
      {2, 0, "052100", {"101000", "101004", "101005", "101007", "103000"}},
  };
  for (const auto& c : casos) {
    Declara942(c.entidad);
    Entra("N", [&](FrmNoNotificada& v) {
      v.cboTipoDeuda.SetListIndex(c.tipo);
      v.CargaTributo(v.cboTributo, c.tributo, "");
      v.CargaValoresNEW(v.cboDocumento, "");
      EXPECT_EQ(Codigos(v.cboDocumento, 6), c.codigos)
          << c.entidad << " " << c.tipo << " " << c.tributo;
      EXPECT_EQ(v.cboDocumento.ListIndex(), -1);
    });
    OlvidaDeclaracion();
  }
}

// What the reset leaves, right after it returns, for a debt type and tax: the
// document number, description and type, the "Si" and "No" options, the form
// code and order number, and the associated tax.
TEST_F(ListasTest, ResetOfTheFieldsFollowsTheDebtTypeAndWhetherTheTaxIsAFine) {
  const struct {
    const char* caso;
    int tipo;
    const char* tributo;
    const char* flag69;
    const char* descripcion;
    Textos aspectos;
  } casos[] = {
      {"tipo 2 y multa",
       1,
       "060401",
       "0",
       "",
       {"deshabilitado gris ''", "deshabilitado gris ''", "deshabilitado gris ''",
        "deshabilitado - ( )", "habilitado - (o)", "deshabilitado gris ''", "deshabilitado gris ''",
        "deshabilitado gris ''"}},
      {"tipo 1 y multa",
       0,
       "060401",
       "0",
       "",
       {"habilitado blanco ''", "deshabilitado blanco ''", "habilitado blanco ''",
        "deshabilitado - ( )", "deshabilitado - (o)", "deshabilitado gris ''",
        "deshabilitado gris ''", "deshabilitado gris ''"}},
      {"tipo 3, multa que toma tributo asociado",
       2,
       "060401",
       "0",
       "",
       {"habilitado blanco ''", "deshabilitado blanco ''", "habilitado blanco ''",
        "deshabilitado - ( )", "deshabilitado - (o)", "deshabilitado gris ''",
        "deshabilitado gris ''", "habilitado blanco ''"}},
      {"tipo 3, multa sin tributo asociado",
       2,
       "060401",
       "1",
       "",
       {"habilitado blanco ''", "deshabilitado blanco ''", "habilitado blanco ''",
        "deshabilitado - ( )", "deshabilitado - (o)", "deshabilitado gris ''",
        "deshabilitado gris ''", "deshabilitado gris ''"}},
      {"tipo 3 y otro tributo",
       2,
       "010101",
       "0",
       "",
       {"habilitado blanco ''", "deshabilitado blanco ''", "habilitado blanco ''",
        "habilitado - ( )", "deshabilitado - ( )", "deshabilitado gris ''", "deshabilitado gris ''",
        "deshabilitado gris ''"}},
      {"tipo 3, multa y descripción escrita",
       2,
       "060401",
       "0",
       "ESCRITA",
       {"habilitado blanco ''", "deshabilitado blanco 'ESCRITA'", "habilitado blanco ''",
        "deshabilitado - ( )", "deshabilitado - (o)", "deshabilitado gris ''",
        "deshabilitado gris ''", "deshabilitado gris ''"}},
  };
  Declara942(1);
  Entra("N", [&](FrmNoNotificada& v) {
    for (const auto& c : casos) {
      Ejecuta(std::string("UPDATE PARAM SET Funcion = Left(Funcion,68) & '") + c.flag69 +
              "' & Mid(Funcion,70) WHERE Numero = '725' AND Argumento = '060401'");
      v.cboTipoDeuda.SetListIndex(c.tipo);
      v.CargaTributo(v.cboTributo, c.tributo, "");
      v.txtNumDocumento.SetText("123");
      v.txtcodform.SetText("0621");
      v.txtNumOrd.SetText("9");
      v.txtDocumento.SetText(c.descripcion);
      v.Procesa_CboTributo();
      Textos aspectos =
          Aspectos({&v.txtNumDocumento, &v.txtDocumento, &v.cboDocumento, &v.OptRespDDJJ(1),
                    &v.OptRespDDJJ(0), &v.txtcodform, &v.txtNumOrd, &v.CboTributoAsociado});
      EXPECT_EQ(aspectos, c.aspectos) << c.caso;
      EXPECT_EQ(v.cboDocumento.ListCount(), 0) << c.caso;
    }
  });
}

// A tax without a PARAM 725 row, or no tax, leaves the associated tax as it is.
TEST_F(ListasTest, AssociatedTaxStaysAsItIsForATaxWithoutParameterRow) {
  Declara942(1);
  Entra("N", [](FrmNoNotificada& v) {
    v.cboTributo.AddItem("9999  SIN PARAMETRO");
    v.cboTributo.SetListIndex(v.cboTributo.NewIndex());
    v.CboTributoAsociado.SetEnabled(true);
    v.CboTributoAsociado.SetBackColor(FrmNoNotificada::kBlanco);
    v.Verifica_Tributo_Asociado();
    v.cboTributo.SetListIndex(-1);
    v.Verifica_Tributo_Asociado();
    EXPECT_EQ(Aspecto(v.CboTributoAsociado), "habilitado blanco ''");
  });
}

}  // namespace
}  // namespace korva::prueba
