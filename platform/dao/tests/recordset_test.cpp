#include "platform/dao/tests/dao_fixture.h"
#include "platform/vb/conv.h"

namespace dao::testing {
namespace {

class RecordsetTest : public DaoTest {
 protected:
  void SetUp() override {
    DaoTest::SetUp();
    for (const char* code : {"F36001", "F36002", "F36003", "F36004"})
      db_->Execute(std::string("insert into Reports values ('") + code + "','Report " + code + "',1)");
  }
  std::string Code(Recordset& rs) { return rs.Fields()["code"].Value().As<std::string>(); }
  void ExpectNoCurrentRecord(const std::function<void()>& action) {
    EXPECT_EQ(ErrorOf(action), kErrNoCurrentRecord);
  }
};

TEST_F(RecordsetTest, MovingOffEitherEndRaisesNoCurrentRecord) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Reports ORDER BY code", dbOpenDynaset);
  EXPECT_FALSE(rs->Bof());
  rs->MovePrevious();
  EXPECT_TRUE(rs->Bof());
  EXPECT_FALSE(rs->Eof());
  ExpectNoCurrentRecord([&] { rs->Fields()[0].Value(); });
  ExpectNoCurrentRecord([&] { rs->MovePrevious(); });
  rs->MoveLast();
  rs->MoveNext();
  EXPECT_TRUE(rs->Eof());
  ExpectNoCurrentRecord([&] { rs->MoveNext(); });
  ExpectNoCurrentRecord([&] { rs->Edit(); });
  RecordsetPtr empty = db_->OpenRecordset("SELECT * FROM Reports WHERE code = 'X'", dbOpenSnapshot);
  EXPECT_TRUE(empty->Bof());
  EXPECT_TRUE(empty->Eof());
  EXPECT_EQ(empty->RecordCount(), 0);
  ExpectNoCurrentRecord([&] { empty->MoveFirst(); });
}

// A dynaset counts the rows visited until MoveLast; a table-type counts them all.
TEST_F(RecordsetTest, RecordCountIsCompleteAfterMoveLast) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Reports", dbOpenSnapshot);
  EXPECT_EQ(rs->RecordCount(), 1);
  rs->MoveLast();
  rs->MoveFirst();
  EXPECT_EQ(rs->RecordCount(), 4);
  RecordsetPtr table = db_->OpenRecordset("Reports");
  EXPECT_EQ(table->Type(), dbOpenTable);
  EXPECT_EQ(table->RecordCount(), 4);
}

TEST_F(RecordsetTest, PositionsAndBookmarksFindRowsAgain) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Reports ORDER BY code DESC", dbOpenDynaset);
  EXPECT_EQ(rs->AbsolutePosition(), 0);
  rs->Move(2);
  EXPECT_EQ(Code(*rs), "F36002");
  Bookmark mark = rs->Bookmark();
  rs->SetAbsolutePosition(3);
  EXPECT_EQ(Code(*rs), "F36001");
  rs->Move(-3);
  EXPECT_EQ(Code(*rs), "F36004");
  rs->SetBookmark(mark);
  EXPECT_EQ(rs->AbsolutePosition(), 2);
  rs->Move(5);
  EXPECT_TRUE(rs->Eof());
  EXPECT_EQ(rs->AbsolutePosition(), -1);
  EXPECT_EQ(ErrorOf([&] { rs->SetAbsolutePosition(4); }), kErrInvalidArgument);
  RecordsetPtr other = db_->OpenRecordset("Reports");
  EXPECT_THROW(other->SetBookmark(mark), vb::Error);
}

TEST_F(RecordsetTest, ForwardOnlyMovesOnlyForward) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT code FROM Reports", dbOpenForwardOnly);
  int rows = 0;
  for (; !rs->Eof(); rs->MoveNext()) ++rows;
  EXPECT_EQ(rows, 4);
  for (auto action : std::vector<std::function<void()>>{[&] { rs->MovePrevious(); }, [&] { rs->AbsolutePosition(); },
                                                        [&] { rs->MoveFirst(); }}) {
    EXPECT_EQ(ErrorOf(action), kErrNotSupported);
  }
}

