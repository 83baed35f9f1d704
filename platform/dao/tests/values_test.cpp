#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/conv.h"

namespace dao::testing {
namespace {

class ValuesTest : public DaoTest {
 protected:
  void SetUp() override {
    DaoTest::SetUp();
    db_->Execute("INSERT INTO Settings VALUES ('725', 'ñandú', '  Añil  ', '007', Null)");
  }
  // The single value of "SELECT <expression> FROM Settings".
  vb::Variant Eval(const std::string& expression) {
    RecordsetPtr rs = db_->OpenRecordset("SELECT " + expression + " FROM Settings", dbOpenSnapshot);
    return rs->Fields()[0].Value();
  }
};

TEST_F(ValuesTest, FunctionsCountCharactersAndFollowTheEngine) {
  struct Case {
    const char* expression;
    const char* expected;
  } cases[] = {
      {"mid(Argument, 2, 3)", "and"},       {"mid(Argument, 4)", "dú"},
      {"mid(Argument, 9, 2)", ""},          {"left(Argument, 2)", "ña"},
      {"right(Argument, 2)", "dú"},         {"len(Argument)", "5"},
      {"trim(Value)", "Añil"},              {"ltrim(Value)", "Añil  "},
      {"rtrim(Value)", "  Añil"},           {"ucase(Argument)", "ÑANDÚ"},
      {"lcase('ÑANDÚ')", "ñandú"},          {"instr(Argument, 'DÚ')", "4"},
      {"instr(2, 'abcabc', 'c')", "3"},     {"val(' 12 34.5x')", "1234.5"},
      {"val(Seq)", "7"},                    {"iif(Code = '725', 'si', 'no')", "si"},
      {"isnull(State)", "True"},            {"nz(State, 'vacío')", "vacío"},
      {"nz(Code)", "725"},                  {"format(1234.5, '#,##0.00')", "1,234.50"},
      {"cstr(12.5)", "12.5"},               {"cint('2.5')", "2"},
      {"clng(3.5)", "4"},                   {"cdbl('1.25')", "1.25"},
      {"ccur('10.12345')", "10.1234"},      {"cdate('15/03/2010')", "15/03/2010"},
      {"str(5)", " 5"},                     {"space(3) & '|'", "   |"},
      {"year(#03/15/2010#)", "2010"},       {"month(#03/15/2010#)", "3"},
      {"day(#03/15/2010#)", "15"},          {"mid(Value, 3, 2) & len(State)", "Añ"},
  };
  for (const auto& c : cases) EXPECT_EQ(vb::CStr(Eval(c.expression)), c.expected) << c.expression;
}

TEST_F(ValuesTest, NullGoesThroughTheTextFunctions) {
  for (const char* expression : {"mid(State, 1, 1)", "left(State, 1)", "len(State)", "trim(State)",
                                 "ucase(State)", "val(State)", "State & Null"})
    EXPECT_TRUE(Eval(expression).IsNull()) << expression;
}

TEST_F(ValuesTest, BadArgumentsRaiseTheirErrors) {
  struct Case {
    const char* expression;
    int error;
  } cases[] = {{"mid(Argument, 0, 1)", 5}, {"cint('abc')", kErrTypeMismatch}, {"cstr(State)", 94}};
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { Eval(c.expression); }), c.error) << c.expression;
  }
}

TEST_F(ValuesTest, DateAndNowFollowTheRuntimeClock) {
  vb::SetClock([] { return vb::Date{vb::DateSerial(2010, 3, 15).serial + 0.5}; });
  EXPECT_EQ(vb::CStr(Eval("date()")), "15/03/2010");
  EXPECT_EQ(vb::CStr(Eval("now()")), "15/03/2010 12:00:00 p.m.");
  vb::SetClock({});
}

