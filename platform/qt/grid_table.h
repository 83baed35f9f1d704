#pragma once
// The table model behind a data grid's view.
#include <QAbstractTableModel>

#include "platform/forms/data_grid.h"

namespace formsqt {

class QtHost;

// The rows of a data grid as a table: the texts the grid shows (value items,
// number formats, FormatText), its columns' captions and alignments.
class GridTable final : public QAbstractTableModel {
 public:
  GridTable(QtHost& host, forms::DataGrid& grid, QObject* parent);

  // The grid went: the table is empty from now on.
  void Forget();
  // The rows or columns changed.
  void Reload();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QtHost& host_;
  forms::DataGrid* grid_;
};

}  // namespace formsqt