// The record check code is computed from a new row's values before Update.
TEST_F(RecordsetTest, PendingNewRowIsReadableBeforeUpdate) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Reports ORDER BY code", dbOpenDynaset);
  rs->AddNew();
  rs->Fields()["code"] = "F36005";
  rs->Fields()["kind"] = "7";
  EXPECT_EQ(rs->EditMode(), dbEditAdd);
  EXPECT_EQ(Code(*rs), "F36005");
  EXPECT_EQ(vb::VarType(rs->Fields()["kind"].Value()), vb::vbInteger);
  EXPECT_TRUE(rs->Fields()["description"].Value().IsNull());
  rs->Update();
  EXPECT_EQ(Code(*rs), "F36001");
  EXPECT_EQ(rs->RecordCount(), 2);
  rs->SetBookmark(rs->LastModified());
  EXPECT_EQ(Code(*rs), "F36005");
  EXPECT_EQ(Count("Reports"), 5);
}

TEST_F(RecordsetTest, EditUpdateCancelAndDeleteWriteThrough) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT code, description, len(code) AS n FROM Reports "
                                       "WHERE code >= 'F36003' ORDER BY code", dbOpenDynaset);
  rs->Edit();
  rs->Fields()["description"] = "cambiado";
  EXPECT_EQ(rs->Fields()["description"].Value().As<std::string>(), "cambiado");
  EXPECT_EQ(Code(*rs), "F36003");
  rs->Update();
  EXPECT_EQ(rs->Fields()["description"].Value().As<std::string>(), "cambiado");
  rs->Edit();
  rs->Fields()["description"] = "descartado";
  rs->CancelUpdate();
  EXPECT_EQ(rs->Fields()["description"].Value().As<std::string>(), "cambiado");
  rs->Edit();
  EXPECT_EQ(ErrorOf([&] { rs->Fields()["n"] = 3; }), kErrFieldNotUpdatable);
  rs->CancelUpdate();
  rs->MoveNext();
  rs->Delete();
  EXPECT_EQ(ErrorOf([&] { rs->Fields()[0].Value(); }), kErrRecordDeleted);
  rs->MovePrevious();
  EXPECT_EQ(Code(*rs), "F36003");
  EXPECT_EQ(Rows("SELECT code, description FROM Reports WHERE code >= 'F36003'"),
            (std::vector<std::vector<std::string>>{{"F36003", "cambiado"}}));
  rs->Requery();
  EXPECT_EQ(Code(*rs), "F36003");
  rs->MoveLast();
  EXPECT_EQ(rs->RecordCount(), 1);
}

// A loader adding rows opens its dynaset append-only, so that no stored row is
// read for it, however many the table holds.
TEST_F(RecordsetTest, AppendOnlyDynasetHoldsOnlyTheRowsAddedThroughIt) {
  struct Case {
    const char* source;
    const char* code;
  } cases[] = {{"SELECT * FROM Reports", "F37001"}, {"Reports", "F37002"}};
  for (const auto& c : cases) {
    RecordsetPtr rs = db_->OpenRecordset(c.source, dbOpenDynaset, dbAppendOnly);
    EXPECT_TRUE(rs->Bof()) << c.source;
    EXPECT_TRUE(rs->Eof()) << c.source;
    EXPECT_EQ(rs->RecordCount(), 0) << c.source;
    rs->AddNew();
    rs->Fields()["code"] = c.code;
    rs->Update();
    rs->MoveLast();
    EXPECT_EQ(rs->RecordCount(), 1) << c.source;
    EXPECT_EQ(Code(*rs), c.code) << c.source;
    rs->Requery();
    EXPECT_TRUE(rs->Eof()) << c.source;
  }
  EXPECT_EQ(Rows("SELECT code FROM Reports WHERE code >= 'F37' ORDER BY code"),
            (Table{{"F37001"}, {"F37002"}}));
}

