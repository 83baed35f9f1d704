#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"

namespace dao::testing {
namespace {

class PrintingTest : public DeclarationTest {
 protected:
  // RegistraSpool: the next sequence of the report code and the next file number.
  std::string Register(const std::string& code) {
    RecordsetPtr rs =
        db_->OpenRecordset("SELECT max(Secuencia) as SecTipo FROM SPOOL Where CodRep = '" + code + "'", dbOpenSnapshot);
    vb::Variant sequence = rs->Fields()["SecTipo"].Value();
    double last = sequence.IsNull() ? 0 : vb::Val(vb::CStr(sequence));
    rs = db_->OpenRecordset("SELECT max(left(Archivo,8)) as SecRep FROM SPOOL", dbOpenSnapshot);
    vb::Variant file = rs->Fields()["SecRep"].Value();
    double number = file.IsNull() ? 0 : vb::Val(vb::CStr(file));
    std::string name = vb::Format(vb::Variant(number + 1), "00000000") + ".PRN";
    rs = db_->OpenRecordset("SELECT * FROM SPOOL", dbOpenDynaset);
    rs->AddNew();
    rs->Fields()["CodRep"] = code;
    rs->Fields()["secuencia"] = vb::Format(vb::Variant(last + 1), "000000");
    rs->Fields()["Archivo"] = name;
    rs->Fields()["Fecha"] = vb::Now();
    rs->Fields()["Usuario"] = "ANA";
    rs->Fields()["tip_doc_d"] = 6;
    rs->Fields()["doc_id_d"] = kRuc;
    rs->Update();
    rs->Close();
    return name;
  }
  std::string Annex(const std::string& table, const std::string& clauses, bool sent) {
    return "SELECT * FROM " + table + " " + "WHERE doc_id_d = '" + kRuc + "' " + "AND periodo = '201003' " +
           "AND Semana = 1 " + (sent ? " AND Correl = '001'" : "") + clauses + " ORDER BY per_doc DESC, cod_tri ";
  }
  std::vector<std::string> NumDocs(const std::string& sql) {
    std::vector<std::string> numbers;
    for (const auto& row : Rows(sql)) numbers.push_back(row[row.size() == 34 ? 9 : 8]);
    return numbers;
  }
};

TEST_F(PrintingTest, SpoolFilesAreNumberedAcrossReportCodes) {
  vb::SetClock([] { return vb::Date{vb::DateSerial(2010, 3, 16).serial + 0.25}; });
  EXPECT_EQ(Register("FR0001"), "00000001.PRN");
  EXPECT_EQ(Register("F36001"), "00000002.PRN");
  EXPECT_EQ(Register("FR0001"), "00000003.PRN");
  vb::SetClock({});
  EXPECT_EQ(Rows("SELECT CodRep, Secuencia, Archivo, Fecha, tip_doc_d FROM SPOOL ORDER BY Archivo"),
            (Table{{"FR0001", "000001", "00000001.PRN", "16/03/2010 06:00:00 a.m.", "6"},
                   {"F36001", "000001", "00000002.PRN", "16/03/2010 06:00:00 a.m.", "6"},
                   {"FR0001", "000002", "00000003.PRN", "16/03/2010 06:00:00 a.m.", "6"}}));
}

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
  EXPECT_EQ(Rows(list(false, false)).size(), 2u);
  EXPECT_EQ(Rows(list(false, true)),
            (Table{{"6", "20100012345", "ACME SA", "0942", "R.U.C.      ", "TESORO", "1", "032010"}}));
  EXPECT_EQ(Rows(list(true, false)),
            (Table{{"6", "20100012345", "ACME SA", "0942", "R.U.C.      ", "TESORO", "1", "032010", "001"}}));
  std::string boxes = std::string("SELECT CASILLA, I_VALOR FROM DET ") + " WHERE TIP_DOC_D=" + "6" + " AND DOC_ID_D='" +
                      kRuc + "' " + " AND periodo ='" + "201003" + "' " + " AND FORMULARIO='" + "0942" + "'" +
                      " AND SEMANA=" + "1";
  EXPECT_EQ(Rows(boxes), (Table{{"500", "1000"}, {"501", "0"}, {"506", "1"}, {"721", "1.5"}}));
  std::string sentBoxes = boxes;
  sentBoxes.replace(sentBoxes.find("FROM DET"), 8, "FROM HDET");
  EXPECT_EQ(Rows(sentBoxes + " AND CORREL='" + "001" + "'").size(), 4u);
}

TEST_F(PrintingTest, AnnexesSelectTheirCategories) {
  Engine().BeginTrans();
  AddDebt("F0942DEUDAS", "01", "200902", "030701", "V2", "00", "2");
  AddDebt("F0942DEUDAS", "01", "200903", "030701", "V3", "07");
  AddDebt("F0942DEUDAS", "02", "200904", "010101", "D1", "08", "1");
  AddDebt("F0942DEUDAS", "03", "200905", "010101", "I1", "16");
  AddDebt("F0942DEUDAS", "04", "200906", "030701", "N1", "00", "1");
  db_->Execute("UPDATE F0942DEUDAS SET Ind_valor = 1 WHERE Num_doc = 'N1'");
  Engine().CommitTrans();
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
  RecordsetPtr totals = db_->OpenRecordset(Annex("F0942DEUDAS", "AND Ind_tip_deu = '01' ", false), dbOpenSnapshot);
  vb::Currency total;
  for (; !totals->Eof(); totals->MoveNext()) total += vb::CCur(totals->Fields()["mto_act_s"].Value());
  EXPECT_EQ(vb::Format(vb::Variant(total), "###,###,###,##0.00"), "371.25");
}

TEST_F(PrintingTest, GuaranteeAndSendSummaryReadTheirRows) {
  Add("F0942GARANTIA", "6, '20100012345', '201003', '0942', 1, '1', '2', ' 125000.50 ', Null");
  RecordsetPtr garantia = db_->OpenRecordset(std::string("SELECT * FROM F0942GARANTIA ") + "WHERE tip_doc_d = 6 " +
                                                 "AND doc_id_d = '20100012345' " + "AND periodo = '201003' " +
                                                 "AND formulario = '" + "0942" + "' " + "AND Semana = 1",
                                             dbOpenSnapshot);
  EXPECT_EQ(garantia->Fields()["mto_deuda"].Value().As<std::string>(), " 125000.50 ");
  RecordsetPtr boxes = db_->OpenRecordset(std::string("SELECT CASILLA, I_VALOR FROM DET") + " WHERE DOC_ID_D='" + kRuc +
                                              "'" + " AND PERIODO='201003'" + " AND FORMULARIO='" + "0942" + "'" +
                                              " AND SEMANA = " + "1" + " ",
                                          dbOpenDynaset);
  boxes->MoveLast();
  boxes->MoveFirst();
  EXPECT_EQ(boxes->RecordCount(), 4);
  EXPECT_EQ(Rows("Select nombre from cont where doc_id_d= " + std::string("'") + kRuc + "'" + "and tip_doc_d=" + "6"),
            (Table{{"ACME SA"}}));
}

}  // namespace
}  // namespace dao::testing
