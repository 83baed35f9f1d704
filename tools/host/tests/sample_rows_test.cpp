#include "tools/host/sample_rows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/dao/dao.h"
#include "platform/testsupport/shared_template.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/conv.h"
#include "tools/host/host_database.h"
#include "tools/debtfile/debt_line.h"
#include "tools/host/tests/test_support.h"

namespace host {
namespace {

using testing::QueryRows;
using testing::Rows;
using testsupport::TempFolder;

// The sample rows, read with the statements of the module's lookups: each reader
// finds its value at the character positions it reads.
class SampleRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(testsupport::SharedTemplate("host-database.mdb", MakeDatabase), temp_ / "TESCA.MDB");
    db_ = dao::Engine().OpenDatabase(temp_ / "TESCA.MDB");
  }
  static void MakeDatabase(const std::string& path) {
    CreateHostDatabase(path, {.user = "USUARIO", .userType = "1"});
  }
  void TearDown() override {
    if (db_) db_->Close();
  }
  Rows Query(const std::string& sql) { return QueryRows(*db_, sql); }
  std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), ' ');
  }

  TempFolder temp_;
  dao::DatabasePtr db_;
};

TEST_F(SampleRowsTest, EntityListGivesTheFiveEntitiesInCharactersOneToTwenty) {
  EXPECT_EQ(Query(" SELECT Argumento, mid(Funcion,1,20) as Func  FROM Param  WHERE Numero = '727' "
                  " AND   Argumento Like '*'  ORDER BY 1"),
            (Rows{{"1", Padded("TESORO", 20)},
                  {"2", Padded("ESSALUD", 20)},
                  {"3", Padded("ONP", 20)},
                  {"5", Padded("FONAVI", 20)},
                  {"8", Padded("FONCOMUN", 20)}}));
  EXPECT_EQ(Query(" Select Argumento,mid(Funcion,1,10) as Func From Param  Where Numero = '727' and "
                  "Argumento ='8'"),
            (Rows{{"8", "FONCOMUN  "}}));
}

// The choosers list a declaration with its document type (044, characters 31-42)
// and entity (727, characters 1-12), joined with its taxpayer for the user.
TEST_F(SampleRowsTest, ChooserListShowsDocumentTypeAndEntityOfTheUsersDeclarations) {
  for (const char* ruc : {"20456712348", "10425187363"})
    db_->Execute(std::string("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, formulario, Semana, "
                             "nrocheque, efectivo, estado) VALUES (6, '") +
                 ruc + "', '201003', '0942', 2, '15/04/2010', '30/04/2010', 9)");
  EXPECT_EQ(
      Query("SELECT a.tip_doc_d, (SELECT mid(funcion,31,12) FROM PARAM WHERE numero = '044' AND "
            "val(argumento) = a.tip_doc_d ) as des_doc_d, (SELECT mid(funcion,1,12) FROM PARAM "
            "WHERE numero = '727' AND val(argumento) = a.semana ) as Entidad, a.DOC_ID_D, B.NOMBRE, "
            "A.FORMULARIO,a.SEMANA, A.ESTADO, mid(A.PERIODO,5,2) & mid(A.PERIODO,1,4) as PERIODO, "
            "nrocheque, efectivo FROM CAB A, CONT B WHERE A.TIP_DOC_D = B.TIP_DOC_D AND A.DOC_ID_D "
            "= B.DOC_ID_D AND A.FORMULARIO ='0942' AND B.USUARIO ='USUARIO' ORDER BY A.DOC_ID_D ASC"),
      (Rows{{"6", "R.U.C.      ", "ESSALUD     ", "20456712348", "COMERCIAL ANDINA DEL SUR S.A.C.",
             "0942", "2", "9", "032010", "15/04/2010", "30/04/2010"}}));
}

TEST_F(SampleRowsTest, TaxUnitRowsComeInDateOrderWithTheInstallersAmounts) {
  EXPECT_EQ(Query("SELECT * FROM PARAM WHERE numero='404'"),
            (Rows{{"404", "20060101", "00003400.00", "013"},
                  {"404", "20100101", "00003600.00", "000"},
                  {"404", "20110101", "00003600.00", "000"},
                  {"404", "20120101", "00003650.00", "000"},
                  {"404", "20130101", "00003700.00", "000"},
                  {"404", "20140101", "00003800.00", "000"},
                  {"404", "20150101", "00003850.00", "000"},
                  {"404", "20160101", "00003950.00", "000"}}));
}