// A written row is read back from the table when it is next read: the number a
// COUNTER column was given shows. A row whose insert was rolled back keeps the
// values written rather than failing.
TEST_F(RecordsetTest, WrittenRowsShowWhatTheTableStored) {
  db_->Execute("CREATE TABLE Numerados (n COUNTER, t TEXT(10))");
  db_->Execute("INSERT INTO Numerados (t) VALUES ('antes')");
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Numerados", dbOpenDynaset);
  rs->AddNew();
  rs->Fields()["t"] = "nuevo";
  EXPECT_TRUE(rs->Fields()["n"].Value().IsNull());
  rs->Update();
  rs->SetBookmark(rs->LastModified());
  EXPECT_EQ(vb::VarType(rs->Fields()["n"].Value()), vb::vbLong);
  EXPECT_EQ(vb::CStr(rs->Fields()["n"].Value()), "2");
  Workspace& ws = Engine().Workspaces(0);
  ws.BeginTrans();
  rs->AddNew();
  rs->Fields()["t"] = "deshecho";
  rs->Update();
  ws.Rollback();
  rs->SetBookmark(rs->LastModified());
  EXPECT_EQ(rs->Fields()["t"].Value().As<std::string>(), "deshecho");
  EXPECT_TRUE(rs->Fields()["n"].Value().IsNull());
  EXPECT_EQ(Count("Numerados"), 2);
}

// A row that breaks a rule is refused by Update with the rule's number, and the
// recordset goes on adding; a rollback takes away the rows added before it.
TEST_F(RecordsetTest, RefusedUpdateRaisesTheRulesNumberAndRollbackTakesTheAddedRows) {
  auto add = [&](const std::string& doc, const std::string& ref) {
    RecordsetPtr rs = db_->OpenRecordset("Entries", dbOpenDynaset);
    rs->AddNew();
    rs->Fields()["owner"] = "A1";
    rs->Fields()["batch"] = vb::Variant::Byte(2);
    rs->Fields()["kind"] = "01";
    rs->Fields()["period"] = "201003";
    rs->Fields()["tax"] = 0;
    rs->Fields()["doc"] = doc;
    rs->Fields()["ref"] = ref;
    try {
      rs->Update();
    } catch (...) {
      rs->CancelUpdate();
      throw;
    }
  };
  struct Case {
    const char* doc;
    const char* ref;
    int error;
  } cases[] = {{"V9", "P1", 0}, {"V8", "P1", 0}, {"V8", "P2", kErrDuplicateKey}, {"V7", "", kErrZeroLength}};
  Workspace& ws = Engine().Workspaces(0);
  ws.BeginTrans();
  for (const auto& c : cases) EXPECT_EQ(ErrorOf([&] { add(c.doc, c.ref); }), c.error) << c.doc;
  ws.Rollback();
  EXPECT_EQ(Count("Entries"), 0);
  ws.BeginTrans();
  add("V9", "P1");
  ws.CommitTrans();
  EXPECT_EQ(Rows("SELECT doc, ref, tax FROM Entries"), (Table{{"V9", "P1", "0"}}));
}

TEST_F(RecordsetTest, SnapshotsAndUpdateWithoutEditAreRefused) {
  RecordsetPtr snapshot = db_->OpenRecordset("SELECT * FROM Reports", dbOpenSnapshot);
  RecordsetPtr join = db_->OpenRecordset("SELECT a.code FROM Reports a, Reports b", dbOpenDynaset);
  RecordsetPtr table = db_->OpenRecordset("Reports");
  struct Case {
    std::function<void()> action;
    int error;
  } cases[] = {{[&] { snapshot->AddNew(); }, kErrReadOnly},
               {[&] { join->Edit(); }, kErrReadOnly},
               {[&] { table->Update(); }, kErrUpdateWithoutEdit},
               {[&] { table->Fields()["code"] = "x"; }, kErrUpdateWithoutEdit},
               {[&] { table->Fields()["nada"]; }, kErrItemNotFound},
               {[&] { db_->OpenRecordset("SELECT * FROM Reports", dbOpenTable); }, kErrInvalidOperation}};
  for (auto& c : cases) {
    EXPECT_EQ(ErrorOf([&] { c.action(); }), c.error);
  }
}

