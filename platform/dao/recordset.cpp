#include "platform/dao/recordset.h"

#include <algorithm>
#include <utility>

#include "platform/dao/constants.h"
#include "platform/dao/errors.h"
#include "platform/dao/jet_value.h"

namespace dao {
namespace {

constexpr const char* kSource = "DAO.Recordset";

[[noreturn]] void Fail(int number) { RaiseEngineError(number, {}, kSource); }

}  // namespace

Recordset::Recordset(std::shared_ptr<Connection> connection, QueryResult result, int type, bool updatable,
                     std::string source, bool tableSource, bool appendOnly)
    : connection_(std::move(connection)),
      source_(std::move(source)),
      type_(type),
      updatable_(false),
      tableSource_(tableSource),
      wantsWriting_(updatable),
      appendOnly_(appendOnly) {
  for (std::size_t i = 0; i < result.columns.size(); ++i)
    fields_.fields_.push_back(std::make_unique<Field>(*this, static_cast<int>(i), result.columns[i]));
  Load(std::move(result));
}

void Recordset::Load(QueryResult result) {
  table_ = result.table;
  schema_ = nullptr;
  updatable_ = wantsWriting_ && !table_.empty();
  rows_.clear();
  rows_.reserve(result.rows.size());
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    Row row;
    row.values = std::move(result.rows[i]);
    if (i < result.rowids.size()) row.rowid = result.rowids[i];
    rows_.push_back(std::move(row));
  }
  for (std::size_t i = 0; i < result.columns.size() && i < fields_.fields_.size(); ++i)
    fields_.fields_[i]->column_ = result.columns[i];
  fields_.ForgetNames();
  deleted_ = added_ = 0;
  lastModified_ = -1;
  editMode_ = dbEditNone;
  current_ = rows_.empty() ? -1 : 0;
  seen_ = rows_.empty() ? 0 : 1;
}

void Recordset::RequireOpen() const {
  if (!open_) Fail(kErrObjectInvalid);
}

void Recordset::RequireScrollable() const {
  RequireOpen();
  if (type_ == dbOpenForwardOnly) Fail(kErrNotSupported);
}

void Recordset::RequireWritable() const {
  RequireOpen();
  connection_->RequireOpen();
  if (!updatable_) Fail(kErrReadOnly);
}

const TableSchema& Recordset::Schema() const {
  std::uint64_t version = connection_->catalogue().Version();
  if (schema_ == nullptr || schemaUnder_ != version) {
    schema_ = connection_->catalogue().Find(table_);
    schemaUnder_ = version;
  }
  if (schema_ == nullptr) RaiseEngineError(kErrTableNotFound, table_, kSource);
  return *schema_;
}

const std::vector<vb::Variant>& Recordset::Values(long row) const {
  Row& entry = rows_[row];
  if (entry.written) ReadBack(entry);
  return entry.values;
}

void Recordset::MarkWritten(Row& row) const {
  row.written = true;
  row.writtenUnder = connection_->catalogue().Version();
}

// The table's values of a row written through the recordset: a COUNTER the table
// numbered, or a column another program changed since the row was read. When the
// row is gone (rolled back, deleted by a statement), the table's definitions have
// changed since, or the file cannot be read now, the row keeps the values written.
void Recordset::ReadBack(Row& row) const {
  row.written = false;
  if (!connection_->IsOpen() || row.writtenUnder != connection_->catalogue().Version()) return;
  std::vector<vb::Variant> stored;
  try {
    if (!connection_->ReadRow(Schema(), row.rowid, stored)) return;
  } catch (const vb::Error&) {
    return;
  }
  for (std::size_t i = 0; i < fields_.fields_.size(); ++i) {
    int column = fields_.fields_[i]->column_.tableColumn;
    if (column >= 0 && static_cast<std::size_t>(column) < stored.size()) row.values[i] = std::move(stored[column]);
  }
}

long Recordset::Visible() const { return static_cast<long>(rows_.size()) - deleted_; }

long Recordset::NextVisible(long from) const {
  long size = static_cast<long>(rows_.size());
  while (from < size && rows_[from].deleted) ++from;
  return std::min(from, size);
}

long Recordset::PreviousVisible(long from) const {
  while (from >= 0 && rows_[from].deleted) --from;
  return std::max(from, -1L);
}

long Recordset::RowOfPosition(long position) const {
  if (deleted_ == 0) return position;
  long row = NextVisible(0);
  for (long i = 0; i < position; ++i) row = NextVisible(row + 1);
  return row;
}

bool Recordset::HasCurrent() const { return current_ >= 0 && current_ < static_cast<long>(rows_.size()); }

bool Recordset::Eof() const {
  RequireOpen();
  return Visible() == 0 || current_ >= static_cast<long>(rows_.size());
}

