#include "platform/dao/tests/dao_fixture.h"
#include "platform/dao/sql_functions.h"
#include "platform/vb/sql.h"

namespace dao::testing {
namespace {

class TranslationTest : public DaoTest {
 protected:
  void AddSetting(const std::string& code, const std::string& argument, const std::string& value) {
    db_->Execute("INSERT INTO Settings VALUES (" + vb::SqlText(code) + ", " + vb::SqlText(argument) + ", " +
                 vb::SqlText(value) + ", '000')");
  }
};

// SQLite's & is a bitwise AND: left alone it would turn these into numbers.
TEST_F(TranslationTest, AmpersandConcatenatesWithNullAsEmptyAndBelowArithmetic) {
  AddSetting("725", "030701", "RENTA");
  EXPECT_EQ(Rows("SELECT Mid(argument,2,3) & right(argument,1) & '-' & left(value,32), "
                 "'a' & 1 + 2, 'x' & Null & 'y', Null & Null FROM Settings"),
            (Table{{"3071-RENTA", "a3", "xy", "Null"}}));
}

// SQLite reads only the leading digits of a text in arithmetic ("1,234.50" * 1
// would be 1); the engine reads it as the runtime's CDbl does, and an empty text
// adds nothing to a sum.
TEST_F(TranslationTest, TextsInArithmeticAreReadWithTheRegionalSettings) {
  AddEntry("WorkEntries", "01", "200901", "010101", "D1", "00", "1", "'1,234.50'");
  AddEntry("WorkEntries", "01", "200902", "010101", "D2", "00", "1", "'1234.50'");
  AddEntry("WorkEntries", "01", "200903", "010101", "D3", "00", "1", "Null");
  AddEntry("WorkEntries", "01", "200904", "010101", "D4", "00", "1", "''");
  struct Case {
    const char* expression;
    std::vector<std::string> values;
  } cases[] = {
      {"accepted * 1", {"1234.5", "1234.5", "Null", "0"}},
      {"WorkEntries.accepted * 2", {"2469", "2469", "Null", "0"}},
      {"accepted - 0.5", {"1234", "1234", "Null", "-0.5"}},
      {"accepted / 2", {"617.25", "617.25", "Null", "0"}},
      {"Trim(accepted) * 1 * 2", {"2469", "2469", "Null", "0"}},
      {"accepted Mod 1000", {"234", "234", "Null", "0"}},
      {"'1,000' * (batch - 1 + 3)", {"3000", "3000", "3000", "3000"}},
  };
  for (const auto& c : cases) {
    Table expected;
    for (const auto& value : c.values) expected.push_back({value});
    EXPECT_EQ(Rows(std::string("SELECT ") + c.expression + " FROM WorkEntries ORDER BY period"), expected)
        << c.expression;
  }
  EXPECT_EQ(Rows("SELECT SUM(accepted * 1) FROM WorkEntries"), (Table{{"2469"}}));
  EXPECT_EQ(Rows("SELECT count(*) FROM WorkEntries WHERE accepted * 1 > 1000"), (Table{{"2"}}));
  EXPECT_EQ(Rows("SELECT * FROM WorkEntries WHERE period = '200904'").size(), 1u);
  AddEntry("WorkEntries", "01", "200905", "010101", "D5", "00", "1", "'mil'");
  EXPECT_EQ(ErrorOf([&] { Rows("SELECT SUM(accepted * 1) FROM WorkEntries"); }), kErrTypeMismatch);
}

TEST_F(TranslationTest, StringLiteralsAreNeverRewritten) {
  AddSetting("001", "A & B", "it's Like '*' -- ; #1/1/2000#");
  EXPECT_EQ(Rows("SELECT Argument, Value FROM Settings WHERE Argument = 'A & B'"),
            (Table{{"A & B", "it's Like '*' -- ; #1/1/2000#"}}));
}

// In Jet "*" is any run of characters; SQLite's LIKE would look for a star.
TEST_F(TranslationTest, LikeTakesJetWildcardsWithoutRegardToCase) {
  AddSetting("727", "1", "TESORO");
  AddSetting("727", "2", "ESSALUD");
  AddSetting("727", "X5", "ONP");
  EXPECT_EQ(Rows("SELECT Argument FROM Settings WHERE Code = '727' AND Argument Like '*' ORDER BY 1"),
            (Table{{"1"}, {"2"}, {"X5"}}));
  struct Case {
    const char* pattern;
    Table matches;
  } cases[] = {{"tes*", {{"1"}}},     {"?SSALUD", {{"2"}}},    {"#", {{"1"}, {"2"}}},
               {"[a-x]#", {{"X5"}}},  {"[!1]", {{"2"}}},       {"*SAL*", {{"2"}}},
               {"o*", {{"X5"}}},      {"Z*", {}},              {"[*]", {}}};
  for (const auto& c : cases) {
    std::string column = c.pattern[0] == '#' || c.pattern[0] == '[' ? "Argument" : "Value";
    EXPECT_EQ(Rows("SELECT Argument FROM Settings WHERE " + column + " Like '" + c.pattern + "' ORDER BY 1"),
              c.matches)
        << c.pattern;
  }
}

// The engine compares text without regard to case, accented letters included.
TEST_F(TranslationTest, TextComparesAndSortsWithoutRegardToCase) {
  db_->Execute("INSERT INTO Users VALUES ('JOSÉ', '0')");
  db_->Execute("INSERT INTO Users VALUES ('ana', '1')");
  db_->Execute("INSERT INTO Users VALUES ('Beto', '1')");
  db_->Execute("INSERT INTO Users VALUES ('jose', '1')");
  EXPECT_EQ(Rows("SELECT Kind FROM Users WHERE Name='josé'"), (Table{{"0"}}));
  EXPECT_EQ(Rows("SELECT Name FROM Users WHERE ucase(Name) = 'Ana'"), (Table{{"ana"}}));
  EXPECT_EQ(Rows("SELECT Name FROM Users ORDER BY Name"),
            (Table{{"ana"}, {"Beto"}, {"jose"}, {"JOSÉ"}}));
  EXPECT_EQ(Rows("SELECT Name FROM Users ORDER BY 1 DESC"),
            (Table{{"JOSÉ"}, {"jose"}, {"Beto"}, {"ana"}}));
}

// Keys share long beginnings; what follows them still compares as the engine
// compares: case never counts, an accent only between otherwise equal texts.
TEST_F(TranslationTest, TextsWithACommonBeginningCompareByWhatFollows) {
  struct Case {
    const char* a;
    const char* b;
    int order;
  } cases[] = {
      {"20100012345", "20100012345", 0}, {"N100005", "n100005", 0},  {"N100005", "N100123", -1},
      {"abcZ", "abcy", 1},               {"abc", "abcd", -1},         {"abcd", "ABC", 1},
      {"canción", "CANCION", 1},         {"canción", "cancioo", -1},  {"José", "JOSÉ", 0},
      {"abé", "abf", -1},                {"ab", "abé", -1},           {"", "", 0},
      {"001001ABCDEFGHz", "001001abcdefghZ", 0},       {"0010010123456789", "0010010123456788", 1},
      {"0010010123canción", "0010010123CANCIÓN", 0},  {"0010010123", "0010010123é", -1},
      {"0010010123É", "0010010123e", 1},               {"0010010123[", "0010010123z", -1},
      {"éA", "éb", -1},  {"éaZ", "éAz", 0},  {"Ñandú", "ñandu", 1},  {"ñaé", "ñae", 1},
      {"ñ", "ña", -1},
  };
  for (const Case& c : cases) {
    int order = CompareJetText(c.a, c.b);
    EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " / " << c.b;
  }
}

// Settings has five columns; a statement may give the first four.
TEST_F(TranslationTest, ShortValuesListFillsTheLeadingColumns) {
  db_->Execute("insert into settings values ('992','0942','2','')");
  EXPECT_EQ(Rows("SELECT * FROM Settings"), (Table{{"992", "0942", "2", "", "Null"}}));
  EXPECT_THROW(db_->Execute("insert into reports values ('F1','x',1,2)"), vb::Error);
  EXPECT_EQ(Engine().Errors().front().Number, kErrValueCountMismatch);
}

// SQLite takes no parentheses around the members of a UNION.
TEST_F(TranslationTest, ParenthesisedUnionMembersAreUnited) {
  AddEntry("Entries", "01", "200901", "010101", "A", "00", "1");
  AddEntry("Entries", "02", "200903", "020101", "B", "07", "1");
  AddEntry("Entries", "04", "200902", "030101", "C", "00");
  AddEntry("Entries", "02", "200904", "020101", "D", "07", "2");
  std::string base = "SELECT * FROM Entries WHERE owner = 'A1' AND batch = 1 ";
  std::string sql = base + " AND kind in ( '01', '05' ) AND flag = 1 " +
                    "AND state in ( '0','00', '07', '08' )  AND flag = 1 UNION (" + base +
                    "AND kind in ( '02', '03' ) AND state in ( '00', '07', '08' ) AND flag = 1)"
                    "  UNION (" + base + " AND kind = '04')  ORDER BY period DESC, tax ";
  Table rows = Rows(sql);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0][5], "B");
  EXPECT_EQ(rows[1][5], "C");
  EXPECT_EQ(rows[2][5], "A");
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
  db_->Execute("INSERT INTO Log (Code, Stamp) VALUES ('A', #03/15/2010#)");
  db_->Execute("INSERT INTO Log (Code, Stamp) VALUES ('B', #12/01/2009 10:30:00 PM#)");
  db_->Execute("UPDATE Log SET UserName = 'x' WHERE Stamp > #01/31/2010#");
  EXPECT_EQ(Rows("SELECT Code, Stamp, UserName FROM Log ORDER BY Stamp"),
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
  db_->Execute("INSERT INTO Customers VALUES (6, '20100012345', 'ACME SA', 'ANA')");
  db_->Execute("INSERT INTO Orders (kind, id, period, batch) VALUES (6, '20100012345', '201003', 1)");
  AddSetting("044", "6", std::string(30, ' ') + "R.U.C.");
  EXPECT_EQ(Rows("SELECT B.NAME, (SELECT mid(value,31,12) FROM Settings WHERE code = '044' AND "
                 "val(argument) = a.kind ) as des FROM Orders A, Customers B WHERE A.KIND = B.KIND"),
            (Table{{"ACME SA", "R.U.C."}}));
  EXPECT_EQ(Rows("SELECT c.name FROM (Orders AS a INNER JOIN Customers AS c ON a.id = c.id) "
                 "INNER JOIN Settings AS p ON val(p.argument) = a.kind"),
            (Table{{"ACME SA"}}));
}

// One translation serves every statement of the same shape: the values still differ.
TEST_F(TranslationTest, StatementsOfOneShapeKeepTheirOwnValues) {
  for (int i = 0; i < 3; ++i) AddSetting("404", "2010010" + std::to_string(i), std::to_string(i));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Rows("SELECT Value FROM Settings WHERE code='404' AND argument='2010010" + std::to_string(i) + "'"),
              (Table{{std::to_string(i)}}));
  }
  EXPECT_EQ(Rows("SELECT Argument FROM Settings ORDER BY 1 DESC")[0][0], "20100102");
  EXPECT_EQ(Rows("SELECT Argument, Value FROM Settings ORDER BY 2 DESC")[0][1], "2");
}