TEST_F(RecordsetTest, ListenersHearMovesAndChanges) {
  RecordsetPtr rs = db_->OpenRecordset("Reports");
  std::vector<std::string> heard;
  int id = rs->AddListener([&](Recordset& r, Recordset::Change change) {
    heard.push_back(change == Recordset::Change::Position ? std::to_string(r.AbsolutePosition()) : "data");
  });
  rs->MoveNext();
  rs->MoveLast();
  rs->Delete();
  rs->RemoveListener(id);
  rs->MoveFirst();
  EXPECT_EQ(heard, (std::vector<std::string>{"1", "3", "data"}));
  EXPECT_EQ(vb::CStr(rs->ValueAt(2, 0)), "F36003");
}

// RecordCount counts the rows visited; the rows loaded are known at once and
// follow what is added and deleted through the recordset.
TEST_F(RecordsetTest, LoadedRowCountNeedsNoMoveLastAndFollowsAddsAndDeletes) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Reports ORDER BY code", dbOpenDynaset);
  EXPECT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(rs->LoadedRowCount(), 4);
  rs->AddNew();
  rs->Fields()["code"] = "F36005";
  rs->Update();
  EXPECT_EQ(rs->LoadedRowCount(), 5);
  rs->Delete();
  EXPECT_EQ(rs->LoadedRowCount(), 4);
  EXPECT_EQ(db_->OpenRecordset("SELECT * FROM Reports WHERE False", dbOpenSnapshot)->LoadedRowCount(), 0);
  rs->Close();
  EXPECT_EQ(ErrorOf([&] { rs->LoadedRowCount(); }), kErrObjectInvalid);
}

TEST_F(RecordsetTest, ClosingTheDatabaseClosesItsRecordsets) {
  RecordsetPtr rs = db_->OpenRecordset("Reports");
  db_->Close();
  for (auto action : std::vector<std::function<void()>>{[&] { rs->MoveNext(); },
                                                        [&] { db_->Execute("DELETE FROM Reports"); }}) {
    EXPECT_EQ(ErrorOf(action), kErrObjectInvalid);
  }
}

// A name asked for through one buffer whose text changes between questions
// finds each time the field its current text names, whatever the case.
TEST_F(RecordsetTest, AFieldNameInAReusedBufferFindsTheFieldItNamesNow) {
  RecordsetPtr rs = db_->OpenRecordset("SELECT * FROM Log", dbOpenDynaset);
  std::string name;
  name.reserve(32);
  struct Case {
    const char* name;
    int position;
  } cases[] = {{"Code", 0}, {"code", 0}, {"Seq", 1}, {"STAMP", 3}, {"kind", 5}, {"Kind", 5}, {"id", 6}};
  for (const Case& c : cases) {
    name.assign(c.name);
    EXPECT_EQ(rs->Fields()[std::string_view(name)].OrdinalPosition(), c.position) << c.name;
  }
  name.assign("nada");
  EXPECT_EQ(ErrorOf([&] { rs->Fields()[std::string_view(name)]; }), kErrItemNotFound);
}

// Rows of tables with different column rules written one after another: each
// row is held to its own table's rules.
TEST_F(RecordsetTest, RowsOfTablesWrittenInTurnKeepEachTablesRules) {
  struct Case {
    std::string sql;
    int error;
  } cases[] = {
      {"INSERT INTO Reports VALUES ('R1', 'uno', 1)", 0},
      {"INSERT INTO Log (Code, kind) VALUES ('L1', 2)", 0},
      {"INSERT INTO Reports VALUES ('R2', 'dos', 70000)", kErrNumericOverflow},
      {"INSERT INTO Settings VALUES ('S1', 'a', 'x', '', '0')", 0},
      {"INSERT INTO Log (Code, Seq) VALUES ('L2', '')", kErrZeroLength},
      {"INSERT INTO Settings VALUES ('S2', 'a', 'x', '', '00')", kErrFieldTooSmall},
      {"INSERT INTO Reports VALUES ('R3', 'tres', 3)", 0},
  };
  long before = Count("Reports") + Count("Log") + Count("Settings");
  for (const Case& c : cases) EXPECT_EQ(ErrorOf([&] { db_->Execute(c.sql, dbFailOnError); }), c.error) << c.sql;
  EXPECT_EQ(Count("Reports") + Count("Log") + Count("Settings"), before + 4);
}

}  // namespace
}  // namespace dao::testing