TEST_F(SampleRowsTest, TaxRowsHoldTheirFlagsAndDatesAtTheReadPositions) {
  struct Case {
    const char* tax;
    int start;
    int length;
    const char* expected;
  };
  const Case cases[] = {
      {"030701", 1, 40, "RENTA PERS. NATURAL - PRIMERA CATEGORIA "},
      {"030701", 59, 1, "1"},           // sworn declaration
      {"060401", 59, 1, "0"},
      {"052100", 61, 5, "01000"},       // entities 1, 2, 3, 5, 8
      {"071501", 61, 5, "00001"},
      {"010101", 68, 1, "1"},           // main tax list
      {"010101", 69, 1, "1"},           // no associated tax
      {"060401", 69, 1, "0"},
      {"040101", 71, 10, "01/01/1994"}, // first period
      {"030801", 82, 10, "31/12/2005"}, // last period
      {"010101", 82, 10, "          "},
  };
  for (const Case& c : cases) {
    std::string sql = " Select Argumento,mid(Funcion," + std::to_string(c.start) + "," +
                      std::to_string(c.length) + ") as Func From Param  Where Numero = '725' and " +
                      "Argumento ='" + c.tax + "'";
    EXPECT_EQ(Query(sql), (Rows{{c.tax, c.expected}})) << c.tax << " at " << c.start;
  }
}

TEST_F(SampleRowsTest, EachEntityHasTaxesOnItsMainListAndInfractionCodes) {
  struct Case {
    int position;
    Rows expected;
  };
  const Case cases[] = {
      {62, {{"052100"}, {"052209"}, {"052302"}, {"052303"}, {"061101"}}},
      {63, {{"053100"}, {"053208"}, {"053209"}, {"053300"}, {"061201"}}},
      {64, {{"050501"}, {"050506"}, {"050507"}, {"050508"}, {"061301"}}},
      {65, {{"070101"}, {"071501"}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Query("SELECT argumento FROM PARAM WHERE numero = '725' AND mid(funcion," +
                    std::to_string(c.position) + ",1) = '1' AND mid(funcion,68,1) = '1' ORDER BY "
                    "argumento "),
              c.expected)
        << c.position;
}

TEST_F(SampleRowsTest, DocumentTypesFollowTheEntityFamiliesAndInfractionCodes) {
  EXPECT_EQ(Query("SELECT argumento, Left(funcion,20) FROM PARAM WHERE numero = '726'  AND "
                  "Left(argumento,3) not in  ('002', '102', '112')  AND Left(argumento,2) in  "
                  "('10') "),
            (Rows{{"101000", "RES. DETERMINACION  "},
                  {"101004", "CUOTA REFT          "},
                  {"101005", "CUOTA SEAP          "},
                  {"101007", "CUOTA RESIT         "},
                  {"103000", "ORDEN DE PAGO       "}}));
  EXPECT_EQ(Query("SELECT argumento FROM PARAM WHERE numero = '726'  AND Left(argumento,3) in  "
                  "('002', '102', '112')  AND Right(argumento,1) = '1'  AND Left(argumento,2) in  "
                  "('11') "),
            (Rows{{"112001"}}));
  EXPECT_EQ(Query("SELECT ucase(Trim(Mid(funcion,22,80))) FROM PARAM WHERE numero = '726' AND "
                  "argumento = trim(Left('003714',3) & '000'  )"),
            (Rows{{"ORDEN DE PAGO"}}));
}

// The debt grids read a document type's name from character 22 on, the list of
// document types characters 1 to 48: each reading finds whole names.
TEST_F(SampleRowsTest, DocumentTypeNamesReadWholeFromCharacter22AndInCharacters1To48) {
  EXPECT_EQ(Query("SELECT ucase(Trim(Mid(funcion,22,80))), Left(funcion,48) FROM PARAM WHERE "
                  "numero = '726' AND argumento IN ('001000', '112001') ORDER BY argumento"),
            (Rows{{"RESOLUCION DE DETERMINACION", "RES. DETERMINACION   RESOLUCION DE DETERMINACION"},
                  {"COMUNICACION DE INFRACCION", "COMUNICACION INFRAC. COMUNICACION DE INFRACCION "}}));
  EXPECT_EQ(Query("SELECT count(*) FROM PARAM WHERE numero = '726' AND len(funcion) <> 48"),
            (Rows{{"0"}}));
}

// Every debt the generator writes names a tax the entity collects and a
// document type of the entity's family.
TEST_F(SampleRowsTest, GeneratedDebtsOfEachEntityNameTaxesAndDocumentTypesOfTheseRows) {
  const std::pair<int, int> entities[] = {{1, 61}, {2, 62}, {3, 63}, {5, 64}, {8, 65}};
  for (auto [entity, position] : entities) {
    for (int sequence = 1; sequence <= 15; ++sequence) {
      debtfile::Fields debt = debtfile::SampleDebt({vb::Now(), false, entity}, "01", sequence);
      EXPECT_EQ(Query("SELECT mid(funcion," + std::to_string(position) + ",1) FROM PARAM WHERE "
                      "numero = '725' AND argumento = '" + debt[5] + "'"),
                (Rows{{"1"}}))
          << entity << " " << debt[5];
      EXPECT_EQ(Query("SELECT count(*) FROM PARAM WHERE numero = '726' AND argumento = trim(Left('" +
                      debt[11] + "',3) & '000') AND left(argumento,2) = '" +
                      (entity == 2 ? "10" : entity == 3 ? "11" : "00") + "'"),
                (Rows{{"1"}}))
          << entity << " " << debt[11];
    }
  }
}

TEST_F(SampleRowsTest, CodeListsOfTheConsultWindowHaveTheirRows) {
  struct Case {
    const char* sql;
    std::size_t count;
    std::vector<std::string> first;
  };
  const Case cases[] = {
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,20) as descrip FROM PARAM WHERE NUMERO='726' "
       "order by 1",
       21, {"001000", "RES. DETERMINACION  "}},
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,35) as descrip FROM PARAM WHERE NUMERO='897' "
       "order by 1",
       9, {"00", "DEUDA EXIGIBLE"}},
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,31) as descrip FROM PARAM WHERE NUMERO='890'  "
       "order by 1",
       8, {"1", "Pagos no considerados"}},
      {"SELECT  ARGUMENTO as codigo, mid(FUNCION,1,30) as descrip FROM PARAM WHERE NUMERO='889' "
       "order by 1 ",
       4, {"1", "RECLAMACION"}},
      {"SELECT  mid(ARGUMENTO,2,3) & mid(ARGUMENTO,6,1) as codigo, mid(FUNCION,1,55) as descrip "
       "FROM PARAM WHERE NUMERO='725'  order by  1 ",
       50, {"1011", "IGV - CUENTA PROPIA" + std::string(36, ' ')}},
  };
  for (const Case& c : cases) {
    Rows rows = Query(c.sql);
    ASSERT_EQ(rows.size(), c.count) << c.sql;
    EXPECT_EQ(rows.front(), c.first) << c.sql;
  }
}

