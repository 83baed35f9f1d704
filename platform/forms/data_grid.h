#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/data_control.h"
#include "platform/vb/variant.h"

namespace forms {

class DataGrid;

// One column of a data grid, found by position or by its field name.
class GridColumn {
 public:
  GridColumn(DataGrid& grid, int index) : grid_(&grid), index_(index) {}
  int ColIndex() const { return index_; }
  const std::string& Caption() const;
  void SetCaption(std::string caption);
  const std::string& DataField() const;
  void SetDataField(std::string field);
  int Width() const;
  void SetWidth(int width);
  bool Visible() const;
  void SetVisible(bool visible);
  bool Locked() const;
  void SetLocked(bool locked);
  int Alignment() const;
  void SetAlignment(int alignment);
  // A Format pattern, or "FormatText Event": the grid's FormatText handler then
  // writes the text of each cell.
  const std::string& NumberFormat() const;
  void SetNumberFormat(std::string format);
  // A stored value shown as another text (1 shown as "SI").
  void AddValueItem(const vb::Variant& value, std::string display);

  // The current row's stored value (Empty with no current row) and shown text.
  vb::Variant Value() const;
  std::string Text() const;
  // The same for the row of a bookmark.
  vb::Variant CellValue(const vb::Variant& bookmark) const;
  std::string CellText(const vb::Variant& bookmark) const;

 private:
  DataGrid* grid_;
  int index_;
};

// A grid bound to a data control: it shows the rows of the control's recordset
// and shares its current row. Whenever the current row changes, by a person, by
// code on the grid or on the recordset, or by binding or reloading a recordset,
// RowColChange runs with the previous row's bookmark (Empty after a binding) and
// the previous column. A bookmark is the row's position in the recordset.
class DataGrid : public Control {
 public:
  DataGrid(Place place, std::string name, int index = -1);
  ~DataGrid() override;
  std::string_view Kind() const override { return "DataGrid"; }
  bool CanTakeFocus() const override { return true; }

  DataControl* DataSource() const { return source_; }
  void SetDataSource(DataControl* source);

  // Columns defined at design, bound to their fields by name. A grid with none
  // shows one column per field.
  GridColumn AddColumn(std::string dataField, std::string caption = "");
  int ColumnCount() const;
  // A column by position or by field name (without regard to case); a missing one
  // raises error 9.
  GridColumn Columns(int index);
  GridColumn Columns(std::string_view name);

  // The rows the recordset holds, and which is current (-1 for none).
  long RowCount() const;
  long CurrentRow() const { return current_; }
  // The current row counted from the first row on screen; setting it moves the
  // recordset.
  int Row() const;
  void SetRow(int row);
  int Col() const { return col_; }
  void SetCol(int col);
  vb::Variant Bookmark() const;
  void SetBookmark(const vb::Variant& bookmark);
  long FirstRow() const { return top_; }
  void SetFirstRow(long row);
  int VisibleRows() const;
  int RowHeight() const { return props_->rowHeight; }
  void SetRowHeight(int height);
  // Reads the rows again.
  void Refresh();

  // Any cell, for a renderer: the stored value and the text shown.
  vb::Variant CellValue(long row, int col) const;
  std::string CellText(long row, int col);

  Event<const vb::Variant&, int> RowColChange;
  Event<int> HeadClick;
  Event<int, vb::Variant&, const vb::Variant&> FormatText;

 protected:
  void OnUserKey(int keyCode, int shift) override;
  void RestoreDesign() override;

 private:
  friend class GridColumn;
  struct ValueItem {
    vb::Variant value;
    std::string display;
    friend bool operator==(const ValueItem&, const ValueItem&) = default;
  };
  struct ColumnProps {
    std::string caption;
    std::string dataField;
    int width = 1215;
    bool visible = true;
    bool locked = false;
    int alignment = vbLeftJustify;
    std::string numberFormat;
    std::vector<ValueItem> valueItems;
    friend bool operator==(const ColumnProps&, const ColumnProps&) = default;
  };
  struct Props {
    std::vector<ColumnProps> columns;
    int rowHeight = 240;
  };

  ColumnProps& ColumnAt(int index);
  const ColumnProps& ColumnAt(int index) const;
  dao::Recordset* Rows() const;
  int FieldOf(const ColumnProps& column) const;
  long PositionNow() const;
  void Hear(DataControl::Notice notice);
  void Reload();
  void Moved();
  void Follow();
  void MoveTo(long row);

  Persistent<Props> props_{Slots()};
  DataControl* source_ = nullptr;
  int observer_ = 0;
  mutable long rowCount_ = -1;
  long current_ = -1;
  int col_ = 0;
  long top_ = 0;
};

}  // namespace forms
