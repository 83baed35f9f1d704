#include "platform/qt/grid_table.h"

#include <string>

#include "platform/qt/appearance.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/strings.h"

namespace formsqt {

GridTable::GridTable(QtHost& host, forms::DataGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), host_(host), grid_(&grid) {}

void GridTable::Forget() {
  beginResetModel();
  grid_ = nullptr;
  endResetModel();
}

void GridTable::Reload() {
  beginResetModel();
  endResetModel();
}

int GridTable::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return static_cast<int>(grid_->RowCount());
}

int GridTable::columnCount(const QModelIndex& parent) const {
  if (parent.isValid() || !grid_) return 0;
  return grid_->ColumnCount();
}

// A cell's text may come from the form's FormatText handler, so it is asked
// for as any other call into the form's code.
QVariant GridTable::data(const QModelIndex& index, int role) const {
  if (!grid_ || !index.isValid()) return {};
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(ToAlignment(grid_->Columns(index.column()).Alignment()));
  }
  if (role != Qt::DisplayRole) return {};
  std::string text;
  forms::DataGrid& grid = *grid_;
  host_.Call([&] { text = grid.CellText(index.row(), index.column()); });
  return ToQString(text);
}

QVariant GridTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!grid_ || role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString();
  if (section < 0 || section >= grid_->ColumnCount()) return {};
  return ToQString(grid_->Columns(section).Caption());
}

}  // namespace formsqt