TEST_F(SampleRowsTest, MotivesOfDisagreementAreTheDetailWindowsCaptions) {
  EXPECT_EQ(Query("SELECT Argumento, Funcion FROM PARAM WHERE Numero = '890' ORDER BY 1"),
            (Rows{{"1", "Pagos no considerados"},
                  {"2", "Modificación de datos"},
                  {"3", "Error material (Art. 108 C.T.)"},
                  {"4", "Desistimiento aceptado"},
                  {"5", "DDJJ rectificatoria"},
                  {"6", "Lit. g) Art.3° de RS 199-2004"},
                  {"7", "No corresponde fec. actualiz."},
                  {"8", "Otros"}}));
}

TEST_F(SampleRowsTest, VersionRecordNamesBox790AndItsDate) {
  dao::RecordsetPtr rs = db_->OpenRecordset(
      "Select * from param where numero = '856'  and argumento='0942'", dao::dbOpenSnapshot);
  ASSERT_FALSE(rs->Eof());
  std::string funcion = vb::CStr((*rs)("Funcion").Value());
  rs->Close();
  EXPECT_EQ(funcion.substr(19, 3), "790");
  EXPECT_EQ(funcion.substr(4, 10), "05/01/2016");
}

TEST_F(SampleRowsTest, FormRulesGiveTheFormsFirstYearForATax) {
  EXPECT_EQ(Query(" Select Argumento,mid(Funcion,8,4) as Func From Param  Where Numero = '728' and "
                  "Mid(Argumento,1,4) ='0660' and mid(Funcion,1,6) = '030702'"),
            (Rows{{"066002", "2005"}}));
  EXPECT_EQ(Query("SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 621 "
                  "AND left(funcion,6) = '010101' AND mid(funcion,8,4) = '2003' "),
            (Rows{{"x"}}));
}

TEST_F(SampleRowsTest, StatusReasonsAndExclusionsAnswerTheirLookups) {
  EXPECT_EQ(Query("SELECT left(funcion,50) FROM PARAM WHERE numero = '724' and argumento = '16'"),
            (Rows{{"DEUDA ACOGIDA A OTRO REGIMEN DE FRACCIONAMIENTO"}}));
  EXPECT_EQ(Query("SELECT Argumento FROM PARAM WHERE numero = '729' AND argumento = '1011' AND "
                  "mid(funcion,1,1) = '1' "),
            (Rows{{"1011"}}));
  EXPECT_EQ(Query("SELECT Argumento FROM PARAM WHERE numero = '729' AND argumento = '1011' AND "
                  "mid(funcion,2,1) = '1' "),
            (Rows{}));
}

// A user of type "1" sees only his own declarants; one of the three is another user's.
TEST_F(SampleRowsTest, TaxpayerListOfTheUserLeavesOutAnotherUsersTaxpayer) {
  EXPECT_EQ(Query("SELECT * FROM CLAVES WHERE Usuario='usuario'"), (Rows{{"USUARIO", "1"}}));
  EXPECT_EQ(Query("SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 AND usuario ='USUARIO' "
                  "ORDER BY DOC_ID_D ASC"),
            (Rows{{"20456712348", "COMERCIAL ANDINA DEL SUR S.A.C."},
                  {"20603189753", "TRANSPORTES RIO CLARO E.I.R.L."}}));
}

}  // namespace
}  // namespace host
