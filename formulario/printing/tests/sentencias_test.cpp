#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"

namespace korva::prueba {
namespace {

class PrintingTest : public PruebaDeclaracion {
 protected:
  std::string Annex(const std::string& table, const std::string& clauses, bool sent) {
    return "SELECT * FROM " + table + " " + "WHERE doc_id_d = '" + kRuc + "' " + "AND periodo = '201003' " +
           "AND Semana = 1 " + (sent ? " AND Correl = '001'" : "") + clauses + " ORDER BY per_doc DESC, cod_tri ";
  }
  std::vector<std::string> NumDocs(const std::string& sql) {
    std::vector<std::string> numbers;
    for (const auto& row : Consulta(sql)) numbers.push_back(row[row.size() == 34 ? 9 : 8]);
    return numbers;
  }
};

TEST_F(PrintingTest, PrintDialogListsDeclarationsAndLoadsTheirBoxes) {
  auto list = [](bool sent, bool ownOnly) {
    return std::string("SELECT A.TIP_DOC_D, A.DOC_ID_D, B.NOMBRE, A.FORMULARIO, mid(C.funcion,31,12) as tipo_doc, ") +
           "(SELECT mid(funcion,1,12) FROM PARAM " + "WHERE numero = '727' AND val(argumento) = a.semana ) as Entidad, semana, " +
           "mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO" + (sent ? ", CORREL" : "") +
           (sent ? " FROM HCAB AS A, CONT AS B, PARAM AS C " : " FROM CAB AS A, CONT AS B, PARAM AS C ") +
           " WHERE A.DOC_ID_D=B.DOC_ID_D AND" + " A.TIP_DOC_D=B.TIP_DOC_D AND" + " A.FORMULARIO='" + "0942" + "' AND" +
           (ownOnly ? " B.USUARIO='ANA' AND " : "") + " C.NUMERO='044' AND val(C.ARGUMENTO)=A.TIP_DOC_D " +
           " ORDER BY A.TIP_DOC_D ASC, A.DOC_ID_D ASC ";
  };
  EXPECT_EQ(Consulta(list(false, false)).size(), 2u);
  EXPECT_EQ(Consulta(list(false, true)),
            (Filas{{"6", "20100012345", "ACME SA", "0942", "R.U.C.      ", "TESORO", "1", "032010"}}));
  EXPECT_EQ(Consulta(list(true, false)),
            (Filas{{"6", "20100012345", "ACME SA", "0942", "R.U.C.      ", "TESORO", "1", "032010", "001"}}));
  std::string boxes = std::string("SELECT CASILLA, I_VALOR FROM DET ") + " WHERE TIP_DOC_D=" + "6" + " AND DOC_ID_D='" +
                      kRuc + "' " + " AND periodo ='" + "201003" + "' " + " AND FORMULARIO='" + "0942" + "'" +
                      " AND SEMANA=" + "1";
  EXPECT_EQ(Consulta(boxes), (Filas{{"500", "1000"}, {"501", "0"}, {"506", "1"}, {"721", "1.5"}}));
  std::string sentBoxes = boxes;
  sentBoxes.replace(sentBoxes.find("FROM DET"), 8, "FROM HDET");
  EXPECT_EQ(Consulta(sentBoxes + " AND CORREL='" + "001" + "'").size(), 4u);
}

TEST_F(PrintingTest, AnnexesSelectTheirCategories) {
  dao::Engine().BeginTrans();
  AgregaDeuda("F0942DEUDAS", "01", "200902", "030701", "V2", "00", "2");
  AgregaDeuda("F0942DEUDAS", "01", "200903", "030701", "V3", "07");
  AgregaDeuda("F0942DEUDAS", "02", "200904", "010101", "D1", "08", "1");
  AgregaDeuda("F0942DEUDAS", "03", "200905", "010101", "I1", "16");
  AgregaDeuda("F0942DEUDAS", "04", "200906", "030701", "N1", "00", "1");
  gDB->Execute("UPDATE F0942DEUDAS SET Ind_valor = 1 WHERE Num_doc = 'N1'");
  dao::Engine().CommitTrans();
  struct Case {
    const char* clauses;
    std::vector<std::string> numbers;
  } cases[] = {
      {"AND Ind_tip_deu = '01' AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1 ", {"V1"}},
      {"AND Ind_tip_deu = '01' AND ind_ver_deu in ( '00', '07', '08' ) AND ( ind_acog = 2 OR ind_acog is null ) ",
       {"V3", "V2"}},
      {"AND Ind_tip_deu = '02' AND ind_ver_deu in ( '00', '07', '08' ) ", {"D1"}},
      {"AND Ind_tip_deu = '04' AND Ind_valor = 1 ", {"N1"}},
      {"AND Ind_tip_deu = '04' AND Ind_valor <> 1 AND Ind_deuda_dj <> 1 ", {}},
      {" AND Ind_tip_deu IN ('01','02','03')  AND ind_ver_deu not in ( '0','00', '07', '08' ) ", {"I1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(NumDocs(Annex("F0942DEUDAS", c.clauses, false)), c.numbers) << c.clauses;
  // The correlative clause ends at its quote; the next clause follows it at once.
  EXPECT_EQ(NumDocs(Annex("HF0942DEUDAS", "AND Ind_tip_deu = '01' AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1 ",
                          true)),
            (std::vector<std::string>{"V1"}));
  dao::RecordsetPtr totals = gDB->OpenRecordset(Annex("F0942DEUDAS", "AND Ind_tip_deu = '01' ", false), dao::dbOpenSnapshot);
  vb::Currency total;
  for (; !totals->Eof(); totals->MoveNext()) total += vb::CCur(totals->Fields()["mto_act_s"].Value());
  EXPECT_EQ(vb::Format(vb::Variant(total), "###,###,###,##0.00"), "371.25");
}

TEST_F(PrintingTest, GuaranteeAndSendSummaryReadTheirRows) {
  Agrega("F0942GARANTIA", "6, '20100012345', '201003', '0942', 1, '1', '2', ' 125000.50 ', Null");
  dao::RecordsetPtr garantia = gDB->OpenRecordset(std::string("SELECT * FROM F0942GARANTIA ") + "WHERE tip_doc_d = 6 " +
                                                 "AND doc_id_d = '20100012345' " + "AND periodo = '201003' " +
                                                 "AND formulario = '" + "0942" + "' " + "AND Semana = 1",
                                             dao::dbOpenSnapshot);
  EXPECT_EQ(garantia->Fields()["mto_deuda"].Value().As<std::string>(), " 125000.50 ");
  dao::RecordsetPtr boxes = gDB->OpenRecordset(std::string("SELECT CASILLA, I_VALOR FROM DET") + " WHERE DOC_ID_D='" + kRuc +
                                              "'" + " AND PERIODO='201003'" + " AND FORMULARIO='" + "0942" + "'" +
                                              " AND SEMANA = " + "1" + " ",
                                          dao::dbOpenDynaset);
  boxes->MoveLast();
  boxes->MoveFirst();
  EXPECT_EQ(boxes->RecordCount(), 4);
  EXPECT_EQ(Consulta("Select nombre from cont where doc_id_d= " + std::string("'") + kRuc + "'" + "and tip_doc_d=" + "6"),
            (Filas{{"ACME SA"}}));
}

}  // namespace
}  // namespace korva::prueba