TEST_F(ValuesTest, ColumnsComeBackAsTheirJetTypes) {
  db_->Execute("CREATE TABLE Tipos (b BYTE, i SHORT, l LONG, s SINGLE, d DOUBLE, c CURRENCY, f DATE, "
               "t TEXT(5), m MEMO, y YESNO, n COUNTER, g INTEGER)");
  db_->Execute("INSERT INTO Tipos (b, i, l, s, d, c, f, t, m, y, g) VALUES "
               "(200, -300, 70000, 1.5, 2.25, 1234.5678, #02/28/2010#, 'abc', 'memo', True, 12345)");
  db_->Execute("INSERT INTO Tipos (b) VALUES (Null)");
  RecordsetPtr rs = db_->OpenRecordset("Tipos");
  struct Case {
    const char* field;
    int fieldType;
    vb::VbVarType valueType;
    const char* text;
  } cases[] = {{"b", dbByte, vb::vbByte, "200"},          {"i", dbInteger, vb::vbInteger, "-300"},
               {"l", dbLong, vb::vbLong, "70000"},        {"s", dbSingle, vb::vbSingle, "1.5"},
               {"d", dbDouble, vb::vbDouble, "2.25"},     {"c", dbCurrency, vb::vbCurrency, "1234.5678"},
               {"f", dbDate, vb::vbDate, "28/02/2010"},   {"t", dbText, vb::vbString, "abc"},
               {"m", dbMemo, vb::vbString, "memo"},       {"y", dbBoolean, vb::vbBoolean, "True"},
               {"n", dbLong, vb::vbLong, "1"},            {"g", dbLong, vb::vbLong, "12345"}};
  for (const auto& c : cases) {
    Field& field = rs->Fields()[c.field];
    EXPECT_EQ(field.Type(), c.fieldType) << c.field;
    EXPECT_EQ(vb::VarType(field.Value()), c.valueType) << c.field;
    EXPECT_EQ(vb::CStr(field.Value()), c.text) << c.field;
  }
  rs->MoveNext();
  EXPECT_TRUE(rs->Fields()["i"].Value().IsNull());
  EXPECT_EQ(vb::CStr(rs->Fields()["n"].Value()), "2");
}

TEST_F(ValuesTest, ExpressionsTakeTheTypeTheEngineGivesThem) {
  db_->Execute("CREATE TABLE Montos (c CURRENCY, b BYTE, t TEXT(10))");
  db_->Execute("INSERT INTO Montos VALUES (10.5, 1, '1234')");
  db_->Execute("INSERT INTO Montos VALUES (0.25, 2, '1')");
  RecordsetPtr rs = db_->OpenRecordset(
      "SELECT SUM(c), count(*) as nCont, SUM(t * 1), mid(t, 1, 2), 'x', max(t), b + 1, #01/02/2010#, "
      "(SELECT max(b) FROM Montos) AS sub FROM Montos",
      dbOpenSnapshot);
  struct Case {
    int index;
    const char* name;
    int type;
    vb::VbVarType valueType;
  } cases[] = {{0, "Expr1000", dbCurrency, vb::vbCurrency}, {1, "nCont", dbLong, vb::vbLong},
               {2, "Expr1002", dbDouble, vb::vbDouble},     {3, "Expr1003", dbText, vb::vbString},
               {4, "Expr1004", dbText, vb::vbString},       {5, "Expr1005", dbText, vb::vbString},
               {6, "Expr1006", dbDouble, vb::vbDouble},     {7, "Expr1007", dbDate, vb::vbDate},
               {8, "sub", dbByte, vb::vbByte}};
  for (const auto& c : cases) {
    Field& field = rs->Fields()[c.index];
    EXPECT_EQ(field.Name(), c.name);
    EXPECT_EQ(field.Type(), c.type) << c.name;
    EXPECT_EQ(vb::VarType(field.Value()), c.valueType) << c.name;
  }
  EXPECT_EQ(vb::CStr(rs->Fields()[0].Value()), "10.75");
  EXPECT_EQ(vb::CStr(rs->Fields()[2].Value()), "1235");
}

