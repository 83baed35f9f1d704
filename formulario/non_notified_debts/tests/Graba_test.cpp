// Storing an accepted entry: the row a new debt becomes, with its check code
// computed here from the row's fields; the columns of each kind of debt; an
// edit's new amounts; the refusals of a duplicate and of a reported
// instalment; the request form's tab afterwards and the deletion of the row.
#include <cmath>
#include <cstdlib>

#include "formulario/non_notified_debts/tests/prueba_no_notificada.h"
#include "platform/vb/format.h"

namespace korva::prueba {
namespace {

using Textos = std::vector<std::string>;

constexpr const char* kCaption = "Otras deudas - (Nuevo)";
constexpr const char* kColumnas =
    "tip_doc_d, doc_id_d, periodo, formulario, semana, Ind_tip_deu, per_doc, cod_tri, Num_doc, "
    "Cod_for, Cod_tip_doc, Cod_tri_aso, Ind_ver_deu, Fec_des_deu, Num_cuo, Fec_ult_cap, Num_pro, "
    "mto_tributo_s, mto_int_cap_s, mto_int_s, mto_act_s, ind_acog, ind_conf, mto_tributo_c, "
    "mto_int_cap_c, mto_int_c, mto_act_c, Cod_for_dj, Num_ord_dj, Ind_valor, Ind_deuda_dj, "
    "Ind_impugnado, cnumero";

// The check code of a row read field by field: numbers, texts trimmed, dates
// as yyyymmdd, Null as "". The first n fields add their leading numbers, the
// others (the last one left out) each character's code times its position.
std::string CodigoDeControl(dao::Recordset& rs, int n) {
  double a = 0;
  long long b = 0;
  for (int i = 0; i + 1 < rs.Fields().Count(); ++i) {
    vb::Variant valor = rs(i).Value();
    std::string texto = valor.IsNull()                        ? ""
                        : valor.Type() == vb::vbDate ? vb::Format(valor, "yyyymmdd")
                                                              : vb::Trim(vb::CStr(valor));
    if (i < n) {
      a += std::strtod(texto.c_str(), nullptr);
      continue;
    }
    for (std::size_t j = 0; j < texto.size(); ++j)
      b += static_cast<long long>(j + 1) * static_cast<unsigned char>(texto[j]);
  }
  auto ultimas3 = [](long long x) {
    std::string s = "000" + std::to_string(x);
    return s.substr(s.size() - 3);
  };
  return ultimas3(std::llround(a)) + ultimas3(b);
}

class GrabaTest : public PruebaNoNotificada {
 protected:
  // An entry the check accepts: a valor of IGV for January 2010, order of
  // payment `numero`, tax amount `tributo` and no interest.
  void Valor(FrmNoNotificada& v, const std::string& numero, const std::string& tributo = "100.00") {
    driver_.Select(v.cboTipoDeuda, 0);
    driver_.Type(v.mkePeriodo, "012010");
    driver_.Select(v.cboTributo, Indice(v.cboTributo, "1011"));
    driver_.Focus(v.cboDocumento);
    driver_.Select(v.cboDocumento, Indice(v.cboDocumento, "003000"));
    v.txtNumDocumento.SetText(numero);
    Montos(v, tributo, "0.00", "0.00");
  }
  static void Montos(FrmNoNotificada& v, const std::string& t, const std::string& c,
                     const std::string& i) {
    v.txtmtoTributo.SetText(t);
    v.TxtMtoInteresesCAP.SetText(c);
    v.TxtMtoIntereses.SetText(i);
  }
  void Acepta(FrmNoNotificada& v, const std::string& mensaje = "La información se grabó con éxito",
              int estilo = forms::vbInformation) {
    driver_.Expect({mensaje, estilo, v.Caption()});
    driver_.Click(v.cmdOpcion(0));
  }
  Filas Agregadas(const std::string& columnas = kColumnas) {
    return Consulta("SELECT " + columnas +
                    " FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04' ORDER BY per_doc, num_doc");
  }
  std::string CodigoCalculado(const std::string& numDoc, int n) {
    dao::RecordsetPtr rs = gDB->OpenRecordset(
        "SELECT * FROM TMP_F0942DEUDAS WHERE Ind_tip_deu = '04' AND num_doc = " + vb::SqlText(numDoc),
        dao::dbOpenSnapshot);
    std::string codigo = CodigoDeControl(*rs, n);
    rs->Close();
    return codigo;
  }
};

// Every column of the new row; the window is then cleared for the next debt
// with the focus on the period, and grid 3 shows the debt.
TEST_F(GrabaTest, ANewValorIsStoredWithEveryColumnAndItsCheckCodeAndShowsInTheGrid) {
  Declara942(1);
  Entra("N", [this](FrmNoNotificada& v) {
    Valor(v, "123312345", "1,234.50");
    v.TxtMtoInteresesCAP.SetText("0.00");
    v.TxtMtoIntereses.SetText("10.40");
    Acepta(v);
    Filas filas = Agregadas();
    ASSERT_EQ(filas.size(), 1u);
    std::string codigo = CodigoCalculado("123312345", 9);
    EXPECT_EQ(filas[0],
              (Textos{"6", kRucAndina, "201005", "0942", "1", "04", "201001", "010101", "123312345",
                      "0", "003000", "000000", "00", "15/05/2010 08:00:00 a.m.", "0",
                      "01/01/1901", "Null", "0.00", "0.00", "0.00", "0.00", "1", "1", "1234.50",
                      "0.00", "10.40", "1245", "1", "Null", "1", "0", "Null", codigo}));
    EXPECT_EQ(Aspectos({&v.mkePeriodo, &v.cboTipoDeuda, &v.txtmtoTributo, &v.lblMtoAcogido}),
              (Textos{"habilitado ventana '__/____'", "habilitado ventana ''",
                      "habilitado ventana ''", "habilitado gris ''"}));
    EXPECT_EQ(v.ActiveControl(), &v.mkePeriodo);
    Frm942& frm = forms::Instance<Frm942>();
    EXPECT_EQ(frm.TDBGrid(3).RowCount(), 1);
    EXPECT_EQ(frm.txtmtototal(3).Text(), "0");
  }, 0, [](Frm942& frm) { EXPECT_EQ(frm.txtmtototal(3).Text(), "1,245"); });
}

}  // namespace
}  // namespace korva::prueba
