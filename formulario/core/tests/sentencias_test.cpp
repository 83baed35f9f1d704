#include "formulario/core/tests/prueba_declaracion.h"
#include "platform/vb/conv.h"
#include "platform/vb/strings.h"

namespace korva::prueba {
namespace {

class CoreTest : public PruebaDeclaracion {};

TEST_F(CoreTest, ParameterLookupsReadTheirSlices) {
  Agrega("PARAM", "'727', '3', 'ONP', '000'");
  Agrega("PARAM", "'727', '8', '" + Funcion("FONCOMUN", 61, "1") + "', '000'");
  struct Case {
    std::string sql;
    Filas rows;
  } cases[] = {
      {" Select Argumento,mid(Funcion,1,30) as Func From Param  Where Numero = '725' and Argumento ='030701'",
       {{"030701", Rellena("RENTA DE TERCERA", 30)}}},
      {" Select Argumento,mid(Funcion,22,13) as Func From Param  Where Numero = '726' and Left(Argumento,3) ='001'",
       {{"001000", "orden de pago"}, {"001004", "reft cuota"}}},
      {" Select Argumento,mid(Funcion,8,4) as Func From Param  Where Numero = '728' and Mid(Argumento,1,4) ='0942'"
       " and mid(Funcion,1,6) = '030701'",
       {{"0942", "2010"}}},
      {std::string(" SELECT Argumento, mid(Funcion,1,20) as Func ") + " FROM Param " + " WHERE Numero = '727' " +
           " AND   Argumento Like '*' " + " ORDER BY 1",
       {{"1", "TESORO"}, {"2", "ESSALUD"}, {"3", "ONP"}, {"8", Rellena("FONCOMUN", 20)}}},
      {std::string(" SELECT Argumento, mid(Funcion,1,20) as Func ") + " FROM Param " + " WHERE Numero = '727' " +
           " AND   Argumento Like '*' " + " AND   val(Mid(Funcion, 61,1)) = 1 " + " ORDER BY 1",
       {{"8", Rellena("FONCOMUN", 20)}}},
      {"SELECT * FROM CLAVES WHERE Usuario='ana'", {{"ANA", "1"}}},
      {"SELECT 'x' FROM CAB WHERE tip_doc_d = 6 AND doc_id_d = '20100012345' AND periodo = '201003' "
       "AND formulario = '0942' ",
       {{"x"}}},
      {"SELECT 'x' FROM CAB WHERE tip_doc_d = 6  AND doc_id_d = '20100012345' AND periodo = '201003' "
       "AND formulario = '0942' AND Semana = 2",
       {}},
      {"SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 AND usuario ='ana' ORDER BY DOC_ID_D ASC",
       {{"20100012345", "ACME SA"}}},
      {"SELECT doc_id_d, nombre FROM CONT WHERE tip_doc_d = 6 ORDER BY DOC_ID_D ASC",
       {{"20100012345", "ACME SA"}, {"20500099999", "BETA SRL"}}},
      {"SELECT 'x' FROM PARAM WHERE numero = '728' AND val(left(argumento,4)) = 942 "
       "AND left(funcion,6) = '030701' AND mid(funcion,8,4) = '2010' ",
       {{"x"}}},
      {"SELECT * FROM PARAM WHERE numero='404'",
       {{"404", "20090101", "00003550.00", "000"}, {"404", "20100101", "00003600.00", "000"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Consulta(c.sql), c.rows) << c.sql;
  dao::RecordsetPtr uit = gDB->OpenRecordset("SELECT * FROM PARAM WHERE numero='404' AND argumento='20100101'", dao::dbOpenSnapshot);
  EXPECT_EQ(vb::CCur(vb::Trim(uit->Fields()["Funcion"].Value().As<std::string>())), vb::Currency::FromInteger(3600));
}

TEST_F(CoreTest, DeletingADeclarationsRowsTakesOnlyThatDeclaration) {
  AgregaDeuda("TMP_F0942DEUDAS", "01", "200901", "030701", "V1", "00");
  std::string key = std::string("WHERE tip_doc_d = 6 ") + "AND doc_id_d = '20100012345' " + "AND periodo = '201003' " +
                    "AND formulario = '0942' " + "AND Semana = 1";
  dao::Engine().Workspaces(0).BeginTrans();
  for (const char* table : {"cab", "det", "F0942DEUDAS", "F0942MOTIVO", "F0942SUSTEN", "F0942GARANTIA"})
    gDB->Execute(std::string("DELETE FROM ") + table + " " + key, dao::dbFailOnError);
  gDB->Execute("DELETE FROM hdet " + key + " AND Correl= '002'", dao::dbFailOnError);
  dao::Engine().Workspaces(0).CommitTrans();
  gDB->Execute("DELETE FROM TMP_F0942DEUDAS ", dao::dbFailOnError);
  EXPECT_EQ(Cuenta("CAB"), 1);
  EXPECT_EQ(Cuenta("DET"), 0);
  EXPECT_EQ(Cuenta("F0942DEUDAS"), 0);
  EXPECT_EQ(Cuenta("TMP_F0942DEUDAS"), 0);
  EXPECT_EQ(Cuenta("HDET"), 4);
  EXPECT_EQ(Cuenta("HF0942DEUDAS"), 1);
}

// The chooser's list: a user of type "0" sees every declarant; the sent list adds
// the correlative; header clicks reorder it.
TEST_F(CoreTest, DeclarationChooserListsWhatTheUserMaySee) {
  std::string list =
      "SELECT a.tip_doc_d, (SELECT mid(funcion,31,12) FROM PARAM WHERE numero = '044' AND val(argumento) = "
      "a.tip_doc_d ) as des_doc_d, (SELECT mid(funcion,1,12) FROM PARAM WHERE numero = '727' AND val(argumento) "
      "= a.semana ) as Entidad, a.DOC_ID_D, B.NOMBRE, A.FORMULARIO,a.SEMANA, A.ESTADO, mid(A.PERIODO,5,2) & "
      "mid(A.PERIODO,1,4) as PERIODO, nrocheque, efectivo FROM CAB A, CONT B WHERE A.TIP_DOC_D = B.TIP_DOC_D "
      "AND A.DOC_ID_D = B.DOC_ID_D AND A.FORMULARIO ='0942' ";
  Filas pending = {{"6", "R.U.C.      ", "TESORO", "20100012345", "ACME SA", "0942", "1", "9", "032010",
                    "15/03/2010", "20/03/2010"},
                   {"6", "R.U.C.      ", "ESSALUD", "20500099999", "BETA SRL", "0942", "2", "9", "022010",
                    "15/03/2010", "20/03/2010"}};
  EXPECT_EQ(Consulta(list + "ORDER BY A.DOC_ID_D ASC"), pending);
  EXPECT_EQ(Consulta(list + "AND B.USUARIO ='ana' " + "ORDER BY A.DOC_ID_D ASC"), Filas{pending[0]});
  EXPECT_EQ(Consulta(list + " ORDER BY B.NOMBRE ASC")[0][4], "ACME SA");
  std::string sent = list;
  sent.replace(sent.find("nrocheque, efectivo FROM CAB A, CONT B "), 39, "nrocheque, correl, efectivo FROM HCAB A, CONT B ");
  EXPECT_EQ(Consulta(sent + " ORDER BY 1 ")[0][10], "001");

  dao::RecordsetPtr rs = gDB->OpenRecordset(list + "ORDER BY A.DOC_ID_D ASC", dao::dbOpenSnapshot);
  rs->MoveLast();
  rs->MoveFirst();
  EXPECT_EQ(rs->RecordCount(), 2);
  EXPECT_EQ(rs->Fields()[8].Value().As<std::string>(), "032010");
  rs->MoveNext();
  long position = rs->AbsolutePosition();
  rs = gDB->OpenRecordset(list + " ORDER BY A.doc_id_d ASC", dao::dbOpenDynaset);
  rs->SetAbsolutePosition(position);
  EXPECT_EQ(vb::CStr(rs->Fields()[7].Value()), "9");
  EXPECT_EQ(vb::VarType(rs->Fields()["SEMANA"].Value()), vb::vbByte);
}

TEST_F(CoreTest, CodeLookupKindsListTheirCodes) {
  Agrega("PARAM", "'897', '01', 'EN COBRANZA', '000'");
  Agrega("PARAM", "'890', '1', 'PAGOS NO CONSIDERADOS', '000'");
  Agrega("PARAM", "'889', '2', 'RECLAMACION', '000'");
  struct Case {
    std::string sql;
    Filas rows;
  } cases[] = {
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,20) as descrip FROM PARAM WHERE NUMERO='726' order by 1",
       {{"001000", Rellena("", 20)}, {"001004", Rellena("", 20)}, {"002001", Rellena("", 20)}}},
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,35) as descrip FROM PARAM WHERE NUMERO='897' order by 1",
       {{"01", "EN COBRANZA"}}},
      {"SELECT ARGUMENTO as codigo, mid(FUNCION,1,31) as descrip FROM PARAM WHERE NUMERO='890'  order by 1",
       {{"1", "PAGOS NO CONSIDERADOS"}}},
      {"SELECT  ARGUMENTO as codigo, mid(FUNCION,1,30) as descrip FROM PARAM WHERE NUMERO='889' order by 1 ",
       {{"2", "RECLAMACION"}}},
      {"SELECT  mid(ARGUMENTO,2,3) & mid(ARGUMENTO,6,1) as codigo, mid(FUNCION,1,55) as descrip FROM PARAM "
       "WHERE NUMERO='725'  order by  1 ",
       {{"1011", Rellena("IMPUESTO GENERAL A LAS VENTAS", 55)}, {"3071", Rellena("RENTA DE TERCERA", 55)},
        {"5229", Rellena("REFT CUOTA", 55)}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Consulta(c.sql), c.rows) << c.sql;
}

}  // namespace
}  // namespace korva::prueba
