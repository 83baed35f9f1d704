#include "platform/dao/tests/dao_fixture.h"

namespace dao::testing {
namespace {

class DatabaseTest : public DaoTest {
 protected:
  void SetUp() override {
    DaoTest::SetUp();
    Add("Orders", "6, '20100012345', '201003', 1, '15/03/2010', 9");
    Add("Orders", "6, '20500099999', '201002', 2, '15/03/2010', 9");
  }
};

// A path may come as a folder and a file name joined as they stand, with "\" and
// in another case than the file's.
TEST_F(DatabaseTest, DatabaseOpensOnTheDefaultWorkspaceWithTheWorkgroupKept) {
  DBEngine& engine = Engine();
  engine.SetSystemDB(folder_ / "SYSTEM.MDW");
  engine.SetDefaultUser("usuario1");
  engine.SetDefaultPassword("clave123");
  db_->Close();
  DatabasePtr db = engine.Workspaces(0).OpenDatabase(path_, false, false, "");
  EXPECT_EQ(db->Name(), path_);
  db->Close();
  std::string windowsStyle = folder_.Path() + "\\ENGINE.DB";
  db = engine.OpenDatabase(windowsStyle);
  EXPECT_EQ(db->Name(), windowsStyle);
  EXPECT_FALSE(db->OpenRecordset("SELECT 'x' FROM Orders WHERE batch = 2", dbOpenSnapshot)->Eof());
  EXPECT_EQ(engine.Workspaces(0).UserName(), "usuario1");
  EXPECT_EQ(engine.SystemDB(), folder_ / "SYSTEM.MDW");
  db->Close();
  EXPECT_EQ(ErrorOf([&] { engine.Workspaces(0).OpenDatabase(folder_.Path() + "engine.db"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { engine.Workspaces(0).OpenDatabase(folder_ / "missing/engine.db"); }), kErrInvalidPath);
  EXPECT_EQ(ErrorOf([&] { engine.Workspaces(0).OpenDatabase(folder_ / "other.mdb"); }), kErrFileNotFound);
  EXPECT_EQ(ErrorOf([&] { engine.Workspaces(1); }), kErrItemNotFound);
  db_ = engine.OpenDatabase(path_);
}

TEST_F(DatabaseTest, ExecutorWithOptionSixteenReportsAKeyViolationAndChangesNothing) {
  std::string insert = "INSERT INTO Orders (kind, id, period, batch) VALUES (6, '20100012345', '201003', 1)";
  EXPECT_EQ(ErrorOf([&] { db_->Execute(insert, dbInconsistent); }), kErrDuplicateKey);
  EXPECT_EQ(Count("Orders"), 2);
}

// Statements name tables and columns in any case; RecordsAffected tells how many
// rows the last one wrote, none included.
TEST_F(DatabaseTest, TablesAndColumnsAreFoundInAnyCaseAndTheRowsWrittenAreCounted) {
  AddEntry("WorkEntries", "01", "200901", "030701", "V1", "00");
  AddEntry("WorkEntries", "02", "200902", "030701", "V2", "00");
  struct Case {
    const char* statement;
    long affected;
  } cases[] = {{"delete from orders where BATCH = 2", 1},
               {"INSERT INTO entries SELECT * FROM WORKENTRIES WHERE KIND = '01' ;", 1},
               {"UPDATE ENTRIES SET State = '07' WHERE Kind = '01'", 1},
               {"UPDATE Entries SET state = '08' WHERE kind = '02'", 0},
               {"DELETE FROM workentries", 2}};
  for (const auto& c : cases) {
    db_->Execute(c.statement, dbFailOnError);
    EXPECT_EQ(db_->RecordsAffected(), c.affected) << c.statement;
  }
  EXPECT_EQ(Rows("SELECT doc, state FROM Entries"), (Table{{"V1", "07"}}));
  EXPECT_EQ(Rows("SELECT batch FROM Orders"), (Table{{"1"}}));
}

}  // namespace
}  // namespace dao::testing
