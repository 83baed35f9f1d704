#include "platform/qt/data_grid_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>

#include "platform/forms/user.h"
#include "platform/qt/grid_table.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/units.h"

namespace formsqt {

DataGridView::DataGridView(FormWindow& window, forms::DataGrid& grid)
    : ControlView(window, grid), table_(new QTableView), rows_(nullptr) {
  rows_ = new GridTable(Host(), grid, table_);
  table_->setModel(rows_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  table_->setWordWrap(false);
  // A cell too narrow for its text cuts it, as the grid did, with no ellipsis:
  // the blanks that pad a text to its column's size cost nothing.
  table_->setTextElideMode(Qt::ElideNone);
  table_->verticalHeader()->setFixedWidth(ToPixels(180));
  table_->horizontalHeader()->setSectionsClickable(false);
  table_->horizontalHeader()->setHighlightSections(false);
  Adopt(table_);
  connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this](int top) {
            WidenToRowsOnScreen();
            Scrolled(top);
          });
}

// The grid may be half destroyed: the table forgets it before the widget is
// hidden, and the scroll back to the top that its reset makes reaches nothing
// of the grid.
void DataGridView::Detach() {
  QSignalBlocker quiet(table_->verticalScrollBar());
  rows_->Forget();
  ControlView::Detach();
}

// The rows a person can see: from the first row on screen, as many as the
// table's height holds (a part of a row counting as a row).
std::pair<int, int> DataGridView::RowsOnScreen() const {
  int first = table_->verticalScrollBar()->value();
  int rowHeight = std::max(1, table_->verticalHeader()->defaultSectionSize());
  int count = table_->height() / rowHeight + 1;
  return {first, std::min(rows_->rowCount(), first + count)};
}

// Each column keeps its width in twips; one whose texts do not fit in it is
// widened to show them, as a person would widen it.
void DataGridView::ShowColumns() {
  forms::DataGrid& grid = Model();
  for (int col = 0; col < grid.ColumnCount(); ++col) {
    forms::GridColumn column = grid.Columns(col);
    table_->setColumnWidth(col, ToPixels(column.Width()));
    table_->setColumnHidden(col, !column.Visible());
  }
  table_->verticalHeader()->setDefaultSectionSize(std::max(1, ToPixels(grid.RowHeight())));
  WidenToRowsOnScreen();
}

// A shown column too narrow for its heading or for a text of the rows on screen
// (its padding blanks left out) is widened to show them whole. Only the rows a
// person sees are measured, so that reading a grid of thousands of rows does not
// measure every text; rows scrolled into view widen their columns then.
void DataGridView::WidenToRowsOnScreen() {
  QFontMetrics metrics(table_->font());
  int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 1;
  auto [first, end] = RowsOnScreen();
  for (int col = 0; col < rows_->columnCount(); ++col) {
    if (table_->isColumnHidden(col)) continue;
    int widest = std::max(table_->columnWidth(col), table_->horizontalHeader()->sectionSizeHint(col));
    for (int row = first; row < end; ++row) {
      QString text = rows_->data(rows_->index(row, col), Qt::DisplayRole).toString();
      while (text.endsWith(' ')) text.chop(1);
      widest = std::max(widest, metrics.horizontalAdvance(text) + margins);
    }
    if (widest > table_->columnWidth(col)) table_->setColumnWidth(col, widest);
  }
}

// The current row is selected and the view starts at the grid's first row on
// screen, which follows the current row.
void DataGridView::ShowCurrent() {
  forms::DataGrid& grid = Model();
  showing_ = true;
  long row = grid.CurrentRow();
  if (row >= 0 && row < rows_->rowCount()) {
    int col = std::clamp(grid.Col(), 0, std::max(0, rows_->columnCount() - 1));
    QModelIndex index = rows_->index(static_cast<int>(row), col);
    table_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    table_->selectionModel()->clearSelection();
  }
  table_->verticalScrollBar()->setValue(static_cast<int>(grid.FirstRow()));
  showing_ = false;
}

void DataGridView::Placed() { WidenToRowsOnScreen(); }

void DataGridView::SyncOwn() {
  rows_->Reload();
  ShowColumns();
  ShowCurrent();
}

void DataGridView::Changed(forms::ControlProperty property) {
  using enum forms::ControlProperty;
  if (!control_) return;
  if (property == Rows || property == Columns) return SyncOwn();
  if (property == Row || property == Col || property == FirstRow) return ShowCurrent();
  if (property == RowHeight) return ShowColumns();
  ControlView::Changed(property);
}

// A person scrolling the view moves the grid's first row on screen.
void DataGridView::Scrolled(int top) {
  if (!control_ || showing_ || top == Model().FirstRow()) return;
  forms::DataGrid& grid = Model();
  Call([&] {
    if (top >= 0 && top < grid.RowCount()) grid.SetFirstRow(top);
  });
}

bool DataGridView::IsCellOrHeader(QWidget* target) const {
  return target == table_ || target == table_->viewport() ||
         target == table_->horizontalHeader()->viewport() ||
         target == table_->verticalHeader()->viewport();
}

// The view's scroll bars work on their own; cells and headers go to the grid.
bool DataGridView::Mouse(QWidget* target, QMouseEvent* event) {
  if (control_ && !IsCellOrHeader(target)) {
    Host().Deliver(target, event);
    return true;
  }
  return ControlView::Mouse(target, event);
}

bool DataGridView::Wheel(QWidget* target, QWheelEvent* event) {
  Host().Deliver(target, event);
  return true;
}

void DataGridView::Pressed(QWidget* target, QPoint pos) {
  forms::DataGrid& grid = Model();
  if (target == table_->horizontalHeader()->viewport()) {
    int col = table_->horizontalHeader()->logicalIndexAt(pos);
    if (col >= 0) Call([&] { forms::user::ClickHeader(grid, col); });
    return;
  }
  int row = target == table_->viewport() ? table_->rowAt(pos.y())
            : target == table_->verticalHeader()->viewport()
                ? table_->verticalHeader()->logicalIndexAt(pos)
                : -1;
  if (row >= 0) Call([&] { forms::user::ChooseRow(grid, row); });
  if (control_) ShowCurrent();
}

// As the grid's double click: the row was chosen by the first click; Click,
// then DblClick.
void DataGridView::DoubleClicked() {
  forms::DataGrid& grid = Model();
  Call([&] { forms::user::DblClick(grid); });
}

}  // namespace formsqt
