#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"

namespace dao::testing {
namespace {

// Five working entries of owner A1, batch 1, and the settings that name their
// taxes, document type and states.
class QueriesTest : public DaoTest {
 protected:
  void SetUp() override {
    DaoTest::SetUp();
    Add("Settings", "'725', '030701', 'RENTA DE TERCERA', '000'");
    Add("Settings", "'725', '010101', 'IMPUESTO GENERAL A LAS VENTAS', '000'");
    Add("Settings", "'726', '001000', '" + std::string(21, ' ') + "orden de pago', '000'");
    Add("Settings", "'724', '16', 'DEUDA EN COBRANZA COACTIVA', '000'");
    AddEntry("WorkEntries", "01", "200911", "030701", "V1", "00", "1", "'1000'");
    AddEntry("WorkEntries", "05", "200508", "0", "0", "0", "2", "'0.00'");
    AddEntry("WorkEntries", "02", "200910", "010101", "D1", "07");
    AddEntry("WorkEntries", "01", "200909", "030701", "V2", "16", "2", "'0.00'");
    AddEntry("WorkEntries", "04", "200912", "030701", "N1", "00", "1", "'250'");
  }
  // The docs of the working entries that meet `conditions`, in order.
  std::vector<std::string> Docs(const std::string& conditions) {
    std::vector<std::string> docs;
    for (const auto& row : Rows("SELECT doc FROM WorkEntries WHERE owner = 'A1' AND batch = 1 " + conditions +
                                " ORDER BY doc"))
      docs.push_back(row[0]);
    return docs;
  }
};

// A subquery may name a column of the outer table unqualified when its own table
// has none of that name, or qualified by the outer table's name.
TEST_F(QueriesTest, SubqueriesAndIifInTheSelectListGiveTheirValuesUnderTheirNames) {
  std::string sql =
      "SELECT period, ( ( SELECT Mid(argument,2,3) & right(argument,1) & '-' & left(value,32) FROM Settings "
      "WHERE code = '725' AND argument = tax )) AS tax_name, "
      "iif(kind='01', ( SELECT ucase(Trim(Mid(value,22,80))) FROM Settings WHERE code = '726' "
      "AND argument = trim(Left('001001',3) & '000  ') ), '') AS description, "
      "( SELECT left(value,50) FROM Settings WHERE code = '724' and argument = WorkEntries.state ) AS reason, "
      "stamp, mid(period,5,2) & mid(period,1,4) as shown "
      "FROM WorkEntries WHERE kind in ( '01', '05' ) ORDER BY 1 DESC, tax ";
  EXPECT_EQ(Rows(sql),
            (Table{{"200911", "3071-RENTA DE TERCERA", "ORDEN DE PAGO", "Null", "15/03/2010 10:20:30 a.m.", "112009"},
                   {"200909", "3071-RENTA DE TERCERA", "ORDEN DE PAGO", "DEUDA EN COBRANZA COACTIVA",
                    "15/03/2010 10:20:30 a.m.", "092009"},
                   {"200508", "Null", "", "Null", "15/03/2010 10:20:30 a.m.", "082005"}}));
  RecordsetPtr rs = db_->OpenRecordset(sql, dbOpenSnapshot);
  EXPECT_EQ(rs->Fields()[1].Name(), "tax_name");
  EXPECT_EQ(vb::VarType(rs->Fields()["stamp"].Value()), vb::vbDate);
}

TEST_F(QueriesTest, AggregatesOfNoRowsAreNullAndTextsTimesOneAreSummedAsNumbers) {
  db_->Execute("UPDATE WorkEntries SET accepted = '1234.50' WHERE doc = 'V1'");
  struct Case {
    const char* conditions;
    const char* total;
  } cases[] = {{"AND kind = '01' ", "1,235"},
               {"AND kind in ( '02', '03' ) ", ""},
               {"AND kind = '04' ", "250"},
               {"AND kind = '09' ", ""}};
  for (const auto& c : cases) {
    RecordsetPtr rs = db_->OpenRecordset(
        std::string("SELECT SUM(accepted * 1)  FROM  WorkEntries WHERE owner = 'A1' ") + c.conditions,
        dbOpenForwardOnly);
    EXPECT_EQ(vb::Format(rs->Fields()[0].Value(), "###,###,###,##0"), c.total) << c.conditions;
  }
  EXPECT_EQ(Rows("SELECT max(Seq) as Last FROM Log Where Code = 'F36001'"), (Table{{"Null"}}));
  Add("Log", "'F36001', '000001', '00000001.PRN', #03/16/2010#, 'ANA', 6, '1'");
  EXPECT_EQ(Rows("SELECT max(left(FileName,8)) as Last FROM Log"), (Table{{"00000001"}}));
}

// A quote may be followed by the next word at once; a text joined with & may be
// compared with a column.
TEST_F(QueriesTest, ConditionsFindTheirRows) {
  struct Case {
    const char* conditions;
    std::vector<std::string> docs;
  } cases[] = {
      {"AND flag is null", {"D1"}},
      {"AND isnull(flag)", {"D1"}},
      {"AND kind in ('01', '02', '03') AND ( flag = 0 OR isnull(flag) OR ( flag = 1 AND accepted = '' ) )", {"D1"}},
      {"AND kind in ( '01', '05' ) AND state in ( '0','00', '07', '08' )", {"0", "V1"}},
      {"AND kind IN ('01','02','03')  AND state not in ( '0','00', '07', '08' )", {"V2"}},
      {"AND doc = trim('V1   ')", {"V1"}},
      {"AND tax = '03070' & '1' AND kind = '04'", {"N1"}},
      {"AND ref = 'P1'AND kind = '02'", {"D1"}},
      {"AND period > '200910' AND left(tax,2) <> '01'", {"N1", "V1"}},
      {"AND kind = '04' AND tax in ('080206', '052209')", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Docs(c.conditions), c.docs) << c.conditions;
}

// A history row goes to a working table without its sequence by naming the
// columns; rows of the same shape go across with SELECT *.
TEST_F(QueriesTest, RowsAreCopiedBetweenTablesWithOrWithoutTheirSequence) {
  AddEntry("HEntries", "01", "200901", "030701", "H1", "00", "1", "'1000'");
  db_->Execute("DELETE FROM workentries ", dbFailOnError);
  std::string columns = "owner, batch, kind, period, tax, doc, stamp, since, installments, ref, amount, accepted, "
                        "flag, state";
  db_->Execute("INSERT INTO workentries SELECT " + columns + " FROM HEntries WHERE owner = 'A1' AND Seq = '001' ;",
               dbFailOnError);
  EXPECT_EQ(Rows("SELECT doc, accepted FROM WorkEntries"), (Table{{"H1", "1000"}}));
  db_->Execute("INSERT INTO Entries SELECT * FROM workentries WHERE owner = 'A1';", dbFailOnError);
  EXPECT_EQ(Rows("SELECT doc, flag FROM Entries"), (Table{{"H1", "1"}}));
}

TEST_F(QueriesTest, JoinedRowsKeepTheirColumnsTypes) {
  db_->Execute("CREATE TABLE Notes (owner TEXT(15), doc TEXT(17), n INTEGER, noted TEXT(10))");
  Add("Notes", "'A1', 'V1', 12346, '06/01/2010'");
  Add("Notes", "'A1', 'V1', 12345, '05/01/2010'");
  std::string sql = "SELECT a.kind, b.n, b.noted FROM WorkEntries a, Notes b WHERE a.owner = b.owner "
                    "AND a.doc = b.doc AND a.doc = 'V1' ORDER BY 2 ;";
  EXPECT_EQ(Rows(sql), (Table{{"01", "12345", "05/01/2010"}, {"01", "12346", "06/01/2010"}}));
  RecordsetPtr rs = db_->OpenRecordset(sql, dbOpenForwardOnly);
  EXPECT_EQ(vb::VarType(rs->Fields()["n"].Value()), vb::vbLong);
}

// A dynaset over a filtered SELECT edits the rows it holds and adds rows its
// filter would not find.
TEST_F(QueriesTest, DynasetOverAFilteredSelectEditsItsRowsAndAddsOthers) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM WorkEntries WHERE owner = 'A1' AND batch = 1 "
                                       "AND kind in ( '01', '02', '03') AND state in ( '00', '07', '08' ) ",
                                       dbOpenDynaset);
  int edited = 0;
  for (; !rs->Eof(); rs->MoveNext()) {
    vb::Variant flag = rs->Fields()["flag"].Value();
    if (vb::CStr(flag.IsNull() ? vb::Variant(0) : flag) != "1") continue;
    rs->Edit();
    rs->Fields()["amount"] = vb::Format(vb::Variant(1118.5), "###########0");
    rs->Update();
    ++edited;
  }
  EXPECT_EQ(edited, 1);
  EXPECT_EQ(Rows("SELECT doc, amount FROM WorkEntries WHERE amount <> '123.75'"), (Table{{"V1", "1119"}}));
  RecordsetPtr other = db_->OpenRecordset("SELECT * FROM WorkEntries WHERE kind = '09'", dbOpenDynaset);
  EXPECT_TRUE(other->Bof() && other->Eof());
  other->AddNew();
  const std::vector<std::pair<const char*, vb::Variant>> values = {
      {"owner", "A1"}, {"batch", 1}, {"kind", "04"}, {"period", "200912"}, {"tax", "030701"}, {"doc", "0"}};
  for (const auto& [field, value] : values) other->Fields()[field] = value;
  other->Update();
  EXPECT_EQ(Docs("AND kind = '04'"), (std::vector<std::string>{"0", "N1"}));
}

// An apostrophe ends a quoted text, so the statement is refused and nothing
// written; a recordset stores it as it stands.
TEST_F(QueriesTest, ApostropheBreaksAQuotedTextButNotAValueGivenToARecordset) {
  EXPECT_EQ(ErrorOf([&] { db_->Execute("insert into Settings values ('880','O'Brien','x','000')", dbInconsistent); }),
            kErrSyntaxInExpression);
  EXPECT_EQ(Count("Settings WHERE code = '880'"), 0);
  auto store = [&](const std::string& value, int seq) {
    RecordsetPtr rs =
        db_->OpenRecordset("Select * From Settings where code='728' and argument= '0942'", dbOpenDynaset);
    if (rs->Eof()) {
      rs->AddNew();
      rs->Fields()["Code"] = "728";
      rs->Fields()["Argument"] = "0942";
    } else {
      rs->Edit();
    }
    rs->Fields()["Value"] = value;
    rs->Fields()["Seq"] = vb::Format(vb::Variant(seq), "000");
    rs->Update();
    rs->Close();
  };
  store("030701 2010 D'Alessio", 5);
  EXPECT_EQ(Rows("SELECT * FROM Settings WHERE code = '728'"), (Table{{"728", "0942", "030701 2010 D'Alessio", "005", "Null"}}));
  store("030701 2011", 6);
  EXPECT_EQ(Rows("SELECT * FROM Settings WHERE code = '728'"), (Table{{"728", "0942", "030701 2011", "006", "Null"}}));
}

}  // namespace
}  // namespace dao::testing
