#include <gtest/gtest.h>

#include "platform/dao/dao.h"
#include "platform/forms/forms.h"
#include "platform/forms/testing/driver.h"
#include "platform/forms/tests/event_log.h"
#include "platform/testsupport/error_of.h"
#include "platform/testsupport/temp_folder.h"
#include "platform/vb/error.h"
#include "platform/vb/strings.h"

using namespace forms;
using Log = std::vector<std::string>;
using testsupport::ErrorOf;
using testsupport::TempFolder;

namespace {

std::string Describe(const vb::Variant& bookmark) {
  return bookmark.IsEmpty() ? "Empty" : std::to_string(bookmark.ToLong());
}

// Two tabs' worth of grids bound to data controls, as the request form has them.
class FrmGrids : public Form {
 public:
  FrmGrids() : Form("FrmGrids") {
    for (int n : {1, 3}) {
      Dat.Add(n).SetVisible(false);
      DataGrid& grid = TDBGrid.Add(n);
      grid.SetDataSource(&Dat(n));
      grid.AddColumn("period", "Periodo").SetNumberFormat("FormatText Event");
      grid.AddColumn("code", "Código");
      GridColumn marca = grid.AddColumn("flag", "Marca");
      marca.AddValueItem(1, "SI");
      marca.AddValueItem(2, "NO");
      grid.AddColumn("amount", "Monto").SetNumberFormat("#,###,###,###,##0.00");
    }
    TDBGrid.Handle(&DataGrid::RowColChange, [this](int index, const vb::Variant& lastRow, int lastCol) {
      log.Add("RowColChange(" + std::to_string(index) + ") last " + Describe(lastRow) + " col " +
              std::to_string(lastCol) + " at " +
              std::to_string(Dat(index).Recordset()->AbsolutePosition()));
    });
    TDBGrid.Handle(&DataGrid::FormatText,
                   [](int, int col, vb::Variant& value, const vb::Variant&) {
                     if (col != 0) return;
                     std::string period = value.ToString();
                     value = vb::Right(period, 2) + "/" + vb::Left(period, 4);
                   });
    TDBGrid.Handle(&DataGrid::HeadClick, [this](int index, int col) {
      log.Add("HeadClick(" + std::to_string(index) + ") " + std::to_string(col));
    });
    TDBGrid.Handle(&DataGrid::DblClick, [this](int index) {
      log.Add("DblClick(" + std::to_string(index) + ")");
    });
    TDBGrid.Handle(&DataGrid::KeyPress, [this](int index, int& keyAscii) {
      log.Add("KeyPress(" + std::to_string(index) + ") " + std::to_string(keyAscii));
      keyAscii = 0;
    });
    Dat.Handle(&DataControl::Reposition, [this](int index) {
      log.Add("Reposition(" + std::to_string(index) + ")");
    });
  }

  // Reloads grid n from the working table and counts it, moving to the last row
  // and back to the first.
  void CargaTabIndex(dao::Database& db, int n, const std::string& category) {
    auto rs = db.OpenRecordset(
        "SELECT period, code, flag, amount FROM Items "
        "WHERE category = '" + category + "' ORDER BY 1 DESC, code ",
        dao::dbOpenSnapshot);
    Dat(n).SetRecordset(rs);
    if (rs->Bof() && rs->Eof()) return;
    rs->MoveLast();
    rs->MoveFirst();
  }

  EventLog log;
  ControlArray<DataControl> Dat{*this, "Dat"};
  ControlArray<DataGrid> TDBGrid{*this, "TDBGrid"};
  TextBox txt{*this, "txt"};
};

class Grids : public ::testing::Test {
 protected:
  void SetUp() override {
    path = folder / "base.mdb";
    db = dao::Engine().CreateDatabase(path);
    db->Execute(
        "CREATE TABLE Items (category TEXT(2), period TEXT(6), code TEXT(6), "
        "flag BYTE, amount TEXT(15))");
    db->Execute("INSERT INTO Items VALUES ('01', '200912', '030701', 1, '1234.5')");
    db->Execute("INSERT INTO Items VALUES ('01', '201003', '010101', 2, '20')");
    db->Execute("INSERT INTO Items VALUES ('01', '201003', '030701', 1, '0')");
    form.Show();
    form.log.Take();
  }

  void TearDown() override { db->Close(); }

