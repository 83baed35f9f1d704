#include "platform/forms/data_grid.h"

#include <algorithm>

#include "platform/forms/errors.h"
#include "platform/vb/conv.h"
#include "platform/vb/format.h"
#include "platform/vb/strings.h"

namespace forms {

namespace {

// A closed recordset, or one without fields, shows no rows.
long CountRows(dao::Recordset& rows) {
  if (!rows.IsOpen() || rows.Fields().Count() == 0) return 0;
  return rows.LoadedRowCount();
}

bool SameName(std::string_view a, std::string_view b) {
  return vb::UCase(std::string(a)) == vb::UCase(std::string(b));
}

std::string Shown(const vb::Variant& value) {
  if (value.IsNull() || value.IsEmpty()) return "";
  return vb::CStr(value);
}

}  // namespace

DataGrid::DataGrid(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->backColor = vbWindowBackground;
  common_->width = 4800;
  common_->height = 2400;
}

DataGrid::~DataGrid() {
  if (source_) source_->RemoveObserver(observer_);
}

void DataGrid::SetDataSource(DataControl* source) {
  if (source_) source_->RemoveObserver(observer_);
  source_ = source;
  observer_ = source_ ? source_->AddObserver([this](DataControl::Notice n) { Hear(n); }) : 0;
  Reload();
}

void DataGrid::Hear(DataControl::Notice notice) {
  switch (notice) {
    case DataControl::Notice::Bound:
      return Reload();
    case DataControl::Notice::Moved:
      return Moved();
    case DataControl::Notice::DataChanged:
      rowCount_ = -1;
      current_ = PositionNow();
      Follow();
      return Changed(ControlProperty::Rows);
    case DataControl::Notice::Gone:
      source_ = nullptr;
      observer_ = 0;
      rowCount_ = -1;
      current_ = -1;
      return;
  }
}

dao::Recordset* DataGrid::Rows() const {
  if (!source_ || !source_->Recordset() || !source_->Recordset()->IsOpen()) return nullptr;
  return source_->Recordset().get();
}

long DataGrid::PositionNow() const {
  dao::Recordset* rows = Rows();
  if (!rows) return -1;
  try {
    return rows->AbsolutePosition();
  } catch (const vb::Error&) {
    return -1;
  }
}

long DataGrid::RowCount() const {
  dao::Recordset* rows = Rows();
  if (!rows) return 0;
  if (rowCount_ < 0) rowCount_ = CountRows(*rows);
  return rowCount_;
}

// A new recordset: the grid starts again from its first row on screen and its
// current row changes from none, so RowColChange runs with an empty LastRow.
void DataGrid::Reload() {
  rowCount_ = -1;
  top_ = 0;
  current_ = PositionNow();
  if (dao::Recordset* rows = Rows(); rows && props_->columns.empty()) {
    for (dao::Field& field : rows->Fields()) {
      ColumnProps column;
      column.caption = field.Name();
      column.dataField = field.Name();
      props_->columns.push_back(std::move(column));
    }
  }
  Follow();
  Changed(ControlProperty::Rows);
  if (current_ >= 0) Fire(RowColChange, vb::Variant(), col_);
}

void DataGrid::Moved() {
  long now = PositionNow();
  if (now == current_) return;
  vb::Variant last = current_ >= 0 ? vb::Variant(current_) : vb::Variant();
  current_ = now;
  if (current_ >= RowCount()) rowCount_ = -1;
  Follow();
  Changed(ControlProperty::Row);
  Fire(RowColChange, last, col_);
}

// The row on screen follows the current row.
void DataGrid::Follow() {
  if (current_ < 0) return;
  if (current_ < top_) top_ = current_;
  if (current_ >= top_ + VisibleRows()) top_ = current_ - VisibleRows() + 1;
}

void DataGrid::MoveTo(long row) {
  dao::Recordset* rows = Rows();
  if (!rows) detail::Fail(5);
  rows->SetAbsolutePosition(row);
}

int DataGrid::Row() const { return current_ < 0 ? -1 : static_cast<int>(current_ - top_); }
void DataGrid::SetRow(int row) { MoveTo(top_ + row); }

void DataGrid::SetCol(int col) {
  if (col < 0 || col >= ColumnCount()) detail::Fail(380);
  int last = col_;
  if (!Assign(col_, col, ControlProperty::Col)) return;
  Fire(RowColChange, current_ >= 0 ? vb::Variant(current_) : vb::Variant(), last);
}

vb::Variant DataGrid::Bookmark() const {
  return current_ >= 0 ? vb::Variant(current_) : vb::Variant(vb::Null);
}

void DataGrid::SetBookmark(const vb::Variant& bookmark) { MoveTo(bookmark.ToLong()); }

void DataGrid::SetFirstRow(long row) {
  if (row < 0 || row >= std::max(1L, RowCount())) detail::Fail(380);
  Assign(top_, row, ControlProperty::FirstRow);
}

int DataGrid::VisibleRows() const {
  return std::max(1, (Height() - props_->rowHeight) / std::max(1, props_->rowHeight));
}

void DataGrid::SetRowHeight(int height) {
  Assign(props_->rowHeight, std::max(1, height), ControlProperty::RowHeight);
}

void DataGrid::Refresh() {
  rowCount_ = -1;
  current_ = PositionNow();
  Follow();
  Changed(ControlProperty::Rows);
}

GridColumn DataGrid::AddColumn(std::string dataField, std::string caption) {
  ColumnProps column;
  column.caption = caption.empty() ? dataField : std::move(caption);
  column.dataField = std::move(dataField);
  props_->columns.push_back(std::move(column));
  Changed(ControlProperty::Columns);
  return GridColumn(*this, ColumnCount() - 1);
}

int DataGrid::ColumnCount() const { return static_cast<int>(props_->columns.size()); }

DataGrid::ColumnProps& DataGrid::ColumnAt(int index) {
  if (index < 0 || index >= ColumnCount()) detail::Fail(9);
  return props_->columns[index];
}

const DataGrid::ColumnProps& DataGrid::ColumnAt(int index) const {
  if (index < 0 || index >= ColumnCount()) detail::Fail(9);
  return props_->columns[index];
}

GridColumn DataGrid::Columns(int index) {
  ColumnAt(index);
  return GridColumn(*this, index);
}

GridColumn DataGrid::Columns(std::string_view name) {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (SameName(props_->columns[i].dataField, name)) return GridColumn(*this, i);
  }
  for (int i = 0; i < ColumnCount(); ++i) {
    if (SameName(props_->columns[i].caption, name)) return GridColumn(*this, i);
  }
  detail::Fail(9);
}

