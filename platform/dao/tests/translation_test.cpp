#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/sql.h"

namespace dao::testing {
namespace {

using Table = std::vector<std::vector<std::string>>;

class TranslationTest : public DaoTest {
 protected:
  void AddParam(const std::string& numero, const std::string& argumento, const std::string& funcion) {
    db_->Execute("INSERT INTO PARAM VALUES (" + vb::SqlText(numero) + ", " + vb::SqlText(argumento) + ", " +
                 vb::SqlText(funcion) + ", '000')");
  }
};

// SQLite's & is a bitwise AND: left alone it would turn these into numbers.
TEST_F(TranslationTest, AmpersandConcatenatesWithNullAsEmptyAndBelowArithmetic) {
  AddParam("725", "030701", "RENTA");
  EXPECT_EQ(Rows("SELECT Mid(argumento,2,3) & right(argumento,1) & '-' & left(funcion,32), "
                 "'a' & 1 + 2, 'x' & Null & 'y', Null & Null FROM PARAM"),
            (Table{{"3071-RENTA", "a3", "xy", "Null"}}));
}

TEST_F(TranslationTest, StringLiteralsAreNeverRewritten) {
  AddParam("001", "A & B", "it's Like '*' -- ; #1/1/2000#");
  EXPECT_EQ(Rows("SELECT Argumento, Funcion FROM PARAM WHERE Argumento = 'A & B'"),
            (Table{{"A & B", "it's Like '*' -- ; #1/1/2000#"}}));
}

// In Jet "*" is any run of characters; SQLite's LIKE would look for a star.
TEST_F(TranslationTest, LikeTakesJetWildcardsWithoutRegardToCase) {
  AddParam("727", "1", "TESORO");
  AddParam("727", "2", "ESSALUD");
  AddParam("727", "X5", "ONP");
  EXPECT_EQ(Rows("SELECT Argumento FROM PARAM WHERE Numero = '727' AND Argumento Like '*' ORDER BY 1"),
            (Table{{"1"}, {"2"}, {"X5"}}));
  struct Case {
    const char* pattern;
    Table matches;
  } cases[] = {{"tes*", {{"1"}}},     {"?SSALUD", {{"2"}}},    {"#", {{"1"}, {"2"}}},
               {"[a-x]#", {{"X5"}}},  {"[!1]", {{"2"}}},       {"*SAL*", {{"2"}}},
               {"o*", {{"X5"}}},      {"Z*", {}},              {"[*]", {}}};
  for (const auto& c : cases) {
    std::string column = c.pattern[0] == '#' || c.pattern[0] == '[' ? "Argumento" : "Funcion";
    EXPECT_EQ(Rows("SELECT Argumento FROM PARAM WHERE " + column + " Like '" + c.pattern + "' ORDER BY 1"),
              c.matches)
        << c.pattern;
  }
}

// The engine compares text without regard to case, accented letters included.
TEST_F(TranslationTest, TextComparesAndSortsWithoutRegardToCase) {
  db_->Execute("INSERT INTO CLAVES VALUES ('JOSÉ', '0')");
  db_->Execute("INSERT INTO CLAVES VALUES ('ana', '1')");
  db_->Execute("INSERT INTO CLAVES VALUES ('Beto', '1')");
  db_->Execute("INSERT INTO CLAVES VALUES ('jose', '1')");
  EXPECT_EQ(Rows("SELECT Tipo FROM CLAVES WHERE Usuario='josé'"), (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT Usuario FROM CLAVES WHERE ucase(Usuario) = 'Ana'"), (Table{{"ana"}}));
  EXPECT_EQ(Rows("SELECT Usuario FROM CLAVES ORDER BY Usuario"),
            (Table{{"ana"}, {"Beto"}, {"jose"}, {"JOSÉ"}}));
  EXPECT_EQ(Rows("SELECT Usuario FROM CLAVES ORDER BY 1 DESC"),
            (Table{{"JOSÉ"}, {"jose"}, {"Beto"}, {"ana"}}));
}

// PARAM has five columns; the installer's statement gives four values.
TEST_F(TranslationTest, ShortValuesListFillsTheLeadingColumns) {
  db_->Execute("insert into Param values ('992','0942','2','')");
  EXPECT_EQ(Rows("SELECT * FROM PARAM"), (Table{{"992", "0942", "2", "", "Null"}}));
  EXPECT_THROW(db_->Execute("insert into reportes values ('F1','x',1,2)"), vb::Error);
  EXPECT_EQ(Engine().Errors().front().Number, kErrValueCountMismatch);
}

// SQLite takes no parentheses around the members of a UNION.
TEST_F(TranslationTest, ParenthesisedUnionMembersAreUnited) {
  db_->Execute(DebtInsert("F0942DEUDAS", "20100012345", 1, "01", "200901", "010101", "A", "00", "1"));
  db_->Execute(DebtInsert("F0942DEUDAS", "20100012345", 1, "02", "200903", "020101", "B", "07", "1"));
  db_->Execute(DebtInsert("F0942DEUDAS", "20100012345", 1, "04", "200902", "030101", "C", "00"));
  db_->Execute(DebtInsert("F0942DEUDAS", "20100012345", 1, "02", "200904", "020101", "D", "07", "2"));
  std::string base = "SELECT * FROM F0942DEUDAS WHERE doc_id_d = '20100012345' AND periodo = '201003' AND Semana = 1 ";
  std::string sql = base + " AND ind_tip_deu in ( '01', '05' ) AND ind_acog = 1 " +
                    "AND ind_ver_deu in ( '0','00', '07', '08' )  AND ind_acog = 1 UNION (" + base +
                    "AND ind_tip_deu in ( '02', '03' ) AND ind_ver_deu in ( '00', '07', '08' ) AND ind_acog = 1)"
                    "  UNION (" + base + " AND ind_tip_deu = '04')  ORDER BY per_doc DESC, cod_tri ";
  Table rows = Rows(sql);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][8], "B");
  EXPECT_EQ(rows[1][8], "C");
  EXPECT_EQ(rows[2][8], "A");
}

// SQLite cannot add a key to an existing table: the layer rebuilds it, rows and all.
TEST_F(TranslationTest, KeyAddedByAlterTableIsEnforced) {
  db_->Execute("CREATE TABLE T1 (a TEXT(5), b BYTE, c TEXT(5))");
  db_->Execute("INSERT INTO T1 VALUES ('x', 1, 'one')");
  db_->Execute("ALTER TABLE T1 ADD CONSTRAINT PK_T1 PRIMARY KEY (a, b)");
  EXPECT_EQ(Rows("SELECT * FROM T1"), (Table{{"x", "1", "one"}}));
  struct Case {
    const char* statement;
    int error;
  } cases[] = {{"INSERT INTO T1 VALUES ('X', 1, 'two')", kErrDuplicateKey},
               {"INSERT INTO T1 (b, c) VALUES (2, 'two')", kErrNullInKey},
               {"ALTER TABLE T1 ADD CONSTRAINT PK_OTHER PRIMARY KEY (c)", kErrPrimaryKeyExists}};
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { db_->Execute(c.statement, dbFailOnError); }), c.error) << c.statement;
  }
  EXPECT_EQ(db_->TableDefs()["T1"].PrimaryKeyName(), "PK_T1");
}

