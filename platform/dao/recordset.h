#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dao/connection.h"
#include "platform/dao/field.h"

namespace dao {

// Names a row of the recordset that gave it; another recordset's raises 3159.
struct Bookmark {
  long row = -1;
  const void* owner = nullptr;
  friend bool operator==(const Bookmark&, const Bookmark&) = default;
};

// The rows of a table or query, with a current row. Every row is read when the
// recordset opens, so that moving is cheap and no lock is held on the file while
// windows keep recordsets open; RecordCount still counts as the engine does, only
// the rows visited so far until MoveLast (a table-type recordset counts them all).
// An append-only dynaset reads none: it holds only the rows added through it.
// A row written by Update is read back from the table only when it is next read,
// so that a loader adding thousands of rows pays for the insert alone.
class Recordset {
 public:
  enum class Change { Position, Data };
  using Listener = std::function<void(Recordset&, Change)>;

  Recordset(std::shared_ptr<Connection> connection, QueryResult result, int type, bool updatable,
            std::string source, bool tableSource, bool appendOnly = false);
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  int Type() const { return type_; }
  const std::string& Name() const { return source_; }
  bool Updatable() const { return updatable_; }
  bool IsOpen() const { return open_; }
  // The engine's EOF and BOF (those two names are taken by the C library's macros).
  bool Eof() const;
  bool Bof() const;
  long RecordCount() const;
  // How many rows the recordset holds now: those read when it opened and those
  // added through it, less those deleted. Unlike RecordCount it needs no
  // MoveLast and raises nothing on an open recordset, so a bound grid can ask it
  // as often as it draws without touching the engine's Errors.
  long LoadedRowCount() const;
  int EditMode() const { return editMode_; }

  // Moving off either end raises 3021; so does moving again once there.
  void MoveFirst();
  void MoveLast();
  void MoveNext();
  void MovePrevious();
  void Move(long rows);
  long AbsolutePosition() const;
  void SetAbsolutePosition(long position);
  dao::Bookmark Bookmark() const;
  void SetBookmark(const dao::Bookmark& bookmark);
  dao::Bookmark LastModified() const;

  dao::Fields& Fields();
  Field& operator()(std::string_view name) { return Fields()[name]; }
  Field& operator()(int index) { return Fields()[index]; }

  // Writing needs a dynaset or table-type recordset over one table (else 3027).
  void AddNew();
  void Edit();
  void Update();
  void CancelUpdate();
  void Delete();
  void Requery();
  void Close();

  // A grid bound to the recordset follows its current row through these calls and
  // reads any row without moving it.
  int AddListener(Listener listener);
  void RemoveListener(int id);
  vb::Variant ValueAt(long position, int field) const;

 private:
  friend class Field;
  struct Row {
    std::vector<vb::Variant> values;
    long long rowid = 0;
    bool deleted = false;
    bool added = false;
    // Written by Update under these table definitions and not read back since.
    bool written = false;
    std::uint64_t writtenUnder = 0;
  };

  void Load(QueryResult result);
  void RequireOpen() const;
  void RequireScrollable() const;
  void RequireWritable() const;
  const TableSchema& Schema() const;
  const std::vector<vb::Variant>& Values(long row) const;
  void ReadBack(Row& row) const;
  void MarkWritten(Row& row) const;
  long Visible() const;
  long NextVisible(long from) const;
  long PreviousVisible(long from) const;
  long RowOfPosition(long position) const;
  bool HasCurrent() const;
  void MoveTo(long row);
  void Notify(Change change);
  const vb::Variant& Read(int field) const;
  void Write(int field, const vb::Variant& value);
  void Write(int field, vb::Variant&& value);
  int ColumnToWrite(int field) const;

  std::shared_ptr<Connection> connection_;
  std::string source_;
  int type_;
  bool updatable_;
  bool tableSource_;
  bool wantsWriting_;
  bool appendOnly_;
  std::string table_;
  // The table's definition, found again only when the catalogue changes.
  mutable const TableSchema* schema_ = nullptr;
  mutable std::uint64_t schemaUnder_ = 0;
  dao::Fields fields_;
  // Mutable because reading a written row reads it back first.
  mutable std::vector<Row> rows_;
  long current_ = -1;
  long seen_ = 0;
  long deleted_ = 0;
  long added_ = 0;
  long lastModified_ = -1;
  int editMode_ = 0;
  // The pending row: every field of a row being added, only the fields written
  // (flagged in changed_) of a row being edited.
  std::vector<vb::Variant> buffer_;
  // Flags kept as bytes rather than bits: every field's is read for every row written.
  std::vector<char> changed_;
  std::vector<int> writeColumns_;
  std::vector<const vb::Variant*> writeValues_;
  std::vector<char> writeNamed_;
  bool open_ = true;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListener_ = 1;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

}  // namespace dao