bool Recordset::Bof() const {
  RequireOpen();
  return Visible() == 0 || current_ < 0;
}

long Recordset::RecordCount() const {
  RequireOpen();
  if (type_ == dbOpenTable) return Visible();
  if (deleted_ == 0 && added_ == 0) return seen_;
  long count = 0;
  for (long i = 0; i < static_cast<long>(rows_.size()); ++i) {
    if (!rows_[i].deleted && (i < seen_ || rows_[i].added)) ++count;
  }
  return count;
}

// A move drops a pending AddNew or Edit, as the engine does.
void Recordset::MoveTo(long row) {
  editMode_ = dbEditNone;
  current_ = row;
  if (HasCurrent()) seen_ = std::max(seen_, row + 1);
  Notify(Change::Position);
}

void Recordset::MoveFirst() {
  RequireOpen();
  if (Visible() == 0) Fail(kErrNoCurrentRecord);
  long first = NextVisible(0);
  if (type_ == dbOpenForwardOnly && current_ != first) Fail(kErrNotSupported);
  MoveTo(first);
}

void Recordset::MoveLast() {
  RequireOpen();
  if (Visible() == 0) Fail(kErrNoCurrentRecord);
  seen_ = static_cast<long>(rows_.size());
  MoveTo(PreviousVisible(static_cast<long>(rows_.size()) - 1));
}

void Recordset::MoveNext() {
  if (Eof()) Fail(kErrNoCurrentRecord);
  MoveTo(NextVisible(current_ + 1));
}

void Recordset::MovePrevious() {
  RequireScrollable();
  if (Bof()) Fail(kErrNoCurrentRecord);
  MoveTo(PreviousVisible(current_ - 1));
}

void Recordset::Move(long rows) {
  RequireOpen();
  if (rows == 0) {
    if (!HasCurrent()) Fail(kErrNoCurrentRecord);
    MoveTo(current_);
    return;
  }
  if (rows < 0) RequireScrollable();
  if ((rows > 0 && Eof()) || (rows < 0 && Bof())) Fail(kErrNoCurrentRecord);
  long row = current_;
  for (long step = rows > 0 ? rows : -rows; step > 0; --step) {
    row = rows > 0 ? NextVisible(row + 1) : PreviousVisible(row - 1);
    if (row < 0 || row >= static_cast<long>(rows_.size())) break;
  }
  MoveTo(row);
}

long Recordset::AbsolutePosition() const {
  RequireScrollable();
  if (!HasCurrent() || rows_[current_].deleted) return -1;
  if (deleted_ == 0) return current_;
  long position = 0;
  for (long i = 0; i < current_; ++i) position += rows_[i].deleted ? 0 : 1;
  return position;
}

void Recordset::SetAbsolutePosition(long position) {
  RequireScrollable();
  if (position < 0 || position >= Visible()) Fail(kErrInvalidArgument);
  MoveTo(RowOfPosition(position));
}

dao::Bookmark Recordset::Bookmark() const {
  RequireScrollable();
  if (!HasCurrent()) Fail(kErrNoCurrentRecord);
  return {current_, this};
}

void Recordset::SetBookmark(const dao::Bookmark& bookmark) {
  RequireScrollable();
  if (bookmark.owner != this || bookmark.row < 0 || bookmark.row >= static_cast<long>(rows_.size()))
    Fail(kErrInvalidBookmark);
  if (rows_[bookmark.row].deleted) Fail(kErrRecordDeleted);
  MoveTo(bookmark.row);
}

dao::Bookmark Recordset::LastModified() const {
  RequireOpen();
  if (lastModified_ < 0) Fail(kErrNoCurrentRecord);
  return {lastModified_, this};
}

dao::Fields& Recordset::Fields() {
  RequireOpen();
  return fields_;
}

const vb::Variant& Recordset::Read(int field) const {
  RequireOpen();
  if (editMode_ == dbEditAdd || (editMode_ == dbEditInProgress && changed_[field])) return buffer_[field];
  if (!HasCurrent()) Fail(kErrNoCurrentRecord);
  if (rows_[current_].deleted) Fail(kErrRecordDeleted);
  return Values(current_)[field];
}

// The table column a field's value is written to, while a row is pending.
int Recordset::ColumnToWrite(int field) const {
  RequireOpen();
  if (editMode_ == dbEditNone) Fail(kErrUpdateWithoutEdit);
  const ResultColumn& column = fields_.fields_[field]->column_;
  if (column.tableColumn < 0) RaiseEngineError(kErrFieldNotUpdatable, column.name, "DAO.Field");
  return column.tableColumn;
}