int DataGrid::FieldOf(const ColumnProps& column) const {
  dao::Recordset* rows = Rows();
  if (!rows || column.dataField.empty()) return -1;
  dao::Field* field = rows->Fields().Find(column.dataField);
  return field ? field->OrdinalPosition() : -1;
}

vb::Variant DataGrid::CellValue(long row, int col) const {
  const ColumnProps& column = ColumnAt(col);
  int field = FieldOf(column);
  if (field < 0 || row < 0 || row >= RowCount()) return vb::Variant();
  return Rows()->ValueAt(row, field);
}

// The shown text: value items first, then the column's pattern, or the
// FormatText handler for a column whose pattern is "FormatText Event".
std::string DataGrid::CellText(long row, int col) {
  const ColumnProps& column = ColumnAt(col);
  vb::Variant value = CellValue(row, col);
  for (const ValueItem& item : column.valueItems) {
    if (!value.IsNull() && vb::Compare(value, item.value) == vb::Comparison::Equal) {
      value = vb::Variant(item.display);
      break;
    }
  }
  if (SameName(column.numberFormat, "FormatText Event")) {
    Fire(FormatText, col, value, vb::Variant(row));
    return Shown(value);
  }
  if (!column.numberFormat.empty() && !value.IsNull() && !value.IsEmpty()) {
    return vb::Format(value, column.numberFormat);
  }
  return Shown(value);
}