TEST_F(TranslationTest, KeyOverDuplicateRowsIsRefusedAndTheTableKept) {
  db_->Execute("CREATE TABLE T2 (a TEXT(5))");
  db_->Execute("INSERT INTO T2 VALUES ('x')");
  db_->Execute("INSERT INTO T2 VALUES ('X')");
  EXPECT_EQ(ErrorOf([&] { db_->Execute("ALTER TABLE T2 ADD CONSTRAINT PK_T2 PRIMARY KEY (a)"); }), kErrDuplicateKey);
  EXPECT_EQ(Count("T2"), 2);
  EXPECT_EQ(db_->TableDefs()["T2"].PrimaryKeyName(), "");
}

TEST_F(TranslationTest, ColumnsKeysAndIndexesChangeWithTheirRows) {
  db_->Execute("CREATE TABLE T3 (a TEXT(5) CONSTRAINT PK_T3 PRIMARY KEY, b SHORT)");
  db_->Execute("INSERT INTO T3 VALUES ('x', 1)");
  db_->Execute("ALTER TABLE T3 ADD COLUMN c TEXT(10)");
  db_->Execute("ALTER TABLE T3 ALTER COLUMN b LONG");
  db_->Execute("CREATE UNIQUE INDEX IX_B ON T3 (b)");
  db_->Execute("ALTER TABLE T3 DROP CONSTRAINT PK_T3");
  EXPECT_THROW(db_->Execute("INSERT INTO T3 VALUES ('y', 1, 'z')"), vb::Error);
  EXPECT_EQ(Engine().Errors().front().Number, kErrDuplicateKey);
  db_->Execute("DROP INDEX IX_B ON T3");
  db_->Execute("INSERT INTO T3 VALUES ('x', 1, 'z')");
  db_->Execute("ALTER TABLE T3 DROP COLUMN c");
  EXPECT_EQ(Rows("SELECT TOP 1 DISTINCTROW * FROM T3 ORDER BY a"), (Table{{"x", "1"}}));
  EXPECT_EQ(db_->TableDefs()["T3"].Fields("b").Type(), dbLong);
  EXPECT_EQ(db_->TableDefs()["T3"].FieldCount(), 2);
}

