#pragma once
#include <utility>

#include "platform/forms/data_grid.h"
#include "platform/qt/control_view.h"

class QTableView;

namespace formsqt {

class GridTable;

// A data grid: a table view over the rows of the grid's recordset, one row
// current and selected, in step with the recordset's position both ways. A
// click on a row moves the recordset there; a click on a header runs HeadClick.
class DataGridView final : public ControlView {
 public:
  DataGridView(FormWindow& window, forms::DataGrid& grid);
  void Detach() override;
  void Changed(forms::ControlProperty property) override;
  bool Mouse(QWidget* target, QMouseEvent* event) override;
  bool Wheel(QWidget* target, QWheelEvent* event) override;
  QTableView* Table() const { return table_; }

 protected:
  void SyncOwn() override;
  void Placed() override;
  bool ClicksOnRelease() const override { return false; }
  void Pressed(QWidget* target, QPoint pos) override;
  void DoubleClicked() override;

 private:
  forms::DataGrid& Model() const { return static_cast<forms::DataGrid&>(*control_); }
  bool IsCellOrHeader(QWidget* target) const;
  std::pair<int, int> RowsOnScreen() const;
  void ShowColumns();
  void WidenToRowsOnScreen();
  void ShowCurrent();
  void Scrolled(int top);
  QTableView* table_;
  GridTable* rows_;
  bool showing_ = false;
};

}  // namespace formsqt