void Recordset::Write(int field, const vb::Variant& value) {
  int column = ColumnToWrite(field);
  const TableSchema& schema = Schema();
  buffer_[field] = CoerceToColumn(value, schema.columns[column], schema.name);
  changed_[field] = true;
}

void Recordset::Write(int field, vb::Variant&& value) {
  int column = ColumnToWrite(field);
  const TableSchema& schema = Schema();
  buffer_[field] = CoerceToColumn(std::move(value), schema.columns[column], schema.name);
  changed_[field] = true;
}

void Recordset::AddNew() {
  RequireWritable();
  buffer_.assign(fields_.fields_.size(), vb::Null);
  changed_.assign(fields_.fields_.size(), false);
  editMode_ = dbEditAdd;
}

void Recordset::Edit() {
  RequireWritable();
  if (!HasCurrent()) Fail(kErrNoCurrentRecord);
  if (rows_[current_].deleted) Fail(kErrRecordDeleted);
  // The row's stored values are read back now; the pending row holds only the
  // fields written, the others are read from the row itself. A recalculation
  // edits thousands of rows, writing a few of their fields.
  Values(current_);
  buffer_.assign(fields_.fields_.size(), vb::Null);
  changed_.assign(fields_.fields_.size(), false);
  editMode_ = dbEditInProgress;
}

// Stores the pending row. On failure the row stays pending, so that the caller can
// correct it or call CancelUpdate.
void Recordset::Update() {
  RequireOpen();
  if (editMode_ == dbEditNone) Fail(kErrUpdateWithoutEdit);
  connection_->RequireOpen();
  const TableSchema& schema = Schema();
  // The lists are kept between rows: a loader stores thousands in a row.
  std::vector<int>& columns = writeColumns_;
  std::vector<const vb::Variant*>& values = writeValues_;
  std::vector<char>& named = writeNamed_;
  columns.clear();
  values.clear();
  named.assign(schema.columns.size(), false);
  for (std::size_t i = 0; i < fields_.fields_.size(); ++i) {
    int column = fields_.fields_[i]->column_.tableColumn;
    if (!changed_[i] || column < 0 || static_cast<std::size_t>(column) >= named.size() || named[column]) continue;
    named[column] = true;
    columns.push_back(column);
    values.push_back(&buffer_[i]);
  }
  if (editMode_ == dbEditAdd) {
    long long rowid = connection_->InsertRow(schema, columns, values);
    rows_.push_back(Row{std::move(buffer_), rowid, false, true});
    MarkWritten(rows_.back());
    ++added_;
    lastModified_ = static_cast<long>(rows_.size()) - 1;
  } else {
    Row& row = rows_[current_];
    connection_->UpdateRow(schema, row.rowid, columns, values);
    for (std::size_t i = 0; i < changed_.size(); ++i)
      if (changed_[i]) row.values[i] = std::move(buffer_[i]);
    MarkWritten(row);
    lastModified_ = current_;
  }
  buffer_.clear();
  editMode_ = dbEditNone;
  Notify(Change::Data);
}

void Recordset::CancelUpdate() {
  RequireOpen();
  if (editMode_ == dbEditNone) Fail(kErrUpdateWithoutEdit);
  editMode_ = dbEditNone;
}

// The deleted row stays current, unreadable (3167), until the next move.
void Recordset::Delete() {
  RequireWritable();
  editMode_ = dbEditNone;
  if (!HasCurrent()) Fail(kErrNoCurrentRecord);
  if (rows_[current_].deleted) Fail(kErrRecordDeleted);
  connection_->DeleteRow(Schema(), rows_[current_].rowid);
  rows_[current_].deleted = true;
  ++deleted_;
  Notify(Change::Data);
}

void Recordset::Requery() {
  RequireOpen();
  connection_->RequireOpen();
  QueryResult result = tableSource_ ? connection_->TableRows(source_, !appendOnly_)
                                    : connection_->Query(source_, wantsWriting_, !appendOnly_);
  Load(std::move(result));
  Notify(Change::Position);
}

void Recordset::Close() {
  open_ = false;
  editMode_ = dbEditNone;
  rows_.clear();
  listeners_.clear();
}

int Recordset::AddListener(Listener listener) {
  listeners_.emplace_back(nextListener_, std::move(listener));
  return nextListener_++;
}

void Recordset::RemoveListener(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Recordset::Notify(Change change) {
  auto listeners = listeners_;
  for (auto& [id, listener] : listeners) listener(*this, change);
}

long Recordset::LoadedRowCount() const {
  RequireOpen();
  return Visible();
}

vb::Variant Recordset::ValueAt(long position, int field) const {
  RequireOpen();
  if (position < 0 || position >= Visible() || field < 0 || field >= fields_.Count()) Fail(kErrInvalidArgument);
  return Values(RowOfPosition(position))[field];
}

}  // namespace dao
