#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dao/dao.h"
#include "platform/forms/control.h"

namespace forms {

// The data control: a recordset, opened from DatabaseName and RecordSource by
// Refresh or handed over whole with SetRecordset, whose current row the grids
// bound to it share. Every move of that row runs Reposition.
class DataControl : public Control {
 public:
  // What a bound grid hears: a new recordset, a move, changed rows, or the data
  // control going away.
  enum class Notice { Bound, Moved, DataChanged, Gone };
  using Observer = std::function<void(Notice)>;

  DataControl(Place place, std::string name, int index = -1);
  ~DataControl() override;
  std::string_view Kind() const override { return "Data"; }

  const std::string& Caption() const { return props_->caption; }
  void SetCaption(std::string caption);
  const std::string& DatabaseName() const { return props_->databaseName; }
  void SetDatabaseName(std::string name);
  const std::string& RecordSource() const { return props_->recordSource; }
  void SetRecordSource(std::string source);
  // dao::dbOpenTable, dbOpenDynaset (the default) or dbOpenSnapshot.
  int RecordsetType() const { return props_->recordsetType; }
  void SetRecordsetType(int type);
  bool ReadOnly() const { return props_->readOnly; }
  void SetReadOnly(bool readOnly);

  const dao::RecordsetPtr& Recordset() const { return recordset_; }
  // Binds another recordset (nullptr for none); the bound grids show it at once.
  void SetRecordset(dao::RecordsetPtr recordset);
  // Runs RecordSource again on DatabaseName and binds the result; the database's
  // errors are raised as they come.
  void Refresh();

  Event<> Reposition;

  int AddObserver(Observer observer);
  void RemoveObserver(int id);

 protected:
  void RestoreDesign() override;

 private:
  struct Props {
    std::string caption;
    std::string databaseName;
    std::string recordSource;
    int recordsetType = dao::dbOpenDynaset;
    bool readOnly = false;
  };

  void Tell(Notice notice);
  void Unwatch();

  Persistent<Props> props_{Slots()};
  dao::DatabasePtr database_;
  std::string openedName_;
  dao::RecordsetPtr recordset_;
  int listener_ = 0;
  std::vector<std::pair<int, Observer>> observers_;
  int nextObserver_ = 1;
};

}  // namespace forms