void DataGrid::OnUserKey(int keyCode, int /*shift*/) {
  if (keyCode == vbKeyLeft && col_ > 0) return SetCol(col_ - 1);
  if (keyCode == vbKeyRight && col_ + 1 < ColumnCount()) return SetCol(col_ + 1);
  long last = RowCount() - 1;
  // A grid with no rows has nowhere to move: Up and Home must not ask the
  // recordset for a first row it does not have.
  if (last < 0) return;
  long target = current_;
  if (keyCode == vbKeyDown) target = std::min(current_ + 1, last);
  if (keyCode == vbKeyUp) target = std::max(current_ - 1, 0L);
  if (keyCode == vbKeyHome) target = 0;
  if (keyCode == vbKeyEnd) target = last;
  if (keyCode == vbKeyPageDown) target = std::min(current_ + VisibleRows(), last);
  if (keyCode == vbKeyPageUp) target = std::max(current_ - VisibleRows(), 0L);
  if (target >= 0 && target != current_) MoveTo(target);
}

void DataGrid::RestoreDesign() {
  Control::RestoreDesign();
  rowCount_ = -1;
  current_ = -1;
  col_ = 0;
  top_ = 0;
}

const std::string& GridColumn::Caption() const { return grid_->ColumnAt(index_).caption; }
const std::string& GridColumn::DataField() const { return grid_->ColumnAt(index_).dataField; }
int GridColumn::Width() const { return grid_->ColumnAt(index_).width; }
bool GridColumn::Visible() const { return grid_->ColumnAt(index_).visible; }
bool GridColumn::Locked() const { return grid_->ColumnAt(index_).locked; }
int GridColumn::Alignment() const { return grid_->ColumnAt(index_).alignment; }
const std::string& GridColumn::NumberFormat() const { return grid_->ColumnAt(index_).numberFormat; }

void GridColumn::SetCaption(std::string caption) {
  grid_->Assign(grid_->ColumnAt(index_).caption, std::move(caption), ControlProperty::Columns);
}

void GridColumn::SetDataField(std::string field) {
  grid_->Assign(grid_->ColumnAt(index_).dataField, std::move(field), ControlProperty::Columns);
}

void GridColumn::SetWidth(int width) {
  grid_->Assign(grid_->ColumnAt(index_).width, width, ControlProperty::Columns);
}
void GridColumn::SetVisible(bool visible) {
  grid_->Assign(grid_->ColumnAt(index_).visible, visible, ControlProperty::Columns);
}
void GridColumn::SetLocked(bool locked) {
  grid_->Assign(grid_->ColumnAt(index_).locked, locked, ControlProperty::Columns);
}

void GridColumn::SetAlignment(int alignment) {
  grid_->Assign(grid_->ColumnAt(index_).alignment, alignment, ControlProperty::Columns);
}

void GridColumn::SetNumberFormat(std::string format) {
  grid_->Assign(grid_->ColumnAt(index_).numberFormat, std::move(format), ControlProperty::Columns);
}

void GridColumn::AddValueItem(const vb::Variant& value, std::string display) {
  grid_->ColumnAt(index_).valueItems.push_back({value, std::move(display)});
  grid_->Changed(ControlProperty::Columns);
}

vb::Variant GridColumn::Value() const { return grid_->CellValue(grid_->current_, index_); }
std::string GridColumn::Text() const { return grid_->CellText(grid_->current_, index_); }

vb::Variant GridColumn::CellValue(const vb::Variant& bookmark) const {
  return grid_->CellValue(bookmark.ToLong(), index_);
}

std::string GridColumn::CellText(const vb::Variant& bookmark) const {
  return grid_->CellText(bookmark.ToLong(), index_);
}

}  // namespace forms
