#include "platform/forms/data_control.h"

namespace forms {

DataControl::DataControl(Place place, std::string name, int index)
    : Control(place, std::move(name), index) {
  common_->tabStop = false;
  common_->height = 345;
}

DataControl::~DataControl() {
  Unwatch();
  Tell(Notice::Gone);
}

void DataControl::SetCaption(std::string caption) {
  Assign(props_->caption, std::move(caption), ControlProperty::Caption);
}

void DataControl::SetDatabaseName(std::string name) { props_->databaseName = std::move(name); }
void DataControl::SetRecordSource(std::string source) { props_->recordSource = std::move(source); }
void DataControl::SetRecordsetType(int type) { props_->recordsetType = type; }
void DataControl::SetReadOnly(bool readOnly) { props_->readOnly = readOnly; }

void DataControl::Unwatch() {
  if (recordset_ && listener_) recordset_->RemoveListener(listener_);
  listener_ = 0;
}

void DataControl::SetRecordset(dao::RecordsetPtr recordset) {
  Unwatch();
  recordset_ = std::move(recordset);
  if (recordset_) {
    listener_ = recordset_->AddListener([this](dao::Recordset&, dao::Recordset::Change change) {
      if (change == dao::Recordset::Change::Data) return Tell(Notice::DataChanged);
      Tell(Notice::Moved);
      Fire(Reposition);
    });
  }
  Tell(Notice::Bound);
  if (recordset_ && recordset_->IsOpen() && !recordset_->Eof()) Fire(Reposition);
}

void DataControl::Refresh() {
  if (!database_ || openedName_ != props_->databaseName || !database_->IsOpen()) {
    database_ = dao::Engine().OpenDatabase(props_->databaseName, false, props_->readOnly);
    openedName_ = props_->databaseName;
  }
  SetRecordset(database_->OpenRecordset(props_->recordSource, props_->recordsetType));
}

int DataControl::AddObserver(Observer observer) {
  observers_.emplace_back(nextObserver_, std::move(observer));
  return nextObserver_++;
}

void DataControl::RemoveObserver(int id) {
  std::erase_if(observers_, [id](const auto& entry) { return entry.first == id; });
}

void DataControl::Tell(Notice notice) {
  auto observers = observers_;
  for (auto& [id, observer] : observers) observer(notice);
}

// An unloaded form lets its recordsets go.
void DataControl::RestoreDesign() {
  Control::RestoreDesign();
  Unwatch();
  recordset_.reset();
  database_.reset();
  openedName_.clear();
  Tell(Notice::Bound);
}

}  // namespace forms