  TempFolder folder;
  std::string path;
  dao::DatabasePtr db;
  TestDriver driver;
  FrmGrids form;
};

TEST_F(Grids, BindingAndCountingRunRowColChangeForEveryNewCurrentRow) {
  form.CargaTabIndex(*db, 1, "01");
  EXPECT_EQ(form.log.Take(), (Log{"RowColChange(1) last Empty col 0 at 0", "Reposition(1)",
                                  "RowColChange(1) last 0 col 0 at 2", "Reposition(1)",
                                  "RowColChange(1) last 2 col 0 at 0", "Reposition(1)"}));
  EXPECT_EQ(form.TDBGrid(1).RowCount(), 3);
}

TEST_F(Grids, TheGridShowsTheRowsWithValueItemsFormatsAndFormatText) {
  form.CargaTabIndex(*db, 1, "01");
  DataGrid& grid = form.TDBGrid(1);
  std::vector<Log> shown;
  for (long row = 0; row < grid.RowCount(); ++row) {
    Log cells;
    for (int col = 0; col < grid.ColumnCount(); ++col) cells.push_back(grid.CellText(row, col));
    shown.push_back(cells);
  }
  EXPECT_EQ(shown, (std::vector<Log>{{"03/2010", "010101", "NO", "20.00"},
                                     {"03/2010", "030701", "SI", "0.00"},
                                     {"12/2009", "030701", "SI", "1,234.50"}}));
  EXPECT_EQ(grid.Columns("CODE").Text(), "010101");
  EXPECT_EQ(grid.Columns("flag").Value(), vb::Variant::Byte(2));
  EXPECT_EQ(grid.Columns(2).Text(), "NO");
  EXPECT_EQ(grid.Columns("Periodo").DataField(), "period");
  EXPECT_EQ(ErrorOf([&] { grid.Columns("missing"); }), 9);
}

TEST_F(Grids, PickingARowMovesTheSharedRecordsetAndRunsRowColChange) {
  form.CargaTabIndex(*db, 1, "01");
  form.log.Take();
  driver.PickRow(form.TDBGrid(1), 2);
  EXPECT_EQ(form.Dat(1).Recordset()->AbsolutePosition(), 2);
  EXPECT_EQ(form.TDBGrid(1).Columns("period").Text(), "12/2009");
  EXPECT_EQ(form.log.Take(), (Log{"RowColChange(1) last 0 col 0 at 2", "Reposition(1)"}));
  EXPECT_EQ(form.ActiveControl(), &form.TDBGrid(1));
}

TEST_F(Grids, MovingTheRecordsetFromCodeMovesTheGrid) {
  form.CargaTabIndex(*db, 1, "01");
  form.log.Take();
  form.Dat(1).Recordset()->MoveNext();
  form.Dat(1).Recordset()->SetAbsolutePosition(1);
  EXPECT_EQ(form.TDBGrid(1).Bookmark(), vb::Variant(1L));
  EXPECT_EQ(form.log.Take(), (Log{"RowColChange(1) last 0 col 0 at 1", "Reposition(1)",
                                  "Reposition(1)"}));
  form.TDBGrid(1).SetBookmark(0L);
  EXPECT_EQ(form.Dat(1).Recordset()->AbsolutePosition(), 0);
}

TEST_F(Grids, AnEmptyRecordsetShowsNoRowsAndRunsNoRowColChange) {
  form.CargaTabIndex(*db, 3, "04");
  EXPECT_TRUE(form.log.Take().empty());
  EXPECT_EQ(form.TDBGrid(3).RowCount(), 0);
  EXPECT_TRUE(form.TDBGrid(3).Columns("code").Value().IsEmpty());
  EXPECT_EQ(form.TDBGrid(3).Columns("code").Text(), "");
  EXPECT_TRUE(form.TDBGrid(3).Bookmark().IsNull());
}

TEST_F(Grids, KeysOnAnEmptyGridMoveNothingAndRaiseNothing) {
  form.CargaTabIndex(*db, 3, "04");
  driver.Focus(form.TDBGrid(3));
  form.log.Take();
  for (int key : {vbKeyUp, vbKeyDown, vbKeyHome, vbKeyEnd, vbKeyPageUp, vbKeyPageDown}) {
    EXPECT_NO_THROW(driver.Key(form, key)) << key;
    EXPECT_TRUE(form.log.Take().empty()) << key;
  }
}

TEST_F(Grids, ReloadingAfterNewRowsShowsThemAndStartsAgainFromAnEmptyLastRow) {
  form.CargaTabIndex(*db, 1, "01");
  driver.PickRow(form.TDBGrid(1), 2);
  db->Execute("INSERT INTO Items VALUES ('01', '201101', '030701', 1, '5')");
  form.log.Take();
  form.CargaTabIndex(*db, 1, "01");
  EXPECT_EQ(form.TDBGrid(1).RowCount(), 4);
  EXPECT_EQ(form.log.Take().at(0), "RowColChange(1) last Empty col 0 at 0");
  EXPECT_EQ(form.TDBGrid(1).Columns(0).Text(), "01/2011");
}

TEST_F(Grids, HeaderClicksDoubleClicksAndKeysReachTheirHandlers) {
  form.CargaTabIndex(*db, 1, "01");
  form.log.Take();
  driver.HeadClick(form.TDBGrid(1), 2);
  driver.DblClickRow(form.TDBGrid(1), 1);
  driver.Keys(form, "a");
  driver.Key(form, vbKeyDown);
  driver.Key(form, vbKeyRight);
  EXPECT_EQ(form.log.Take(),
            (Log{"HeadClick(1) 2", "RowColChange(1) last 0 col 0 at 1", "Reposition(1)",
                 "DblClick(1)", "KeyPress(1) 97", "RowColChange(1) last 1 col 0 at 2",
                 "Reposition(1)", "RowColChange(1) last 2 col 0 at 2"}));
  EXPECT_EQ(form.TDBGrid(1).Col(), 1);
}

TEST_F(Grids, ADisabledGridCannotBeReached) {
  form.CargaTabIndex(*db, 1, "01");
  form.TDBGrid(1).SetEnabled(false);
  EXPECT_FALSE(user::ChooseRow(form.TDBGrid(1), 1));
  EXPECT_EQ(form.Dat(1).Recordset()->AbsolutePosition(), 0);
}

TEST_F(Grids, TheDataControlOpensItsRecordSourceOnRefresh) {
  form.Dat(3).SetDatabaseName(path);
  form.Dat(3).SetRecordsetType(dao::dbOpenSnapshot);
  form.Dat(3).SetRecordSource("SELECT * FROM Items WHERE code = '030701' ORDER BY 2");
  form.Dat(3).Refresh();
  EXPECT_EQ(form.TDBGrid(3).RowCount(), 2);
  EXPECT_EQ(form.TDBGrid(3).Columns("period").Text(), "12/2009");
  EXPECT_EQ(form.log.Take(), (Log{"RowColChange(3) last Empty col 0 at 0", "Reposition(3)"}));
}

TEST_F(Grids, TheFirstRowOnScreenFollowsTheCurrentRow) {
  form.TDBGrid(1).SetHeight(3 * 240);
  form.CargaTabIndex(*db, 1, "01");
  DataGrid& grid = form.TDBGrid(1);
  EXPECT_EQ(grid.VisibleRows(), 2);
  grid.SetRow(1);
  EXPECT_EQ(grid.FirstRow(), 0);
  form.Dat(1).Recordset()->MoveLast();
  EXPECT_EQ(grid.FirstRow(), 1);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(Grids, CountingTheRowsLeavesTheEnginesErrorsAsTheyWere) {
  EXPECT_THROW(db->OpenRecordset("SELECT * FROM NO_EXISTE"), vb::Error);
  std::vector<dao::ErrorItem> before = dao::Engine().Errors();
  ASSERT_EQ(before.size(), 1u);
  form.CargaTabIndex(*db, 1, "01");
  EXPECT_EQ(form.TDBGrid(1).RowCount(), 3);
  EXPECT_EQ(dao::Engine().Errors(), before);
}

// A grid reads its count and cells each time it is drawn. Run on its own, as
// CTest runs it, the test starts with no error recorded: reading must leave
// the collection empty, not holding an error of the reading itself.
TEST_F(Grids, ReadingAGridLeavesTheEnginesErrorsUntouched) {
  std::vector<dao::ErrorItem> before = dao::Engine().Errors();
  form.CargaTabIndex(*db, 1, "01");
  DataGrid& grid = form.TDBGrid(1);
  EXPECT_EQ(grid.RowCount(), 3);
  for (long row = 0; row <= grid.RowCount(); ++row)
    for (int col = 0; col < grid.ColumnCount(); ++col) grid.CellText(row, col);
  EXPECT_EQ(dao::Engine().Errors(), before);
}

TEST_F(Grids, UnloadingTheFormLetsTheRecordsetGo) {
  form.CargaTabIndex(*db, 1, "01");
  forms::Unload(form);
  EXPECT_EQ(form.Dat(1).Recordset(), nullptr);
  EXPECT_EQ(form.TDBGrid(1).RowCount(), 0);
}

}  // namespace