TEST_F(TranslationTest, DateLiteralsAreMonthFirstAndCompareAsDates) {
  db_->Execute("INSERT INTO SPOOL (CodRep, Fecha) VALUES ('A', #03/15/2010#)");
  db_->Execute("INSERT INTO SPOOL (CodRep, Fecha) VALUES ('B', #12/01/2009 10:30:00 PM#)");
  db_->Execute("UPDATE SPOOL SET Usuario = 'x' WHERE Fecha > #01/31/2010#");
  EXPECT_EQ(Rows("SELECT CodRep, Fecha, Usuario FROM SPOOL ORDER BY Fecha"),
            (Table{{"B", "01/12/2009 10:30:00 p.m.", "Null"}, {"A", "15/03/2010", "x"}}));
}

TEST_F(TranslationTest, TrueFalseSemicolonAndSelectInto) {
  db_->Execute("CREATE TABLE Flags (name TEXT(10), flag YESNO)");
  db_->Execute("INSERT INTO Flags VALUES ('on', True);");
  db_->Execute("INSERT INTO Flags VALUES ('off', False);");
  db_->Execute("SELECT name, flag, len(name) AS size INTO Copied FROM Flags WHERE flag = True");
  EXPECT_EQ(Rows("SELECT * FROM Copied"), (Table{{"on", "True", "2"}}));
  EXPECT_EQ(db_->TableDefs()["Copied"].Fields("flag").Type(), dbBoolean);
  EXPECT_EQ(db_->TableDefs()["Copied"].Fields("size").Type(), dbLong);
}

TEST_F(TranslationTest, JoinsWithAliasesAndParenthesesAndCorrelatedSubqueries) {
  db_->Execute("INSERT INTO CONT VALUES (6, '20100012345', 'ACME SA', 'ANA')");
  db_->Execute("INSERT INTO CAB (tip_doc_d, doc_id_d, periodo, Formulario, Semana) VALUES (6, '20100012345', '201003', '0942', 1)");
  AddParam("044", "6", std::string(30, ' ') + "R.U.C.");
  EXPECT_EQ(Rows("SELECT B.NOMBRE, (SELECT mid(funcion,31,12) FROM PARAM WHERE numero = '044' AND "
                 "val(argumento) = a.tip_doc_d ) as des FROM CAB A, CONT B WHERE A.TIP_DOC_D = B.TIP_DOC_D"),
            (Table{{"ACME SA", "R.U.C."}}));
  EXPECT_EQ(Rows("SELECT c.nombre FROM (CAB AS a INNER JOIN CONT AS c ON a.doc_id_d = c.doc_id_d) "
                 "INNER JOIN PARAM AS p ON val(p.argumento) = a.tip_doc_d"),
            (Table{{"ACME SA"}}));
}

// One translation serves every statement of the same shape: the values still differ.
TEST_F(TranslationTest, StatementsOfOneShapeKeepTheirOwnValues) {
  for (int i = 0; i < 3; ++i) AddParam("404", "2010010" + std::to_string(i), std::to_string(i));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Rows("SELECT Funcion FROM PARAM WHERE numero='404' AND argumento='2010010" + std::to_string(i) + "'"),
              (Table{{std::to_string(i)}}));
  }
  EXPECT_EQ(Rows("SELECT Argumento FROM PARAM ORDER BY 1 DESC")[0][0], "20100102");
  EXPECT_EQ(Rows("SELECT Argumento, Funcion FROM PARAM ORDER BY 2 DESC")[0][1], "2");
}

TEST_F(TranslationTest, SyntaxErrorsAndUnknownNamesRaiseTheEngineNumbers) {
  struct Case {
    const char* statement;
    int error;
  } cases[] = {
      {"SELECT * FROM NOEXISTE", kErrTableNotFound},
      {"SELECT nocolumna FROM PARAM", kErrTooFewParameters},
      {"SELECT * FROM PARAM WHERE Numero = 'abc", kErrSyntaxInExpression},
      {"SELECT * FROM PARAM WHERE (Numero = 1", kErrSyntaxInExpression},
      {"SELECT foo(Numero) FROM PARAM", kErrUndefinedFunction},
      {"PARAMETERS x TEXT; SELECT 1", kErrInvalidSql},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset(c.statement, dbOpenSnapshot); }), c.error) << c.statement;
  }
}

}  // namespace
}  // namespace dao::testing