// Assigning to a field converts by the column's type, as the engine does; the
// fields of a new row not yet assigned are Null.
TEST_F(ValuesTest, AssignedValuesAreConvertedToTheColumnType) {
  RecordsetPtr rs = db_->OpenRecordset("Entries");
  rs->AddNew();
  rs->Fields()["installments"] = "0";
  rs->Fields()["tax"] = 0;
  rs->Fields()["since"] = "01/01/1901";
  rs->Fields()["stamp"] = "15/05/2010 10:20:30";
  EXPECT_EQ(vb::VarType(rs->Fields()["installments"].Value()), vb::vbByte);
  EXPECT_EQ(rs->Fields()["tax"].Value().As<std::string>(), "0");
  EXPECT_EQ(vb::CStr(rs->Fields()["since"].Value()), "01/01/1901");
  EXPECT_EQ(vb::CStr(rs->Fields()["stamp"].Value()), "15/05/2010 10:20:30 a.m.");
  std::string types;
  for (Field& field : rs->Fields()) types += std::to_string(vb::VarType(field.Value())) + " ";
  EXPECT_EQ(types, "1 1 1 1 8 1 7 7 17 1 1 1 1 1 ");
  struct Case {
    const char* field;
    vb::Variant value;
    int error;
  } cases[] = {{"installments", "abc", kErrConversion},
               {"installments", 300, kErrNumericOverflow},
               {"since", "31/02/2010x", kErrConversion},
               {"period", "2010031", kErrFieldTooSmall}};
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { rs->Fields()[c.field] = c.value; }), c.error) << c.field;
  }
}

// A value given up to a field is kept rather than copied when the column holds
// text, and takes the same rules as a copied one: a text too long is refused and
// leaves the pending value as it was, a text for a number column is converted,
// and the caller's own value is left alone.
TEST_F(ValuesTest, AValueGivenUpIsStoredAsACopiedOne) {
  RecordsetPtr rs = db_->OpenRecordset("Entries");
  rs->AddNew();
  vb::Variant propio("201003");
  rs->Fields()["period"] = propio;
  EXPECT_EQ(propio.As<std::string>(), "201003");
  struct Case {
    const char* field;
    const char* given;
    int error;
    const char* stored;
  } cases[] = {{"period", "201004", 0, "201004"},
               {"period", "2010051", kErrFieldTooSmall, "201004"},
               {"installments", "7", 0, "7"},
               {"installments", "abc", kErrConversion, "7"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { rs->Fields()[c.field] = vb::Variant(std::string(c.given)); }), c.error) << c.given;
    EXPECT_EQ(vb::CStr(rs->Fields()[c.field].Value()), c.stored) << c.given;
  }
}

// The column rules hold for statements and recordsets alike.
TEST_F(ValuesTest, ColumnRulesRaiseTheEngineNumbers) {
  std::string insert = "INSERT INTO Entries (owner, batch, kind, period, tax, doc, ";
  struct Case {
    std::string statement;
    int error;
  } cases[] = {
      {insert + "accepted) VALUES ('1', 1, '01', '200901', '1', '1', '')", 0},
      {insert + "amount) VALUES ('2', 1, '01', '200901', '1', '1', '')", kErrZeroLength},
      {insert + "ref) VALUES ('3', 1, '01', '200901', '1', '1', '123456789012345')", kErrFieldTooSmall},
      {insert + "flag) VALUES ('4', 1, '01', '200901', '1', '1', 256)", kErrNumericOverflow},
      {insert + "flag) VALUES ('5', 1, '01', '200901', '1', Null, 1)", kErrNullInKey},
      {insert + "accepted) VALUES ('1', 1, '01', '200901', '1', '1', '')", kErrDuplicateKey},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { db_->Execute(c.statement, dbFailOnError); }), c.error) << c.statement;
  }
  EXPECT_EQ(Count("Entries"), 1);
}

}  // namespace
}  // namespace dao::testing