TEST_F(TranslationTest, SyntaxErrorsAndUnknownNamesRaiseTheEngineNumbers) {
  struct Case {
    const char* statement;
    int error;
  } cases[] = {
      {"SELECT * FROM NOEXISTE", kErrTableNotFound},
      {"SELECT nocolumn FROM Settings", kErrTooFewParameters},
      {"SELECT * FROM Settings WHERE Code = 'abc", kErrSyntaxInExpression},
      {"SELECT * FROM Settings WHERE (Code = 1", kErrSyntaxInExpression},
      {"SELECT foo(Code) FROM Settings", kErrUndefinedFunction},
      {"PARAMETERS x TEXT; SELECT 1", kErrInvalidSql},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset(c.statement, dbOpenSnapshot); }), c.error) << c.statement;
  }
}

// A statement run right after one of the same text but its values has only its
// values read again; it must store, find and refuse exactly what it does when
// read on its own, whatever changed around or inside its literals.
TEST_F(TranslationTest, AStatementAfterOneOfTheSameShapeActsAsOnItsOwn) {
  const std::string insert = "INSERT INTO Settings VALUES (";
  const std::string log = "INSERT INTO Log (Code, Stamp, kind) VALUES (";
  struct Case {
    std::string before;
    std::string statement;
  } cases[] = {
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2', 'it''s', 'y''', '', '0')"},
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2',  'b',\n'y', '000', '0')"},
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2', 'b', 5, '000', '0')"},
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2', 'b', 'y', '000', '0)"},
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2', 'b', 'y', '0000', '0')"},
      {insert + "'1', 'a', 'x', '000', '0')", insert + "'2', 'b', 'y', '000', '0') ,"},
      {log + "'A', #01/02/2009#, 5)", log + "'B', #01/02/2009 10:00#, 5e1)"},
      {log + "'A', #01/02/2009#, 5)", log + "'B', #13/02/2009#, 5)"},
      {log + "'A', #01/02/2009#, 5)", log + "'B', #01/02/2009#, .5)"},
      {log + "'A', #01/02/2009#, 5)", log + "'B', #01/02/2009#, 5.)"},
      {log + "'A', #01/02/2009#, 5)", log + "'B', #01/02/2009#, 70000)"},
      {"UPDATE Settings SET Value='x'WHERE Code='1'", "UPDATE Settings SET Value='z'WHERE Code='10'"},
      {"UPDATE Settings SET Value='x' WHERE Code='1'", "UPDATE Settings SET Value='x' WHERE Code=\"1\""},
      {log + "'A', #01/02/2009#, 5)", log + "'B', '01/02/2009', 5)"},
      {"SELECT Code FROM Settings WHERE 1 * 1 = 1000", "SELECT Code FROM Settings WHERE '1,000' * 1 = 1000"},
      {"SELECT TOP 1 Code FROM Settings ORDER BY 1", "SELECT TOP 2 Code FROM Settings ORDER BY 1"},
      {"SELECT Code FROM Settings WHERE Seq = '000' ORDER BY 1",
       "SELECT Code FROM Settings WHERE Seq = '' ORDER BY 2"},
  };
  auto run = [&](const std::string& sql, Table& rows) {
    return ErrorOf([&] {
      if (sql.rfind("SELECT", 0) == 0) {
        rows = Rows(sql);
      } else {
        db_->Execute(sql, dbFailOnError);
      }
    });
  };
  auto outcome = [&](const Case& c, bool readAlone) {
    db_->Execute("DELETE FROM Settings");
    db_->Execute("DELETE FROM Log");
    for (const char* code : {"1", "10", "7"}) AddSetting(code, "a", "x");
    Table rows;
    run(c.before, rows);
    if (readAlone) Rows("SELECT Count(*) FROM Users");
    int error = run(c.statement, rows);
    Table stored = Rows("SELECT Code, Argument, Value, Seq FROM Settings ORDER BY Code");
    Table logged = Rows("SELECT Code, Stamp, kind FROM Log ORDER BY Code");
    stored.insert(stored.end(), logged.begin(), logged.end());
    stored.insert(stored.end(), rows.begin(), rows.end());
    stored.push_back({std::to_string(error)});
    return stored;
  };
  for (const Case& c : cases) EXPECT_EQ(outcome(c, false), outcome(c, true)) << c.statement;
}

// A statement kept prepared keeps its values bound from one run to the next
// and binds again only those written differently; each run must store and
// find its own values, a refused run included.
TEST_F(TranslationTest, RowAfterRowOfOneShapeStoresEachItsOwnValues) {
  const char* rows[] = {
      "'1', 'Ana', #01/02/2009#, 5",
      "'2', 'Ana', #01/02/2009#, 6",
      "'3', 'it''s', #01/02/2009#, 6",
      "'4', 'it''s', #01/02/2009 10:30#, 6",
      "'5', 'a name of twenty chr', #01/02/2009#, 6",
      "'6', 'Bea', #13/45/2009#, 6",
      "'7', 'Bea', #13/45/2009#, 6",
      "'8', 'Bea', #01/02/2009#, 70000",
      "'9', \"Bea\", #01/02/2009#, 6",
      "'10', 'Ana', #01/02/2009#, 5",
  };
  std::vector<int> errors;
  for (const char* row : rows) {
    errors.push_back(ErrorOf([&] {
      db_->Execute(std::string("INSERT INTO Log (Seq, UserName, Stamp, kind) VALUES (") + row + ")",
                   dbFailOnError);
    }));
  }
  EXPECT_EQ(errors, (std::vector<int>{0, 0, 0, 0, 0, kErrSyntaxInExpression, kErrSyntaxInExpression,
                                      kErrNumericOverflow, 0, 0}));
  EXPECT_EQ(Rows("SELECT Seq, UserName, Format(Stamp, 'yyyy-mm-dd hh:nn'), kind FROM Log ORDER BY Seq * 1"),
            (Table{{"1", "Ana", "2009-01-02 00:00", "5"},
                   {"2", "Ana", "2009-01-02 00:00", "6"},
                   {"3", "it's", "2009-01-02 00:00", "6"},
                   {"4", "it's", "2009-01-02 10:30", "6"},
                   {"5", "a name of twenty chr", "2009-01-02 00:00", "6"},
                   {"9", "Bea", "2009-01-02 00:00", "6"},
                   {"10", "Ana", "2009-01-02 00:00", "5"}}));
  Table found;
  for (const char* name : {"Ana", "it's", "Ana", "Bea", "nadie"}) {
    Table rows = Rows("SELECT Count(*) FROM Log WHERE UserName = " + vb::SqlText(name));
    found.insert(found.end(), rows.begin(), rows.end());
  }
  EXPECT_EQ(found, (Table{{"3"}, {"2"}, {"3"}, {"1"}, {"0"}}));
}

}  // namespace
}  // namespace dao::testing
