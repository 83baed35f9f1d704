#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/strings.h"

namespace dao::testing {
namespace {

class DefinitionsTest : public DaoTest {
 protected:
  // Whether the database's tables, refreshed, include `upper` in upper case.
  bool Exists(const std::string& upper) {
    db_->TableDefs().Refresh();
    for (TableDef& table : db_->TableDefs()) {
      if (vb::UCase(table.Name()) == upper) return true;
    }
    return false;
  }
  int ErrorOf(const std::string& statement) {
    return testsupport::ErrorOf([&] { db_->Execute(statement, dbInconsistent); });
  }
  void Reopen() {
    db_->Close();
    db_ = Engine().OpenDatabase(path_);
  }
};

TEST_F(DefinitionsTest, TablesHaveTheirColumnsTypesSizesAndKeys) {
  db_->Execute("CREATE TABLE Numbers (n INTEGER, d DOUBLE)");
  struct Case {
    const char* table;
    int fields;
    const char* key;
  } cases[] = {{"Entries", 14, "PK_Entries"}, {"HEntries", 15, "PK_HEntries"}, {"WORKENTRIES", 14, "PK_WorkEntries"},
               {"Orders", 6, "PK_Orders"},    {"Users", 2, ""},               {"Numbers", 2, ""}};
  for (const auto& c : cases) {
    EXPECT_TRUE(Exists(vb::UCase(c.table))) << c.table;
    EXPECT_EQ(db_->TableDefs()[c.table].FieldCount(), c.fields) << c.table;
    EXPECT_EQ(db_->TableDefs()[c.table].PrimaryKeyName(), c.key) << c.table;
  }
  EXPECT_EQ(db_->TableDefs()["HEntries"].Fields(2).Name(), "Seq");
  struct Column {
    const char* table;
    const char* field;
    int type;
    long size;
  } columns[] = {{"Entries", "stamp", dbDate, 8},  {"Entries", "installments", dbByte, 1},
                 {"Entries", "doc", dbText, 17},   {"Numbers", "n", dbLong, 4},
                 {"Log", "kind", dbInteger, 2},    {"Numbers", "d", dbDouble, 8}};
  for (const auto& c : columns) {
    FieldDef& field = db_->TableDefs()[c.table].Fields(c.field);
    EXPECT_EQ(field.Type(), c.type) << c.field;
    EXPECT_EQ(field.Size(), c.size) << c.field;
  }
}

// Key names belong to their table: a second table may take one another has.
TEST_F(DefinitionsTest, CatalogueIsHiddenAndDefinitionsSurviveReopening) {
  db_->Execute("CREATE TABLE Copies (owner TEXT(15), batch BYTE)");
  db_->Execute("ALTER TABLE Copies ADD CONSTRAINT PK_Entries PRIMARY KEY (owner, batch)");
  Reopen();
  EXPECT_FALSE(Exists("__DAO_CATALOGUE"));
  EXPECT_EQ(db_->TableDefs().Count(), 10);
  for (const char* table : {"Entries", "HEntries", "WorkEntries", "Settings"}) {
    std::string zeroLength;
    for (FieldDef& field : db_->TableDefs()[table])
      if (field.AllowZeroLength()) zeroLength += field.Name() + " ";
    EXPECT_EQ(zeroLength, std::string(table) == "Settings" ? "Seq " : "accepted ") << table;
  }
  EXPECT_EQ(db_->TableDefs()["Copies"].PrimaryKeyName(), "PK_Entries");
  EXPECT_EQ(db_->TableDefs()["Entries"].PrimaryKeyName(), "PK_Entries");
  EXPECT_EQ(testsupport::ErrorOf([&] { db_->TableDefs()["Entries"].Fields("installments").SetAllowZeroLength(true); }),
            kErrInvalidOperation);
}

TEST_F(DefinitionsTest, ExistingTablesAndKeysAndMissingTablesRaiseTheirNumbers) {
  AddEntry("Entries", "01", "200901", "030701", "V1", "00");
  ASSERT_TRUE(Exists("WORKENTRIES"));
  db_->Execute("Drop Table WorkEntries", dbInconsistent);
  EXPECT_FALSE(Exists("WORKENTRIES"));
  EXPECT_EQ(ErrorOf("CREATE TABLE Entries (owner BYTE)"), kErrTableExists);
  EXPECT_EQ(ErrorOf("ALTER TABLE Entries ADD CONSTRAINT PK_Entries PRIMARY KEY (owner)"), kErrPrimaryKeyExists);
  EXPECT_EQ(ErrorOf("Drop Table WorkEntries"), kErrTableMissing);
  EXPECT_EQ(Count("Entries"), 1);
}

TEST_F(DefinitionsTest, TableDroppedAndMadeAgainHasItsNewColumns) {
  db_->Execute("Drop Table Orders");
  db_->Execute("CREATE TABLE Orders (kind BYTE, id TEXT(15), period TEXT(6))");
  Add("Orders", "6, '1', '201003'");
  RecordsetPtr rs = db_->OpenRecordset("Select * from Orders", dbOpenSnapshot);
  EXPECT_EQ(rs->Fields().Count(), 3);
  rs->Close();
  db_->Execute("Drop Table Orders");
  EXPECT_FALSE(Exists("ORDERS"));
}

// A table another connection made is seen once the list is refreshed.
TEST_F(DefinitionsTest, TablesMadeByAnotherConnectionAreSeen) {
  EXPECT_EQ(Count("Reports"), 0);
  DatabasePtr other = Engine().OpenDatabase(path_);
  other->Execute("CREATE TABLE Added (a TEXT(5), b TEXT(5), c DATE)");
  other->Close();
  EXPECT_TRUE(Exists("ADDED"));
  db_->Execute("INSERT INTO Added VALUES ('x', 'y')", dbFailOnError);
  EXPECT_EQ(Rows("SELECT * FROM Added"), (Table{{"x", "y", "Null"}}));
  EXPECT_EQ(ErrorOf("INSERT INTO Added VALUES ('123456')"), kErrFieldTooSmall);
}

TEST_F(DefinitionsTest, TableTakesTheRowsOfATableOfItsShapeAndKeepsItsRules) {
  AddEntry("WorkEntries", "01", "200901", "030701", "V1", "00");
  db_->Execute("INSERT INTO Entries SELECT * FROM WorkEntries", dbFailOnError);
  EXPECT_EQ(Count("Entries"), 1);
  db_->Execute("UPDATE Entries SET accepted = ''", dbFailOnError);
  EXPECT_EQ(Rows("SELECT accepted FROM Entries"), (Table{{""}}));
  EXPECT_EQ(ErrorOf("UPDATE Entries SET amount = ''"), kErrZeroLength);
  std::string sameKey = EntryInsert("Entries", "A1", 1, "01", "200901", "030701", "V1", "00");
  sameKey.replace(sameKey.find("'P1'"), 4, "'P2'");
  EXPECT_EQ(ErrorOf(sameKey), kErrDuplicateKey);
}

}  // namespace
}  // namespace dao::testing
